// tolva-archiv verify on archives that the program made, and on copies of them changed as rot,
// a careless edit or an archive made before seals would leave them.
#include "CommandHere.h"
#include "EngineFiles.h"

#include "demo/DemoDatabase.h"
#include "text/Language.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tolva::test {
namespace {

class VerifyCommandTest : public testing::Test {
  protected:
    void SetUp() override {
        sOrdner_ = dir_.filePath(QStringLiteral("archiv"));
        ASSERT_TRUE(QDir().mkpath(sOrdner_));
        DemoOptions demo;
        demo.sPfad = dir_.filePath(QStringLiteral("bank.dat"));
        demo.lBuchungen = 800;
        ASSERT_TRUE(MakeDemoDatabase(demo).ok());
        sBank_ = demo.sPfad;
    }

    ProgramRun Here(const QStringList& args) {
        return RunCommandHere(args, dir_.filePath(QStringLiteral("host.ini")));
    }

    // An archive of every booking, made by the create command.
    QString Create(const QString& sName, const QStringList& passwort = {QStringLiteral("none")}) {
        const QString sZiel = sOrdner_ + QLatin1Char('/') + sName;
        const ProgramRun a =
            Here(QStringList{QStringLiteral("create"), QStringLiteral("--db"), sBank_,
                             QStringLiteral("--before"), QStringLiteral("2100-01-01"),
                             QStringLiteral("--out"), sZiel, QStringLiteral("--yes"),
                             QStringLiteral("--password-mode")} +
                 passwort);
        EXPECT_EQ(a.lExitCode, 0) << a.sErr.toStdString();
        return sZiel;
    }

    // A copy of the archive with sql run on it through the fixed key.
    QString Changed(const QString& sArchiv, const QString& sName, const QString& sql) {
        const QString sKopie = sOrdner_ + QLatin1Char('/') + sName;
        CopyFileForTest(sArchiv, sKopie);
        RawDatabase(sKopie).Exec(sql);
        return sKopie;
    }

    ProgramRun Verify(const QStringList& args) {
        return Here(QStringList{QStringLiteral("verify")} + args);
    }

