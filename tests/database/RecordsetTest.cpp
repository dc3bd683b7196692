// Recordset: fields found by name, and values that keep their storage class.
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

}  // namespace
}  // namespace tolva
