// The commands of tolva-archiv: in this process through the command library where nothing but
// the command is tested, and as runs of the binary of this build where the program itself is
// (the question without --yes, the version and help, signals, the order of the file steps).
#include "ArchiveScenario.h"
#include "CommandHere.h"
#include "ProgramRun.h"
#include "PseudoTerminal.h"

#include "browse/BrowseFile.h"
#include "demo/DemoDatabase.h"
#include "text/Language.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>

#include <csignal>
#include <thread>
#include <tuple>

namespace tolva::test {
namespace {

using Ausgabe = ProgramRun;

class CommandLineTest : public testing::Test {
  protected:
    void SetUp() override {
        sProgramm_ = IniHostServices::DataFolder() + QStringLiteral("../bin/tolva-archiv");
        ASSERT_TRUE(QFileInfo(sProgramm_).isExecutable()) << sProgramm_.toStdString();
        sBank_ = dir_.filePath(QStringLiteral("bank.dat"));
        ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("archiv")));
        sZiel_ = dir_.filePath(QStringLiteral("archiv/x.aba"));
    }

    void MakeDemo(qint64 lBuchungen = 1500) {
        DemoOptions options;
        options.sPfad = sBank_;
        options.lBuchungen = lBuchungen;
        const Result<DemoSummary> demo = MakeDemoDatabase(options);
        ASSERT_TRUE(demo.ok()) << demo.status().description().toStdString();
    }

    Ausgabe Run(const QStringList& args, const QStringList& aUmgebung = {}) {
        return RunProgram(sProgramm_, args, dir_.filePath(QStringLiteral("host.ini")), aUmgebung);
    }

    // The command in this process, through the command library (no question is asked: stdin
    // may be a terminal here).
    Ausgabe Here(const QStringList& args) {
        return RunCommandHere(args, dir_.filePath(QStringLiteral("host.ini")));
    }

    Ausgabe Create(const QStringList& weitere = {}, const QStringList& aUmgebung = {}) {
        return Run(QStringList{QStringLiteral("create"), QStringLiteral("--db"), sBank_,
                               QStringLiteral("--before"), QStringLiteral("2023-11-30"),
                               QStringLiteral("--out"), sZiel_} +
                       weitere,
                   aUmgebung);
    }

    QTemporaryDir dir_;
    QString sProgramm_;
    QString sBank_;
    QString sZiel_;
};

// Without --yes every question is answered "Nein": an existing target stays, and a removal
// without a backup is refused first, naming what it would remove.
TEST_F(CommandLineTest, QuestionsAreAnsweredNoWithoutYes) {
    MakeDemo();
    {
        QFile f(sZiel_);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("altes Archiv");
    }
    const QStringList vorher = DumpAll(sBank_);
    const Ausgabe a = Create();
    EXPECT_EQ(a.lExitCode, 1);
    EXPECT_TRUE(a.sErr.contains(QStringLiteral("existiert bereits"))) << a.sErr.toStdString();
    const Ausgabe b = Create({QStringLiteral("--remove")});
    EXPECT_EQ(b.lExitCode, 1);
    const QString sZahl =
        QLocale(QLocale::German)
            .toString(RawDatabase(sBank_)
                          .Rows(QStringLiteral(
                              "SELECT count(*) FROM Umsätze WHERE Buchungsdatum < '2023-11-30'"))[0]
                          .toLongLong());
    EXPECT_TRUE(b.sErr.contains(sZahl + QStringLiteral(" Umsätze werden damit unwiderruflich")))
        << b.sErr.toStdString();
    EXPECT_FALSE(b.sErr.contains(QStringLiteral("existiert bereits"))) << b.sErr.toStdString();
    EXPECT_EQ(FileBytes(sZiel_), QByteArray("altes Archiv"));
    EXPECT_EQ(DumpAll(sBank_), vorher);
}

