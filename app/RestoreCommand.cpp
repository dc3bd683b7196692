// tolva-archiv restore: an archive's rows put back into the user database.
#include "Arguments.h"
#include "CancelOnSignals.h"
#include "CommandSession.h"
#include "Commands.h"
#include "TerminalMessageBoxes.h"

#include "database/Cancel.h"
#include "restore/Restore.h"

#include <QFileInfo>
#include <QTextStream>

namespace tolva {
namespace {

// Per table what went back and what was there already, in aligned columns.
void PrintReport(const RestoreReport& bericht) {
    QTextStream out(stdout);
    out << QStringLiteral("%1 %2 %3 %4")
               .arg(QStringLiteral("Tabelle").leftJustified(26), QStringLiteral("im Archiv"),
                    QStringLiteral("zurückgeholt"), QStringLiteral("übersprungen"))
        << '\n';
    for (const RestoreCount& z : bericht.tabellen) {
        out << QStringLiteral("%1 %2 %3 %4")
                   .arg(z.sName.leftJustified(26))
                   .arg(z.lImArchiv, 9)
                   .arg(z.lZurueck, 12)
                   .arg(z.lVorhanden, 12);
        if (z.lNeueIds > 0) out << QStringLiteral("  (%1 unter neuen Nummern)").arg(z.lNeueIds);
        out << '\n';
    }
    if (!bericht.sSicherung.isEmpty()) out << "Sicherung: " << bericht.sSicherung << '\n';
    out.flush();
}

}  // namespace

const CommandDefinition& RestoreDefinition() {
    static const CommandDefinition definition{
        QStringLiteral("restore"),
        QStringLiteral("Holt die Daten eines Archivs zurück in die Benutzer-Datenbank. Was dort "
                       "schon steht, wird übersprungen; eine Nummer (id), die dort mit anderen "
                       "Daten belegt ist, lässt das Zurückholen ablehnen, ohne etwas zu ändern."),
        {{QStringLiteral("db"), QStringLiteral("PFAD"), QStringLiteral("die Benutzer-Datenbank"),
          true},
         {QStringLiteral("accounts"), QStringLiteral("ID,..."),
          QStringLiteral("nur die Daten dieser Konten des Archivs (sonst alle)")},
         {QStringLiteral("new-ids"), QString(),
          QStringLiteral("belegte Nummern durch neue ersetzen, statt abzulehnen")},
         {QStringLiteral("no-backup"), QString(),
          QStringLiteral("die Benutzer-Datenbank vorher nicht sichern")},
         {QStringLiteral("password"), QStringLiteral("TEXT"),
          QStringLiteral("das Passwort des Archivs, wenn es eines hat")},
         {QStringLiteral("yes"), QString(), QStringLiteral("beantwortet die Frage mit Ja")}},
        QStringLiteral("ARCHIV"),
        1,
        1};
    return definition;
}

int RunRestoreCommand(const QStringList& args) {
    int lStatus = 0;
    const std::optional<Arguments> a = ParseCommand(RestoreDefinition(), args, &lStatus);
    if (!a) return lStatus;
    RestoreChoice wahl;
    wahl.sArchiv = QFileInfo(a->positionen().front()).absoluteFilePath();
    wahl.sDatenbank = QFileInfo(a->Value(QStringLiteral("db"))).absoluteFilePath();
    wahl.sPasswort = a->Value(QStringLiteral("password"));
    wahl.bNeueIds = a->Flag(QStringLiteral("new-ids"));
    wahl.bSichern = !a->Flag(QStringLiteral("no-backup"));
    if (a->Has(QStringLiteral("accounts"))) {
        Result<std::vector<QString>> ids = ParseAccountList(a->Value(QStringLiteral("accounts")));
        if (!ids.ok()) return Fail(ids.error().description, 2);
        std::vector<qint64> konten;
        for (const QString& id : ids.value()) konten.push_back(id.toLongLong());
        wahl.konten = konten;
    }

    InstallMessageBoxPresenter(
        std::make_shared<TerminalMessageBoxes>(a->Flag(QStringLiteral("yes"))));
    const CancelOnSignals signale;
    RestoreProgress fortschritt;
    fortschritt.onLine = [](const QString& sZeile) { QTextStream(stdout) << sZeile << Qt::endl; };
    const Result<RestoreReport> bericht = StartRestore(wahl, fortschritt);
    InstallMessageBoxPresenter(nullptr);
    if (CancelSignal()) return ReportSignal(bericht.ok());
    if (!bericht.ok()) {
        if (bericht.error().code == kCodeNichtGewollt) return 1;
        QString sText = bericht.error().description;
        if (bericht.error().code == kCodeKonflikt)
            sText += QStringLiteral("\nMit --new-ids erhalten diese Einträge neue Nummern.");
        return Fail(sText);
    }
    PrintReport(bericht.value());
    return 0;
}

}  // namespace tolva
