// The row copier on small keyed files: rows, progress and removal inside the transaction (its
// message when a row is refused is RefusedRowTest's).
#include "EngineFiles.h"
#include "RecordingArchivForm.h"

#include "archive/BulkCopy.h"
#include "archive/CopyLedger.h"
#include "archive/ModArchiv.h"
#include "database/ConnectionText.h"
#include "state/SharedState.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>

namespace tolva {
namespace {

using test::RawDatabase;

// Number of the first field of the first row, asked on a handle that the engine holds.
qint64 CountOn(sqlite3* db, const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << sql << ": " << sqlite3_errmsg(db);
        return -1;
    }
    const qint64 n = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int64(stmt, 0) : -1;
    sqlite3_finalize(stmt);
    return n;
}

class CopyTableTest : public testing::Test {
  protected:
    void SetUp() override {
        ResetSharedState();
        quelle_ = test::NewSchemaFile(dir_.filePath(QStringLiteral("bank.dat")));
        ziel_ = test::NewSchemaFile(dir_.filePath(QStringLiteral("archiv.aba")));
    }
    CopyLedger ledger_;
    void TearDown() override {
        cnZiel_.Close();
        ResetSharedState();
    }

    // n bookings, one a day from 2 January 2012 on, on accounts 1 to 3.
    void FillBookings(int n) {
        RawDatabase db(quelle_);
        db.Exec(QStringLiteral(
                    "WITH RECURSIVE z(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM z WHERE i < %1) "
                    "INSERT INTO Umsätze (id, KontoID, Buchungsdatum, Valuta, BuchungsID, Betrag, "
                    "Empfaenger, Verwendungszweck, KategorieID) "
                    "SELECT i, i % 3 + 1, date('2012-01-01', '+' || i || ' days'), "
                    "date('2012-01-01', '+' || i || ' days'), "
                    "date('2012-01-01', '+' || i || ' days') || '-' || printf('%06d', i), "
                    "i * 7 - 3000, 'Empfänger ' || i, 'Zweck ' || i, i % 9 FROM z")
                    .arg(n));
        db.Exec(
            QStringLiteral("INSERT INTO Kategorien (id, Name, ParentID) VALUES "
                           "(1, 'Haushalt', 0), (2, 'Miete', 1)"));
    }

    // Opens the user side in a transaction and the target, as the run has them.
    void OpenBoth() {
        SharedState& g = Shared();
        g.cnDatenbank = std::make_unique<Connection>();
        ASSERT_TRUE(g.cnDatenbank->Open(BuildConnectionText(quelle_)).ok());
        ASSERT_TRUE(g.cnDatenbank->BeginTrans().ok());
        cnZiel_.SetMode(Connection::adModeShareExclusive);
        ASSERT_TRUE(cnZiel_.Open(BuildConnectionText(ziel_)).ok());
        g.oArchivForm = &form_;
    }

    QStringList SourceRows(const QString& sWhere = QString()) {
        RawDatabase db(quelle_);
        return db.Rows(QStringLiteral("SELECT * FROM Umsätze") + sWhere +
                       QStringLiteral(" ORDER BY id"));
    }
    QStringList TargetRows(const QString& sTabelle) {
        cnZiel_.Close();
        RawDatabase db(ziel_);
        return db.Rows(QStringLiteral("SELECT * FROM ") + sTabelle +
                       QStringLiteral(" ORDER BY id"));
    }