// restore asks first ("Nein" without --yes), refuses a conflict with exit 1 and the way out,
// and prints per table what went back.
TEST_F(CommandLineTest, RestoreAsksRefusesConflictsAndReportsPerTable) {
    MakeDemo();
    const QStringList vorher = DumpWithoutRenumbering(sBank_);
    ASSERT_EQ(Create({QStringLiteral("--remove"), QStringLiteral("--yes"),
                      QStringLiteral("--password-mode"), QStringLiteral("none")})
                  .lExitCode,
              0);
    const QStringList archiviert = DumpAll(sBank_);
    const QStringList zurueck{QStringLiteral("restore"), sZiel_, QStringLiteral("--db"), sBank_,
                              QStringLiteral("--no-backup")};
    const Ausgabe nein = Run(zurueck);
    EXPECT_EQ(nein.lExitCode, 1);
    EXPECT_TRUE(nein.sErr.contains(QStringLiteral("Daten jetzt zurückholen?")))
        << nein.sErr.toStdString();
    EXPECT_EQ(DumpAll(sBank_), archiviert);

    const qint64 lId = RawDatabase(sZiel_).Number(QStringLiteral("SELECT min(id) FROM Aufträge"));
    RawDatabase(sBank_).Exec(
        QStringLiteral("INSERT INTO Aufträge (id, KontoID, Status, Datum) VALUES (%1, 1, 0, "
                       "'2026-12-01')")
            .arg(lId));
    const QStringList belegt = DumpAll(sBank_);
    const Ausgabe konflikt = Run(zurueck + QStringList{QStringLiteral("--yes")});
    EXPECT_EQ(konflikt.lExitCode, 1);
    EXPECT_TRUE(konflikt.sErr.contains(QStringLiteral("gesendete Aufträge")) &&
                konflikt.sErr.contains(QString::number(lId)) &&
                konflikt.sErr.contains(QStringLiteral("--new-ids")))
        << konflikt.sErr.toStdString();
    EXPECT_EQ(DumpAll(sBank_), belegt);

    RawDatabase(sBank_).Exec(QStringLiteral("DELETE FROM Aufträge WHERE id = %1").arg(lId));
    const qint64 lUmsaetze =
        RawDatabase(sZiel_).Number(QStringLiteral("SELECT count(*) FROM Umsätze"));
    // A dry run tells the same as the restore and writes nothing, not even without a question.
    const Ausgabe probe =
        Run(zurueck + QStringList{QStringLiteral("--dry-run"), QStringLiteral("--json")});
    EXPECT_EQ(probe.lExitCode, 0) << probe.sErr.toStdString();
    const QJsonArray tabellen = QJsonDocument::fromJson(probe.sOut.toUtf8())
                                    .object()
                                    .value(QStringLiteral("tabellen"))
                                    .toArray();
    ASSERT_GE(tabellen.size(), 2);
    EXPECT_EQ(tabellen[1].toObject().value(QStringLiteral("zurueck")).toInteger(), lUmsaetze);
    EXPECT_EQ(DumpAll(sBank_), archiviert);
    const Ausgabe ja = Run(zurueck + QStringList{QStringLiteral("--yes")});
    EXPECT_EQ(ja.lExitCode, 0) << ja.sErr.toStdString();
    EXPECT_TRUE(ja.sOut.contains(
        QRegularExpression(QStringLiteral("\\nUmsätze +%1 +%1 +0 +0\\n").arg(lUmsaetze))))
        << ja.sOut.toStdString();
    EXPECT_EQ(DumpWithoutRenumbering(sBank_), vorher);
}

