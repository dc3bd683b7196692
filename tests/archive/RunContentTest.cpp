// What a whole run writes: the archive's rows, the user database afterwards, the account
// numbers, the password record, the progress lines and the description; and the check that
// stops a run whose archive does not hold what was copied.
#include "ArchiveScenario.h"

#include "archive/ArchiveList.h"
#include "database/ConnectionText.h"
#include "hostlib/MessageBox.h"
#include "state/SharedState.h"
#include "text/ModCrypt.h"
#include "text/PlainText.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <functional>

namespace tolva::test {
namespace {

const QStringList kAccountFields = {QStringLiteral("id"),          QStringLiteral("KontoName"),
                                    QStringLiteral("KontoNummer"), QStringLiteral("bankID"),
                                    QStringLiteral("IBAN"),        QStringLiteral("Waehrung")};

QStringList Table(const QString& sPfad, const QString& sTabelle,
                  const QString& sFelder = QStringLiteral("*"), const QString& sWhere = QString()) {
    RawDatabase db(sPfad);
    return db.Rows(QStringLiteral("SELECT ") + sFelder + QStringLiteral(" FROM ") + sTabelle +
                   (sWhere.isEmpty() ? QString() : QStringLiteral(" WHERE ") + sWhere) +
                   QStringLiteral(" ORDER BY id"));
}

QString Joined(const std::vector<QString>& aListe) {
    QStringList l;
    for (const QString& s : aListe) l << s;
    return l.join(u',');
}

// The plain password record of a file's Optionen row.
QString PasswordRecord(const QString& sPfad) {
    RawDatabase db(sPfad);
    return Decrypt(db.Bytes(QStringLiteral("SELECT Paßwort FROM Optionen")), true);
}

// A new record keeps every filler character of the old one and carries the password,
// blank-padded to 16, at every third place up to 48.
void ExpectRecord(const QString& sNeu, const QString& sAlt, const QString& sPasswort) {
    ASSERT_EQ(sAlt.size(), 52);
    ASSERT_EQ(sNeu.size(), 52);
    const QString sGepolstert = sPasswort.leftJustified(16, u' ');
    for (int p = 1; p <= 52; ++p) {
        if (p <= 48 && p % 3 == 0)
            EXPECT_EQ(sNeu[p - 1], sGepolstert[p / 3 - 1]) << "position " << p;
        else
            EXPECT_EQ(sNeu[p - 1], sAlt[p - 1]) << "filler position " << p;
    }
}

class RunContentTest : public ArchiveScenario {};

TEST_F(RunContentTest, RemovalMovesTheOldRowsOfTheTickedAccountsIntoTheArchive) {
    Prepare();
    const Expectation e(sVorher_, kAuswahl, kStichtag);
    const SharedState& g = Shared();
    // Account 6 has nothing before the cut-off.
    EXPECT_EQ(Joined(g.aKontenMitDaten), QStringLiteral("12,8,5,4,3,1"));
    bool bErfolg = false;
    ASSERT_EQ(Start(&bErfolg), StartErgebnis::Gelaufen);
    EXPECT_TRUE(bErfolg);
    ExpectRunEnded();

    for (const char* t : kBewegungsTabellen) {
        const QString sTabelle = QString::fromUtf8(t);
        SCOPED_TRACE(t);
        ASSERT_FALSE(e.Selected(sTabelle).isEmpty());
        ASSERT_FALSE(e.Remaining(sTabelle).isEmpty());
        EXPECT_EQ(Table(sZiel_, sTabelle), e.Selected(sTabelle));
        EXPECT_EQ(Table(sUser_, sTabelle), e.Remaining(sTabelle));
    }
    // Categories and payees are copied whole and never deleted.
    for (const QString& sTabelle : {QStringLiteral("Kategorien"), QStringLiteral("Empfänger")}) {
        ASSERT_FALSE(e.All(sTabelle).isEmpty());
        EXPECT_EQ(Table(sZiel_, sTabelle), e.All(sTabelle));
        EXPECT_EQ(Table(sUser_, sTabelle), e.All(sTabelle));
    }
    // Banks and accounts of the accounts taken, once each; the user keeps all of them.
    const QString sGenommen = QStringLiteral("1,3,4,5,8,12");
    EXPECT_EQ(
        Table(sZiel_, QStringLiteral("BankDaten")),
        Table(sVorher_, QStringLiteral("BankDaten"), QStringLiteral("*"),
              QStringLiteral("id IN (SELECT bankID FROM Konten WHERE id IN (%1))").arg(sGenommen)));
    EXPECT_EQ(Table(sZiel_, QStringLiteral("Konten"), kAccountFields.join(u',')),
              Table(sVorher_, QStringLiteral("Konten"), kAccountFields.join(u','),
                    QStringLiteral("id IN (%1)").arg(sGenommen)));
    EXPECT_EQ(Table(sUser_, QStringLiteral("BankDaten")), e.All(QStringLiteral("BankDaten")));
    EXPECT_EQ(Table(sUser_, QStringLiteral("Konten"), kAccountFields.join(u',')),
              Table(sVorher_, QStringLiteral("Konten"), kAccountFields.join(u',')));

    // The description record, and the archive page's view of it.
    RawDatabase archiv(sZiel_);
    EXPECT_EQ(archiv.Rows(QStringLiteral("SELECT Flag, Typ, Datum FROM Daten")),
              QStringList{QStringLiteral("1|99|2024-07-05")});
    const QString sBeschreibung =
        QStringLiteral("Alle Daten älter als 30.11.2023, erstellt am 05.07.2024 14:03:22");
    EXPECT_EQ(PlainText(Decrypt(archiv.Bytes(QStringLiteral("SELECT Daten FROM Daten")), false)),
              sBeschreibung);
    EXPECT_EQ(archiv.Number(QStringLiteral("SELECT Version FROM Optionen")), 5);
    EXPECT_EQ(archiv.Number(QStringLiteral("SELECT count(*) FROM Optionen")), 1);
    EXPECT_EQ(ReadArchiveDescription(sZiel_).aZeilen, QStringList{sBeschreibung});
    ASSERT_EQ(boxes_->Shown().size(), 1u);
    EXPECT_EQ(boxes_->Shown()[0].sText, QStringLiteral("Die Daten wurden erfolgreich archiviert."));
    EXPECT_EQ(boxes_->Shown()[0].sTitel, QStringLiteral("Archivierung beendet"));
    EXPECT_EQ(boxes_->Shown()[0].lStil, 0);
}

// Looks at the files while the run is under way.
class WatchingForm : public RecordingArchivForm {
  public:
    std::function<void(const QString&)> onLine;
    void AddProgressLine(const QString& sZeile) override {
        RecordingArchivForm::AddProgressLine(sZeile);
        if (onLine) onLine(sZeile);
    }
};
class WatchingBoxes : public ScriptedMessageBoxes {
  public:
    std::function<void(const QString&)> onShow;
    long Show(const QString& sText, long lStil, const QString& sTitel) override {
        if (onShow) onShow(sText);
        return ScriptedMessageBoxes::Show(sText, lStil, sTitel);
    }
};

TEST_F(RunContentTest, TheArchiveGetsItsNameWhenCompleteAndBeforeTheUserDatabaseIsCommitted) {
    Prepare();
    WatchingForm form;
    form.rows = form_.rows;
    Shared().oArchivForm = &form;
    const qint64 lVorher =
        RawDatabase(sVorher_).Number(QStringLiteral("SELECT count(*) FROM Umsätze"));
    const QDir ordner = QFileInfo(sZiel_).dir();
    const auto arbeitsordner = [&] {
        return ordner.entryInfoList({QStringLiteral(".tolva-*")},
                                    QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    };
    bool bUnterwegs = false;
    form.onLine = [&](const QString& sZeile) {
        if (sZeile != QStringLiteral("Umsätze archivieren")) return;
        bUnterwegs = true;
        // Written in a folder of the run's own that no one else may enter, and held
        // exclusively.
        EXPECT_FALSE(QFileInfo::exists(sZiel_));
        const QFileInfoList privat = arbeitsordner();
        ASSERT_EQ(privat.size(), 1);
        EXPECT_EQ(
            privat[0].permissions() & ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                        QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
            0);
        const QString sTemp = privat[0].filePath() + QStringLiteral("/archiv");
        EXPECT_TRUE(QFileInfo::exists(sTemp));
        Connection fremd;
        EXPECT_FALSE(fremd.Open(BuildConnectionText(sTemp)).ok());
    };
    auto boxes = std::make_shared<WatchingBoxes>();
    bool bGemeldet = false;
    boxes->onShow = [&](const QString& sText) {
        if (sText != QStringLiteral("Die Daten wurden erfolgreich archiviert.")) return;
        bGemeldet = true;
        // The archive stands complete under its name. The removal is not committed yet, and
        // the run holds the lock that its commit needs: no other program gets in to stop it.
        for (const QFileInfo& privat : arbeitsordner())
            EXPECT_FALSE(QFileInfo::exists(privat.filePath() + QStringLiteral("/archiv")));
        EXPECT_TRUE(ReadArchiveDescription(sZiel_).bGeoeffnet);
        EXPECT_TRUE(QFileInfo::exists(sUser_ + QStringLiteral("-journal")));
        Connection leser;
        const Status offen = leser.Open(BuildConnectionText(sUser_));
        EXPECT_TRUE(offen.description().contains(QStringLiteral("anderen Programm benutzt")))
            << offen.description().toStdString();
    };
    InstallMessageBoxPresenter(boxes);
    bool bErfolg = false;
    ASSERT_EQ(Start(&bErfolg), StartErgebnis::Gelaufen);
    EXPECT_TRUE(bErfolg);
    EXPECT_TRUE(bUnterwegs);
    EXPECT_TRUE(bGemeldet);
    EXPECT_LT(RawDatabase(sUser_).Number(QStringLiteral("SELECT count(*) FROM Umsätze")), lVorher);
}

TEST_F(RunContentTest, WithoutRemovalTheUserDatabaseKeepsEveryRow) {
    Lauf lauf;
    lauf.bEntfernen = false;
    Prepare(lauf);
    const Expectation e(sVorher_, kAuswahl, kStichtag);
    bool bErfolg = false;
    ASSERT_EQ(Start(&bErfolg), StartErgebnis::Gelaufen);
    EXPECT_TRUE(bErfolg);
    ExpectRunEnded();
    for (const char* t : kBewegungsTabellen) {
        const QString sTabelle = QString::fromUtf8(t);
        SCOPED_TRACE(t);
        EXPECT_EQ(Table(sZiel_, sTabelle), e.Selected(sTabelle));
        EXPECT_EQ(Table(sUser_, sTabelle), e.All(sTabelle));
    }
    // The unnumbered account 8 (Nr -3) still ends with -1 at home.
    EXPECT_EQ(
        Table(sUser_, QStringLiteral("Konten"), QStringLiteral("id, Nr"), QStringLiteral("id = 8")),
        QStringList{QStringLiteral("8|-1")});
}

TEST_F(RunContentTest, UnnumberedAccountsGetFreshNumbersInTheArchiveAndMinusOneAtHome) {
    // Account 7 is unnumbered too, but not ticked: it keeps its -5.
    ChangeUserDatabase(QStringLiteral("UPDATE Konten SET Nr = -5 WHERE id = 7"));
    ASSERT_EQ(Table(sVorher_, QStringLiteral("Konten"), QStringLiteral("id, Nr")),
              (QStringList{"1|1", "2|2", "3|-1", "4|3", "5|4", "6|5", "7|-5", "8|-3", "9|7", "10|8",
                           "11|9", "12|10"}));
    Prepare();
    bool bErfolg = false;
    ASSERT_EQ(Start(&bErfolg), StartErgebnis::Gelaufen);
    EXPECT_TRUE(bErfolg);
    // In the order taken (12, 8, 5, 4, 3, 1): 8 gets 11, 3 gets 12.
    EXPECT_EQ(Table(sZiel_, QStringLiteral("Konten"), QStringLiteral("id, Nr")),
              (QStringList{"1|1", "3|12", "4|3", "5|4", "8|11", "12|10"}));
    EXPECT_EQ(Table(sUser_, QStringLiteral("Konten"), QStringLiteral("id, Nr")),
              (QStringList{"1|1", "2|2", "3|-1", "4|3", "5|4", "6|5", "7|-5", "8|-1", "9|7", "10|8",
                           "11|9", "12|10"}));
}

// Keeping copies the stored record byte for byte; no password and a new one keep every filler
// character of the old record. The user database keeps its own record.
TEST_F(RunContentTest, TheArchiveGetsThePasswordRecordOfTheChosenMode) {
    const QString sAlt = PasswordRecord(sVorher_);
    ExpectRecord(sAlt, sAlt, QStringLiteral("geheim"));  // the demo's own record
    for (const long lModus : {1L, 0L, 2L}) {
        SCOPED_TRACE(lModus);
        CopyFileForTest(sVorher_, sUser_);
        Lauf lauf;
        lauf.lPasswortModus = lModus;
        lauf.sNeuesPasswort = QStringLiteral("Neu#1ä");
        Prepare(lauf);
        const QString sZiel = dir_.filePath(QStringLiteral("archiv/%1.aba").arg(lModus));
        bool bErfolg = false;
        ASSERT_EQ(Start(&bErfolg, sZiel), StartErgebnis::Gelaufen);
        ASSERT_TRUE(bErfolg);
        if (lModus == 1)
            EXPECT_EQ(RawDatabase(sZiel).Bytes(QStringLiteral("SELECT Paßwort FROM Optionen")),
                      RawDatabase(sVorher_).Bytes(QStringLiteral("SELECT Paßwort FROM Optionen")));
        else
            ExpectRecord(PasswordRecord(sZiel), sAlt,
                         lModus == 2 ? QStringLiteral("Neu#1ä") : QString());
        EXPECT_EQ(PasswordRecord(sUser_), sAlt);
    }
}

TEST_F(RunContentTest, NullScrambledFieldsCountAsEmptyTexts) {
    // No password record at all, and order 1 (sent, account 5, dated 2020) without an
    // execution date.
    ChangeUserDatabase(
        QStringLiteral("UPDATE Optionen SET Paßwort = NULL; "
                       "UPDATE SammelAufträge SET AusfDatum = NULL WHERE id = 1"));
    const QStringList posten = Table(sVorher_, QStringLiteral("SammelEinzel"), QStringLiteral("*"),
                                     QStringLiteral("SammelID = 1"));
    ASSERT_FALSE(posten.isEmpty());
    Lauf lauf;
    lauf.lPasswortModus = 0;
    Prepare(lauf);
    bool bErfolg = false;
    ASSERT_EQ(Start(&bErfolg), StartErgebnis::Gelaufen);
    EXPECT_TRUE(bErfolg);
    ASSERT_EQ(boxes_->Shown().size(), 1u);
    EXPECT_EQ(boxes_->Shown()[0].sTitel, QStringLiteral("Archivierung beendet"));
    // A record without filler carries only the blank password.
    EXPECT_EQ(PasswordRecord(sZiel_), QString(16, u' '));
    EXPECT_EQ(Table(sUser_, QStringLiteral("SammelEinzel"), QStringLiteral("*"),
                    QStringLiteral("SammelID = 1")),
              posten);
    EXPECT_EQ(Table(sZiel_, QStringLiteral("SammelAufträge"), QStringLiteral("id"),
                    QStringLiteral("id = 1")),
              QStringList{QStringLiteral("1")});
}

// Items go when their order was executed before the cut-off day, for ticked accounts only.
TEST_F(RunContentTest, ItemsGoWhenTheirOrderWasExecutedBeforeTheCutOffForATickedAccount) {
    // Orders 1 and 2 are sent and dated years before the cut-off; 9 is of the unticked account 7.
    ChangeUserDatabase(QStringLiteral("UPDATE SammelAufträge SET AusfDatum = %1 WHERE id = 1; "
                                      "UPDATE SammelAufträge SET AusfDatum = %2 WHERE id = 2; "
                                      "UPDATE SammelAufträge SET AusfDatum = %3 WHERE id = 9")
                           .arg(ScrambledDate(QStringLiteral("2023-11-30")),
                                ScrambledDate(QStringLiteral("2023-11-29")),
                                ScrambledDate(QStringLiteral("2020-03-04"))));
    ASSERT_EQ(Table(sVorher_, QStringLiteral("SammelAufträge"),
                    QStringLiteral("id, KontoID, Status, Datum < '2023-01-01'"),
                    QStringLiteral("id IN (1, 2, 9)")),
              (QStringList{"1|5|4|1", "2|4|1|1", "9|7|4|0"}));
    const auto posten = [](const QString& sPfad, int lSammelId) {
        return Table(sPfad, QStringLiteral("SammelEinzel"), QStringLiteral("*"),
                     QStringLiteral("SammelID = %1").arg(lSammelId));
    };
    for (const int id : {1, 2, 9}) ASSERT_FALSE(posten(sVorher_, id).isEmpty()) << id;
    Prepare();
    bool bErfolg = false;
    ASSERT_EQ(Start(&bErfolg), StartErgebnis::Gelaufen);
    ASSERT_TRUE(bErfolg);
    for (const int id : {1, 9}) {
        EXPECT_EQ(posten(sUser_, id), posten(sVorher_, id)) << id;
        EXPECT_TRUE(posten(sZiel_, id).isEmpty()) << id;
    }
    EXPECT_EQ(posten(sZiel_, 2), posten(sVorher_, 2));
    EXPECT_TRUE(posten(sUser_, 2).isEmpty());
}

TEST_F(RunContentTest, AnArchiveThatDiffersFromTheCopiedRowsFailsTheCheckAndChangesNothing) {
    // The template alters every booking right after it is stored.
    UseTemplate(
        QStringLiteral("CREATE TRIGGER verfaelschen AFTER INSERT ON Umsätze BEGIN "
                       "UPDATE Umsätze SET Betrag = Betrag + 1 WHERE id = NEW.id; END"));
    Prepare();
    bool bErfolg = true;
    ASSERT_EQ(Start(&bErfolg), StartErgebnis::Gelaufen);
    EXPECT_FALSE(bErfolg);
    ExpectRunEnded();
    ASSERT_EQ(boxes_->Shown().size(), 1u);
    EXPECT_EQ(boxes_->Shown()[0].sText,
              QStringLiteral("Beim Archivieren ist folgender Fehler aufgetreten:\r\nDie Prüfung "
                             "des Archivs ist fehlgeschlagen: Der Inhalt der Tabelle Umsätze "
                             "weicht von der Benutzer-Datenbank ab."));
    EXPECT_EQ(boxes_->Shown()[0].lStil, 16);
    EXPECT_EQ(boxes_->Shown()[0].sTitel, QStringLiteral("Export"));
    ExpectNothingChanged();
}

// The seal: the run's cut-off, source, time and program and every table of the archive with
// its rows, hashed as ArchiveSeal.h writes the text out, so that a later program recomputes it.
TEST_F(RunContentTest, TheSealRecordsTheRunAndEveryTableOfTheArchive) {
    Prepare();
    bool bErfolg = false;
    ASSERT_EQ(Start(&bErfolg), StartErgebnis::Gelaufen);
    ASSERT_TRUE(bErfolg);
    RawDatabase archiv(sZiel_);
    const QStringList kopf = archiv.Rows(QStringLiteral(
        "SELECT Art, Wert FROM TolvaSiegel WHERE Art NOT IN ('tabelle', 'siegel') ORDER BY rowid"));
    EXPECT_EQ(kopf, (QStringList{QStringLiteral("format|1"), QStringLiteral("stichtag|2023-11-30"),
                                 QStringLiteral("quelle|") + QFileInfo(sUser_).fileName(),
                                 QStringLiteral("erstellt|") + kJetzt.toUTC().toString(Qt::ISODate),
                                 QStringLiteral("programm|" TOLVA_VERSION)}));
    QByteArray text;
    for (const QString& zeile : kopf) text += zeile.toUtf8().replace('|', ' ') + '\n';
    QList<QByteArray> tabellen;
    for (const QString& sTabelle : archiv.Rows(QStringLiteral(
             "SELECT name FROM sqlite_master WHERE type = 'table' AND name <> 'TolvaSiegel'"))) {
        SCOPED_TRACE(sTabelle.toStdString());
        const QStringList zeile = archiv.Rows(
            QStringLiteral("SELECT Anzahl, Pruefsumme FROM TolvaSiegel WHERE Art = 'tabelle' AND "
                           "Wert = '%1'")
                .arg(sTabelle));
        ASSERT_EQ(zeile.size(), 1);
        const QStringList felder = zeile[0].split(u'|');
        EXPECT_EQ(felder[0].toLongLong(),
                  archiv.Number(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(sTabelle)));
        EXPECT_EQ(felder[1].size(), 16);
        tabellen << "tabelle " + sTabelle.toUtf8() + '\t' + felder[0].toUtf8() + '\t' +
                        felder[1].toUtf8() + '\n';
    }
    EXPECT_GE(tabellen.size(), 14);
    EXPECT_EQ(
        archiv.Number(QStringLiteral("SELECT count(*) FROM TolvaSiegel WHERE Art = 'tabelle'")),
        tabellen.size());
    std::sort(tabellen.begin(), tabellen.end());
    for (const QByteArray& z : tabellen) text += z;
    EXPECT_EQ(archiv.Rows(QStringLiteral("SELECT Wert FROM TolvaSiegel WHERE Art = 'siegel'")),
              QStringList{QString::fromLatin1(
                  QCryptographicHash::hash(text, QCryptographicHash::Sha256).toHex())});
}

// The label of an account as the host shows it: its name, else its number.
QString Label(const QString& sPfad, const QString& sId) {
    RawDatabase db(sPfad);
    const QString name = PlainText(
        Decrypt(db.Bytes(QStringLiteral("SELECT KontoName FROM Konten WHERE id = ") + sId), false));
    if (!name.isEmpty()) return name;
    return PlainText(Decrypt(
        db.Bytes(QStringLiteral("SELECT KontoNummer FROM Konten WHERE id = ") + sId), false));
}

TEST_F(RunContentTest, TheProgressListReportsEveryStep) {
    Prepare();
    const Expectation e(sVorher_, kAuswahl, kStichtag);
    const SharedState& g = Shared();
    QStringList erwartet{QStringLiteral("Umsätze archivieren")};
    RawDatabase vorher(sVorher_);
    for (const QString& sId : g.aKontenMitDaten) {
        const qint64 n = vorher.Number(
            QStringLiteral("SELECT count(*) FROM Umsätze WHERE KontoID = %1 AND Buchungsdatum < "
                           "'2023-11-30'")
                .arg(sId));
        const QString sLabel = Label(sVorher_, sId);
        ASSERT_FALSE(sLabel.isEmpty());
        erwartet << QStringLiteral("%1 Umsätze des Kontos %2 archiviert").arg(n).arg(sLabel);
    }
    erwartet << QStringLiteral("%1 gesendete Aufträge archiviert")
                    .arg(e.Selected(QStringLiteral("Aufträge")).size());
    erwartet << QStringLiteral("%1 gesendete Sammelaufträge mit %2 Einzelaufträge archiviert")
                    .arg(e.Selected(QStringLiteral("SammelAufträge")).size())
                    .arg(e.Selected(QStringLiteral("SammelEinzel")).size());
    erwartet << QStringLiteral("%1 Kategorien archiviert")
                    .arg(e.All(QStringLiteral("Kategorien")).size());
    erwartet
        << QStringLiteral("%1 Empfänger archiviert").arg(e.All(QStringLiteral("Empfänger")).size());

    bool bErfolg = false;
    ASSERT_EQ(Start(&bErfolg), StartErgebnis::Gelaufen);
    ASSERT_TRUE(bErfolg);
    EXPECT_EQ(form_.lines, erwartet);
    EXPECT_TRUE(form_.listVisible);
    // Every line but the first is repainted.
    EXPECT_EQ(form_.listRepaints, erwartet.size() - 1);
    ASSERT_FALSE(form_.progress.empty());
    EXPECT_EQ(form_.progress.back(), 0);
    EXPECT_EQ(*std::max_element(form_.progress.begin(), form_.progress.end()), form_.frameWidth);
}

TEST_F(RunContentTest, AnAccountWithoutItsRowRepeatsThePreviousLabel) {
    // Account 1 has bookings but no Konten row any more.
    ChangeUserDatabase(QStringLiteral("DELETE FROM Konten WHERE id = 1"));
    Prepare();
    const SharedState& g = Shared();
    ASSERT_EQ(Joined(g.aKontenMitDaten), QStringLiteral("12,8,5,4,3,1"));
    const Expectation e(sVorher_, kAuswahl, kStichtag);
    bool bErfolg = false;
    ASSERT_EQ(Start(&bErfolg), StartErgebnis::Gelaufen);
    ASSERT_TRUE(bErfolg);
    ASSERT_GE(form_.lines.size(), 7);
    EXPECT_TRUE(form_.lines[6].endsWith(QStringLiteral(" Umsätze des Kontos ") +
                                        Label(sVorher_, QStringLiteral("3")) +
                                        QStringLiteral(" archiviert")))
        << form_.lines[6].toStdString();
    EXPECT_EQ(Table(sZiel_, QStringLiteral("Konten"), QStringLiteral("id")),
              (QStringList{"3", "4", "5", "8", "12"}));
    EXPECT_EQ(Table(sZiel_, QStringLiteral("Umsätze")), e.Selected(QStringLiteral("Umsätze")));
    EXPECT_EQ(Table(sUser_, QStringLiteral("Umsätze")), e.Remaining(QStringLiteral("Umsätze")));
}

}  // namespace
}  // namespace tolva::test
