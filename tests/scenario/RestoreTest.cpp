// Restores after whole archive runs: the round trip gives the user database back row for row,
// and a restore that cannot be done exactly changes nothing.
#include "ArchiveScenario.h"

#include "demo/DemoDatabase.h"
#include "restore/Restore.h"
#include "state/SharedState.h"

#include <QDir>
#include <QFileInfo>

namespace tolva::test {
namespace {

qint64 Restored(const RestoreReport& bericht) {
    qint64 n = 0;
    for (const RestoreCount& z : bericht.tabellen) n += z.lZurueck;
    return n;
}

class RestoreTest : public ArchiveScenario {
  protected:
    RestoreChoice Choice(const QString& sPasswort = QString()) const {
        RestoreChoice wahl;
        wahl.sArchiv = sZiel_;
        wahl.sDatenbank = sUser_;
        wahl.sPasswort = sPasswort;
        wahl.bSichern = false;
        wahl.bFragen = false;
        return wahl;
    }
    std::vector<QString> AllAccounts() {
        std::vector<QString> ids;
        for (const QString& id : RawDatabase(sUser_).Rows(QStringLiteral("SELECT id FROM Konten")))
            ids.push_back(id);
        return ids;
    }
};

TEST_F(RestoreTest, ArchiveWithRemovalThenRestoreGivesTheDatabaseBackRowForRow) {
    struct Form {
        const char* sName;
        std::vector<QString> aAuswahl;  // empty: every account
        long lPasswortModus;
        QString sPasswort;  // the archive's
        QString sVorher;    // a change to the demo database first
    };
    const Form formen[] = {
        // Ticked subset with the two unnumbered accounts, the database's own password.
        {"subset", kAuswahl, 1, QString::fromUtf8(kDemoPasswort), QString()},
        // Every account, no password, collective orders without an execution date.
        {"all",
         {},
         0,
         QString(),
         QStringLiteral("UPDATE SammelAufträge SET AusfDatum = NULL WHERE id % 5 = 0; "
                        "UPDATE SammelAufträge SET AusfDatum = x'' WHERE id % 5 = 1;")},
        // Two accounts, a new password.
        {"two", {QStringLiteral("5"), QStringLiteral("1")}, 2, QStringLiteral("Sesam"), QString()},
    };
    for (const Form& form : formen) {
        SCOPED_TRACE(form.sName);
        CopyFileForTest(DemoFile(), sUser_);
        QFile::remove(sZiel_);
        if (!form.sVorher.isEmpty()) ChangeUserDatabase(form.sVorher);
        const QStringList vorher = DumpWithoutRenumbering(sUser_);
        Lauf lauf;
        lauf.aAuswahl = form.aAuswahl.empty() ? AllAccounts() : form.aAuswahl;
        lauf.lPasswortModus = form.lPasswortModus;
        lauf.sNeuesPasswort = form.sPasswort;
        RunToTheEnd(lauf);
        ASSERT_NE(DumpWithoutRenumbering(sUser_), vorher) << "the run removed nothing";
        const QByteArray archiv = FileBytes(sZiel_);

        const Result<RestoreReport> zurueck = StartRestore(Choice(form.sPasswort), {});
        ASSERT_TRUE(zurueck.ok()) << zurueck.error().description.toStdString();
        EXPECT_EQ(DumpWithoutRenumbering(sUser_), vorher);

        // Restoring again finds every row there already.
        const Result<RestoreReport> nochmal = StartRestore(Choice(form.sPasswort), {});
        ASSERT_TRUE(nochmal.ok()) << nochmal.error().description.toStdString();
        EXPECT_EQ(Restored(nochmal.value()), 0);
        EXPECT_EQ(DumpWithoutRenumbering(sUser_), vorher);
        EXPECT_EQ(FileBytes(sZiel_), archiv) << "the archive changed";
    }
}

TEST_F(RestoreTest, WhatCannotGoBackExactlyIsRefusedAndChangesNothing) {
    RunToTheEnd(Lauf());
    const QString sPasswort = QString::fromUtf8(kDemoPasswort);
    const qint64 lBuchung =
        RawDatabase(sZiel_).Number(QStringLiteral("SELECT max(id) FROM Umsätze WHERE KontoID = 5"));
    ASSERT_GT(lBuchung, 0);
    const auto refused = [&](const RestoreChoice& wahl, const QString& sTeil) {
        const QStringList vorher = DumpAll(sUser_);
        const Result<RestoreReport> r = StartRestore(wahl, {});
        ASSERT_FALSE(r.ok());
        EXPECT_TRUE(r.error().description.contains(sTeil)) << r.error().description.toStdString();
        EXPECT_EQ(DumpAll(sUser_), vorher);
    };
    // Without the archive's password, and with another one.
    refused(Choice(), QStringLiteral("Passwort"));
    refused(Choice(QStringLiteral("falsch")), QStringLiteral("Passwort"));
    // A booking entered since under an archived booking's id.
    RawDatabase(sUser_).Exec(QStringLiteral("INSERT INTO Umsätze (id, KontoID, Buchungsdatum, "
                                            "Betrag) VALUES (%1, 5, '2026-01-02', 999)")
                                 .arg(lBuchung));
    refused(Choice(sPasswort), QStringLiteral("Tabelle Umsätze der Datenbank sind die Nummern "
                                              "(id) %1 schon")
                                   .arg(lBuchung));
    // An account of the same id that is another account.
    RawDatabase(sUser_).Exec(QStringLiteral("DELETE FROM Umsätze WHERE id = %1; UPDATE Konten "
                                            "SET KontoNummer = x'41424344' WHERE id = 4")
                                 .arg(lBuchung));
    refused(Choice(sPasswort), QStringLiteral("Tabelle Konten"));
    // A column of another type stores what goes back in another form: the read-back sees it.
    RawDatabase(sUser_).Exec(
        QStringLiteral("UPDATE Konten SET KontoNummer = x'%1' WHERE id = 4; CREATE TABLE neu (id "
                       "INTEGER PRIMARY KEY, KontoID INTEGER, Buchungsdatum TEXT, Valuta TEXT, "
                       "BuchungsID TEXT, Betrag TEXT, Empfaenger TEXT, Verwendungszweck TEXT, "
                       "KategorieID INTEGER); INSERT INTO neu SELECT * FROM Umsätze; DROP TABLE "
                       "Umsätze; ALTER TABLE neu RENAME TO Umsätze")
            .arg(QString::fromLatin1(
                RawDatabase(sZiel_)
                    .Bytes(QStringLiteral("SELECT KontoNummer FROM Konten WHERE id = 4"))
                    .toHex())));
    refused(Choice(sPasswort), QStringLiteral("Prüfung ist fehlgeschlagen"));
    // A trigger would change rows the checks never read back.
    RawDatabase(sUser_).Exec(
        QStringLiteral("CREATE TRIGGER t AFTER INSERT ON UmsZusatz BEGIN DELETE FROM Aufträge; "
                       "END"));
    refused(Choice(sPasswort), QStringLiteral("Trigger"));
}

TEST_F(RestoreTest, TheBackupTakesANameOfItsOwnAndReplacesNothing) {
    RunToTheEnd(Lauf());
    RestoreChoice wahl = Choice(QString::fromUtf8(kDemoPasswort));
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
