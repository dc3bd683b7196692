// Restores after whole archive runs: bookings find their categories by name path, one that
// cannot be done exactly changes nothing, and the backup before it replaces no file of the user.
#include "ArchiveScenario.h"

#include "demo/DemoDatabase.h"
#include "restore/Restore.h"

#include <QFile>
#include <QSet>

namespace tolva::test {
namespace {

// Per booking "id|its category's name path" ("17|Tanken < Auto < Mobilität"), by SQL.
QStringList CategoryOfBookings(const QString& sPfad) {
    return RawDatabase(sPfad).Rows(QStringLiteral(
        "WITH RECURSIVE k(start, oben, pfad) AS (SELECT id, ParentID, Name FROM Kategorien UNION "
        "ALL SELECT k.start, c.ParentID, k.pfad || ' < ' || c.Name FROM k JOIN Kategorien c ON "
        "c.id = k.oben) SELECT u.id, k.pfad FROM Umsätze u JOIN k ON k.start = u.KategorieID "
        "WHERE k.oben NOT IN (SELECT id FROM Kategorien) ORDER BY u.id"));
}

class RestoreTest : public ArchiveScenario {
  protected:
    RestoreChoice Choice() const {
        RestoreChoice wahl;
        wahl.sArchiv = sZiel_;
        wahl.sDatenbank = sUser_;
        wahl.sPasswort = QString::fromUtf8(kDemoPasswort);
        wahl.bSichern = false;
        wahl.bFragen = false;
        return wahl;
    }
};

// Strangers took the ids of a category and of its parent: they stay, and the archived bookings
// come back under the name paths they had, which come back under fresh ids.
TEST_F(RestoreTest, CategoriesWhoseIdsStrangersTookComeBackUnderTheirNamePath) {
    RunToTheEnd(Lauf());
    RawDatabase archiv(sZiel_);
    const qint64 lKind = archiv.Number(
        QStringLiteral("SELECT u.KategorieID FROM Umsätze u JOIN Kategorien k ON k.id = "
                       "u.KategorieID WHERE k.ParentID <> 0 GROUP BY u.KategorieID ORDER BY "
                       "count(*) DESC LIMIT 1"));
    const qint64 lEltern =
        archiv.Number(QStringLiteral("SELECT ParentID FROM Kategorien WHERE id = %1").arg(lKind));
    ASSERT_GT(lEltern, 0);
    RawDatabase(sUser_).Exec(QStringLiteral("DELETE FROM Kategorien WHERE id IN (%1, %2); INSERT "
                                            "INTO Kategorien VALUES (%1, 'Haustiere', 0), (%2, "
                                            "'Spenden', 0)")
                                 .arg(lKind)
                                 .arg(lEltern));
    const QString sFremde =
        QStringLiteral("SELECT * FROM Kategorien WHERE id IN (%1, %2)").arg(lKind).arg(lEltern);
    const QStringList fremde = RawDatabase(sUser_).Rows(sFremde);
    const Result<RestoreReport> r = StartRestore(Choice(), {});
    ASSERT_TRUE(r.ok()) << r.error().description.toStdString();
    const QStringList jetzt = CategoryOfBookings(sUser_), archiviert = CategoryOfBookings(sZiel_);
    const QSet<QString> da(jetzt.begin(), jetzt.end());
    QStringList falsch;
    for (const QString& z : archiviert)
        if (!da.contains(z)) falsch << z;
    EXPECT_GT(archiviert.size(), 100);
    EXPECT_TRUE(falsch.isEmpty()) << falsch.size()
                                  << ", the first: " << falsch.value(0).toStdString();
    EXPECT_EQ(RawDatabase(sUser_).Rows(sFremde), fremde);
}

TEST_F(RestoreTest, WhatCannotGoBackExactlyIsRefusedAndChangesNothing) {
    RunToTheEnd(Lauf());
    const auto refused = [&](const RestoreChoice& wahl, const QString& sTeil) {
        const QStringList vorher = DumpAll(sUser_);
        const Result<RestoreReport> r = StartRestore(wahl, {});
        ASSERT_FALSE(r.ok());
        EXPECT_TRUE(r.error().description.contains(sTeil)) << r.error().description.toStdString();
        EXPECT_EQ(DumpAll(sUser_), vorher);
    };
    // A column of another type stores what goes back in another form: the read-back sees it.
    RawDatabase(sUser_).Exec(QStringLiteral(
        "CREATE TABLE neu (id INTEGER PRIMARY KEY, KontoID INTEGER, Buchungsdatum TEXT, Valuta "
        "TEXT, BuchungsID TEXT, Betrag TEXT, Empfaenger TEXT, Verwendungszweck TEXT, KategorieID "
        "INTEGER); INSERT INTO neu SELECT * FROM Umsätze; DROP TABLE Umsätze; ALTER TABLE neu "
        "RENAME TO Umsätze"));
    refused(Choice(), QStringLiteral("Prüfung ist fehlgeschlagen"));
    // A trigger would change rows the checks never read back.
    RawDatabase(sUser_).Exec(
        QStringLiteral("CREATE TRIGGER t AFTER INSERT ON UmsZusatz BEGIN DELETE FROM Aufträge; "
                       "END"));
    refused(Choice(), QStringLiteral("Trigger"));
}

TEST_F(RestoreTest, TheBackupTakesANameOfItsOwnAndReplacesNothing) {
    RunToTheEnd(Lauf());
    RestoreChoice wahl = Choice();
    wahl.bSichern = true;
    const QStringList vorher = DumpAll(sUser_);
    // The name the clock gives is taken already; so is the archive run's usual one.
    const QString sBelegt = sUser_ + QStringLiteral(".vor-Zurückholen-20240705-140322.BKA");
    for (const QString& s : {sBelegt, sUser_ + QStringLiteral(".BKA")}) {
        QFile f(s);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("des Benutzers");
    }
    const Result<RestoreReport> r = StartRestore(wahl, {});
    ASSERT_TRUE(r.ok()) << r.error().description.toStdString();
    EXPECT_EQ(r.value().sSicherung,
              sUser_ + QStringLiteral(".vor-Zurückholen-20240705-140322-2.BKA"));
    EXPECT_EQ(DumpAll(r.value().sSicherung), vorher);
    EXPECT_EQ(FileBytes(sBelegt), QByteArray("des Benutzers"));
    EXPECT_EQ(FileBytes(sUser_ + QStringLiteral(".BKA")), QByteArray("des Benutzers"));
}

}  // namespace
}  // namespace tolva::test
