// A translation file (.ts) as the tests read it: every entry with its context, German source and
// translation, so that tests take the expected English from the file instead of restating it.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tolva::test {

struct TranslationEntry {
    QString sKontext;
    QString sQuelle;      // the German source text
    QString sKommentar;   // the disambiguation, "" when there is none
    QStringList aFormen;  // the translation; two or more forms for a text with %n
    bool bUnfertig = false;
    bool bNumerus = false;
};

class TranslationFile {
  public:
    // Reads sPfad; nullopt (with the reason in sFehler) when it is no readable .ts file.
    static std::optional<TranslationFile> Read(const QString& sPfad, QString* sFehler);
    // The project's English file in the source tree.
    static TranslationFile English();

    const std::vector<TranslationEntry>& Entries() const { return eintraege_; }
    // The first form of the translation of sQuelle in sKontext; nullopt when the file has none.
    std::optional<QString> Translation(const QString& sKontext, const QString& sQuelle) const;
    // Whether sText is a German source whose English differs and that is no English text of the
    // file either: a text a window or terminal shows although it should be English.
    bool IsUntranslatedGerman(const QString& sText) const;

  private:
    std::vector<TranslationEntry> eintraege_;
    QHash<QString, qsizetype> index_;  // context + '\n' + source
    QHash<QString, QString> deutsch_;  // German source -> its English (first seen)
    QHash<QString, bool> englisch_;    // every English form
};

}  // namespace tolva::test
