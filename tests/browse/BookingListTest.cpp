// Lists of bookings read piece by piece: on an archive the real tolva-archiv made, every piece
// of random filters in every order equals SQL of the test's own for the same slice.
#include "EngineFiles.h"
#include "ProgramRun.h"

#include "browse/BrowseFile.h"
#include "demo/DemoDatabase.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

namespace tolva::test {
namespace {

// The filters ctest runs: seeds kErsterSeed on; TOLVA_LIST_FIRST_SEED starts elsewhere.
constexpr quint64 kErsterSeed = 1;
constexpr int kFilter = 60;

// The search folding for the letters the file holds (checked in SetUpTestSuite), in SQL over
// a column and in C++ over a text.
constexpr const char* kFaltungen[] = {"Ä a", "ä a",  "Ö o", "ö o", "Ü u",
                                      "ü u", "ß ss", "é e", "É e"};

QString Folded(const QString& sSpalte) {
    QString s = sSpalte;
    for (const char* paar : kFaltungen) {
        const QStringList t = QString::fromUtf8(paar).split(u' ');
        s = QStringLiteral("replace(%1, '%2', '%3')").arg(s, t[0], t[1]);
    }
    return QStringLiteral("lower(%1)").arg(s);
}

QString FoldedText(QString s) {
    for (const char* paar : kFaltungen) {
        const QStringList t = QString::fromUtf8(paar).split(u' ');
        s.replace(t[0], t[1]);
    }
    return s.toLower();
}

class BookingListTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir;
        const QString sBank = dir_->filePath(QStringLiteral("bank.dat"));
        sArchiv_ = dir_->filePath(QStringLiteral("alle.aba"));
        DemoOptions demo;
        demo.sPfad = sBank;
        demo.lBuchungen = 3000;
        ASSERT_TRUE(MakeDemoDatabase(demo).ok());
        // Accents and cases among the payees, payees and purposes of NULL, equal amounts.
        RawDatabase(sBank).Exec(QStringLiteral(
            "INSERT INTO Umsätze (KontoID, Buchungsdatum, Betrag, Empfaenger, Verwendungszweck) "
            "VALUES (3, '2023-05-02', -5000, 'Ärztehaus', 'Rechnung'), "
            "(3, '2023-05-02', -5000, 'arztpraxis', NULL), (4, '2023-05-03', -5000, NULL, "
            "'Überweisung'), (NULL, '2023-05-04', 0, 'Kasse', 'ohne Konto')"));
        const ProgramRun a = RunProgram(
            ProgramOfThisBuild(),
            {QStringLiteral("create"), QStringLiteral("--db"), sBank, QStringLiteral("--before"),
             QStringLiteral("2100-01-01"), QStringLiteral("--out"), sArchiv_,
             QStringLiteral("--yes"), QStringLiteral("--password-mode"), QStringLiteral("none")},
            dir_->filePath(QStringLiteral("host.ini")));
        ASSERT_EQ(a.lExitCode, 0) << a.sErr.toStdString();
        // Folded() knows every letter beyond ASCII that the texts hold.
        for (const QString& s : RawDatabase(sArchiv_).Rows(QStringLiteral(
                 "SELECT DISTINCT coalesce(Empfaenger, '') || Verwendungszweck FROM Umsätze")))
            for (const QChar c : s)
                ASSERT_TRUE(c.unicode() < 0x80 || QString::fromUtf8("ÄäÖöÜüßéÉ").contains(c))
                    << s.toStdString();
    }
    static void TearDownTestSuite() { delete dir_; }

    static inline QTemporaryDir* dir_ = nullptr;
    static inline QString sArchiv_;
};

// A random filter and the same filter as the test's own SQL: WHERE and ORDER BY.
struct Choice {
    BookingFilter filter;
    QString sWhere = QStringLiteral("1");
    QString sOrder;
};

