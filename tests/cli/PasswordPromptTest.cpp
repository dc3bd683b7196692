// The archive password of show, search, restore and create as the real tolva-archiv takes it:
// asked on its terminal without echo, from a file or standard input, never from standard input
// unasked, and a wrong one named as such.
#include "ArchiveScenario.h"
#include "ProgramRun.h"
#include "PseudoTerminal.h"

#include "browse/BrowseFile.h"
#include "demo/DemoDatabase.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <fcntl.h>
#include <unistd.h>

#include <thread>

namespace tolva::test {
namespace {

const QByteArray kPasswort = "Ge#h31m";
const QString kOhneTerminal = QStringLiteral(
    "Das Archiv hat ein Passwort: --password-file DATEI oder --password - angeben.\n");

class PasswordPromptTest : public testing::Test {
  protected:
    // A demo database with two archives of it: its oldest year without a password, the next
    // one with kPasswort.
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir;
        sBank_ = dir_->filePath(QStringLiteral("bank.dat"));
        sOrdner_ = dir_->filePath(QStringLiteral("archiv"));
        sOffen_ = sOrdner_ + QStringLiteral("/offen.aba");
        sGeschuetzt_ = sOrdner_ + QStringLiteral("/geschuetzt.aba");
        ASSERT_TRUE(QDir().mkpath(sOrdner_));
        DemoOptions demo;
        demo.sPfad = sBank_;
        demo.lBuchungen = 1500;
        ASSERT_TRUE(MakeDemoDatabase(demo).ok());
        for (const auto& [sZiel, sStichtag, weitere] :
             {std::tuple{sOffen_, QStringLiteral("2021-11-30"),
                         QStringList{QStringLiteral("none")}},
              std::tuple{sGeschuetzt_, QStringLiteral("2022-11-30"),
                         QStringList{QStringLiteral("new"), QStringLiteral("--password"),
                                     QString::fromLatin1(kPasswort)}}}) {
            const ProgramRun a =
                Run(QStringList{QStringLiteral("create"), QStringLiteral("--db"), sBank_,
                                QStringLiteral("--before"), sStichtag, QStringLiteral("--out"),
                                sZiel, QStringLiteral("--remove"), QStringLiteral("--yes"),
                                QStringLiteral("--password-mode")} +
                    weitere);
            ASSERT_EQ(a.lExitCode, 0) << a.sErr.toStdString();
        }
    }
    static void TearDownTestSuite() { delete dir_; }

    // Runs without a terminal, as RunProgram runs every program.
    static ProgramRun Run(const QStringList& args, const std::function<void()>& modifier = {}) {
        return RunProgram(ProgramOfThisBuild(), args, dir_->filePath(QStringLiteral("host.ini")),
                          {}, modifier, 60000);
    }

    // Runs args on a terminal of their own and answers each question (a text ending in ": ")
    // with the next of antworten; returns the run and what the terminal showed.
    static std::pair<ProgramRun, QByteArray> RunOnTerminal(const QStringList& args,
                                                           const QList<QByteArray>& antworten) {
        PseudoTerminal terminal;
        std::thread person([&] {
            for (int i = 0; i < antworten.size(); ++i) {
                // The i-th question is there when the terminal shows i + 1 of them.
                for (int lRunde = 0;
                     lRunde < 1000 && terminal.ReadUntil(QByteArray(), 20).count(": ") <= i;
                     ++lRunde) {
                }
                terminal.Type(antworten[i]);
            }
        });
        const ProgramRun lauf = Run(args, terminal.Controlling());
        person.join();
        return {lauf, terminal.ReadUntil(QByteArray(), 100)};
    }

