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
    // An archive run with removal of the given shape; the archive stands under sZiel_.
    void ArchiveWithRemoval(const Lauf& lauf) {
        Prepare(lauf);
        bool bErfolg = false;
        ASSERT_EQ(Start(&bErfolg), StartErgebnis::Gelaufen);
        ASSERT_TRUE(bErfolg);
        ResetSharedState();
        boxes_->Clear();
    }
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
        ArchiveWithRemoval(lauf);
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
    ArchiveWithRemoval(Lauf());
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

TEST_F(RestoreTest, FreshIdsKeepTheReferencesOfRowsFromTheArchive) {
    ArchiveWithRemoval(Lauf());
    RestoreChoice wahl = Choice(QString::fromUtf8(kDemoPasswort));
    RawDatabase archiv(sZiel_);
    // A collective order with items in the archive, whose id the user database now uses.
    const qint64 lSammel = archiv.Number(QStringLiteral(
        "SELECT s.id FROM SammelAufträge s WHERE EXISTS (SELECT 1 FROM SammelEinzel e WHERE "
        "e.SammelID = s.id) ORDER BY s.id LIMIT 1"));
    ASSERT_GT(lSammel, 0);
    const QStringList posten = archiv.Rows(
        QStringLiteral("SELECT Betrag, Empfaenger, Verwendungszweck FROM SammelEinzel WHERE "
                       "SammelID = %1 ORDER BY id")
            .arg(lSammel));
    // An archived item whose order stayed at home keeps its reference.
    const QString sFremd =
        archiv
            .Rows(QStringLiteral(
                "SELECT id || '|' || SammelID FROM SammelEinzel e WHERE NOT EXISTS (SELECT 1 FROM "
                "SammelAufträge s WHERE s.id = e.SammelID) LIMIT 1"))
            .value(0);
    RawDatabase(sUser_).Exec(QStringLiteral("INSERT INTO SammelAufträge (id, KontoID, Status, "
                                            "Datum, Bezeichnung) VALUES (%1, 1, 0, "
                                            "'2026-11-01', 'neu')")
                                 .arg(lSammel));
    const qint64 lMax =
        RawDatabase(sUser_).Number(QStringLiteral("SELECT max(id) FROM SammelAufträge"));

    wahl.bNeueIds = true;
    const Result<RestoreReport> r = StartRestore(wahl, {});
    ASSERT_TRUE(r.ok()) << r.error().description.toStdString();
    RawDatabase db(sUser_);
    // The one conflicting order got the first fresh id, above every other.
    const qint64 lNeu = db.Number(QStringLiteral("SELECT max(id) FROM SammelAufträge"));
    EXPECT_EQ(db.Rows(QStringLiteral("SELECT KontoID, Datum, Bezeichnung FROM SammelAufträge "
                                     "WHERE id = %1")
                          .arg(lNeu)),
              archiv.Rows(QStringLiteral("SELECT KontoID, Datum, Bezeichnung FROM "
                                         "SammelAufträge WHERE id = %1")
                              .arg(lSammel)));
    ASSERT_GT(lNeu, lMax) << "the order did not get a fresh id above the table's largest";
    EXPECT_EQ(db.Rows(QStringLiteral("SELECT Betrag, Empfaenger, Verwendungszweck FROM "
                                     "SammelEinzel WHERE SammelID = %1 ORDER BY id")
                          .arg(lNeu)),
              posten);
    EXPECT_EQ(
        db.Number(
            QStringLiteral("SELECT count(*) FROM SammelEinzel WHERE SammelID = %1").arg(lSammel)),
        0)
        << "items of the archive point at the user's new order";
    if (!sFremd.isEmpty()) {
        EXPECT_EQ(db.Number(QStringLiteral("SELECT SammelID FROM SammelEinzel WHERE id = %1")
                                .arg(sFremd.section(u'|', 0, 0))),
                  sFremd.section(u'|', 1, 1).toLongLong());
    }
}

