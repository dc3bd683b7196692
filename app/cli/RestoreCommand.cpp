// tolva-archiv restore: an archive's rows put back into the user database.
#include "cli/Arguments.h"
#include "cli/CancelOnSignals.h"
#include "cli/CommandSession.h"
#include "cli/Commands.h"
#include "cli/PasswordInput.h"
#include "cli/TerminalMessageBoxes.h"

#include "database/Cancel.h"
#include "restore/Restore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>
#include <iterator>

namespace tolva {
namespace {

// Per table what goes back, what was there already and what was edited since, in aligned
// columns; then the first edited rows by their ids in the database.
void PrintReport(const CommandStreams& io, const RestoreReport& bericht, bool bProbe) {
    QTextStream& out = io.out;
    if (bProbe)
        out << QCoreApplication::translate("RestoreCommand",
                                           "Probelauf: es wurde nichts geändert.\n");
    // Each column's heading; its numbers take the given width, or the heading's when longer.
    struct Spalte {
        QString sKopf;
        qsizetype lBreite;
    };
    Spalte spalten[] = {{QCoreApplication::translate("RestoreCommand", "im Archiv"), 9},
                        {bProbe ? QCoreApplication::translate("RestoreCommand", " ginge zurück")
                                : QCoreApplication::translate("RestoreCommand", "zurückgeholt"),
                         12},
                        {QCoreApplication::translate("RestoreCommand", "schon da"), 9},
                        {QCoreApplication::translate("RestoreCommand", "seitdem geändert"), 16}};
    out << QCoreApplication::translate("RestoreCommand", "Tabelle").leftJustified(26);
    for (Spalte& spalte : spalten) {
        spalte.lBreite = std::max(spalte.lBreite, spalte.sKopf.trimmed().size());
        out << ' ' << spalte.sKopf;
    }
    out << '\n';
    for (const RestoreCount& z : bericht.tabellen) {
        out << ShownRowsName(z.sName).leftJustified(26);
        const qint64 zahlen[] = {z.lImArchiv, z.lZurueck, z.lVorhanden, z.lGeaendert};
        for (size_t i = 0; i < std::size(zahlen); ++i)
            out << ' ' << QString::number(zahlen[i]).rightJustified(spalten[i].lBreite);
        if (z.lNeueIds > 0)
            out << QCoreApplication::translate("RestoreCommand", "  (%1 unter neuen Nummern)")
                       .arg(z.lNeueIds);
        out << '\n';
    }
    for (const RestoreCount& z : bericht.tabellen) {
        if (z.geaendert.empty()) continue;
        QStringList ids;
        for (qint64 id : z.geaendert) ids << QString::number(id);
        const qint64 lWeitere = z.lGeaendert - static_cast<qint64>(ids.size());
        out << (lWeitere > 0
                    ? QCoreApplication::translate(
                          "RestoreCommand",
                          "Seitdem geändert und behalten (%1): Nummer %2 und %3 weitere")
                          .arg(ShownRowsName(z.sName), ids.join(QStringLiteral(", ")),
                               QString::number(lWeitere))
                    : QCoreApplication::translate("RestoreCommand",
                                                  "Seitdem geändert und behalten (%1): Nummer %2")
                          .arg(ShownRowsName(z.sName), ids.join(QStringLiteral(", "))))
            << '\n';
    }
    if (!bericht.sSicherung.isEmpty())
        out << QCoreApplication::translate("RestoreCommand", "Sicherung: %1")
                   .arg(bericht.sSicherung)
            << '\n';
    out.flush();
}

void PrintJson(const CommandStreams& io, const RestoreChoice& wahl, const RestoreReport& bericht) {
    QJsonArray tabellen;
    for (const RestoreCount& z : bericht.tabellen) {
        QJsonArray ids;
        for (qint64 id : z.geaendert) ids.append(id);
        tabellen.append(QJsonObject{{QStringLiteral("tabelle"), z.sTabelle},
                                    {QStringLiteral("name"), z.sName},
                                    {QStringLiteral("imArchiv"), z.lImArchiv},
                                    {QStringLiteral("zurueck"), z.lZurueck},
                                    {QStringLiteral("vorhanden"), z.lVorhanden},
                                    {QStringLiteral("geaendert"), z.lGeaendert},
                                    {QStringLiteral("neueNummern"), z.lNeueIds},
                                    {QStringLiteral("geaenderteNummern"), ids}});
    }
    const QJsonObject o{{QStringLiteral("archiv"), wahl.sArchiv},
                        {QStringLiteral("datenbank"), wahl.sDatenbank},
                        {QStringLiteral("probelauf"), wahl.bProbe},
                        {QStringLiteral("sicherung"), bericht.sSicherung},
                        {QStringLiteral("tabellen"), tabellen}};
    io.out << QJsonDocument(o).toJson(QJsonDocument::Indented);
}

// "7=3" or "7=-" ("nicht zurückholen") into wahl.zuordnung.
Status ParseMapping(const QString& sText, RestoreChoice* wahl) {
    const QStringList teile = sText.split(QLatin1Char('='));
    bool bAlt = false;
    bool bNeu = false;
    const qint64 alt = teile.value(0).trimmed().toLongLong(&bAlt);
    const QString sNeu = teile.value(1).trimmed();
    const qint64 neu = sNeu.toLongLong(&bNeu);
    if (teile.size() != 2 || !bAlt || (!bNeu && sNeu != QLatin1String("-")))
        return Status::Fail(QCoreApplication::translate(
                                "RestoreCommand",
                                "--map-account erwartet ARCHIV_ID=DATENBANK_ID oder ARCHIV_ID=- "
                                "(nicht zurückholen), nicht „%1“.")
                                .arg(sText));
    if (wahl->zuordnung.count(alt))
        return Status::Fail(
            QCoreApplication::translate("RestoreCommand",
                                        "Das Konto %1 ist bei --map-account zweimal "
                                        "genannt.")
                .arg(alt));
    wahl->zuordnung[alt] = bNeu ? std::optional<qint64>(neu) : std::nullopt;
    return Status::Ok();
}

}  // namespace

const CommandDefinition& RestoreDefinition() {
    static const CommandDefinition definition = WithPasswordOptions(
        {QStringLiteral("restore"),
         QCoreApplication::translate(
             "RestoreCommand",
             "Holt die Daten eines Archivs zurück in die Benutzer-Datenbank. Was dort schon "
             "steht, wird übersprungen, was seitdem geändert wurde, bleibt, wie es ist; eine "
             "Nummer (id), die dort ein anderer Eintrag trägt, lässt das Zurückholen ablehnen, "
             "ohne etwas zu ändern."),
         {DatabaseOption(),
          {QStringLiteral("accounts"), QStringLiteral("ID,..."),
           QCoreApplication::translate("RestoreCommand",
                                       "nur die Daten dieser Konten des Archivs (sonst alle)")},
          {QStringLiteral("map-account"),
           QCoreApplication::translate("RestoreCommand", "ARCHIV_ID=ID"),
           QCoreApplication::translate(
               "RestoreCommand",
               "die Einträge des Archiv-Kontos ARCHIV_ID dem Konto ID der Datenbank zuordnen "
               "(ARCHIV_ID=- : nicht zurückholen); mehrfach möglich")},
          {QStringLiteral("new-ids"), QString(),
           QCoreApplication::translate(
               "RestoreCommand",
               "Einträge, deren Nummer (id) in der Datenbank ein anderer Eintrag trägt, unter "
               "neuen Nummern zurückholen, statt abzulehnen")},
          {QStringLiteral("dry-run"), QString(),
           QCoreApplication::translate("RestoreCommand",
                                       "nur zeigen, was zurückgeholt würde; nichts ändern")},
          {QStringLiteral("json"), QString(),
           QCoreApplication::translate("RestoreCommand", "gibt das Ergebnis als JSON aus")},
          {QStringLiteral("no-backup"), QString(),
           QCoreApplication::translate("RestoreCommand",
                                       "die Benutzer-Datenbank vorher nicht sichern")},
          {QStringLiteral("yes"), QString(),
           QCoreApplication::translate("RestoreCommand", "beantwortet die Frage mit Ja")}},
         QCoreApplication::translate("RestoreCommand", "ARCHIV"),
         1,
         1},
        QCoreApplication::translate("RestoreCommand",
                                    "das Passwort des Archivs, wenn es eines hat"));
    return definition;
}

int RunRestoreCommand(const QStringList& args, const CommandStreams& io) {
    int lStatus = 0;
    const std::optional<Arguments> a = ParseCommand(RestoreDefinition(), args, &lStatus, io);
    if (!a) return lStatus;
    RestoreChoice wahl;
    wahl.sArchiv = QFileInfo(a->positionen().front()).absoluteFilePath();
    wahl.sDatenbank = QFileInfo(a->Value(QStringLiteral("db"))).absoluteFilePath();
    wahl.bNeueIds = a->Flag(QStringLiteral("new-ids"));
    wahl.bSichern = !a->Flag(QStringLiteral("no-backup"));
    wahl.bProbe = a->Flag(QStringLiteral("dry-run"));
    // With --yes the question would only be printed: the report after the restore says the
    // same, and the rows are not classified twice.
    wahl.bFragen = !a->Flag(QStringLiteral("yes"));
    if (a->Has(QStringLiteral("accounts"))) {
        Result<std::vector<QString>> ids = ParseAccountList(a->Value(QStringLiteral("accounts")));
        if (!ids.ok()) return Fail(io.err, ids.error().description, 2);
        std::vector<qint64> konten;
        for (const QString& id : ids.value()) konten.push_back(id.toLongLong());
        wahl.konten = konten;
    }
    for (const QString& sZuordnung : a->Values(QStringLiteral("map-account")))
        if (Status s = ParseMapping(sZuordnung, &wahl); !s.ok())
            return RefuseArguments(RestoreDefinition(), s.description(), io.err);

    const Result<std::optional<QString>> gegeben = GivenPassword(*a);
    if (!gegeben.ok()) return RefusePassword(RestoreDefinition(), gegeben.error(), io.err);
    const Result<QString> passwort = PasswordFor(wahl.sArchiv, gegeben.value());
    if (!passwort.ok()) return Fail(io.err, passwort.error().description);
    wahl.sPasswort = passwort.value();

    InstallMessageBoxPresenter(
        std::make_shared<TerminalMessageBoxes>(a->Flag(QStringLiteral("yes")), io.err));
    const CancelOnSignals signale;
    RestoreProgress fortschritt;
    if (!a->Flag(QStringLiteral("json")))
        fortschritt.onLine = [&io](const QString& sZeile) { io.out << sZeile << Qt::endl; };
    const Result<RestoreReport> bericht = StartRestore(wahl, fortschritt);
    InstallMessageBoxPresenter(nullptr);
    // A signal after the commit changes nothing: the report follows, with exit 0.
    if (CancelSignal()) {
        const int lStatus = ReportSignal(
            bericht.ok(),
            QCoreApplication::translate("RestoreCommand",
                                        "Das Zurückholen wurde abgebrochen. Die "
                                        "Benutzer-Datenbank ist unverändert."),
            QCoreApplication::translate("RestoreCommand",
                                        "kam, als die Daten schon zurückgeholt waren; das "
                                        "Zurückholen wurde zu Ende geführt."),
            io.err);
        if (lStatus != 0) return lStatus;
    }
    if (!bericht.ok()) {
        if (IsEngine(bericht.error(), kCodeNichtGewollt)) return 1;
        QString sText = OpenFailureText(bericht.error());
        if (IsEngine(bericht.error(), kCodeKonflikt))
            sText += QCoreApplication::translate(
                "RestoreCommand",
                "\nMit --new-ids kommen diese Einträge unter neuen Nummern (über der größten der "
                "Tabelle) zurück, neben dem Eintrag, der die Nummer jetzt trägt; Einträge, die "
                "auf sie verweisen, folgen ihnen.");
        if (IsEngine(bericht.error(), kCodeKontoFehlt))
            sText += QCoreApplication::translate(
                "RestoreCommand",
                "\nMit --map-account ARCHIV_ID=ID gehören die Einträge eines solchen Kontos dem "
                "Konto ID der Datenbank; mit --map-account ARCHIV_ID=- bleiben sie im Archiv.");
        return Fail(io.err, sText);
    }
    if (a->Flag(QStringLiteral("json")))
        PrintJson(io, wahl, bericht.value());
    else
        PrintReport(io, bericht.value(), wahl.bProbe);
    return 0;
}

}  // namespace tolva
