// The run's seal step: every table of the new archive with its count and checksum, sealed
// into the archive before the archive is checked.
#include "archive/ArchiveRun.h"

#include "archive/ArchiveSeal.h"
#include "database/Query.h"

#include <QFileInfo>

namespace tolva {

Status ArchiveRun::SealArchive() {
    ArchiveSeal siegel;
    siegel.sStichtag = auftrag_.dStichtag.toString(Qt::ISODate);
    siegel.sQuelle = QFileInfo(auftrag_.sDatenbank).fileName();
    siegel.sErstellt = dBeginn_.toUTC().toString(Qt::ISODate);
    siegel.sProgramm = QStringLiteral(TOLVA_VERSION);
    // The bulk copies' tables are known from the ledger, which the check then compares with
    // the file; the few rows written one at a time (options, banks, accounts, the description,
    // the accounts of our own) and the tables left empty are summed where they were written.
    QStringList namen;
    {
        Query q(cnArchiv_.Handle(),
                "SELECT name FROM main.sqlite_master WHERE type = 'table' AND name NOT LIKE "
                "'sqlite\\_%' ESCAPE '\\'",
                cnArchiv_.MessageName());
        while (q.Next()) namen << q.Text(0);
        if (!q.status().ok()) return q.status();
    }
    for (const QString& sTabelle : namen) {
        if (!ledger_.tabellen.count(sTabelle)) {
            Result<Pruefsumme> summe = TableChecksum(cnArchiv_, sTabelle);
            if (!summe.ok()) return summe.status();
            ledger_.tabellen[sTabelle] = summe.value();
        }
        siegel.tabellen[sTabelle] = ledger_.tabellen[sTabelle];
    }
    if (Status s = WriteSeal(cnArchiv_.Handle(), siegel, cnArchiv_.MessageName()); !s.ok())
        return s;
    // The check reads the seal's rows back as well.
    Result<Pruefsumme> geschrieben = TableChecksum(cnArchiv_, QString::fromLatin1(kSiegelTabelle));
    if (!geschrieben.ok()) return geschrieben.status();
    ledger_.tabellen[QString::fromLatin1(kSiegelTabelle)] = geschrieben.value();
    return Status::Ok();
}

}  // namespace tolva
