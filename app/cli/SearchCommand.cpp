// tolva-archiv search: one text looked up in the user database and in every archive.
#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/PasswordInput.h"
#include "text/DisplayFormat.h"
#include "text/Language.h"

#include "browse/SearchRun.h"
#include "hostlib/HostServices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <map>
#include <optional>

namespace tolva {
namespace {

// The archive folder as the wizard finds it: the host's setting, else the database's folder.
QString ArchiveFolder(const QString& sDatenbank) {
    const QString sOrdner = FolderSetting(kSettingArchivPfad);
    return sOrdner.isEmpty() ? QFileInfo(sDatenbank).absolutePath() : sOrdner;
}

QJsonObject HitJson(const SearchHit& t) {
    return QJsonObject{{QStringLiteral("datei"), t.sDatei},
                       // German and fixed for an account the file has no row for.
                       {QStringLiteral("konto"),
                        t.bKontozeile ? t.sKonto : UnknownAccountLabelGerman(t.buchung.lKontoID)},
                       {QStringLiteral("konto_id"), t.buchung.lKontoID},
                       {QStringLiteral("id"), t.buchung.id},
                       {QStringLiteral("datum"), t.buchung.sDatum},
                       {QStringLiteral("betrag_cent"), t.buchung.lBetragCent},
                       {QStringLiteral("empfaenger"), t.buchung.sEmpfaenger},
                       {QStringLiteral("zweck"), t.buchung.sZweck}};
}

QString HitLine(const SearchHit& t) {
    const QDate d = QDate::fromString(t.buchung.sDatum, Qt::ISODate);
    return QStringList{QFileInfo(t.sDatei).fileName(), t.sKonto,
                       d.isValid() ? DisplayDate(d) : t.buchung.sDatum,
                       DisplayCents(t.buchung.lBetragCent),
                       t.buchung.sEmpfaenger + QStringLiteral(" / ") + t.buchung.sZweck}
        .join(QLatin1Char('\t'));
}

}  // namespace

const CommandDefinition& SearchDefinition() {
    // Made at the first call, in the language chosen by then.
    static const CommandDefinition definition = WithPasswordOptions(
        {QStringLiteral("search"),
         QCoreApplication::translate("SearchCommand",
                                     "Sucht einen Text in den Umsätzen der Benutzer-Datenbank und "
                                     "aller Archive (ohne Unterschied von Groß- und "
                                     "Kleinschreibung und Umlauten)."),
         {DatabaseOption(),
          {QStringLiteral("folder"), QCoreApplication::translate("SearchCommand", "ORDNER"),
           QCoreApplication::translate("SearchCommand",
                                       "der Ordner der Archive (Vorgabe: der Archiv-Ordner der "
                                       "Einstellungen, sonst der Ordner der Datenbank)")},
          {QStringLiteral("json"), QString(),
           QCoreApplication::translate("SearchCommand", "gibt die Treffer als JSON aus")}},
         QStringLiteral("TEXT"),
         1,
         1},
        QCoreApplication::translate("SearchCommand",
                                    "das Passwort, das für jedes Archiv mit Passwort versucht "
                                    "wird (ohne Terminal werden diese sonst übersprungen)"));
    return definition;
}

int RunSearchCommand(const QStringList& args, const CommandStreams& io) {
    int lStatus = 0;
    const std::optional<Arguments> a = ParseCommand(SearchDefinition(), args, &lStatus, io);
    if (!a) return lStatus;
    const QString sDatenbank = QFileInfo(a->Value(QStringLiteral("db"))).absoluteFilePath();
    if (!QFileInfo(sDatenbank).isFile())
        return Fail(io.err, QCoreApplication::translate("SearchCommand",
                                                        "Die Datenbank „%1“ wurde nicht gefunden.")
                                .arg(sDatenbank));
    const QString sOrdner = a->Has(QStringLiteral("folder")) ? a->Value(QStringLiteral("folder"))
                                                             : ArchiveFolder(sDatenbank);
    if (a->Has(QStringLiteral("folder")) && !QFileInfo(sOrdner).isDir())
        return Fail(io.err,
                    QCoreApplication::translate("SearchCommand", "Der Ordner „%1“ existiert nicht.")
                        .arg(sOrdner));

    const Result<std::optional<QString>> gegeben = GivenPassword(*a);
    if (!gegeben.ok()) return RefusePassword(SearchDefinition(), gegeben.error(), io.err);
    // One password given is tried on every archive of the folder that needs one; without one,
    // each such archive's own is asked for when there is a terminal, else it is skipped.
    std::map<QString, QString> passwoerter;
    if (gegeben.value() || CanAsk())
        for (const QString& sArchiv : ArchivesToSearch(sOrdner, sDatenbank)) {
            const Result<QString> passwort = PasswordFor(sArchiv, gegeben.value());
            if (!passwort.ok()) return Fail(io.err, passwort.error().description);
            passwoerter[sArchiv] = passwort.value();
        }
    // TOLVA_SEARCH_THREADS caps the files searched at once (the benchmark compares 1 with
    // one per core); unset or 0: one per core. For --json the search runs in German: the
    // reasons of the files it skipped go into the fixed "uebersprungen".
    const bool bJson = a->Flag(QStringLiteral("json"));
    std::optional<ScopedLanguage> deutsch;
    if (bJson) deutsch.emplace(Sprache::Deutsch);
    const SearchResult ergebnis =
        SearchEverywhere(a->positionen().front(), sDatenbank, sOrdner, passwoerter, 0,
                         qEnvironmentVariableIntValue("TOLVA_SEARCH_THREADS"));
    QStringList uebersprungen;
    for (const SkippedFile& datei : ergebnis.uebersprungen) {
        const QString sGrund = OpenFailureText(datei.grund);
        uebersprungen << (sGrund.contains(datei.sDatei)
                              ? sGrund
                              : QStringLiteral("„%1“: %2").arg(datei.sDatei, sGrund));
    }
    deutsch.reset();
    bool bFalsch = false;
    QTextStream& err = io.err;
    for (const SkippedFile& datei : ergebnis.uebersprungen) {
        bFalsch = bFalsch || IsEngine(datei.grund, kCodePasswortFalsch);
        const QString sGrund = OpenFailureText(datei.grund);
        const bool bGenannt = sGrund.contains(datei.sDatei);
        err << (bGenannt
                    ? QCoreApplication::translate("SearchCommand", "Übersprungen: %1").arg(sGrund)
                    : QCoreApplication::translate("SearchCommand", "Übersprungen: „%1“: %2")
                          .arg(datei.sDatei, sGrund))
            << Qt::endl;
    }
    QTextStream& out = io.out;
    if (bJson) {
        QJsonArray treffer;
        for (const SearchHit& t : ergebnis.treffer) treffer.append(HitJson(t));
        out << QJsonDocument(QJsonObject{{QStringLiteral("treffer"), treffer},
                                         {QStringLiteral("uebersprungen"),
                                          QJsonArray::fromStringList(uebersprungen)}})
                   .toJson(QJsonDocument::Indented);
    } else {
        for (const SearchHit& t : ergebnis.treffer) out << HitLine(t) << '\n';
        if (ergebnis.treffer.empty())
            out << QCoreApplication::translate("SearchCommand", "Keine Umsätze gefunden.")
                << Qt::endl;
    }
    // A wrong password leaves an archive unsearched: the hits are not all there are.
    return bFalsch ? 1 : 0;
}

}  // namespace tolva
