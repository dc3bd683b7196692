// Reads a Qt Linguist file with QXmlStreamReader.
#include "TranslationFile.h"

#include <QFile>
#include <QXmlStreamReader>

#include <cstdio>
#include <cstdlib>

namespace tolva::test {
namespace {

// The text of the element the reader stands on. Control characters are written as
// <byte value="xd"/> (hexadecimal after an x, decimal otherwise).
QString ElementText(QXmlStreamReader& xml) {
    QString s;
    for (int lTiefe = 1; lTiefe > 0 && !xml.atEnd();) {
        xml.readNext();
        if (xml.isCharacters()) {
            s += xml.text();
        } else if (xml.isStartElement()) {
            ++lTiefe;
            if (xml.name() == u"byte") {
                const QString sWert = xml.attributes().value(QLatin1String("value")).toString();
                const bool bHex = sWert.startsWith(u'x');
                s += QChar(sWert.mid(bHex ? 1 : 0).toUShort(nullptr, bHex ? 16 : 10));
            }
        } else if (xml.isEndElement()) {
            --lTiefe;
        }
    }
    return s;
}

}  // namespace

std::optional<TranslationFile> TranslationFile::Read(const QString& sPfad, QString* sFehler) {
    QFile datei(sPfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        *sFehler = sPfad + QStringLiteral(": ") + datei.errorString();
        return std::nullopt;
    }
    TranslationFile ts;
    QXmlStreamReader xml(&datei);
    QString sKontext;
    TranslationEntry e;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isEndElement() && xml.name() == u"message") {
                e.sKontext = sKontext;
                ts.index_.insert(e.sKontext + u'\n' + e.sQuelle, ts.eintraege_.size());
                if (!e.aFormen.isEmpty()) {
                    if (!ts.deutsch_.contains(e.sQuelle))
                        ts.deutsch_.insert(e.sQuelle, e.aFormen[0]);
                    for (const QString& f : e.aFormen) ts.englisch_.insert(f, true);
                }
                ts.eintraege_.push_back(e);
            }
            continue;
        }
        const QStringView name = xml.name();
        if (name == u"name") {
            sKontext = ElementText(xml);
        } else if (name == u"message") {
            e = TranslationEntry{};
            e.bNumerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
        } else if (name == u"source") {
            e.sQuelle = ElementText(xml);
        } else if (name == u"comment") {
            e.sKommentar = ElementText(xml);
        } else if (name == u"translation") {
            const QStringView sTyp = xml.attributes().value(QLatin1String("type"));
            e.bUnfertig = sTyp == u"unfinished";
            if (!e.bNumerus) {
                const QString s = ElementText(xml);
                if (!s.isEmpty()) e.aFormen << s;
            }
        } else if (name == u"numerusform") {
            const QString s = ElementText(xml);
            if (!s.isEmpty()) e.aFormen << s;
        }
    }
    if (xml.hasError()) {
        *sFehler = sPfad + QStringLiteral(":%1: ").arg(xml.lineNumber()) + xml.errorString();
        return std::nullopt;
    }
    return ts;
}

TranslationFile TranslationFile::English() {
    QString sFehler;
    std::optional<TranslationFile> ts =
        Read(QStringLiteral(TOLVA_SOURCE_DIR "/i18n/tolva_en.ts"), &sFehler);
    if (!ts) {
        std::fprintf(stderr, "%s\n", qPrintable(sFehler));
        std::abort();
    }
    return *ts;
}

std::optional<QString> TranslationFile::Translation(const QString& sKontext,
                                                    const QString& sQuelle) const {
    const auto it = index_.constFind(sKontext + u'\n' + sQuelle);
    if (it == index_.constEnd() || eintraege_[*it].aFormen.isEmpty()) return std::nullopt;
    return eintraege_[*it].aFormen[0];
}

bool TranslationFile::IsUntranslatedGerman(const QString& sText) const {
    const auto it = deutsch_.constFind(sText);
    return it != deutsch_.constEnd() && *it != sText && !englisch_.contains(sText);
}

}  // namespace tolva::test
