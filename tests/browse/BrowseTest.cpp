// The archive browser's engine on a demo database and on archives that the real tolva-archiv
// made of it: what it shows equals SQL over the same file, and no file changes by reading.
#include "EngineFiles.h"
#include "ProgramRun.h"
#include "text/DisplayFormat.h"
#include "text/Language.h"

#include "browse/ArchiveCheck.h"
#include "browse/BrowseExport.h"
#include "demo/DemoDatabase.h"
#include "hostlib/IniHostServices.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include "database/Keying.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <sqlite3.h>

namespace tolva::test {
namespace {

using Ausgabe = ProgramRun;

// One booking as the test reads it straight from the file.
struct Zeile {
    qint64 id;
    QString sKonto;  // "NULL" when none
    QString sDatum;
    qint64 lBetrag;
    QString sText;  // payee and purpose, NULL as empty
};

// The search folding written out for the letters that the files hold.
QString Plain(QString s) {
    s = s.toLower();
    for (const auto& [von, nach] :
         {std::pair{u"ä", u"a"}, {u"ö", u"o"}, {u"ü", u"u"}, {u"é", u"e"}, {u"ß", u"ss"}})
        s.replace(QString::fromUtf16(von), QString::fromUtf16(nach));
    return s;
}

class BrowseTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir;
        sBank_ = dir_->filePath(QStringLiteral("bank.dat"));
        sOrdner_ = dir_->filePath(QStringLiteral("archiv"));
        sArchiv_ = sOrdner_ + QStringLiteral("/alle.aba");
        sGeschuetzt_ = sOrdner_ + QStringLiteral("/geschuetzt.aba");
        ASSERT_TRUE(QDir().mkpath(sOrdner_));
        DemoOptions demo;
        demo.sPfad = sBank_;
        demo.lBuchungen = 3000;
        ASSERT_TRUE(MakeDemoDatabase(demo).ok());
        // Umlauts and cases for the search, CSV's special characters, a booking without an
        // account and one of an account without a row, and ids far apart.
        RawDatabase(sBank_).Exec(
            QStringLiteral("INSERT INTO Umsätze (id, KontoID, Buchungsdatum, Betrag, Empfaenger, "
                           "Verwendungszweck) VALUES "
                           "(900001, 3, '2023-05-02', 123456, 'Müller & Söhne', 'Rechnung 17'),"
                           "(900002, 3, '2023-05-03', -5, 'MULLER GMBH', 'Gebühr'),"
                           "(900003, 4, '2023-05-04', 2000, 'Mueller', 'Erstattung'),"
                           "(900004, 4, '2023-05-05', -9900, 'Hausverwaltung', "
                           "'Miete Straße 5; \"Hinterhaus\"' || char(10) || 'zweite Zeile'),"
                           "(900005, 5, '2023-05-06', 700, 'STRASSENBAU AG', 'Abschlag'),"
                           "(900006, NULL, '2023-05-07', 100, 'Kasse', 'ohne Konto'),"
                           "(900007, 99, '2023-05-08', 300, 'Müller', 'Konto ohne Zeile'),"
                           "(900008, 5, '2023-05-09', 400, NULL, 'Spende Müller')"));
        for (const auto& [sZiel, weitere] :
             {std::pair{sArchiv_, QStringList{QStringLiteral("none")}},
              std::pair{sGeschuetzt_,
                        QStringList{QStringLiteral("new"), QStringLiteral("--password"),
                                    QStringLiteral("Ge#h31m")}}}) {
            const Ausgabe a =
                Run(QStringList{QStringLiteral("create"), QStringLiteral("--db"), sBank_,
                                QStringLiteral("--before"), QStringLiteral("2100-01-01"),
                                QStringLiteral("--out"), sZiel, QStringLiteral("--yes"),
                                QStringLiteral("--password-mode")} +
                    weitere);
            ASSERT_EQ(a.lExitCode, 0) << a.sErr.toStdString();
        }
    }
    static void TearDownTestSuite() { delete dir_; }

    static Ausgabe Run(const QStringList& args) {
        return RunProgram(ProgramOfThisBuild(), args, dir_->filePath(QStringLiteral("host.ini")));
    }

    // The live database is opened as the host's: its password is not asked.
    static std::unique_ptr<BrowseFile> Open(const QString& sPfad) {
        Result<std::unique_ptr<BrowseFile>> datei = BrowseFile::Open(sPfad, QString(), false);
        EXPECT_TRUE(datei.ok()) << datei.status().description().toStdString();
        return datei.ok() ? std::move(datei).value() : nullptr;
    }

