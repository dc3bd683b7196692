// Recordset: walking tables and SQL texts, field access, values, adding and changing rows.
#include "DatabaseFiles.h"

#include "database/Connection.h"
#include "database/Recordset.h"

#include <QDate>

#include <gtest/gtest.h>

namespace tolva {
namespace {

using test::QueryRows;

class RecordsetTest : public testing::Test {
  protected:
    void SetUp() override {
        sPfad = folder.NewDatabase(QStringLiteral("Bank.dat"));
        ASSERT_TRUE(test::OpenDatabase(cn, sPfad).ok());
    }
    void exec(const QString& sql) { ASSERT_TRUE(cn.Execute(sql).ok()) << sql.toStdString(); }

    test::ScratchFolder folder;
    QString sPfad;
    Connection cn;
};

TEST_F(RecordsetTest, WalksATableInStoredOrderWithoutTheRowid) {
    exec(
        QStringLiteral("INSERT INTO Kategorien VALUES (30, 'c', NULL);"
                       "INSERT INTO Kategorien VALUES (10, 'a', NULL);"
                       "INSERT INTO Kategorien VALUES (20, 'b', 10);"));
    Recordset rs;
    ASSERT_TRUE(rs.Open(QStringLiteral("Kategorien"), cn).ok());
    EXPECT_EQ(rs.State(), adStateOpen);
    ASSERT_EQ(rs.FieldCount(), 3);
    QStringList gesehen;
    while (!rs.Eof()) {
        gesehen << rs.Field(0).toString() + rs.Field(1).toString();
        ASSERT_TRUE(rs.MoveNext().ok());
    }
    EXPECT_EQ(gesehen, (QStringList{"10a", "20b", "30c"}));
    EXPECT_FALSE(rs.MoveNext().ok());  // past the end
    rs.Close();
    EXPECT_EQ(rs.State(), adStateClosed);
}

TEST_F(RecordsetTest, EmptySourcesStandAtTheirEnd) {
    for (const QString& sQuelle :
         {QStringLiteral("Empfänger"), QStringLiteral("select * from Daten where Typ = 99")}) {
        Recordset rs;
        ASSERT_TRUE(rs.Open(sQuelle, cn).ok());
        EXPECT_TRUE(rs.Eof());
        EXPECT_FALSE(rs.MoveNext().ok());
        EXPECT_TRUE(rs.Eof());
        const Result<QVariant> feld = rs.Field(QStringLiteral("id"));
        ASSERT_FALSE(feld.ok());
        EXPECT_EQ(feld.error().description, QStringLiteral("Es gibt keinen aktuellen Datensatz."));
    }
}

TEST_F(RecordsetTest, SqlTextsAreMapped) {
    exec(
        QStringLiteral("INSERT INTO Aufträge (id, Status, Datum) VALUES (1, 4, '2013-07-04'), "
                       "(2, 4, '2013-07-05'), (3, 1, '2013-01-01'), (4, 4, '2012-12-31')"));
    Recordset rs;
    ASSERT_TRUE(rs.Open(QStringLiteral("SELECT * FROM Aufträge WHERE Status = 4 and "
                                       "Datum < #2013/7/5# ORDER BY id DESC;"),
                        cn, adOpenStatic, adLockOptimistic, adCmdUnspecified)
                    .ok());
    EXPECT_EQ(rs.Field(0).toLongLong(), 4);
    ASSERT_TRUE(rs.MoveNext().ok());
    EXPECT_EQ(rs.Field(0).toLongLong(), 1);
    ASSERT_TRUE(rs.MoveNext().ok());
    EXPECT_TRUE(rs.Eof());
    rs.Close();

    ASSERT_TRUE(rs.Open(QStringLiteral("SELECT MAX (Nr) from Konten"), cn).ok());
    EXPECT_FALSE(rs.Eof());
    EXPECT_TRUE(rs.Field(0).isNull());
    rs.Close();

    const Status fehlt = rs.Open(QStringLiteral("Unbekannt"), cn);
    ASSERT_FALSE(fehlt.ok());
    EXPECT_TRUE(fehlt.description().contains(sPfad));
}

TEST_F(RecordsetTest, FindsFieldsByNameIgnoringAsciiCaseOnly) {
    exec(QStringLiteral("UPDATE Optionen SET Paßwort = x'01'"));
    Recordset rs;
    ASSERT_TRUE(rs.Open(QStringLiteral("Optionen"), cn).ok());
    EXPECT_EQ(rs.FieldIndex(QStringLiteral("VERSION")), 0);
    EXPECT_EQ(rs.FieldIndex(QStringLiteral("paßwort")), 1);
    EXPECT_EQ(rs.FieldIndex(QStringLiteral("PAßWORT")), 1);
    EXPECT_EQ(rs.FieldIndex(QStringLiteral("Passwort")), -1);
    EXPECT_EQ(rs.Field(QStringLiteral("version")).value(), QVariant(qint64(5)));
    EXPECT_EQ(rs.Field(QStringLiteral("Paßwort")).value(), QVariant(QByteArray("\x01", 1)));
    const Result<QVariant> fehlt = rs.Field(QStringLiteral("Kennwort"));
    ASSERT_FALSE(fehlt.ok());
    EXPECT_TRUE(fehlt.error().description.contains(QStringLiteral("Kennwort")));
    rs.Close();

    ASSERT_TRUE(rs.Open(QStringLiteral("Select * from Konten where ID = 1"), cn).ok());
    EXPECT_EQ(rs.FieldIndex(QStringLiteral("ID")), 0);
    EXPECT_EQ(rs.FieldIndex(QStringLiteral("BANKID")), 4);
}

TEST_F(RecordsetTest, ValuesKeepTheirStorageClass) {
    const QByteArray blob("\x00\xff\x80 text\x00", 10);
    Recordset rs;
    ASSERT_TRUE(rs.Open(QStringLiteral("Daten"), cn).ok());
    ASSERT_TRUE(rs.AddNew().ok());
    ASSERT_TRUE(rs.SetField(QStringLiteral("Daten"), blob).ok());
    ASSERT_TRUE(rs.SetField(QStringLiteral("Flag"), true).ok());
    ASSERT_TRUE(rs.SetField(QStringLiteral("Typ"), qint64(1) << 40).ok());
    ASSERT_TRUE(rs.SetField(QStringLiteral("Datum"), QDate(2013, 7, 5)).ok());
    ASSERT_TRUE(rs.Update().ok());
    ASSERT_TRUE(rs.AddNew().ok());
    ASSERT_TRUE(rs.SetField(1, QByteArray()).ok());
    ASSERT_TRUE(rs.SetField(2, -3).ok());
    ASSERT_TRUE(rs.SetField(3, 2.5).ok());
    ASSERT_TRUE(rs.SetField(4, QStringLiteral("Grüße € ß")).ok());
    ASSERT_TRUE(rs.Update().ok());
    ASSERT_TRUE(rs.AddNew().ok());
    ASSERT_TRUE(rs.SetField(4, QString()).ok());
    ASSERT_TRUE(rs.Update().ok());
    rs.Close();

    EXPECT_EQ(QueryRows(cn.Handle(), QStringLiteral("SELECT id, typeof(Daten), typeof(Flag), "
                                                    "typeof(Typ), typeof(Datum) FROM Daten")),
              (QStringList{"1|blob|integer|integer|text", "2|blob|integer|real|text",
                           "3|null|null|null|text"}));
    ASSERT_TRUE(rs.Open(QStringLiteral("SELECT * FROM Daten ORDER BY id"), cn).ok());
    EXPECT_EQ(rs.Field(1), QVariant(blob));
    EXPECT_EQ(rs.Field(2), QVariant(qint64(1)));
    EXPECT_EQ(rs.Field(3), QVariant(qint64(1) << 40));
    EXPECT_EQ(rs.Field(4), QVariant(QStringLiteral("2013-07-05")));
    ASSERT_TRUE(rs.MoveNext().ok());
    EXPECT_EQ(rs.Field(1).typeId(), QMetaType::QByteArray);
    EXPECT_TRUE(rs.Field(1).toByteArray().isEmpty());
    EXPECT_EQ(rs.Field(2), QVariant(qint64(-3)));
    EXPECT_EQ(rs.Field(3), QVariant(2.5));
    EXPECT_EQ(rs.Field(4), QVariant(QStringLiteral("Grüße € ß")));
    ASSERT_TRUE(rs.MoveNext().ok());
    EXPECT_FALSE(rs.Field(1).isValid());
    EXPECT_EQ(rs.Field(4).typeId(), QMetaType::QString);
    EXPECT_TRUE(rs.Field(4).toString().isEmpty());
}

TEST_F(RecordsetTest, AddedRowsGetTheNextKeyAndADuplicateKeyIsRefused) {
    Recordset rs;
    ASSERT_TRUE(rs.Open(QStringLiteral("Kategorien"), cn).ok());
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(rs.AddNew().ok());
        ASSERT_TRUE(rs.SetField(QStringLiteral("Name"), QStringLiteral("K%1").arg(i)).ok());
        ASSERT_TRUE(rs.Update().ok());
    }
    ASSERT_TRUE(rs.AddNew().ok());
    ASSERT_TRUE(rs.SetField(0, 1).ok());
    const Status doppelt = rs.Update();
    ASSERT_FALSE(doppelt.ok());
    EXPECT_TRUE(doppelt.description().contains(QStringLiteral("verletzt eine Regel")));
    EXPECT_EQ(QueryRows(cn.Handle(), QStringLiteral("SELECT id, Name FROM Kategorien")),
              (QStringList{"1|K0", "2|K1"}));
}

TEST_F(RecordsetTest, ChangingTheCurrentRowStoresTheNewValue) {
    exec(
        QStringLiteral("INSERT INTO Konten (id, Nr, KontoName, bankID) VALUES "
                       "(1, 1, x'41', 5), (2, -3, x'42', 5), (3, 2, x'43', 6)"));
    Recordset rs;
    ASSERT_TRUE(rs.Open(QStringLiteral("Konten"), cn).ok());
    EXPECT_FALSE(rs.SetField(QStringLiteral("Unbekannt"), 1).ok());
    ASSERT_TRUE(rs.MoveNext().ok());
    ASSERT_EQ(rs.Field(QStringLiteral("Nr")).value(), QVariant(qint64(-3)));
    ASSERT_TRUE(rs.SetField(QStringLiteral("Nr"), 7).ok());
    ASSERT_TRUE(rs.SetField(5, QStringLiteral("DE00")).ok());
    ASSERT_TRUE(rs.Update().ok());
    EXPECT_EQ(QueryRows(cn.Handle(), QStringLiteral("SELECT id, Nr, KontoName, IBAN FROM Konten")),
              (QStringList{"1|1|A|NULL", "2|7|B|DE00", "3|2|C|NULL"}));
}

}  // namespace
}  // namespace tolva