// Every command's --help is checked against the manual page (man_page_test).
TEST_F(CommandLineTest, EveryCommandExplainsItselfAndNamesWhatIsWrong) {
    // The version however it is asked for, also after a command.
    for (const QStringList& args :
         {QStringList{QStringLiteral("--version")}, QStringList{QStringLiteral("-V")},
          QStringList{QStringLiteral("create"), QStringLiteral("--version")},
          QStringList{QStringLiteral("show"), QStringLiteral("-V")}}) {
        const Ausgabe version = Run(args);
        EXPECT_EQ(version.lExitCode, 0) << args.join(u' ').toStdString();
        EXPECT_TRUE(version.sOut.startsWith(QStringLiteral("tolva-archiv 5.")))
            << version.sOut.toStdString();
    }
    // "help BEFEHL" is the command's own help.
    const Ausgabe hilfeCreate = Run({QStringLiteral("help"), QStringLiteral("create")});
    EXPECT_EQ(hilfeCreate.lExitCode, 0);
    EXPECT_EQ(hilfeCreate.sOut, Run({QStringLiteral("create"), QStringLiteral("--help")}).sOut);
    EXPECT_TRUE(hilfeCreate.sOut.contains(QStringLiteral("--password-mode")));
    EXPECT_EQ(Run({QStringLiteral("help")}).sOut, Run({QStringLiteral("--help")}).sOut);

    const struct {
        QStringList args;
        QString sTeil;
    } fehler[] = {
        {{QStringLiteral("survey"), QStringLiteral("--db"), sBank_, QStringLiteral("--vor"),
          QStringLiteral("1.1.2020")},
         QStringLiteral("Unbekannte Option: --vor")},
        {{QStringLiteral("survey"), QStringLiteral("--db"), sBank_},
         QStringLiteral("Die Option --before fehlt.")},
        {{QStringLiteral("create"), QStringLiteral("--db"), sBank_, QStringLiteral("--before"),
          QStringLiteral("2020-01-01"), QStringLiteral("--out")},
         QStringLiteral("Die Option --out braucht einen Wert.")},
        {{QStringLiteral("survey"), QStringLiteral("--db"), sBank_, QStringLiteral("--before"),
          QStringLiteral("31.02.2020")},
         QStringLiteral("Ungültiges Datum „31.02.2020“")},
        {{QStringLiteral("list")}, QStringLiteral("Das Argument ORDNER|ARCHIV fehlt.")},
        {{QStringLiteral("umbenennen")}, QStringLiteral("unbekannter Befehl „umbenennen“")},
    };
    for (const auto& f : fehler) {
        SCOPED_TRACE(f.args.join(u' ').toStdString());
        const bool bBefehl = f.args.front() != QLatin1String("umbenennen");
        const Ausgabe a = bBefehl ? Here(f.args) : Run(f.args);
        EXPECT_EQ(a.lExitCode, 2);
        EXPECT_TRUE(a.sErr.contains(f.sTeil)) << a.sErr.toStdString();
    }
}

TEST_F(CommandLineTest, DatesInEitherFormAndJsonTellTheSameSurvey) {
    MakeDemo();
    const auto survey = [&](const QString& sDatum, bool bJson) {
        QStringList args{QStringLiteral("survey"), QStringLiteral("--db"), sBank_,
                         QStringLiteral("--before"), sDatum};
        if (bJson) args << QStringLiteral("--json");
        const Ausgabe a = Here(args);
        EXPECT_EQ(a.lExitCode, 0) << a.sErr.toStdString();
        return a.sOut;
    };
    const QString sIso = survey(QStringLiteral("2023-11-30"), false);
    EXPECT_EQ(survey(QStringLiteral("30.11.2023"), false), sIso);
    EXPECT_EQ(survey(QStringLiteral(" 30.11.2023 "), false), sIso);  // pasted with blanks
    // In English the form the terminal shows dates in is taken too: month first in the US, day
    // first in Britain, the other order refused.
    const QString sJson = survey(QStringLiteral("2023-11-30"), true);
    const QLocale vorher;
    for (const auto& [land, sGezeigt, sFalsch] :
         {std::tuple{QLocale::UnitedStates, "11/30/2023", "30/11/2023"},
          std::tuple{QLocale::UnitedKingdom, "30/11/2023", "11/30/2023"}}) {
        QLocale::setDefault(QLocale(QLocale::English, land));
        const ScopedLanguage englisch(Sprache::Englisch);
        EXPECT_EQ(survey(QString::fromLatin1(sGezeigt), true), sJson) << sGezeigt;
        EXPECT_EQ(Here({QStringLiteral("survey"), QStringLiteral("--db"), sBank_,
                        QStringLiteral("--before"), QString::fromLatin1(sFalsch)})
                      .lExitCode,
                  2)
            << sFalsch;
    }
    QLocale::setDefault(vorher);
    const QJsonObject json =
        QJsonDocument::fromJson(survey(QStringLiteral("30.11.2023"), true).toUtf8()).object();
    EXPECT_EQ(json.value(QStringLiteral("stichtag")).toString(), QStringLiteral("2023-11-30"));
    // The plan: one line per account after the summary's two lines and a heading, then the
    // totals, which add up the accounts.
    const QJsonObject plan = json.value(QStringLiteral("plan")).toObject();
    const QJsonArray konten = plan.value(QStringLiteral("konten")).toArray();
    ASSERT_EQ(konten.size(), sIso.count(u'\n') - 4) << sIso.toStdString();
    qint64 lSumme = 0;
    for (const QJsonValue& k : konten)
        lSumme += k.toObject().value(QStringLiteral("umsaetze")).toInteger();
    EXPECT_GT(lSumme, 0);
    EXPECT_EQ(plan.value(QStringLiteral("summe"))
                  .toObject()
                  .value(QStringLiteral("umsaetze"))
                  .toInteger(),
              lSumme);
}