    // Every booking of the file that passes f, in date order, decided here in C++.
    static std::vector<Zeile> Reference(const QString& sPfad, const BookingFilter& f) {
        std::vector<Zeile> zeilen;
        const QStringList rows = RawDatabase(sPfad).Rows(QStringLiteral(
            "SELECT id, KontoID, Buchungsdatum, Betrag, coalesce(Empfaenger, '') || ' ' || "
            "coalesce(Verwendungszweck, '') FROM Umsätze ORDER BY Buchungsdatum, id"));
        for (const QString& row : rows) {
            const QStringList t = row.split(u'|');
            Zeile z{t[0].toLongLong(), t[1], t[2], t[3].toLongLong(), t.mid(4).join(u'|')};
            if ((f.lKontoID && z.sKonto != QString::number(*f.lKontoID)) ||
                (f.dVon.isValid() && z.sDatum < f.dVon.toString(Qt::ISODate)) ||
                (f.dBis.isValid() && z.sDatum > f.dBis.toString(Qt::ISODate)) ||
                (f.lBetragVonCent && z.lBetrag < *f.lBetragVonCent) ||
                (f.lBetragBisCent && z.lBetrag > *f.lBetragBisCent) ||
                !Plain(z.sText).contains(Plain(f.sText)))
                continue;
            zeilen.push_back(z);
        }
        return zeilen;
    }

    static std::vector<qint64> Ids(const std::vector<BookingRow>& zeilen) {
        std::vector<qint64> ids;
        for (const BookingRow& z : zeilen) ids.push_back(z.id);
        return ids;
    }

    static inline QTemporaryDir* dir_ = nullptr;
    static inline QString sBank_, sOrdner_, sArchiv_, sGeschuetzt_;
};

TEST_F(BrowseTest, AccountsShowWhatSqlCountsInTheSameFile) {
    for (const QString& sPfad : {sBank_, sArchiv_}) {
        SCOPED_TRACE(sPfad.toStdString());
        const auto datei = Open(sPfad);
        ASSERT_TRUE(datei);
        const Result<std::vector<BrowseAccount>> konten = datei->Accounts();
        ASSERT_TRUE(konten.ok()) << konten.status().description().toStdString();
        QStringList gezeigt;
        for (const BrowseAccount& k : konten.value())
            if (k.lBuchungen > 0)
                gezeigt << QStringLiteral("%1|%2|%3|%4|%5|%6|%7")
                               .arg(k.lKontoID)
                               .arg(k.lBuchungen)
                               .arg(k.dErste.toString(Qt::ISODate), k.dLetzte.toString(Qt::ISODate))
                               .arg(k.lSummeCent)
                               .arg(k.lAuftraege)
                               .arg(k.lSammel);
        RawDatabase db(sPfad);
        EXPECT_EQ(
            gezeigt,
            db.Rows(QStringLiteral(
                "SELECT KontoID, count(*), min(Buchungsdatum), max(Buchungsdatum), "
                "sum(Betrag), (SELECT count(*) FROM Aufträge a WHERE a.KontoID = u.KontoID), "
                "(SELECT count(*) FROM SammelAufträge s WHERE s.KontoID = u.KontoID) "
                "FROM Umsätze u WHERE KontoID IS NOT NULL GROUP BY KontoID ORDER BY KontoID")));
        const Result<BookingTotals> alle = datei->Totals({});
        ASSERT_TRUE(alle.ok());
        EXPECT_EQ(QStringLiteral("%1|%2").arg(alle.value().lAnzahl).arg(alle.value().lSummeCent),
                  db.Rows(QStringLiteral("SELECT count(*), sum(Betrag) FROM Umsätze"))[0]);
    }
    // The booking of account 99, which has no row, names it by its number.
    const auto datei = Open(sBank_);
    const auto konten = datei->Accounts().value();
    const auto k99 = std::find_if(konten.begin(), konten.end(),
                                  [](const BrowseAccount& k) { return k.lKontoID == 99; });
    ASSERT_NE(k99, konten.end());
    EXPECT_FALSE(k99->bKontozeile);
    EXPECT_EQ(k99->sKonto, QStringLiteral("Konto 99"));
}

