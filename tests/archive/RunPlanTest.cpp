// The plan shown before "Starten" and the question before a removal without a backup.
#include "ArchiveScenario.h"

#include "archive/RunPlan.h"
#include "hostlib/MessageBox.h"
#include "state/SharedState.h"

#include <QFile>
#include <QLocale>

#include <map>

namespace tolva::test {
namespace {

// The plan of the shared state's choices, as the wizard's summary page makes it.
Result<RunPlan> SharedPlan() {
    const SharedState& g = Shared();
    return MakeRunPlan(
        PlanSource{*g.cnDatenbank, *g.oTools, g.aUmsaetzeGezaehlt, g.dUmsaetzeGezaehlt},
        g.aKontenAuswahl, g.dStichtag);
}

using Zaehlung = std::map<qint64, qint64>;  // account -> rows

// Rows per account of a table of the archive.
Zaehlung PerAccount(const QString& sArchiv, const QString& sTabelle) {
    Zaehlung z;
    for (const QString& zeile :
         RawDatabase(sArchiv).Rows(QStringLiteral("SELECT KontoID, count(*) FROM ") + sTabelle +
                                   QStringLiteral(" GROUP BY KontoID")))
        z[zeile.section(u'|', 0, 0).toLongLong()] = zeile.section(u'|', 1, 1).toLongLong();
    return z;
}

// The archive's items per account of their collective order (as the user database had it).
Zaehlung ItemsPerAccount(const QString& sArchiv, const QString& sVorher) {
    Zaehlung kontoVon;
    for (const QString& zeile :
         RawDatabase(sVorher).Rows(QStringLiteral("SELECT id, KontoID FROM SammelAufträge")))
        kontoVon[zeile.section(u'|', 0, 0).toLongLong()] = zeile.section(u'|', 1, 1).toLongLong();
    Zaehlung z;
    for (const QString& id :
         RawDatabase(sArchiv).Rows(QStringLiteral("SELECT SammelID FROM SammelEinzel")))
        ++z[kontoVon[id.toLongLong()]];
    return z;
}

Zaehlung PlanPerAccount(const RunPlan& plan, qint64 PlanKonto::*feld) {
    Zaehlung z;
    for (const PlanKonto& k : plan.aKonten)
        if (k.*feld != 0) z[k.lKontoID] = k.*feld;
    return z;
}

}  // namespace

class RunPlanTest : public ArchiveScenario {};

// Over several shapes of data and ticks, the plan counts per account and table exactly the rows
// that the run then writes into its archive, and its totals add up the accounts.
TEST_F(RunPlanTest, ThePlanCountsWhatTheRunArchives) {
    std::vector<QString> alle;
    for (int i = 1; i <= 12; ++i) alle.push_back(QString::number(i));
    const struct {
        const char* fall;
        std::vector<QString> auswahl;
        QDate dStichtag;
        QString sql;
    } faelle[] = {
        {"as made, some accounts ticked", kAuswahl, kStichtag, QString()},
        {"every account, a late cut-off", alle, QDate(2026, 6, 1), QString()},
        // Account 4 keeps only its orders; collective order 1 was executed before the cut-off
        // but is dated after it: its items go, the order itself stays.
        {"orders only, items without their order",
         {QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("1")},
         kStichtag,
         QStringLiteral("DELETE FROM Umsätze WHERE KontoID = 4; "
                        "DELETE FROM UmsZusatz WHERE KontoID = 4; "
                        "DELETE FROM OffeneUmsätze WHERE KontoID = 4; "
                        "UPDATE SammelAufträge SET KontoID = 5, Status = 4, Datum = '2024-06-01', "
                        "AusfDatum = %1 WHERE id = 1")
             .arg(ScrambledDate(QStringLiteral("2023-01-02")))},
    };
    int n = 0;
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        if (!f.sql.isEmpty()) ChangeUserDatabase(f.sql);
        Lauf lauf;
        lauf.aAuswahl = f.auswahl;
        lauf.dStichtag = f.dStichtag;
        lauf.bEntfernen = false;
        Prepare(lauf);
        const Result<RunPlan> plan = SharedPlan();
        ASSERT_TRUE(plan.ok()) << plan.error().description.toStdString();
        const QString sZiel = dir_.filePath(QStringLiteral("plan-%1.aba").arg(++n));
        bool bErfolg = false;
        ASSERT_EQ(Start(&bErfolg, sZiel), StartErgebnis::Gelaufen);
        ASSERT_TRUE(bErfolg);

        const RunPlan& p = plan.value();
        for (const auto& [feld, sTabelle] : {std::pair{&PlanKonto::lUmsaetze, "Umsätze"},
                                             {&PlanKonto::lZusaetze, "UmsZusatz"},
                                             {&PlanKonto::lOffene, "OffeneUmsätze"},
                                             {&PlanKonto::lAuftraege, "Aufträge"},
                                             {&PlanKonto::lSammel, "SammelAufträge"}})
            EXPECT_EQ(PlanPerAccount(p, feld), PerAccount(sZiel, QString::fromUtf8(sTabelle)))
                << sTabelle;
        EXPECT_EQ(PlanPerAccount(p, &PlanKonto::lEinzel), ItemsPerAccount(sZiel, sVorher_));
        PlanKonto summe;
        for (const PlanKonto& k : p.aKonten) {
            EXPECT_NE(std::find(f.auswahl.begin(), f.auswahl.end(), QString::number(k.lKontoID)),
                      f.auswahl.end());
            EXPECT_FALSE(k.sKonto.isEmpty());
            EXPECT_FALSE(k.sBank.isEmpty());
            summe.lUmsaetze += k.lUmsaetze;
            summe.lEinzel += k.lEinzel;
        }
        EXPECT_EQ(p.summe.lUmsaetze, summe.lUmsaetze);
        EXPECT_EQ(p.summe.lEinzel, summe.lEinzel);
        EXPECT_GT(p.summe.lUmsaetze, 0);
    }
}