TEST_F(CommandLineTest, AnArchiveNameGetsItsEndingOnceAndListShowsThatOneArchive) {
    MakeDemo();
    const QString sOhne = dir_.filePath(QStringLiteral("archiv/ohne"));
    const Ausgabe a = Here({QStringLiteral("create"), QStringLiteral("--db"), sBank_,
                            QStringLiteral("--before"), QStringLiteral("30.11.2023"),
                            QStringLiteral("--out"), sOhne, QStringLiteral("--yes")});
    ASSERT_EQ(a.lExitCode, 0) << a.sErr.toStdString();
    EXPECT_FALSE(QFileInfo::exists(sOhne));
    ASSERT_TRUE(QFileInfo::exists(sOhne + QStringLiteral(".aba")));
    // A second file in the folder that list of the one archive must not show.
    ASSERT_TRUE(QFile::copy(sOhne + QStringLiteral(".aba"),
                            dir_.filePath(QStringLiteral("archiv/zwei.aba"))));
    const Ausgabe eine = Here({QStringLiteral("list"), sOhne + QStringLiteral(".aba")});
    EXPECT_EQ(eine.lExitCode, 0);
    EXPECT_TRUE(eine.sOut.startsWith(QStringLiteral("ohne.aba vom "))) << eine.sOut.toStdString();
    EXPECT_TRUE(eine.sOut.contains(QStringLiteral("Alle Daten älter als 30.11.2023")));
    EXPECT_FALSE(eine.sOut.contains(QStringLiteral("zwei.aba")));
    const QJsonArray liste =
        QJsonDocument::fromJson(Here({QStringLiteral("list"), QStringLiteral("--json"),
                                      dir_.filePath(QStringLiteral("archiv"))})
                                    .sOut.toUtf8())
            .array();
    ASSERT_EQ(liste.size(), 2);
    EXPECT_TRUE(liste[0].toObject().value(QStringLiteral("lesbar")).toBool());
    EXPECT_TRUE(liste[0]
                    .toObject()
                    .value(QStringLiteral("datei"))
                    .toString()
                    .endsWith(QStringLiteral("/ohne.aba")));

    // A name that ends so in capitals gets no second ending; without --password-mode the
    // archive keeps the database's password.
    const QString sGross = dir_.filePath(QStringLiteral("archiv/Gross.ABA"));
    const Ausgabe b = Here({QStringLiteral("create"), QStringLiteral("--db"), sBank_,
                            QStringLiteral("--before"), QStringLiteral("30.11.2023"),
                            QStringLiteral("--out"), sGross, QStringLiteral("--yes")});
    ASSERT_EQ(b.lExitCode, 0) << b.sErr.toStdString();
    EXPECT_FALSE(QFileInfo::exists(sGross + QStringLiteral(".aba")));
    ASSERT_TRUE(QFileInfo::exists(sGross));
    const Result<std::unique_ptr<BrowseFile>> ohnePasswort = BrowseFile::Open(sGross, QString());
    ASSERT_FALSE(ohnePasswort.ok());
    EXPECT_TRUE(BrowseFile::PasswordNeeded(ohnePasswort.error()))
        << ohnePasswort.error().description.toStdString();
    EXPECT_TRUE(BrowseFile::Open(sGross, QString::fromUtf8(kDemoPasswort)).ok());

    // A folder that is not there yet ("neu/") is a folder all the same: no hidden ".aba" in it.
    const QString sNeu = dir_.filePath(QStringLiteral("neu/"));
    const Ausgabe c = Here({QStringLiteral("create"), QStringLiteral("--db"), sBank_,
                            QStringLiteral("--before"), QStringLiteral("30.11.2023"),
                            QStringLiteral("--out"), sNeu, QStringLiteral("--yes")});
    EXPECT_NE(c.lExitCode, 0);
    EXPECT_TRUE(c.sErr.contains(QStringLiteral("ist ein Ordner"))) << c.sErr.toStdString();
    EXPECT_FALSE(QFileInfo::exists(sNeu));
}