TEST_F(BrowseTest, FiltersAndSearchLetThroughExactlyTheReferenceRows) {
    std::vector<BookingFilter> filter(9);
    filter[0].lKontoID = 3;
    filter[1].dVon = QDate(2023, 5, 3);
    filter[1].dBis = QDate(2023, 5, 8);
    filter[2].lBetragVonCent = -5;
    filter[2].lBetragBisCent = 700;
    const char* texte[] = {"müller", "MULLER", "straße", "STRASSE", "Gebuhr"};
    for (size_t i = 0; i < std::size(texte); ++i) filter[3 + i].sText = QString::fromUtf8(texte[i]);
    filter[8].sText = QStringLiteral("müller");
    filter[8].lKontoID = 5;
    filter[8].dBis = QDate(2023, 5, 9);
    for (const QString& sPfad : {sBank_, sArchiv_}) {
        const auto datei = Open(sPfad);
        ASSERT_TRUE(datei);
        for (const BookingFilter& f : filter) {
            SCOPED_TRACE(sPfad.toStdString() + " " + f.sText.toStdString());
            std::vector<qint64> erwartet;
            qint64 lSumme = 0;
            for (const Zeile& z : Reference(sPfad, f)) {
                erwartet.push_back(z.id);
                lSumme += z.lBetrag;
            }
            ASSERT_FALSE(erwartet.empty());
            const Result<std::vector<BookingRow>> zeilen = datei->Bookings(f, 0, -1);
            ASSERT_TRUE(zeilen.ok()) << zeilen.status().description().toStdString();
            EXPECT_EQ(Ids(zeilen.value()), erwartet);
            const Result<BookingTotals> summe = datei->Totals(f);
            ASSERT_TRUE(summe.ok());
            EXPECT_EQ(summe.value().lAnzahl, qint64(erwartet.size()));
            EXPECT_EQ(summe.value().lSummeCent, lSumme);
        }
    }
}

TEST_F(BrowseTest, PagesJoinUpToTheWholeSortedList) {
    const auto datei = Open(sBank_);
    ASSERT_TRUE(datei);
    BookingFilter nachDatum, datumAb, nachBetrag, suche;
    datumAb.bAbsteigend = true;
    nachBetrag.eSortierung = BookingColumn::Betrag;
    nachBetrag.bAbsteigend = true;
    nachBetrag.dVon = QDate(2022, 1, 1);
    suche.sText = QStringLiteral("e");
    suche.eSortierung = BookingColumn::Empfaenger;
    RawDatabase db(sBank_);
    const QStringList betrag =
        db.Rows(QStringLiteral("SELECT id FROM Umsätze WHERE Buchungsdatum >= '2022-01-01' ORDER "
                               "BY Betrag DESC, id DESC"));
    for (const BookingFilter* f : {&nachDatum, &datumAb, &nachBetrag, &suche}) {
        SCOPED_TRACE(int(f - &nachDatum));
        const std::vector<qint64> alle = Ids(datei->Bookings(*f, 0, -1).value());
        std::vector<qint64> stuecke;
        for (qint64 lAb = 0; lAb < qint64(alle.size()) + 7; lAb += 250) {
            const Result<std::vector<BookingRow>> stueck = datei->Bookings(*f, lAb, 250);
            ASSERT_TRUE(stueck.ok());
            for (const BookingRow& z : stueck.value()) stuecke.push_back(z.id);
        }
        EXPECT_EQ(stuecke, alle);
        if (f == &nachBetrag) {
            ASSERT_EQ(qint64(alle.size()), betrag.size());
            for (size_t i = 0; i < alle.size(); ++i)
                EXPECT_EQ(alle[i], betrag[qsizetype(i)].toLongLong());
        }
    }
    // Date order, newest first: the reference reversed.
    std::vector<qint64> erwartet;
    for (const Zeile& z : Reference(sBank_, {})) erwartet.insert(erwartet.begin(), z.id);
    EXPECT_EQ(Ids(datei->Bookings(datumAb, 0, -1).value()), erwartet);
}