Choice RandomChoice(std::mt19937_64& rng) {
    const auto below = [&rng](int n) {
        return int(std::uniform_int_distribution<>(0, n - 1)(rng));
    };
    Choice c;
    BookingFilter& f = c.filter;
    if (below(3) == 0) f.lKontoID = 1 + below(6);
    if (below(3) == 0) f.dVon = QDate(2022, 1, 1).addDays(below(900));
    if (below(3) == 0) f.dBis = QDate(2022, 6, 1).addDays(below(900));
    if (below(4) == 0) f.lBetragVonCent = -200000 + below(200000);
    if (below(4) == 0) f.lBetragBisCent = -50000 + below(300000);
    const char* texte[] = {"e", "müller", "MIETE", "ÄRZT", "straße", "gmbh", "ü", "an "};
    if (below(2) == 0) f.sText = QString::fromUtf8(texte[below(int(std::size(texte)))]);
    f.eSortierung = BookingColumn(below(5));
    f.bAbsteigend = below(2) == 0;
    if (f.lKontoID) c.sWhere += QStringLiteral(" AND KontoID = %1").arg(*f.lKontoID);
    if (f.dVon.isValid())
        c.sWhere += QStringLiteral(" AND Buchungsdatum >= '%1'").arg(f.dVon.toString(Qt::ISODate));
    if (f.dBis.isValid())
        c.sWhere += QStringLiteral(" AND Buchungsdatum <= '%1'").arg(f.dBis.toString(Qt::ISODate));
    if (f.lBetragVonCent) c.sWhere += QStringLiteral(" AND Betrag >= %1").arg(*f.lBetragVonCent);
    if (f.lBetragBisCent) c.sWhere += QStringLiteral(" AND Betrag <= %1").arg(*f.lBetragBisCent);
    const QString sNadel = FoldedText(f.sText);
    if (!sNadel.isEmpty())
        c.sWhere +=
            QStringLiteral(" AND instr(%1, '%2') > 0")
                .arg(Folded(QStringLiteral(
                         "coalesce(Empfaenger, '') || ' ' || coalesce(Verwendungszweck, '')")),
                     sNadel);
    const QString d = f.bAbsteigend ? QStringLiteral(" DESC") : QString();
    const QString schluessel[] = {
        QStringLiteral("Buchungsdatum") + d, QStringLiteral("KontoID") + d + ", Buchungsdatum" + d,
        QStringLiteral("Betrag") + d, Folded(QStringLiteral("Empfaenger")) + d,
        Folded(QStringLiteral("Verwendungszweck")) + d};
    c.sOrder = schluessel[int(f.eSortierung)] + ", id" + d;
    return c;
}

std::vector<qint64> Ids(const std::vector<BookingRow>& zeilen) {
    std::vector<qint64> ids;
    for (const BookingRow& z : zeilen) ids.push_back(z.id);
    return ids;
}

TEST_F(BookingListTest, EveryPieceOfARandomFilterIsTheSqlSliceOfTheSameList) {
    Result<std::unique_ptr<BrowseFile>> geoeffnet = BrowseFile::Open(sArchiv_);
    ASSERT_TRUE(geoeffnet.ok()) << geoeffnet.status().description().toStdString();
    BrowseFile& datei = *geoeffnet.value();
    ASSERT_TRUE(datei.Accounts().ok());  // its kept sums answer some counts
    RawDatabase roh(sArchiv_);
    bool ok = false;
    quint64 lErster = qEnvironmentVariable("TOLVA_LIST_FIRST_SEED").toULongLong(&ok);
    if (!ok) lErster = kErsterSeed;
    for (quint64 lSeed = lErster; lSeed < lErster + kFilter; ++lSeed) {
        SCOPED_TRACE("seed " + std::to_string(lSeed) + " (TOLVA_LIST_FIRST_SEED)");
        std::mt19937_64 rng(lSeed);
        const Choice c = RandomChoice(rng);
        const auto slice = [&](qint64 lAb, qint64 lAnzahl) {
            std::vector<qint64> ids;
            for (const QString& s : roh.Rows(QStringLiteral("SELECT id FROM Umsätze WHERE %1 "
                                                            "ORDER BY %2 LIMIT %3 OFFSET %4")
                                                 .arg(c.sWhere, c.sOrder)
                                                 .arg(lAnzahl)
                                                 .arg(lAb)))
                ids.push_back(s.toLongLong());
            return ids;
        };
        const Result<BookingScreen> bild = datei.Start(c.filter, kListenStueck);
        ASSERT_TRUE(bild.ok()) << bild.status().description().toStdString();
        EXPECT_EQ(Ids(bild.value().zeilen), slice(0, kListenStueck)) << c.sWhere.toStdString();
        const QStringList summe = roh.Rows(
            QStringLiteral("SELECT count(*), coalesce(sum(Betrag), 0) FROM Umsätze WHERE ") +
            c.sWhere);
        EXPECT_EQ(QStringLiteral("%1|%2")
                      .arg(bild.value().summe.lAnzahl)
                      .arg(bild.value().summe.lSummeCent),
                  summe.value(0));
        const qint64 lAnzahl = bild.value().summe.lAnzahl;
        // Pieces anywhere, and pieces right after the last one, as a scrolled list asks.
        auto lWeiter = qint64(bild.value().zeilen.size());
        for (int i = 0; i < 4; ++i) {
            const qint64 lAb =
                rng() % 2 ? lWeiter : std::uniform_int_distribution<qint64>(0, lAnzahl + 3)(rng);
            const qint64 lStueck = i == 0 ? kListenStueck : 1 + qint64(rng() % 250);
            const Result<std::vector<BookingRow>> stueck = datei.Bookings(c.filter, lAb, lStueck);
            ASSERT_TRUE(stueck.ok());
            lWeiter = lAb + qint64(stueck.value().size());
            EXPECT_EQ(Ids(stueck.value()), slice(lAb, lStueck))
                << c.sWhere.toStdString() << " ORDER BY " << c.sOrder.toStdString() << " from "
                << lAb;
        }
    }
}

}  // namespace
}  // namespace tolva::test
