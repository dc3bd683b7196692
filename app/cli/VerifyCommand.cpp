// tolva-archiv verify: archives read whole and compared with the seal that their run wrote.
#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/PasswordInput.h"
#include "text/Language.h"

#include "archive/ArchiveList.h"
#include "browse/ArchiveCheck.h"
#include "browse/ArchiveSalvage.h"
#include "browse/BrowseFile.h"
#include "database/Schema.h"
#include "hostlib/HostServices.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <optional>

namespace tolva {
namespace {

// The exit statuses besides 0 (every archive in order), 1 (not every archive checked, or the
// command failed) and 2 (wrong arguments).
constexpr int kStatusOhneSiegel = 3;
constexpr int kStatusBeschaedigt = 4;
// --salvage: the new archive was written, but rows were lost; nothing could be written.
constexpr int kStatusVerluste = 5;
constexpr int kStatusNichtsGerettet = 6;

// Damage outweighs an archive left unchecked, which outweighs one without a seal.
int StatusOf(PruefZustand e) {
    switch (e) {
        case PruefZustand::InOrdnung:
            return 0;
        case PruefZustand::OhneSiegel:
            return kStatusOhneSiegel;
        case PruefZustand::NichtGeprueft:
            return 1;
        case PruefZustand::Beschaedigt:
        case PruefZustand::NichtLesbar:
            return kStatusBeschaedigt;
    }
    return kStatusBeschaedigt;
}

int Rank(int lStatus) {
    return lStatus == kStatusBeschaedigt ? 3 : lStatus == 1 ? 2 : lStatus == 0 ? 0 : 1;
}

QJsonValue Count(const std::optional<qint64>& n) {
    return n ? QJsonValue(*n) : QJsonValue(QJsonValue::Null);
}

QJsonObject CheckJson(const ArchivePruefung& p) {
    QJsonArray tabellen;
    for (const TabellenPruefung& t : p.tabellen)
        tabellen.append(QJsonObject{{QStringLiteral("tabelle"), t.sTabelle},
                                    {QStringLiteral("erwartet"), Count(t.lErwartet)},
                                    {QStringLiteral("gelesen"), Count(t.lGelesen)},
                                    {QStringLiteral("gleich"), t.bGleich}});
    return QJsonObject{{QStringLiteral("datei"), p.sDatei},
                       {QStringLiteral("zustand"), QString::fromLatin1(CheckStateName(p.eZustand))},
                       {QStringLiteral("meldung"), CheckText(p)},
                       {QStringLiteral("zeilen"), p.lZeilen},
                       {QStringLiteral("siegel_passt"), p.bSiegelPasst},
                       {QStringLiteral("tabellen"), tabellen}};
}

// verify ARCHIV --salvage NEU.aba: the report per table, and the status.
int RunSalvage(const Arguments& a, const QString& sPasswort, const CommandStreams& io) {
    SalvageRequest auftrag;
    auftrag.sArchiv = a.positionen().first();
    auftrag.sPasswort = sPasswort;
    auftrag.sZiel = a.Value(QStringLiteral("salvage"));
    if (!auftrag.sZiel.endsWith(QLatin1String(".aba"), Qt::CaseInsensitive))
        auftrag.sZiel += QStringLiteral(".aba");
    auftrag.sVorlage = FolderSetting(kSettingVorlagenPfad) + QString::fromUtf8(kTemplateFileName);
    auftrag.bErsetzen = a.Flag(QStringLiteral("yes"));
    const Result<SalvageReport> r = SalvageArchive(auftrag);
    if (!r.ok()) {
        QString sText = r.error().description;
        if (IsEngine(r.error(), kCodeZielVorhanden))
            sText = QCoreApplication::translate("VerifyCommand", "%1 Mit --yes wird sie ersetzt.")
                        .arg(sText);
        return Fail(io.err, sText,
                    BrowseFile::PasswordNeeded(r.error()) ? 1 : kStatusNichtsGerettet);
    }
    const SalvageReport& bericht = r.value();
    if (!bericht.bSiegel)
        io.out << QCoreApplication::translate("VerifyCommand",
                                              "Das Archiv hat kein lesbares Siegel: wie viele "
                                              "Zeilen fehlen, ist nicht bekannt.")
               << Qt::endl;
    for (const SalvagedTable& t : bericht.tabellen) io.out << SalvageLine(t) << Qt::endl;
    io.out << QCoreApplication::translate("VerifyCommand", "Neues Archiv: %1").arg(bericht.sZiel)
           << Qt::endl;
    return bericht.bVerluste ? kStatusVerluste : 0;
}

}  // namespace

const CommandDefinition& VerifyDefinition() {
    // The password options as every command reads them, but never asked for: a check of many
    // archives leaves those it cannot open unchecked. Made at the first call, in the language
    // chosen by then.
    static const CommandDefinition definition{
        QStringLiteral("verify"),
        QCoreApplication::translate(
            "VerifyCommand",
            "Prüft, ob Archive noch vollständig und unverändert sind: liest jede Seite und jede "
            "Zeile und vergleicht sie mit dem Siegel, das der Lauf ins Archiv geschrieben hat.\n"
            "Eine Zeile je Archiv: „in Ordnung“, „ohne Siegel (N Zeilen lesbar)“ (ein Archiv "
            "von vor den Siegeln), was abweicht, „nicht lesbar: …“ oder „nicht geprüft: …“.\n"
            "Status: 0 alle in Ordnung, 1 nicht alle geprüft (Passwort fehlt oder falsch) oder "
            "ein Fehler, 2 falscher Aufruf, 3 lesbar, aber ohne Siegel, 4 beschädigt oder "
            "nicht lesbar.\n"
            "Mit --salvage NEU.aba (ein ARCHIV): rettet, was sich vom Archiv noch lesen lässt, "
            "in ein neues Archiv mit eigenem Siegel und nennt je Tabelle die geretteten und die "
            "verlorenen Zeilen. Das beschädigte Archiv bleibt unverändert. Status: 0 nichts "
            "verloren, 5 neues Archiv geschrieben, aber Zeilen verloren, 6 nichts geschrieben, "
            "1 Passwort fehlt oder falsch."),
        {{QStringLiteral("folder"), QCoreApplication::translate("VerifyCommand", "ORDNER"),
          QCoreApplication::translate("VerifyCommand", "prüft jedes Archiv (*.aba) des Ordners")},
         {QStringLiteral("json"), QString(),
          QCoreApplication::translate("VerifyCommand", "gibt das Ergebnis als JSON aus")},
         {QStringLiteral("password"), QStringLiteral("TEXT"),
          QCoreApplication::translate(
              "VerifyCommand",
              "das Passwort, das für jedes Archiv mit Passwort versucht wird; „-“: die "
              "erste Zeile der Standardeingabe (TEXT ist für andere Benutzer sichtbar; "
              "besser --password-file oder --password -). Ohne beides werden Archive "
              "mit Passwort nicht geprüft.")},
         {QStringLiteral("password-file"), QCoreApplication::translate("VerifyCommand", "DATEI"),
          QCoreApplication::translate("VerifyCommand", "dasselbe aus der ersten Zeile von DATEI")},
         {QStringLiteral("salvage"), QCoreApplication::translate("VerifyCommand", "NEU.aba"),
          QCoreApplication::translate(
              "VerifyCommand",
              "schreibt die noch lesbaren Zeilen des einen ARCHIVs in ein neues Archiv "
              "NEU.aba (nie über eine Datenbank oder das Archiv selbst)")},
         {QStringLiteral("yes"), QString(),
          QCoreApplication::translate(
              "VerifyCommand",
              "mit --salvage: eine vorhandene Datei NEU.aba, die keine Datenbank ist, "
              "wird ersetzt")}},
        QCoreApplication::translate("VerifyCommand", "[ARCHIV...]"),
        0,
        1 << 20};
    return definition;
}

int RunVerifyCommand(const QStringList& args, const CommandStreams& io) {
    int lStatus = 0;
    const std::optional<Arguments> a = ParseCommand(VerifyDefinition(), args, &lStatus, io);
    if (!a) return lStatus;
    const bool bOrdner = a->Has(QStringLiteral("folder"));
    if (bOrdner == !a->positionen().isEmpty())
        return RefuseArguments(
            VerifyDefinition(),
            QCoreApplication::translate("VerifyCommand",
                                        "Entweder ARCHIV... oder --folder ORDNER angeben."),
            io.err);
    QStringList dateien;
    if (bOrdner) {
        QString sOrdner = QFileInfo(a->Value(QStringLiteral("folder"))).absoluteFilePath();
        if (!QFileInfo(sOrdner).isDir())
            return Fail(io.err, QCoreApplication::translate("VerifyCommand",
                                                            "Der Ordner „%1“ existiert nicht.")
                                    .arg(sOrdner));
        if (!sOrdner.endsWith(QLatin1Char('/'))) sOrdner += QLatin1Char('/');
        for (const QString& sEintrag : ListArchiveEntries(sOrdner))
            dateien << sOrdner + ArchiveEntryName(sEintrag);
    } else {
        dateien = a->positionen();
    }
    const Result<std::optional<QString>> gegeben = GivenPassword(*a);
    if (!gegeben.ok()) return RefusePassword(VerifyDefinition(), gegeben.error(), io.err);
    if (a->Has(QStringLiteral("salvage"))) {
        if (bOrdner || a->positionen().size() != 1 || a->Flag(QStringLiteral("json")))
            return RefuseArguments(
                VerifyDefinition(),
                QCoreApplication::translate(
                    "VerifyCommand",
                    "--salvage NEU.aba nimmt genau ein ARCHIV, ohne --folder und --json."),
                io.err);
        return RunSalvage(*a, gegeben.value().value_or(QString()), io);
    }
    if (a->Flag(QStringLiteral("yes")))
        return RefuseArguments(
            VerifyDefinition(),
            QCoreApplication::translate("VerifyCommand", "--yes gilt nur mit --salvage."), io.err);

    const bool bJson = a->Flag(QStringLiteral("json"));
    QJsonArray liste;
    int lErgebnis = 0;
    for (const QString& sDatei : dateien) {
        // For --json the check runs in German: its reason goes into the fixed "meldung".
        std::optional<ScopedLanguage> deutsch;
        if (bJson) deutsch.emplace(Sprache::Deutsch);
        const ArchivePruefung p = CheckArchive(sDatei, gegeben.value().value_or(QString()));
        deutsch.reset();
        if (Rank(StatusOf(p.eZustand)) > Rank(lErgebnis)) lErgebnis = StatusOf(p.eZustand);
        if (bJson)
            liste.append(CheckJson(p));
        else
            io.out << sDatei << ": " << ShownCheckText(p) << Qt::endl;
    }
    if (bJson)
        io.out << QJsonDocument(liste).toJson(QJsonDocument::Indented);
    else if (dateien.isEmpty())
        io.out << QCoreApplication::translate(
                      "VerifyCommand",
                      "Im gewählten Verzeichnis wurden keine Archiv-Dateien gefunden.")
               << Qt::endl;
    return lErgebnis;
}

}  // namespace tolva
