// Language choice: German is the source of every text; English comes from tolva_en.qm, which
// the build places in the engine's resources.
#include "text/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

#include <atomic>

namespace tolva {
namespace {

std::atomic<Sprache> g_sprache{Sprache::Deutsch};
// The innermost scope of a language (ScopedLanguage); scopes are made on the main thread.
ScopedLanguage* g_innerste = nullptr;
std::atomic<int> g_programm{-1};  // the program's language, -1 while no program chose one

// Our translation of a language other than German, in the engine's resources.
bool LoadOurs(QTranslator& uebersetzung, Sprache sprache) {
    return uebersetzung.load(QStringLiteral(":/i18n/tolva_%1.qm").arg(LanguageCode(sprache)));
}

std::optional<Sprache> FromEnvironment() {
    return LanguageFromName(qEnvironmentVariable("TOLVA_LANG"));
}

}  // namespace

std::optional<Sprache> LanguageFromName(QStringView sName) {
    // The language is what stands before the first '-' or '_' (or '.', as in "en.UTF-8").
    qsizetype lEnde = 0;
    while (lEnde < sName.size() && sName[lEnde].isLetter()) ++lEnde;
    const QStringView sSprache = sName.left(lEnde);
    if (sSprache.compare(u"de", Qt::CaseInsensitive) == 0) return Sprache::Deutsch;
    if (sSprache.compare(u"en", Qt::CaseInsensitive) == 0) return Sprache::Englisch;
    return std::nullopt;
}

Sprache LanguageFromLocales(const QStringList& aSprachen) {
    for (const QString& sName : aSprachen)
        if (std::optional<Sprache> s = LanguageFromName(sName)) return *s;
    return Sprache::Deutsch;
}

QString LanguageCode(Sprache sprache) {
    return sprache == Sprache::Englisch ? QStringLiteral("en") : QStringLiteral("de");
}

std::optional<Sprache> ChooseProgramLanguage(const QString& sOption) {
    if (!sOption.isEmpty()) return LanguageFromName(sOption);
    if (std::optional<Sprache> s = FromEnvironment()) return s;
    return LanguageFromLocales(QLocale::system().uiLanguages());
}

void SetProgramLanguage(Sprache sprache) {
    g_programm = static_cast<int>(sprache);
    g_sprache = sprache;
}

Sprache ChooseHostLanguage() {
    if (const int l = g_programm; l >= 0) return static_cast<Sprache>(l);
    if (std::optional<Sprache> s = FromEnvironment()) return *s;
    // QLocale() is the system locale until the host sets a default of its own.
    if (QLocale() != QLocale::system()) return LanguageFromLocales(QLocale().uiLanguages());
    return Sprache::Deutsch;
}

Sprache CurrentLanguage() {
    return g_sprache;
}

QString TranslateEarly(const char* sKontext, const char* sText) {
    if (QCoreApplication::instance() || CurrentLanguage() == Sprache::Deutsch)
        return QCoreApplication::translate(sKontext, sText);
    QTranslator uebersetzung;
    if (LoadOurs(uebersetzung, CurrentLanguage())) {
        const QString sUebersetzt = uebersetzung.translate(sKontext, sText);
        if (!sUebersetzt.isEmpty()) return sUebersetzt;
    }
    return QString::fromUtf8(sText);
}

bool QtTextsTranslated() {
    // Qt's own buttons take their texts from this context. (Names, not literals, in the call, so
    // that our translation file does not take Qt's text for one of ours.)
    static const char* const kKontext = "QPlatformTheme";
    static const char* const kAbbrechen = "Cancel";
    return QCoreApplication::translate(kKontext, kAbbrechen) != QLatin1String(kAbbrechen);
}

ScopedLanguage::ScopedLanguage(Sprache sprache)
    : frueher_(g_sprache.exchange(sprache)), aussen_(g_innerste) {
    g_innerste = this;
    if (!QCoreApplication::instance()) return;
    // The enclosing scope's translations give way: a German scope inside an English one (the
    // fixed German of --json) shows German.
    if (aussen_) aussen_->Remove();
    if (sprache == Sprache::Englisch) {
        ok_ = LoadOurs(unsere_, sprache);
        unsereGeladen_ = ok_;
    } else if (!QtTextsTranslated()) {
        // Without the file (Debian: qt6-translations-l10n) Qt's buttons stay English.
        qtGeladen_ = qt_.load(QStringLiteral("qtbase_de"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    Add();
}

ScopedLanguage::~ScopedLanguage() {
    Remove();
    if (g_innerste == this) {
        g_innerste = aussen_;
        if (aussen_ && QCoreApplication::instance()) aussen_->Add();
    } else {
        // Ended before a scope inside it (an application made anew meanwhile): that one now
        // encloses in this one's place.
        for (ScopedLanguage* s = g_innerste; s; s = s->aussen_)
            if (s->aussen_ == this) s->aussen_ = aussen_;
    }
    g_sprache = frueher_;
}

void ScopedLanguage::Add() {
    if (unsereGeladen_ && !unsereInstalliert_)
        unsereInstalliert_ = QCoreApplication::installTranslator(&unsere_);
    if (qtGeladen_ && !qtInstalliert_) qtInstalliert_ = QCoreApplication::installTranslator(&qt_);
}

void ScopedLanguage::Remove() {
    if (unsereInstalliert_) QCoreApplication::removeTranslator(&unsere_);
    if (qtInstalliert_) QCoreApplication::removeTranslator(&qt_);
    unsereInstalliert_ = qtInstalliert_ = false;
}

}  // namespace tolva
