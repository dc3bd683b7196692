// The archive page's list entries and the descriptions read out of archive files.
#include "EngineFiles.h"

#include "archive/ArchiveList.h"
#include "text/Language.h"
#include "text/ModCrypt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

namespace tolva {
namespace {

using test::RawDatabase;

TEST(ArchiveEntryTest, NameDateAndTimeWithoutTheTimeAtMidnight) {
    EXPECT_EQ(
        ArchiveEntryText(QStringLiteral("a.aba"), QDateTime(QDate(2013, 7, 5), QTime(14, 3, 22))),
        QStringLiteral("a.aba vom 05.07.2013 14:03:22"));
    EXPECT_EQ(ArchiveEntryText(QStringLiteral("a.aba"), QDateTime(QDate(2013, 7, 5), QTime(0, 0))),
              QStringLiteral("a.aba vom 05.07.2013"));
    EXPECT_EQ(
        ArchiveEntryText(QStringLiteral("a.aba"), QDateTime(QDate(2013, 7, 5), QTime(0, 0, 1))),
        QStringLiteral("a.aba vom 05.07.2013 00:00:01"));
}

TEST(ArchiveEntryTest, TheNameEndsBeforeTheFirstVom) {
    const QString sEintrag = ArchiveEntryText(QStringLiteral("Konto vom Mai.aba"),
                                              QDateTime(QDate(2013, 7, 5), QTime(9, 0)));
    EXPECT_EQ(ArchiveEntryName(sEintrag), QStringLiteral("Konto"));
    EXPECT_EQ(ArchiveEntryName(QStringLiteral("Konto VOM Mai.aba vom 05.07.2013")),
              QStringLiteral("Konto VOM Mai.aba"));
    EXPECT_EQ(ArchiveEntryName(QStringLiteral("ohne.aba")), QString());
    EXPECT_EQ(ArchiveEntryName(QString()), QString());
}

TEST(ArchiveEntryTest, AnEnglishEntryGivesBackItsNameAlsoWhenTheNameHoldsVom) {
    const ScopedLanguage englisch(Sprache::Englisch);
    if (QCoreApplication::translate("ArchiveList", "%1 vom %2") == QLatin1String("%1 vom %2"))
        GTEST_SKIP() << "the English texts are not compiled in";
    const QString sEintrag = ArchiveEntryText(QStringLiteral("Konto vom Mai.aba"),
                                              QDateTime(QDate(2013, 7, 5), QTime(9, 0)));
    EXPECT_FALSE(sEintrag.contains(QStringLiteral("05.07.2013"))) << sEintrag.toStdString();
    EXPECT_EQ(ArchiveEntryName(sEintrag), QStringLiteral("Konto vom Mai.aba"));
    // A name that holds the English separator itself.
    for (const QString& sName :
         {QStringLiteral("Archiv (ersetzt).aba"), QStringLiteral("list of 2013 (Mai).aba")})
        EXPECT_EQ(
            ArchiveEntryName(ArchiveEntryText(sName, QDateTime(QDate(2013, 7, 5), QTime(9, 0)))),
            sName);
}

// Names made from pieces that look like the separators of either language, each through its
// entry and back: English gives every name back whole; German cuts at the first " vom ", as the
// system always has. Seeds 1 to 300.
TEST(ArchiveEntryTest, GeneratedNamesComeBackAsEachLanguageReadsThem) {
    const QStringList stuecke{
        QStringLiteral("Konto"), QStringLiteral(" vom "), QStringLiteral(" ("), QStringLiteral(")"),
        QStringLiteral(" of "),  QStringLiteral("2013"),  QStringLiteral("ä"),  QStringLiteral(" "),
        QStringLiteral("-"),     QStringLiteral(".aba")};
    for (std::uint64_t lSeed = 1; lSeed <= 300; ++lSeed) {
        SCOPED_TRACE("seed " + std::to_string(lSeed));
        std::mt19937_64 rng(lSeed);
        QString sName;
        for (int i = 0, n = int(rng() % 6) + 1; i < n; ++i)
            sName += stuecke[qsizetype(rng() % stuecke.size())];
        sName += rng() % 2 ? QStringLiteral(".aba") : QStringLiteral(".ABA");
        const QDateTime dZeit(QDate(2000, 1, 1).addDays(qint64(rng() % 10000)),
                              rng() % 3 ? QTime(int(rng() % 24), int(rng() % 60)) : QTime(0, 0));
        const qsizetype lVom = sName.indexOf(QStringLiteral(" vom "));
        EXPECT_EQ(ArchiveEntryName(ArchiveEntryText(sName, dZeit)),
                  lVom < 0 ? sName : sName.left(lVom))
            << sName.toStdString();
        const ScopedLanguage englisch(Sprache::Englisch);
        EXPECT_EQ(ArchiveEntryName(ArchiveEntryText(sName, dZeit)), sName) << sName.toStdString();
    }
}

void Touch(const QString& sPfad, const QDateTime& dZeit) {
    QFile f(sPfad);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.write("x");
    ASSERT_TRUE(f.flush());
    ASSERT_TRUE(f.setFileTime(dZeit, QFileDevice::FileModificationTime));
}

TEST(ListArchiveEntriesTest, ListsTheAbaFilesDotNamesIncludedAndNothingElse) {
    QTemporaryDir dir;
    const QString sOrdner = dir.path() + QLatin1Char('/');
    const QDateTime t1(QDate(2020, 1, 2), QTime(3, 4, 5));
    const QDateTime t2(QDate(2021, 12, 31), QTime(0, 0));
    Touch(sOrdner + QStringLiteral("b.aba"), t1);
    Touch(sOrdner + QStringLiteral("a.aba"), t2);
    Touch(sOrdner + QStringLiteral("c.txt"), t1);
    Touch(sOrdner + QStringLiteral("d.aba.tmp"), t1);
    Touch(sOrdner + QStringLiteral("aba"), t1);
    Touch(sOrdner + QStringLiteral(".alt.aba"), t2);
    ASSERT_TRUE(QDir(sOrdner).mkdir(QStringLiteral("ordner.aba")));

    EXPECT_EQ(ListArchiveEntries(sOrdner),
              (QStringList{QStringLiteral(".alt.aba vom 31.12.2021"),
                           QStringLiteral("a.aba vom 31.12.2021"),
                           QStringLiteral("b.aba vom 02.01.2020 03:04:05")}));
    EXPECT_TRUE(ListArchiveEntries(sOrdner + QStringLiteral("fehlt/")).isEmpty());
    EXPECT_TRUE(ListArchiveEntries(sOrdner + QStringLiteral("ordner.aba/")).isEmpty());
}

class DescriptionTest : public testing::Test {
  protected:
    QString Archive(const QString& sName) { return test::NewSchemaFile(dir_.filePath(sName)); }
    static QString Row(int id, const QString& sText, int lTyp) {
        const Result<QByteArray> daten = Encrypt(sText, false);
        EXPECT_TRUE(daten.ok());
        return QStringLiteral(
                   "INSERT INTO Daten (id, Daten, Flag, Typ, Datum) VALUES "
                   "(%1, x'%2', 1, %3, '2013-07-05');")
            .arg(id)
            .arg(QString::fromLatin1(daten.ok() ? daten.value().toHex() : QByteArray()))
            .arg(lTyp);
    }
    QTemporaryDir dir_;
};

TEST_F(DescriptionTest, AnArchiveWithoutDescriptionRowSaysSo) {
    const QString sPfad = Archive(QStringLiteral("a.aba"));
    {
        RawDatabase db(sPfad);
        db.Exec(Row(1, QStringLiteral("Andere Daten"), 98));
    }
    const ArchiveDescription b = ReadArchiveDescription(sPfad);
    EXPECT_TRUE(b.bGeoeffnet);
    EXPECT_EQ(b.aZeilen, QStringList{QString::fromUtf8(kKeineBeschreibungText)});
}

TEST_F(DescriptionTest, ShowsTheNonEmptyLinesOfEveryDescriptionRowAndChangesNothing) {
    const QString sPfad = Archive(QStringLiteral("a.aba"));
    {
        RawDatabase db(sPfad);
        db.Exec(Row(1, QStringLiteral("Alle Daten älter als 05.07.2013\r\n\r\nZweite Zeile"), 99) +
                Row(2, QStringLiteral("Nicht gezeigt"), 1) +
                Row(3, QStringLiteral("\r\nDritte Zeile\r\n"), 99));
    }
    const QByteArray vorher = test::FileBytes(sPfad);
    const ArchiveDescription b = ReadArchiveDescription(sPfad);
    EXPECT_TRUE(b.bGeoeffnet);
    EXPECT_EQ(b.aZeilen,
              (QStringList{QStringLiteral("Alle Daten älter als 05.07.2013"),
                           QStringLiteral("Zweite Zeile"), QStringLiteral("Dritte Zeile")}));
    EXPECT_EQ(test::FileBytes(sPfad), vorher);
}

}  // namespace
}  // namespace tolva
