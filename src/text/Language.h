// The language the program and the component show: chosen once, its translations installed in
// the application while they are shown.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QTranslator>

#include <optional>

namespace tolva {

// The languages there are texts for. German is the system's own: every text is written in it,
// and every other language is a translation of it.
enum class Sprache { Deutsch, Englisch };

// "de", "en", "en_GB", "en-Latn-US" and the like; nullopt for a language without texts.
std::optional<Sprache> LanguageFromName(QStringView sName);

// The first of a locale's languages (QLocale::uiLanguages(), most preferred first) that has
// texts; German when none has.
Sprache LanguageFromLocales(const QStringList& aSprachen);

// "de" or "en".
QString LanguageCode(Sprache sprache);

// The language a program of ours shows: sOption ("--lang"; empty when not given), then the
// environment's TOLVA_LANG, then the user's locale. An sOption without texts is an error and
// gives nullopt; an unknown TOLVA_LANG is passed over.
std::optional<Sprache> ChooseProgramLanguage(const QString& sOption);

// Remembers the language a program of ours chose, so that the component it calls shows the same.
void SetProgramLanguage(Sprache sprache);

// The language the component shows inside a call of Archiv: the program's when a program of
// ours calls it, then TOLVA_LANG, then the host's default locale when the host set one
// (QLocale::setDefault). The bare system locale is never asked: a host that chose no language
// gets the system's own German.
Sprache ChooseHostLanguage();

// The language shown now; German until a program or a call of the component chooses one.
Sprache CurrentLanguage();

// A text of ours (sText marked with QT_TRANSLATE_NOOP in sKontext) in the current language, also
// while no application object exists to hold the translation: a failure to make one is told in
// the language shown, too.
QString TranslateEarly(const char* sKontext, const char* sText);

// Whether the application translates Qt's own texts already (a host's translator).
// Precondition: an application object exists.
bool QtTextsTranslated();

// A language for the length of a scope: it becomes the current language, and when an
// application object exists its translations are installed in it: ours (none for German) and
// Qt's own German (qtbase_de) when the host has installed no translation of Qt's texts. At the
// end of the scope they are removed and the earlier language is current again, since a
// translator changes the whole host process. Scopes nest: while an inner one lasts, the
// translations of the one around it are taken out, so that German inside English is German.
// Made and ended on the main thread.
class ScopedLanguage {
  public:
    explicit ScopedLanguage(Sprache sprache);
    ~ScopedLanguage();
    ScopedLanguage(const ScopedLanguage&) = delete;
    ScopedLanguage& operator=(const ScopedLanguage&) = delete;

    // Whether our translation could be loaded (always true for German).
    bool ok() const { return ok_; }

  private:
    void Add();     // installs what this scope loaded, when not installed yet
    void Remove();  // takes it out of the application again

    Sprache frueher_;
    ScopedLanguage* aussen_;  // the scope around this one; not owned
    QTranslator unsere_;
    QTranslator qt_;
    bool unsereGeladen_ = false;
    bool qtGeladen_ = false;
    bool unsereInstalliert_ = false;
    bool qtInstalliert_ = false;
    bool ok_ = true;
};

}  // namespace tolva