// The demo host looks at the database before it calls the component: a wizard without
// accounts would only wait for a click.
TEST_F(CommandLineTest, TheDemoHostEndsWithAMessageOnADatabaseItCannotOpen) {
    const QString sText = dir_.filePath(QStringLiteral("notiz.db"));
    {
        QFile f(sText);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
    }
    const struct {
        QString sPfad;
        QString sTeil;
    } faelle[] = {{dir_.filePath(QStringLiteral("fehlt.db")), QStringLiteral("gibt es nicht")},
                  {sText, QStringLiteral("notiz.db")}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.sPfad.toStdString());
        const Ausgabe a = Run({QStringLiteral("--db"), fall.sPfad},
                              {QStringLiteral("QT_QPA_PLATFORM=offscreen")});
        EXPECT_EQ(a.lExitCode, 1);
        EXPECT_TRUE(a.sErr.contains(fall.sTeil)) << a.sErr.toStdString();
        EXPECT_TRUE(a.sOut.isEmpty()) << a.sOut.toStdString();
    }
    EXPECT_EQ(FileBytes(sText), QByteArray(4096, 'x'));
}

// The order of the file steps as the system calls see it: the archive and the backup reach the
// disk before they take their names, and the folder entry after it. (Account 1 is named twice
// on purpose: it is ticked once.)
TEST_F(CommandLineTest, ArchiveAndBackupAreFlushedBeforeTheyAreRenamed) {
    MakeDemo();
    const QString sLog = dir_.filePath(QStringLiteral("schritte.log"));
    const QString sSicherung = dir_.filePath(QStringLiteral("bank.BKA"));
    const Ausgabe a = Create({QStringLiteral("--remove"), QStringLiteral("--accounts"),
                              QStringLiteral("1,1"), QStringLiteral("--backup"), sSicherung},
                             {QStringLiteral("LD_PRELOAD=") + QStringLiteral(TOLVA_FILE_STEP_SHIM),
                              QStringLiteral("TOLVA_FILE_STEPS=") + sLog});
    ASSERT_EQ(a.lExitCode, 0) << a.sErr.toStdString();
    QStringList schritte = QString::fromUtf8(FileBytes(sLog)).split(u'\n', Qt::SkipEmptyParts);
    const auto rename = [&](const QString& sZiel) -> qsizetype {
        for (qsizetype i = 0; i < schritte.size(); ++i)
            if (schritte[i].startsWith(QStringLiteral("rename\t")) &&
                schritte[i].endsWith(QLatin1Char('\t') + sZiel))
                return i;
        return -1;
    };
    for (const QString& sZiel : {sZiel_, sSicherung}) {
        SCOPED_TRACE(sZiel.toStdString());
        const qsizetype lUmbenannt = rename(sZiel);
        ASSERT_GE(lUmbenannt, 0) << schritte.join(u'\n').toStdString();
        const QString sTemp = schritte[lUmbenannt].section(u'\t', 1, 1);
        EXPECT_TRUE(sTemp.contains(QStringLiteral("/.tolva-"))) << sTemp.toStdString();
        const qsizetype lGesichert =
            schritte.lastIndexOf(QStringLiteral("fsync\t") + sTemp + QLatin1Char('\t'), lUmbenannt);
        EXPECT_GE(lGesichert, 0) << schritte.join(u'\n').toStdString();
        const QString sOrdner = QFileInfo(sZiel).absolutePath();
        EXPECT_GT(
            schritte.indexOf(QStringLiteral("fsync\t") + sOrdner + QLatin1Char('\t'), lUmbenannt),
            lUmbenannt)
            << schritte.join(u'\n').toStdString();
    }
}