TEST_F(BrowseTest, ReadingChangesNoFileAndBadFilesAreRefusedWithTheirReason) {
    const QString sKurz = dir_->filePath(QStringLiteral("kurz.aba"));
    const QString sFremd = dir_->filePath(QStringLiteral("fremd.aba"));
    const QString sHalb = dir_->filePath(QStringLiteral("halb.aba"));
    const QString sAnders = dir_->filePath(QStringLiteral("anders.aba"));
    {  // a database of the same shape under another key
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(sAnders).constData(), &db), SQLITE_OK);
        ASSERT_TRUE(ApplyKey(db, QStringLiteral("ein anderer Schlüssel")).ok());
        EXPECT_EQ(sqlite3_exec(db, "CREATE TABLE Optionen (Version INTEGER, Paßwort BLOB)", nullptr,
                               nullptr, nullptr),
                  SQLITE_OK);
        sqlite3_close(db);
    }
    CopyFileForTest(sArchiv_, sKurz);
    ASSERT_TRUE(QFile::resize(sKurz, QFileInfo(sKurz).size() / 2));
    CopyFileForTest(sArchiv_, sHalb);
    for (const auto& [sDatei, inhalt] :
         {std::pair{sFremd, QByteArray(5000, 'x')},
          std::pair{sHalb + QStringLiteral("-journal"), QByteArray(4096, '\x5a')}}) {
        QFile f(sDatei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    }
    const struct {
        QString sPfad;
        QString sMeldung;  // empty: opens
    } faelle[] = {
        {sArchiv_, QString()},
        {sKurz, QStringLiteral("Die Datenbank „%1“ ist beschädigt").arg(sKurz)},
        {sFremd, QStringLiteral("Die Datei „%1“ ist keine Datenbank dieses Programms, oder der "
                                "Datenbankschlüssel passt nicht.")
                     .arg(sFremd)},
        {sAnders, QStringLiteral("Die Datei „%1“ ist keine Datenbank dieses Programms, oder der "
                                 "Datenbankschlüssel passt nicht.")
                      .arg(sAnders)},
        {sHalb, QStringLiteral("Die Datei „%1“ wurde nicht vollständig geschrieben").arg(sHalb)},
    };
    const QDateTime alt(QDate(2020, 2, 2), QTime(2, 2, 2));
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.sPfad.toStdString());
        {
            QFile f(fall.sPfad);
            ASSERT_TRUE(f.open(QIODevice::ReadWrite));
            ASSERT_TRUE(f.setFileTime(alt, QFileDevice::FileModificationTime));
        }
        const QByteArray vorher = FileBytes(fall.sPfad);
        const QDir ordner = QFileInfo(fall.sPfad).absoluteDir();
        const QStringList dateien = ordner.entryList(QDir::Files);
        Result<std::unique_ptr<BrowseFile>> datei = BrowseFile::Open(fall.sPfad);
        if (fall.sMeldung.isEmpty()) {
            ASSERT_TRUE(datei.ok()) << datei.status().description().toStdString();
            BookingFilter f;
            f.sText = QStringLiteral("miete");
            EXPECT_TRUE(datei.value()->Accounts().ok());
            EXPECT_TRUE(datei.value()->Bookings(f, 0, 50).ok());
            EXPECT_TRUE(datei.value()->Totals(f).ok());
            EXPECT_TRUE(datei.value()->CollectiveOrders().ok());
            datei = Error{};
        } else {
            ASSERT_FALSE(datei.ok());
            EXPECT_TRUE(datei.error().description.startsWith(fall.sMeldung))
                << datei.error().description.toStdString();
        }
        EXPECT_EQ(FileBytes(fall.sPfad), vorher);
        EXPECT_EQ(QFileInfo(fall.sPfad).lastModified(), alt);
        EXPECT_EQ(ordner.entryList(QDir::Files), dateien);
    }
    EXPECT_EQ(FileBytes(sHalb + QStringLiteral("-journal")), QByteArray(4096, '\x5a'));
}

TEST_F(BrowseTest, CsvAndAmountsAreWrittenTheGermanWay) {
    const std::vector<BookingRow> zeilen{
        {1, 3, QStringLiteral("2024-03-01"), 123456, QStringLiteral("Müller"),
         QStringLiteral("Miete; \"März\"\nzweite Zeile"), QStringLiteral("2024-03-04"),
         QStringLiteral("2024-03-01-000017"), 7},
        {2, 7, QStringLiteral("2024-12-31"), -5, QString(), QStringLiteral("Gebühr"), QString(),
         QString(), 0}};
    const CsvNames namen{{{3, QStringLiteral("Giro; privat")}},
                         {{3, QStringLiteral("0123456789")}},
                         {{7, QStringLiteral("Wohnen / Miete")}}};
    QBuffer ziel;
    ziel.open(QIODevice::WriteOnly);
    {
        // The CSV is a fixed format: English shown changes none of its bytes.
        const ScopedLanguage englisch(Sprache::Englisch);
        ASSERT_TRUE(WriteBookingsCsv(zeilen, namen, ziel).ok());
    }
    EXPECT_EQ(ziel.data(),
              QByteArray("\xEF\xBB\xBF"
                         "Konto;Kontonummer/IBAN;Buchungsdatum;Valuta;Betrag;Empfänger;"
                         "Verwendungszweck;Kategorie;BuchungsID\r\n"
                         "\"Giro; privat\";0123456789;01.03.2024;04.03.2024;1234,56;"
                         "Müller;\"Miete; \"\"März\"\"\nzweite Zeile\";"
                         "Wohnen / Miete;2024-03-01-000017\r\n"
                         "Konto 7;;31.12.2024;;-0,05;;Gebühr;;\r\n"));
    // A thousands point only between groups of three digits, never before the first.
    EXPECT_EQ(DisplayCents(123456789), QStringLiteral("1.234.567,89 €"));
    EXPECT_EQ(DisplayCents(12345), QStringLiteral("123,45 €"));
    EXPECT_EQ(DisplayCents(-99999999), QStringLiteral("-999.999,99 €"));
    EXPECT_EQ(DisplayCents(-5), QStringLiteral("-0,05 €"));
}

