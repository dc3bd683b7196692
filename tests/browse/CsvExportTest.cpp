// The CSV of show --csv (the browser window's export writes the same) read back as a
// spreadsheet would read it, from an archive that the real tolva-archiv made of a demo
// database with texts a spreadsheet would take for formulas.
#include "EngineFiles.h"
#include "ProgramRun.h"

#include "demo/DemoDatabase.h"
#include "text/ModCrypt.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace tolva::test {
namespace {

using Zeilen = QList<QStringList>;

// CSV as a spreadsheet reads it: ";" between fields, CR LF between records, a field in quotes
// may hold them, and "" in it is one quote. The byte-order mark is dropped.
Zeilen ReadCsv(const QByteArray& bytes) {
    const QString text = QString::fromUtf8(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
    Zeilen zeilen{QStringList{QString()}};
    bool bInQuotes = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (bInQuotes && c == u'"' && text.mid(i + 1, 1) == u'"') {
            zeilen.back().back() += c;
            ++i;
        } else if (c == u'"') {
            bInQuotes = !bInQuotes;
        } else if (!bInQuotes && c == u';') {
            zeilen.back() << QString();
        } else if (!bInQuotes && text.mid(i, 2) == QStringLiteral("\r\n")) {
            zeilen << QStringList{QString()};
            ++i;
        } else {
            zeilen.back().back() += c;
        }
    }
    if (zeilen.back() == QStringList{QString()}) zeilen.removeLast();
    return zeilen;
}

// "-1234,56" in cents; fails the test for anything else.
qint64 Cents(const QString& sBetrag) {
    const QStringList teile = sBetrag.split(u',');
    bool bEuro = false, bCent = false;
    const qint64 lEuro = teile.value(0).toLongLong(&bEuro);
    const qint64 lCent = teile.value(1).toLongLong(&bCent);
    EXPECT_TRUE(teile.size() == 2 && teile[1].size() == 2 && bEuro && bCent)
        << sBetrag.toStdString();
    return lEuro * 100 + (sBetrag.startsWith(u'-') ? -lCent : lCent);
}

QString Hex(const QString& sText) {
    const Result<QByteArray> verschluesselt = Encrypt(sText, false);
    EXPECT_TRUE(verschluesselt.ok());
    return QStringLiteral("x'%1'").arg(QString::fromLatin1(verschluesselt.value().toHex()));
}

TEST(CsvExportTest, AnArchiveExportIsWhatAnAccountantCanTake) {
    QTemporaryDir dir;
    const QString sBank = dir.filePath(QStringLiteral("bank.dat"));
    const QString sArchiv = dir.filePath(QStringLiteral("alle.aba"));
    DemoOptions demo;
    demo.sPfad = sBank;
    demo.lBuchungen = 3000;
    ASSERT_TRUE(MakeDemoDatabase(demo).ok());
    // An account known only by its IBAN, one with number and IBAN, and bookings whose texts a
    // spreadsheet would run as formulas; category 17 is "Tanken" under "Auto" under
    // "Mobilität".
    RawDatabase(sBank).Exec(
        QStringLiteral(
            "INSERT INTO Konten (id, Nr, KontoName, KontoNummer, bankID, IBAN, Waehrung) VALUES "
            "(90, 900, %1, NULL, 1, 'DE02120300000000202051', 'EUR'),"
            "(91, 901, %2, %3, 1, 'DE89370400440532013000', 'EUR');"
            "INSERT INTO Umsätze (id, KontoID, Buchungsdatum, Valuta, BuchungsID, Betrag, "
            "Empfaenger, Verwendungszweck, KategorieID) VALUES "
            "(900001, 90, '2023-03-01', '2023-03-03', '-x', -4711, '=HYPERLINK(\"http://x\")', "
            "'+1', 17),"
            "(900002, 91, '2023-03-02', NULL, '@b', 250, '-2', '@a', NULL),"
            "(900003, 91, '2023-03-03', '2023-03-02', 'ok', 100, char(9) || 'b', "
            "char(13) || 'c', 16)")
            .arg(Hex(QStringLiteral("Nur IBAN")), Hex(QStringLiteral("Giro")),
                 Hex(QStringLiteral("0123456789"))));
    const QString sSettings = dir.filePath(QStringLiteral("host.ini"));
    const ProgramRun archiviert = RunProgram(
        ProgramOfThisBuild(),
        {QStringLiteral("create"), QStringLiteral("--db"), sBank, QStringLiteral("--before"),
         QStringLiteral("2100-01-01"), QStringLiteral("--out"), sArchiv, QStringLiteral("--yes"),
         QStringLiteral("--password-mode"), QStringLiteral("none")},
        sSettings);
    ASSERT_EQ(archiviert.lExitCode, 0) << archiviert.sErr.toStdString();

    const ProgramRun csv = RunProgram(
        ProgramOfThisBuild(),
        {QStringLiteral("show"), sArchiv, QStringLiteral("--csv"), QStringLiteral("--from"),
         QStringLiteral("01.01.2023"), QStringLiteral("--to"), QStringLiteral("30.06.2023")},
        sSettings);
    ASSERT_EQ(csv.lExitCode, 0) << csv.sErr.toStdString();
    const Zeilen zeilen = ReadCsv(csv.sOut.toUtf8());
    ASSERT_FALSE(zeilen.isEmpty());
    EXPECT_EQ(zeilen.front(),
              QStringList({"Konto", "Kontonummer/IBAN", "Buchungsdatum", "Valuta", "Betrag",
                           "Empfänger", "Verwendungszweck", "Kategorie", "BuchungsID"}));

    RawDatabase archiv(sArchiv);
    const QString sFilter =
        QStringLiteral(" FROM Umsätze WHERE Buchungsdatum BETWEEN '2023-01-01' AND '2023-06-30'");
    qint64 lSumme = 0;
    std::multiset<QString> buchungsIds;
    std::map<QString, QStringList> geplant;  // by payee
    for (const QStringList& z : zeilen.mid(1)) {
        ASSERT_EQ(z.size(), 9) << z.join(u'|').toStdString();
        lSumme += Cents(z[4]);
        // Only text cells are guarded, and every one that a spreadsheet would run is.
        for (int i : {0, 1, 2, 3, 5, 6, 7, 8})
            EXPECT_FALSE(!z[i].isEmpty() && QStringLiteral("=+-@\t\r").contains(z[i].front()))
                << z.join(u'|').toStdString();
        buchungsIds.insert(z[8].startsWith(u'\'') ? z[8].mid(1) : z[8]);
        geplant[z[5]] = z;
    }
    EXPECT_EQ(qint64(zeilen.size() - 1),
              archiv.Number(QStringLiteral("SELECT count(*)") + sFilter));
    EXPECT_EQ(lSumme, archiv.Number(QStringLiteral("SELECT sum(Betrag)") + sFilter));
    const QStringList ids =
        archiv.Rows(QStringLiteral("SELECT coalesce(BuchungsID, '')") + sFilter);
    EXPECT_EQ(buchungsIds, std::multiset<QString>(ids.begin(), ids.end()));

    EXPECT_EQ(
        geplant[QStringLiteral("'=HYPERLINK(\"http://x\")")],
        QStringList({"Nur IBAN", "DE02120300000000202051", "01.03.2023", "03.03.2023", "-47,11",
                     "'=HYPERLINK(\"http://x\")", "'+1", "Mobilität / Auto / Tanken", "'-x"}));
    EXPECT_EQ(geplant[QStringLiteral("'-2")], QStringList({"Giro", "0123456789", "02.03.2023", "",
                                                           "2,50", "'-2", "'@a", "", "'@b"}));
    EXPECT_EQ(geplant[QStringLiteral("'\tb")],
              QStringList({"Giro", "0123456789", "03.03.2023", "02.03.2023", "1,00", "'\tb", "'\rc",
                           "Mobilität / Auto", "ok"}));
}

}  // namespace
}  // namespace tolva::test