// The lines of a terminal as they stand after its carriage returns, without trailing blanks
// and without the "^C" that the terminal itself shows for Ctrl-C.
QList<QByteArray> ScreenLines(const QByteArray& ausgabe) {
    QList<QByteArray> zeilen;
    for (const QByteArray& roh : ausgabe.split('\n')) {
        QByteArray zeile;
        qsizetype lSpalte = 0;
        for (const char c : QByteArray(roh).replace("^C", "")) {
            if (c == '\r') {
                lSpalte = 0;
                continue;
            }
            if (lSpalte < zeile.size())
                zeile[lSpalte] = c;
            else
                zeile += c;
            ++lSpalte;
        }
        while (zeile.endsWith(' ')) zeile.chop(1);
        zeilen << zeile;
    }
    return zeilen;
}

// A Ctrl-C while the progress bar stands on the terminal: the bar's line is ended before the
// job says what became of it, so no message lands on the bar's line.
TEST_F(CommandLineTest, AfterCtrlCTheMessagesStartBelowTheProgressBar) {
    MakeDemo(200000);
    bool bUnterBalken = false;
    // The Ctrl-C may meet the moment between two tables when no bar stands: then again.
    for (int lVersuch = 0; lVersuch < 3 && !bUnterBalken; ++lVersuch) {
        PseudoTerminal terminal;
        QByteArray bildschirm;
        std::thread person([&] {
            terminal.ReadUntil("[#", 60000);
            terminal.Type("\x03");
            bildschirm = terminal.ReadUntil("unver\xC3\xA4ndert.", 60000);
        });
        const Ausgabe a = RunProgram(
            sProgramm_,
            {QStringLiteral("create"), QStringLiteral("--db"), sBank_, QStringLiteral("--before"),
             QStringLiteral("2025-11-30"), QStringLiteral("--out"), sZiel_,
             QStringLiteral("--remove"), QStringLiteral("--yes"), QStringLiteral("--password-mode"),
             QStringLiteral("none")},
            dir_.filePath(QStringLiteral("host.ini")), {}, terminal.Controlling(true));
        person.join();
        ASSERT_EQ(a.lExitCode, 128 + SIGINT) << bildschirm.data();
        const QList<QByteArray> zeilen = ScreenLines(bildschirm);
        for (qsizetype i = 0; i < zeilen.size(); ++i) {
            // A line with the bar holds nothing after its per cent.
            EXPECT_TRUE(!zeilen[i].contains(" %") || zeilen[i].endsWith(" %")) << zeilen[i].data();
            bUnterBalken = bUnterBalken || (i > 0 && zeilen[i - 1].endsWith(" %") &&
                                            !zeilen[i].isEmpty() && !zeilen[i].contains(" %"));
        }
    }
    EXPECT_TRUE(bUnterBalken) << "the Ctrl-C never came while the bar stood";
    EXPECT_FALSE(QFileInfo::exists(sZiel_));
}

}  // namespace
}  // namespace tolva::test