TEST_F(RestoreTest, ChosenAccountsBringBackOnlyTheirRowsAndTheirOrdersItems) {
    ArchiveWithRemoval(Lauf());
    RestoreChoice wahl = Choice(QString::fromUtf8(kDemoPasswort));
    wahl.konten = std::vector<qint64>{5};
    const Result<RestoreReport> r = StartRestore(wahl, {});
    ASSERT_TRUE(r.ok()) << r.error().description.toStdString();
    RawDatabase archiv(sZiel_);
    RawDatabase db(sUser_);
    for (const char* t : {"Umsätze", "UmsZusatz", "OffeneUmsätze", "Aufträge", "SammelAufträge"}) {
        SCOPED_TRACE(t);
        const QString sAlle = QStringLiteral("SELECT * FROM \"%1\" WHERE id IN (%2) ORDER BY id");
        const QStringList ids5 = archiv.Rows(
            QStringLiteral("SELECT group_concat(id) FROM \"%1\" WHERE KontoID = 5").arg(t));
        const QStringList andere = archiv.Rows(
            QStringLiteral("SELECT group_concat(id) FROM \"%1\" WHERE KontoID <> 5").arg(t));
        EXPECT_EQ(db.Rows(sAlle.arg(t, ids5.value(0))), archiv.Rows(sAlle.arg(t, ids5.value(0))));
        EXPECT_TRUE(db.Rows(sAlle.arg(t, andere.value(0))).isEmpty());
    }
    // Items go with their collective order.
    EXPECT_EQ(
        db.Number(
            QStringLiteral("SELECT count(*) FROM SammelEinzel e WHERE e.id IN (%1)")
                .arg(archiv
                         .Rows(QStringLiteral(
                             "SELECT group_concat(e.id) FROM SammelEinzel e JOIN SammelAufträge s "
                             "ON s.id = e.SammelID WHERE s.KontoID = 5"))
                         .value(0))),
        archiv.Number(QStringLiteral("SELECT count(*) FROM SammelEinzel e JOIN "
                                     "SammelAufträge s ON s.id = e.SammelID WHERE "
                                     "s.KontoID = 5")));
}

TEST_F(RestoreTest, AnAccountTheDatabaseLostComesBackUnderAFreeNumber) {
    ArchiveWithRemoval(Lauf());
    const qint64 lNr =
        RawDatabase(sZiel_).Number(QStringLiteral("SELECT Nr FROM Konten WHERE id = 5"));
    // Account 5 was deleted since, and account 1 took its number.
    RawDatabase(sUser_).Exec(
        QStringLiteral("DELETE FROM Konten WHERE id = 5; UPDATE Konten SET Nr = %1 WHERE id = 1")
            .arg(lNr));
    const qint64 lMaxNr = RawDatabase(sUser_).Number(QStringLiteral("SELECT max(Nr) FROM Konten"));
    const Result<RestoreReport> r = StartRestore(Choice(QString::fromUtf8(kDemoPasswort)), {});
    ASSERT_TRUE(r.ok()) << r.error().description.toStdString();
    const QString sFelder = QStringLiteral(
        "SELECT id, KontoName, KontoNummer, bankID, IBAN, "
        "Waehrung FROM Konten WHERE id = 5");
    EXPECT_EQ(RawDatabase(sUser_).Rows(sFelder), RawDatabase(sZiel_).Rows(sFelder));
    EXPECT_EQ(RawDatabase(sUser_).Number(QStringLiteral("SELECT Nr FROM Konten WHERE id = 5")),
              lMaxNr + 1);
    EXPECT_EQ(RawDatabase(sUser_).Number(
                  QStringLiteral("SELECT count(*) FROM Konten WHERE Nr = %1").arg(lNr)),
              1);
}

TEST_F(RestoreTest, TheBackupTakesANameOfItsOwnAndReplacesNothing) {
    ArchiveWithRemoval(Lauf());
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
