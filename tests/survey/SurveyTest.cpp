// The candidate survey on small hand-made databases: which accounts are taken, with which
// count, in which order, and the banks they lead to.
#include "EngineFiles.h"
#include "RecordingArchivForm.h"

#include "database/ConnectionText.h"
#include "hostlib/HostTools.h"
#include "state/SharedState.h"
#include "survey/Survey.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tolva {
namespace {

using test::RawDatabase;

// Bookings (Umsätze), booking extras and open bookings of one account on one day.
QString Umsatz(int id, int konto, const char* datum) {
    return QStringLiteral(
               "INSERT INTO Umsätze (id, KontoID, Buchungsdatum, BuchungsID, Betrag) "
               "VALUES (%1, %2, '%3', '%3-%1', 100);")
        .arg(id)
        .arg(konto)
        .arg(QString::fromLatin1(datum));
}
QString Zusatz(int id, int konto, const char* datum) {
    return QStringLiteral(
               "INSERT INTO UmsZusatz (id, KontoID, Buchungsdatum, BuchungsID) "
               "VALUES (%1, %2, '%3', '%3-%1');")
        .arg(id)
        .arg(konto)
        .arg(QString::fromLatin1(datum));
}
QString Offen(int id, int konto, const char* datum) {
    return QStringLiteral(
               "INSERT INTO OffeneUmsätze (id, KontoID, Buchungsdatum, Betrag) "
               "VALUES (%1, %2, '%3', 5);")
        .arg(id)
        .arg(konto)
        .arg(QString::fromLatin1(datum));
}

class SurveyTest : public testing::Test {
  protected:
    void SetUp() override {
        ResetSharedState();
        path_ = test::NewSchemaFile(dir_.filePath(QStringLiteral("bank.dat")));
        // Cut-off 5 July 2013. A row on the cut-off day itself is not before it.
        QString sql;
        // Account 1: bookings, extras and an open booking before the date.
        sql += Umsatz(1, 1, "2013-07-04") + Umsatz(2, 1, "2013-01-01") +
               Umsatz(3, 1, "2012-12-31") + Umsatz(4, 1, "2013-07-05");
        sql += Zusatz(1, 1, "2013-07-04") + Zusatz(2, 1, "2013-02-01");
        sql += Offen(1, 1, "2013-03-03");
        // Account 2: only booking extras before the date (its booking is newer).
        sql += Umsatz(5, 2, "2013-08-01") + Zusatz(3, 2, "2013-06-01") + Zusatz(4, 2, "2011-06-01");
        // Account 3: only open bookings before the date.
        sql += Offen(2, 3, "2010-01-01") + Offen(3, 3, "2013-07-01") + Offen(4, 3, "2013-07-02") +
               Offen(5, 3, "2013-07-03");
        // Account 4: rows on and after the cut-off only.
        sql += Umsatz(6, 4, "2013-07-05") + Zusatz(5, 4, "2013-07-05") + Offen(6, 4, "2014-01-01");
        // Account 5: one old booking.
        sql += Umsatz(7, 5, "2001-01-01");
        RawDatabase db(path_);
        db.Exec(sql);
    }
    void TearDown() override { ResetSharedState(); }

    void RunSurvey(std::vector<QString> aAuswahl) {
        SharedState& g = Shared();
        g.cnDatenbank = std::make_unique<Connection>();
        ASSERT_TRUE(g.cnDatenbank->Open(BuildConnectionText(path_)).ok());
        g.oTools = CreateHostTools();
        g.oArchivForm = &form_;
        g.aKontenAuswahl = std::move(aAuswahl);
        g.dStichtag = QDate(2013, 7, 5);
        g.aKontenMitDaten.clear();
        g.aAnzahlDaten.clear();
        FindAccountsWithData();
    }

    QTemporaryDir dir_;
    QString path_;
    test::RecordingArchivForm form_;
};

TEST_F(SurveyTest, TakesAccountsWithTheCountOfTheFirstTableInTheOrderTicked) {
    RunSurvey({QStringLiteral("5"), QStringLiteral("4"), QStringLiteral("3"), QStringLiteral("2"),
               QStringLiteral("1")});
    const SharedState& g = Shared();
    // Account 1 counts its 3 bookings, not bookings + extras + open bookings; account 2 its
    // 2 extras, account 3 its 4 open bookings; account 4 has nothing before the date.
    EXPECT_EQ(g.aKontenMitDaten, (std::vector<QString>{QStringLiteral("5"), QStringLiteral("3"),
                                                       QStringLiteral("2"), QStringLiteral("1")}));
    EXPECT_EQ(g.aAnzahlDaten, (std::vector<qint64>{1, 4, 2, 3}));
}

TEST_F(SurveyTest, AQueryThatCannotRunLeavesTheAccountOut) {
    {
        RawDatabase db(path_);
        db.Exec(QStringLiteral("DROP TABLE UmsZusatz"));
    }
    RunSurvey({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    // Account 1 is taken by its bookings before the extras are asked; for accounts 2 and 3
    // the failing extras query ends the account, so the open bookings are never asked.
    EXPECT_EQ(Shared().aKontenMitDaten, std::vector<QString>{QStringLiteral("1")});
    EXPECT_EQ(Shared().aAnzahlDaten, std::vector<qint64>{3});
}

}  // namespace
}  // namespace tolva