    QTemporaryDir dir_;
    QString quelle_;
    QString ziel_;
    Connection cnZiel_;
    test::RecordingArchivForm form_;
};

TEST_F(CopyTableTest, CopiesEveryRowAndMovesTheBarAboutFortyTimes) {
    FillBookings(1000);
    const QStringList vorher = SourceRows();
    ASSERT_EQ(vorher.size(), 1000);
    OpenBoth();
    const CopyTableErgebnis e = CopyTable(cnZiel_, QStringLiteral("SELECT * FROM Umsätze"),
                                          QStringLiteral("Umsätze"), QString(), ledger_);
    EXPECT_FALSE(e.bFehler);
    EXPECT_EQ(e.n, 1000);

    // The bar starts empty, only grows, reaches its full frame once every row is copied and
    // is emptied at the end; it moves in steps, not once a row.
    const std::vector<qint64>& p = form_.progress;
    ASSERT_GE(p.size(), 3u);
    EXPECT_LE(p.size(), 60u);
    EXPECT_EQ(p.front(), 0);
    EXPECT_EQ(p.back(), 0);
    EXPECT_EQ(p[p.size() - 2], 4000);
    EXPECT_TRUE(std::is_sorted(p.begin() + 1, p.end() - 1));

    Shared().cnDatenbank->Close();
    EXPECT_EQ(TargetRows(QStringLiteral("Umsätze")), vorher);
    EXPECT_EQ(SourceRows(), vorher);
}

TEST_F(CopyTableTest, RemovalHappensOnlyInsideTheTransaction) {
    FillBookings(1000);
    const QString sWhere = QStringLiteral(" WHERE Buchungsdatum < '2013-01-01'");
    const QStringList auswahl = SourceRows(sWhere);
    ASSERT_EQ(auswahl.size(), 365);
    OpenBoth();
    Shared().bEntfernen = true;
    const CopyTableErgebnis e = CopyTable(cnZiel_, QStringLiteral("SELECT * FROM Umsätze"),
                                          QStringLiteral("Umsätze"), sWhere, ledger_);
    EXPECT_FALSE(e.bFehler);
    EXPECT_EQ(e.n, 365);
    sqlite3* db = Shared().cnDatenbank->Handle();
    // Nothing leaves the user database before the run has checked the archive.
    EXPECT_EQ(CountOn(db, "SELECT count(*) FROM Umsätze"), 1000);
    ASSERT_EQ(ledger_.loeschungen.size(), 1u);
    EXPECT_EQ(ledger_.tabellen[QStringLiteral("Umsätze")].lAnzahl, 365);
    ASSERT_TRUE(DetachSource(cnZiel_).ok());
    ASSERT_TRUE(ApplyPendingDeletes(*Shared().cnDatenbank, ledger_).ok());
    EXPECT_EQ(CountOn(db, "SELECT count(*) FROM Umsätze"), 635);
    EXPECT_EQ(CountOn(db, "SELECT count(*) FROM Umsätze WHERE Buchungsdatum < '2013-01-01'"), 0);
    // Nobody else sees the removal before the commit.
    EXPECT_EQ(SourceRows().size(), 1000);
    ASSERT_TRUE(Shared().cnDatenbank->RollbackTrans().ok());
    EXPECT_EQ(CountOn(db, "SELECT count(*) FROM Umsätze"), 1000);
    Shared().cnDatenbank->Close();
    EXPECT_EQ(TargetRows(QStringLiteral("Umsätze")), auswahl);
}

TEST_F(CopyTableTest, TheDeleteKeepsTheSelectsOwnWhere) {
    {
        RawDatabase db(quelle_);
        db.Exec(
            QStringLiteral("INSERT INTO SammelEinzel (id, SammelID, Betrag) VALUES "
                           "(1, 1, 10), (2, 2, 20), (3, 2, 30), (4, 3, 40), (5, 2, 50)"));
    }
    OpenBoth();
    Shared().bEntfernen = true;
    const CopyTableErgebnis e =
        CopyTable(cnZiel_, QStringLiteral("SELECT * FROM SammelEinzel WHERE SammelID = 2"),
                  QStringLiteral("SammelEinzel"), QString(), ledger_);
    EXPECT_EQ(e.n, 3);
    ASSERT_EQ(ledger_.loeschungen.size(), 1u);
    EXPECT_EQ(ledger_.loeschungen[0].sSql,
              QStringLiteral("DELETE FROM SammelEinzel WHERE SammelID = 2"));
    ASSERT_TRUE(DetachSource(cnZiel_).ok());
    ASSERT_TRUE(ApplyPendingDeletes(*Shared().cnDatenbank, ledger_).ok());
    ASSERT_TRUE(Shared().cnDatenbank->CommitTrans().ok());
    Shared().cnDatenbank->Close();
    RawDatabase db(quelle_);
    EXPECT_EQ(db.Rows(QStringLiteral("SELECT id FROM SammelEinzel ORDER BY id")),
              (QStringList{QStringLiteral("1"), QStringLiteral("4")}));
    EXPECT_EQ(TargetRows(QStringLiteral("SammelEinzel")),
              (QStringList{QStringLiteral("2|2|20|NULL|NULL"), QStringLiteral("3|2|30|NULL|NULL"),
                           QStringLiteral("5|2|50|NULL|NULL")}));
}

}  // namespace
}  // namespace tolva