// A removal without a backup asks once, before anything else, naming the bookings it would
// remove; "Nein" (the default) changes nothing. With a backup, or without removal, nobody asks.
TEST_F(RunPlanTest, ARemovalWithoutBackupAsksOnceAndNoKeepsEverything) {
    bFrageOhneSicherung_ = true;
    {  // the overwrite question would come after it
        QFile alt(sZiel_);
        ASSERT_TRUE(alt.open(QIODevice::WriteOnly) && alt.write("altes Archiv") == 12);
    }
    Prepare();
    const Result<RunPlan> plan = SharedPlan();
    ASSERT_TRUE(plan.ok());
    boxes_->QueueAnswer(vbNo);
    EXPECT_EQ(Start(nullptr), StartErgebnis::Abgebrochen);
    ASSERT_EQ(boxes_->Shown().size(), 1u);
    const ShownMessage& frage = boxes_->Shown()[0];
    EXPECT_TRUE(
        frage.sText.contains(QLocale(QLocale::German).toString(plan.value().summe.lUmsaetze) +
                             QStringLiteral(" Umsätze werden damit unwiderruflich")))
        << frage.sText.toStdString();
    EXPECT_EQ(frage.lStil, vbYesNo + vbExclamation + vbDefaultButton2);
    EXPECT_EQ(DumpAll(sUser_), DumpAll(sVorher_));
    EXPECT_EQ(FileBytes(sZiel_), QByteArray("altes Archiv"));

    for (const bool bEntfernen : {true, false}) {
        SCOPED_TRACE(bEntfernen);
        boxes_->Clear();
        Lauf lauf;
        lauf.bEntfernen = bEntfernen;
        Prepare(lauf);
        const QString sZiel = dir_.filePath(bEntfernen ? QStringLiteral("mit-sicherung.aba")
                                                       : QStringLiteral("ohne-entfernen.aba"));
        bool bErfolg = false;
        ASSERT_EQ(Start(&bErfolg, sZiel,
                        bEntfernen ? dir_.filePath(QStringLiteral("Bank.BKA")) : QString()),
                  StartErgebnis::Gelaufen);
        EXPECT_TRUE(bErfolg);
        for (const ShownMessage& m : boxes_->Shown())
            EXPECT_FALSE(m.sText.contains(QStringLiteral("Datensicherung")))
                << m.sText.toStdString();
    }
}

}  // namespace tolva::test
