// The row copier: CopyRecord, CopyTable and the progress arithmetic of a table copy.
#include "archive/ModArchiv.h"

#include "archive/BulkCopy.h"
#include "archive/CopyLedger.h"
#include "database/Connection.h"
#include "database/Recordset.h"
#include "hostlib/MessageBox.h"
#include "state/ArchivForm.h"
#include "state/SharedState.h"

#include <QCoreApplication>

#include <algorithm>

namespace tolva {
namespace {

// q + (rest / divisor) rounded to the nearest whole number, halves to the even neighbour.
qint64 RoundHalfEven(qint64 zaehler, qint64 nenner) {
    const qint64 q = zaehler / nenner;
    const qint64 r = zaehler % nenner;
    if (2 * r > nenner || (2 * r == nenner && (q & 1))) return q + 1;
    return q;
}

QString CopyFailureText(qint64 n, qint64 lAnzahl, const QString& sFehler) {
    return QCoreApplication::translate("CopyTable",
                                       "Es wurde nur %1 von insgesammt %2 Einträge archiviert "
                                       "werden!\r\nEs werden keine Änderungen an der "
                                       "Benutzer-Datenbank vorgenommen.\r\nFEHLER: %3")
        .arg(QString::number(n), QString::number(lAnzahl), sFehler);
}

}  // namespace

void ShowCopyFailure(Connection& cnDatenbank, qint64 n, qint64 lAnzahl, const Status& fehler) {
    MsgBox(CopyFailureText(n, lAnzahl, fehler.description()), vbOKOnly,
           QCoreApplication::translate("CopyTable", "Archivierungs-Assistent"));
    if (cnDatenbank.InTransaction()) (void)cnDatenbank.RollbackTrans();  // already failing
}

qint64 ProgressStep(qint64 lAnzahl) {
    const qint64 k = RoundHalfEven(lAnzahl, 40);
    return k == 0 ? 1 : k;
}

qint64 ProgressWidth(qint64 lBreite, qint64 n, qint64 lAnzahl) {
    if (lAnzahl <= 0) return 0;
    return RoundHalfEven(lBreite * n, lAnzahl);
}

Status CopyRecord(Recordset& rsQuelle, Recordset& rsZiel) {
    return rsZiel.AppendCopyOf(rsQuelle);
}

CopyTableErgebnis CopyTableIn(const CopyScope& scope, Connection& cnZiel, const QString& sSelect,
                              const QString& sTabelle, const QString& sWhere,
                              const CopyHints& hinweise) {
    ArchivForm& form = scope.form;
    Connection& cnDatenbank = scope.cnDatenbank;
    CopyTableErgebnis ergebnis;
    qint64 lAnzahl = 0;

    // The error exit: the only message of a failed copy; the user database is left as it was.
    auto fehler = [&](const Status& status) {
        ShowCopyFailure(cnDatenbank, ergebnis.n, lAnzahl, status);
        ergebnis.bFehler = true;
        return ergebnis;
    };

    const QString sql = sWhere.isEmpty() ? sSelect : sSelect + sWhere;
    static const QString kKopf = QStringLiteral("SELECT * FROM ");
    if (!sql.startsWith(kKopf))
        return fehler(Status::Fail(
            QCoreApplication::translate("CopyTable", "Unerwartete Auswahl: %1").arg(sql)));
    const qsizetype ende = sql.indexOf(QLatin1Char(' '), kKopf.size());
    const QString sQuelle = sql.mid(kKopf.size(), ende < 0 ? -1 : ende - kKopf.size());
    const QString sRest = ende < 0 ? QString() : sql.mid(ende);

    {
        Recordset rsAnzahl;
        const QString sZaehlen =
            hinweise.sZaehlWhere.isEmpty() ? sql : sSelect + hinweise.sZaehlWhere;
        if (Status s = rsAnzahl.Open(
                QStringLiteral("SELECT count(*) FROM (") + sZaehlen + QStringLiteral(")"),
                cnDatenbank, adOpenStatic, adLockOptimistic, adCmdUnspecified);
            !s.ok())
            return fehler(s);
        lAnzahl = rsAnzahl.Eof() ? 0 : rsAnzahl.Field(0).toLongLong();
    }
    if (!SourceAttached(cnZiel))
        if (Status s = AttachSource(cnZiel, cnDatenbank.DataSource()); !s.ok()) return fehler(s);

    const qint64 lSchritt = ProgressStep(lAnzahl);
    form.SetProgress(0);
    const qint64 lBreite = form.ProgressFrameWidth();
    const std::function<void(qint64)> zeile = [&](qint64 n) {
        ergebnis.n = n;
        if (n % lSchritt == 0) {
            form.SetProgress(ProgressWidth(lBreite, n, lAnzahl));
            form.RepaintWindow();
        }
    };
    Result<Pruefsumme> kopiert =
        CopySelection(cnZiel, sQuelle, sRest, sTabelle, zeile,
                      DateForm{hinweise.sDatumsFeld, hinweise.bDatumPraefix});
    if (!kopiert.ok()) {
        // The row being stored when the statement failed is not in the archive.
        ergebnis.n = std::max<qint64>(0, ergebnis.n - 1);
        return fehler(kopiert.status());
    }
    ergebnis.n = kopiert.value().lAnzahl;

    CopyLedger& ledger = scope.ledger;
    ledger.tabellen[sTabelle].Add(kopiert.value());
    if (scope.bEntfernen) {
        // Deleted at the end of the run, once the archive holds every row and has been checked.
        QString sDelete = sql;
        sDelete.replace(QStringLiteral("SELECT * FROM"), QStringLiteral("DELETE FROM"));
        ledger.loeschungen.push_back({sDelete, ergebnis.n});
    }

    form.SetProgress(0);
    form.RepaintWindow();
    return ergebnis;
}

CopyTableErgebnis CopyTable(Connection& cnZiel, const QString& sSelect, const QString& sTabelle,
                            const QString& sWhere, CopyLedger& ledger, const CopyHints& hinweise) {
    SharedState& g = Shared();
    return CopyTableIn(CopyScope{*g.cnDatenbank, *g.oArchivForm, ledger, g.bEntfernen}, cnZiel,
                       sSelect, sTabelle, sWhere, hinweise);
}

}  // namespace tolva