// The check's line follows the language shown; the line --json writes stays German.
TEST(CheckTextTest, TheJsonLineStaysGermanWhileEnglishIsShown) {
    ArchivePruefung pruefung;
    pruefung.eZustand = PruefZustand::OhneSiegel;
    pruefung.lZeilen = 12345;
    const ScopedLanguage englisch(Sprache::Englisch);
    EXPECT_EQ(CheckText(pruefung), QStringLiteral("ohne Siegel (12.345 Zeilen lesbar)"));
    EXPECT_TRUE(ShownCheckText(pruefung).contains(QStringLiteral("12,345")))
        << ShownCheckText(pruefung).toStdString();
}

TEST_F(BrowseTest, ShowAndSearchRunAsCommands) {
    const Ausgabe zeigen =
        Run({QStringLiteral("show"), sArchiv_, QStringLiteral("--search"),
             QStringLiteral("STRASSE"), QStringLiteral("--sort"), QStringLiteral("betrag")});
    EXPECT_EQ(zeigen.lExitCode, 0) << zeigen.sErr.toStdString();
    EXPECT_TRUE(zeigen.sOut.contains("05.05.2023\t"));
    EXPECT_TRUE(zeigen.sOut.contains("\t-99,00 \xE2\x82\xAC\tHausverwaltung\tMiete Stra\xC3\x9F"));
    // The columns' English names sort alike, in every language.
    EXPECT_EQ(Run({QStringLiteral("show"), sArchiv_, QStringLiteral("--search"),
                   QStringLiteral("STRASSE"), QStringLiteral("--sort"), QStringLiteral("amount")})
                  .sOut,
              zeigen.sOut);
    const Ausgabe csv = Run({QStringLiteral("show"), sArchiv_, QStringLiteral("--csv"),
                             QStringLiteral("--account"), QStringLiteral("3")});
    EXPECT_EQ(csv.lExitCode, 0);
    EXPECT_EQ(csv.sOut.count("\r\n"), RawDatabase(sArchiv_).Number(QStringLiteral(
                                          "SELECT count(*) + 1 FROM Umsätze WHERE KontoID = 3")));
    const Ausgabe zu = Run({QStringLiteral("show"), sGeschuetzt_});
    EXPECT_EQ(zu.lExitCode, 1);
    EXPECT_TRUE(zu.sErr.contains(QStringLiteral("Das Archiv hat ein Passwort")));
    EXPECT_EQ(
        Run({QStringLiteral("show"), sArchiv_, QStringLiteral("--sort"), QStringLiteral("name")})
            .lExitCode,
        2);

    const Ausgabe suche =
        Run({QStringLiteral("search"), QStringLiteral("mÜller"), QStringLiteral("--db"), sBank_,
             QStringLiteral("--folder"), sOrdner_, QStringLiteral("--json")});
    EXPECT_EQ(suche.lExitCode, 0);
    EXPECT_TRUE(suche.sErr.contains(sGeschuetzt_)) << suche.sErr.toStdString();
    const QJsonArray treffer = QJsonDocument::fromJson(suche.sOut.toUtf8())["treffer"].toArray();
    BookingFilter f;
    f.sText = QStringLiteral("müller");
    EXPECT_EQ(treffer.size(),
              qsizetype(Reference(sBank_, f).size() + Reference(sArchiv_, f).size()));
    for (qsizetype i = 1; i < treffer.size(); ++i)
        EXPECT_GE(treffer[i - 1]["datum"].toString(), treffer[i]["datum"].toString());
    // With its password the protected archive is searched too.
    const Ausgabe mitPasswort =
        Run({QStringLiteral("search"), QStringLiteral("mÜller"), QStringLiteral("--db"), sBank_,
             QStringLiteral("--folder"), sOrdner_, QStringLiteral("--password"),
             QStringLiteral("Ge#h31m"), QStringLiteral("--json")});
    EXPECT_FALSE(mitPasswort.sErr.contains(sGeschuetzt_)) << mitPasswort.sErr.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(mitPasswort.sOut.toUtf8())["treffer"].toArray().size(),
              treffer.size() + qsizetype(Reference(sArchiv_, f).size()));
}

}  // namespace
}  // namespace tolva::test