    QTemporaryDir dir_;
    QString sOrdner_;
    QString sBank_;
};

// A run's archive is in order; every change to a table, small or large, or to the seal is named
// with its table and how many rows, and the folder's worst archive sets the exit status.
TEST_F(VerifyCommandTest, TheRunsArchiveIsInOrderAndEveryChangeIsNamed) {
    const QString sArchiv = Create(QStringLiteral("alle.aba"));
    ProgramRun v = Verify({sArchiv});
    EXPECT_EQ(v.lExitCode, 0) << v.sErr.toStdString();
    EXPECT_EQ(v.sOut, sArchiv + QStringLiteral(": in Ordnung\n"));

    const struct {
        const char* sName;
        const char* sql;
        const char* sZeile;
    } faelle[] = {
        {"b-betrag.aba",
         "UPDATE Umsätze SET Betrag = Betrag + 1 WHERE id = (SELECT min(id) FROM Umsätze)",
         "Umsätze: Zeilen geändert"},
        {"c-weg.aba", "DELETE FROM Aufträge WHERE id = (SELECT min(id) FROM Aufträge)",
         "Aufträge: 1 Zeile fehlt"},
        {"d-mehr.aba", "INSERT INTO Kategorien (Name, ParentID) VALUES ('Neu', 0), ('Neuer', 0)",
         "Kategorien: 2 Zeilen zu viel"},
        {"e-beschreibung.aba", "UPDATE Daten SET Flag = 2 WHERE Typ = 99",
         "Daten: Zeilen geändert"},
        {"f-siegel.aba", "UPDATE TolvaSiegel SET Wert = 'andere.db' WHERE Art = 'quelle'",
         "Siegel passt nicht zu seinen Zeilen"},
    };
    QString sErwartet = sArchiv + QStringLiteral(": in Ordnung\n");
    for (const auto& f : faelle)
        sErwartet += Changed(sArchiv, QString::fromUtf8(f.sName), QString::fromUtf8(f.sql)) +
                     QStringLiteral(": ") + QString::fromUtf8(f.sZeile) + QLatin1Char('\n');
    v = Verify({QStringLiteral("--folder"), sOrdner_});
    EXPECT_EQ(v.lExitCode, 4);
    EXPECT_EQ(v.sOut, sErwartet);

    // The same as JSON: the table's expected and read counts.
    v = Verify({sOrdner_ + QStringLiteral("/c-weg.aba"), QStringLiteral("--json")});
    EXPECT_EQ(v.lExitCode, 4);
    const QJsonObject o = QJsonDocument::fromJson(v.sOut.toUtf8()).array().at(0).toObject();
    EXPECT_EQ(o.value(QStringLiteral("zustand")).toString(), QStringLiteral("beschaedigt"));
    const qint64 lAuftraege =
        RawDatabase(sArchiv).Number(QStringLiteral("SELECT count(*) FROM Aufträge"));
    bool bGefunden = false;
    for (const QJsonValue t : o.value(QStringLiteral("tabellen")).toArray()) {
        if (t[QStringLiteral("tabelle")].toString() != QStringLiteral("Aufträge")) {
            EXPECT_TRUE(t[QStringLiteral("gleich")].toBool());
            continue;
        }
        bGefunden = true;
        EXPECT_EQ(t[QStringLiteral("erwartet")].toInteger(), lAuftraege);
        EXPECT_EQ(t[QStringLiteral("gelesen")].toInteger(), lAuftraege - 1);
    }
    EXPECT_TRUE(bGefunden);
}

// An archive made before seals (no seal table) is read whole and counted, not called damaged;
// an archive with a password is left unchecked without it, and that outweighs "ohne Siegel".
TEST_F(VerifyCommandTest, UnsealedArchivesAreCountedAndPasswordsAreNeeded) {
    const QString sAlt = Changed(Create(QStringLiteral("neu.aba")), QStringLiteral("alt.aba"),
                                 QStringLiteral("DROP TABLE TolvaSiegel"));
    qint64 lZeilen = 0;
    {
        RawDatabase db(sAlt);
        for (const QString& sTabelle :
             db.Rows(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")))
            lZeilen += db.Number(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(sTabelle));
    }
    ASSERT_GT(lZeilen, 1000);
    ProgramRun v = Verify({sAlt});
    EXPECT_EQ(v.lExitCode, 3);
    EXPECT_EQ(v.sOut, sAlt + QStringLiteral(": ohne Siegel (%1 Zeilen lesbar)\n")
                                 .arg(QLocale(QLocale::German).toString(lZeilen)));

    const QString sGeheim =
        Create(QStringLiteral("geheim.aba"),
               {QStringLiteral("new"), QStringLiteral("--password"), QStringLiteral("Ge#h31m")});
    for (const QStringList& ohne :
         {QStringList{}, QStringList{QStringLiteral("--password"), QStringLiteral("falsch")}}) {
        v = Verify(QStringList{sGeheim, sAlt} + ohne);
        EXPECT_EQ(v.lExitCode, 1) << ohne.join(u' ').toStdString();
        EXPECT_TRUE(v.sOut.startsWith(sGeheim + QStringLiteral(": nicht geprüft: ")))
            << v.sOut.toStdString();
    }
    v = Verify({sGeheim, QStringLiteral("--password"), QStringLiteral("Ge#h31m")});
    EXPECT_EQ(v.lExitCode, 0);
    EXPECT_EQ(v.sOut, sGeheim + QStringLiteral(": in Ordnung\n"));
}

// list --verify puts each archive's state, checked now, behind its entry (and into its JSON);
// without --verify the list is the plain one.
TEST_F(VerifyCommandTest, ListWithVerifyNamesEachArchivesStateAndListAloneDoesNot) {
    const QString sArchiv = Create(QStringLiteral("a-neu.aba"));
    Changed(sArchiv, QStringLiteral("b-rot.aba"),
            QStringLiteral("UPDATE Umsätze SET Betrag = -Betrag WHERE id = (SELECT max(id) FROM "
                           "Umsätze)"));
    Changed(sArchiv, QStringLiteral("c-alt.aba"), QStringLiteral("DROP TABLE TolvaSiegel"));
    Create(QStringLiteral("d-geheim.aba"),
           {QStringLiteral("new"), QStringLiteral("--password"), QStringLiteral("Ge#h31m")});

    const ProgramRun schlicht = Here({QStringLiteral("list"), sOrdner_});
    ProgramRun v = Here({QStringLiteral("list"), QStringLiteral("--verify"), sOrdner_});
    ASSERT_EQ(v.lExitCode, 0) << v.sErr.toStdString();
    // What stands behind each entry, and the list with it taken out again.
    QStringList pruefungen;
    QStringList zeilen = v.sOut.split(u'\n');
    for (QString& sZeile : zeilen) {
        const qsizetype t = sZeile.indexOf(u'\t');
        if (t < 0) continue;
        pruefungen << sZeile.mid(t + 1);
        sZeile.truncate(t);
    }
    ASSERT_EQ(pruefungen.size(), 4) << v.sOut.toStdString();
    EXPECT_EQ(pruefungen[0], QStringLiteral("Prüfung: in Ordnung"));
    EXPECT_EQ(pruefungen[1], QStringLiteral("Prüfung: Umsätze: Zeilen geändert"));
    EXPECT_TRUE(pruefungen[2].startsWith(QStringLiteral("Prüfung: ohne Siegel (")))
        << v.sOut.toStdString();
    EXPECT_TRUE(pruefungen[3].startsWith(QStringLiteral("Prüfung: nicht geprüft: ")));
    EXPECT_EQ(zeilen.join(u'\n'), schlicht.sOut);

    // The same as JSON, with the password for the last one.
    v = Here({QStringLiteral("list"), QStringLiteral("--verify"), QStringLiteral("--json"),
              QStringLiteral("--password"), QStringLiteral("Ge#h31m"), sOrdner_});
    ASSERT_EQ(v.lExitCode, 0) << v.sErr.toStdString();
    QStringList zustaende;
    for (const QJsonValue a : QJsonDocument::fromJson(v.sOut.toUtf8()).array())
        zustaende << a[QStringLiteral("pruefung")][QStringLiteral("zustand")].toString();
    EXPECT_EQ(zustaende,
              (QStringList{QStringLiteral("in_ordnung"), QStringLiteral("beschaedigt"),
                           QStringLiteral("ohne_siegel"), QStringLiteral("in_ordnung")}));
    for (const QJsonValue a :
         QJsonDocument::fromJson(
             Here({QStringLiteral("list"), QStringLiteral("--json"), sOrdner_}).sOut.toUtf8())
             .array())
        EXPECT_FALSE(a.toObject().contains(QStringLiteral("pruefung")));
}

}  // namespace
// --json says the same in every language, the reasons of archives left unchecked or unreadable
// included; the lines for people follow the language shown.
TEST_F(VerifyCommandTest, JsonIsTheSameGermanInEveryLanguage) {
    Create(QStringLiteral("a-geheim.aba"),
           {QStringLiteral("new"), QStringLiteral("--password"), QStringLiteral("Ge#h31m")});
    QFile keins(sOrdner_ + QStringLiteral("/b-keins.aba"));
    ASSERT_TRUE(keins.open(QIODevice::WriteOnly));
    keins.write(QByteArray(8192, 'x'));
    keins.close();
    const QStringList falsch{QStringLiteral("--password"), QStringLiteral("falsch")};
    const QStringList laeufe[] = {
        QStringList{QStringLiteral("verify"), QStringLiteral("--json"), QStringLiteral("--folder"),
                    sOrdner_} +
            falsch,
        QStringList{QStringLiteral("list"), QStringLiteral("--verify"), QStringLiteral("--json"),
                    sOrdner_} +
            falsch,
        QStringList{QStringLiteral("search"), QStringLiteral("--json"), QStringLiteral("--db"),
                    sBank_, QStringLiteral("--folder"), sOrdner_, QStringLiteral("Miete")} +
            falsch};
    for (const QStringList& args : laeufe) {
        const ProgramRun deutsch = Here(args);
        EXPECT_TRUE(deutsch.sOut.contains(QStringLiteral("Das Passwort")))
            << deutsch.sOut.toStdString();
        const ScopedLanguage englisch(Sprache::Englisch);
        ASSERT_TRUE(englisch.ok());
        const ProgramRun en = Here(args);
        EXPECT_EQ(en.sOut, deutsch.sOut) << args.join(u' ').toStdString();
        EXPECT_EQ(en.lExitCode, deutsch.lExitCode);
    }
    const ScopedLanguage englisch(Sprache::Englisch);
    const ProgramRun zeilen = Verify(QStringList{QStringLiteral("--folder"), sOrdner_} + falsch);
    EXPECT_TRUE(zeilen.sOut.contains(QStringLiteral(": not checked: ")) &&
                zeilen.sOut.contains(QStringLiteral(": unreadable: ")))
        << zeilen.sOut.toStdString();
}

}  // namespace tolva::test
