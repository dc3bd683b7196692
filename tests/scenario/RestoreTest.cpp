// Restores after whole archive runs: one that cannot be done exactly changes nothing, and the
// backup before a restore replaces no file of the user.
#include "ArchiveScenario.h"

#include "demo/DemoDatabase.h"
#include "restore/Restore.h"

#include <QFile>

namespace tolva::test {
namespace {

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
