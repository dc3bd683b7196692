// The run's ledger of copied rows: verification of the archive and the deferred deletions.
#include "archive/CopyLedger.h"

#include "database/Connection.h"

#include <QCoreApplication>

#include <sqlite3.h>

namespace tolva {

Status VerifyArchive(Connection& cnArchiv, const CopyLedger& ledger) {
    for (const auto& [sTabelle, erwartet] : ledger.tabellen) {
        Result<Pruefsumme> gespeichert = TableChecksum(cnArchiv, sTabelle);
        if (!gespeichert.ok()) return gespeichert.status();
        if (gespeichert.value().lAnzahl != erwartet.lAnzahl)
            return Status::Fail(
                QCoreApplication::translate("CopyLedger",
                                            "Die Prüfung des Archivs ist fehlgeschlagen: Die "
                                            "Tabelle %1 enthält %2 statt %3 Einträge.")
                    .arg(sTabelle, QString::number(gespeichert.value().lAnzahl),
                         QString::number(erwartet.lAnzahl)));
        if (gespeichert.value().lSumme != erwartet.lSumme)
            return Status::Fail(
                QCoreApplication::translate("CopyLedger",
                                            "Die Prüfung des Archivs ist fehlgeschlagen: Der "
                                            "Inhalt der Tabelle %1 weicht von der "
                                            "Benutzer-Datenbank ab.")
                    .arg(sTabelle));
    }
    return Status::Ok();
}

Status ApplyPendingDeletes(Connection& cnDatenbank, CopyLedger& ledger,
                           CopyLedger::Loeschung* abgelehnt) {
    for (const CopyLedger::Loeschung& l : ledger.loeschungen) {
        const qint64 vorher = sqlite3_total_changes(cnDatenbank.Handle());
        Status s = cnDatenbank.Execute(l.sSql);
        const qint64 entfernt = sqlite3_total_changes(cnDatenbank.Handle()) - vorher;
        if (s.ok() && entfernt != l.lAnzahl)
            s = Status::Fail(
                QCoreApplication::translate("CopyLedger",
                                            "Beim Entfernen aus der Benutzer-Datenbank hätte "
                                            "\"%1\" %2 statt %3 Einträge geändert.")
                    .arg(l.sSql, QString::number(entfernt), QString::number(l.lAnzahl)));
        if (!s.ok()) {
            if (abgelehnt) *abgelehnt = l;
            return s;
        }
    }
    ledger.loeschungen.clear();
    return Status::Ok();
}

}  // namespace tolva