    static QTemporaryDir* dir_;
    static QString sBank_, sOrdner_, sOffen_, sGeschuetzt_;
};

QTemporaryDir* PasswordPromptTest::dir_ = nullptr;
QString PasswordPromptTest::sBank_, PasswordPromptTest::sOrdner_, PasswordPromptTest::sOffen_,
    PasswordPromptTest::sGeschuetzt_;

// The question stands on the terminal, what is typed is not shown and opens the archive, and
// the terminal shows typing again afterwards, also after a Ctrl-C at the question.
TEST_F(PasswordPromptTest, ShowAndSearchAskOnTheTerminalWithoutEcho) {
    const auto [zeigen, bildschirm] =
        RunOnTerminal({QStringLiteral("show"), sGeschuetzt_}, {kPasswort + "\n"});
    EXPECT_EQ(zeigen.lExitCode, 0) << zeigen.sErr.toStdString();
    EXPECT_TRUE(zeigen.sOut.startsWith(QStringLiteral("Datei: ") + sGeschuetzt_));
    EXPECT_TRUE(bildschirm.startsWith("Passwort für „geschuetzt.aba“: ")) << bildschirm.data();
    EXPECT_FALSE(bildschirm.contains(kPasswort)) << bildschirm.data();

    // Only the archive with a password is asked for, and its hits are found.
    const auto [suche, fragen] =
        RunOnTerminal({QStringLiteral("search"), QStringLiteral("e"), QStringLiteral("--db"),
                       sBank_, QStringLiteral("--folder"), sOrdner_, QStringLiteral("--json")},
                      {kPasswort + "\n"});
    EXPECT_EQ(suche.lExitCode, 0) << suche.sErr.toStdString();
    EXPECT_EQ(fragen.count("Passwort für"), 1) << fragen.data();
    EXPECT_TRUE(suche.sOut.contains(sGeschuetzt_)) << suche.sErr.toStdString();
    EXPECT_FALSE(suche.sErr.contains(QStringLiteral("Übersprungen"))) << suche.sErr.toStdString();

    PseudoTerminal terminal;
    bool bStumm = false;
    std::thread person([&] {
        terminal.ReadUntil(": ", 20000);
        bStumm = !terminal.Echoes();
        terminal.Type("\x03");
    });
    const ProgramRun abbruch = Run({QStringLiteral("show"), sGeschuetzt_}, terminal.Controlling());
    person.join();
    EXPECT_TRUE(bStumm);
    EXPECT_EQ(abbruch.lExitCode, -2);  // ended by SIGINT
    EXPECT_TRUE(terminal.Echoes());
}

// create --password-mode new asks twice and takes the password only when both agree.
TEST_F(PasswordPromptTest, CreateAsksForTheNewPasswordTwice) {
    const QString sZiel = sOrdner_ + QStringLiteral("/neu.aba");
    const QStringList args{QStringLiteral("create"),
                           QStringLiteral("--db"),
                           sBank_,
                           QStringLiteral("--before"),
                           QStringLiteral("2023-11-30"),
                           QStringLiteral("--out"),
                           sZiel,
                           QStringLiteral("--yes"),
                           QStringLiteral("--password-mode"),
                           QStringLiteral("new")};
    const auto [anders, frage] = RunOnTerminal(args, {"eins\n", "zwei\n"});
    EXPECT_EQ(anders.lExitCode, 1);
    EXPECT_EQ(anders.sErr, QStringLiteral("Die beiden Passwörter stimmen nicht überein.\n"));
    EXPECT_TRUE(frage.contains("Neues Passwort für das Archiv: ") &&
                frage.contains("Neues Passwort wiederholen: "))
        << frage.data();
    EXPECT_FALSE(QFileInfo::exists(sZiel));

    const auto [gleich, bildschirm] = RunOnTerminal(args, {"Neu#1\n", "Neu#1\n"});
    ASSERT_EQ(gleich.lExitCode, 0) << gleich.sErr.toStdString();
    EXPECT_FALSE(bildschirm.contains("Neu#1")) << bildschirm.data();
    const Result<std::unique_ptr<BrowseFile>> ohne = BrowseFile::Open(sZiel, QString());
    ASSERT_FALSE(ohne.ok());
    EXPECT_EQ(ohne.error().code, kCodePasswortFehlt);
    EXPECT_TRUE(BrowseFile::Open(sZiel, QStringLiteral("Neu#1")).ok());
    QFile::remove(sZiel);
}

// Scripts give the password from a file or standard input; without a terminal nothing is read
// unasked, and a password given two ways is refused.
TEST_F(PasswordPromptTest, ScriptsGiveThePasswordByFileOrStandardInput) {
    const QString sDatei = dir_->filePath(QStringLiteral("passwort.txt"));
    {
        QFile f(sDatei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(kPasswort + "\r\nzweite Zeile\n");
    }
    const QByteArray datei = QFile::encodeName(sDatei);
    // Standard input from that file.
    const auto ausDatei = [datei] {
        const int fd = ::open(datei.constData(), O_RDONLY);
        ::dup2(fd, STDIN_FILENO);
    };
    const QStringList zeigen{QStringLiteral("show"), sGeschuetzt_, QStringLiteral("--limit"),
                             QStringLiteral("1")};
    for (const auto& [weitere, modifier] :
         {std::pair{QStringList{QStringLiteral("--password-file"), sDatei},
                    std::function<void()>()},
          std::pair{QStringList{QStringLiteral("--password"), QStringLiteral("-")},
                    std::function<void()>(ausDatei)}}) {
        SCOPED_TRACE(weitere.join(u' ').toStdString());
        const ProgramRun a = Run(zeigen + weitere, modifier);
        EXPECT_EQ(a.lExitCode, 0) << a.sErr.toStdString();
        EXPECT_TRUE(a.sOut.startsWith(QStringLiteral("Datei: "))) << a.sOut.toStdString();
    }

    // The right password on standard input, but not asked for there.
    const ProgramRun unverlangt = Run(zeigen, ausDatei);
    EXPECT_EQ(unverlangt.lExitCode, 1);
    EXPECT_EQ(unverlangt.sErr, kOhneTerminal);

    const ProgramRun zweimal =
        Run(zeigen + QStringList{QStringLiteral("--password"), QString::fromLatin1(kPasswort),
                                 QStringLiteral("--password-file"), sDatei});
    EXPECT_EQ(zweimal.lExitCode, 2);
}

// Without a terminal every command that needs a password says how to give it; search leaves
// such an archive out.
TEST_F(PasswordPromptTest, WithoutTerminalTheCommandsSayHowToGiveIt) {
    const QStringList vorher = DumpAll(sBank_);
    for (const QStringList& args :
         {QStringList{QStringLiteral("show"), sGeschuetzt_},
          QStringList{QStringLiteral("restore"), sGeschuetzt_, QStringLiteral("--db"), sBank_,
                      QStringLiteral("--yes")},
          QStringList{QStringLiteral("create"), QStringLiteral("--db"), sBank_,
                      QStringLiteral("--before"), QStringLiteral("2023-11-30"),
                      QStringLiteral("--out"), sOrdner_ + QStringLiteral("/x.aba"),
                      QStringLiteral("--password-mode"), QStringLiteral("new")}}) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        const ProgramRun a = Run(args);
        EXPECT_EQ(a.lExitCode, 1);
        EXPECT_EQ(a.sErr, kOhneTerminal);
    }
    EXPECT_EQ(DumpAll(sBank_), vorher);
    const ProgramRun suche =
        Run({QStringLiteral("search"), QStringLiteral("e"), QStringLiteral("--db"), sBank_,
             QStringLiteral("--folder"), sOrdner_});
    EXPECT_EQ(suche.lExitCode, 0);
    EXPECT_TRUE(suche.sErr.contains(sGeschuetzt_ + QStringLiteral("“ ist mit einem Passwort")))
        << suche.sErr.toStdString();
}

// A wrong password is named as such by show, restore and search (for that archive).
TEST_F(PasswordPromptTest, AWrongPasswordIsSaidSo) {
    const QStringList vorher = DumpAll(sBank_);
    const QStringList falsch{QStringLiteral("--password"), QStringLiteral("falsch")};
    for (const QStringList& args :
         {QStringList{QStringLiteral("show"), sGeschuetzt_},
          QStringList{QStringLiteral("restore"), sGeschuetzt_, QStringLiteral("--db"), sBank_,
                      QStringLiteral("--yes")}}) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        const ProgramRun a = Run(args + falsch);
        EXPECT_EQ(a.lExitCode, 1);
        EXPECT_EQ(a.sErr, QStringLiteral("Das Passwort ist falsch.\n"));
    }
    EXPECT_EQ(DumpAll(sBank_), vorher);
    const ProgramRun suche =
        Run(QStringList{QStringLiteral("search"), QStringLiteral("e"), QStringLiteral("--db"),
                        sBank_, QStringLiteral("--folder"), sOrdner_, QStringLiteral("--json")} +
            falsch);
    EXPECT_EQ(suche.lExitCode, 1);
    EXPECT_EQ(suche.sErr,
              QStringLiteral("Übersprungen: „%1“: Das Passwort ist falsch.\n").arg(sGeschuetzt_));
    // The archive without a password was searched all the same.
    EXPECT_TRUE(QJsonDocument::fromJson(suche.sOut.toUtf8())
                    .object()
                    .value(QStringLiteral("treffer"))
                    .toArray()
                    .size() > 0);
}

}  // namespace
}  // namespace tolva::test
