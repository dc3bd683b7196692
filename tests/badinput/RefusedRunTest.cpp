// Archive runs that must be refused: each ends with a German message and changes nothing.
#include "BadInputFixture.h"

#include "database/Connection.h"
#include "database/ConnectionText.h"
#include "database/Schema.h"
#include "files/DatabaseFile.h"

#include <QFile>
#include <QProcess>

#include <sys/resource.h>
#include <csignal>

namespace tolva::test {
namespace {

const QString kFehlerImLauf = QStringLiteral("Beim Archivieren ist folgender Fehler aufgetreten:");
constexpr rlim_t kDateiGrenze = 256 * 1024;

// Runs in the child before exec: no file of the process may grow beyond 256 KiB, and a write
// beyond it fails with an error instead of ending the process.
void LimitFileSize() {
    std::signal(SIGXFSZ, SIG_IGN);
    const struct rlimit grenze { kDateiGrenze, kDateiGrenze };
    ::setrlimit(RLIMIT_FSIZE, &grenze);
}

TEST_F(BadInputTest, TargetFolderThatCannotBeWritten) {
    const QString sOrdner = MakeFolder(QStringLiteral("schreibgeschuetzt"));
    QString sGrund;
    if (IsRoot()) {
        // Root writes into folders whatever their mode; a read-only mount stops it.
        ASSERT_TRUE(MountTmpfs(sOrdner, QStringLiteral("ro,size=1m")));
        sGrund = QStringLiteral("Der Datenträger ist schreibgeschützt.");
    } else {
        MakeReadOnly(sOrdner);
        sGrund = QStringLiteral("Zugriff verweigert.");
    }
    const QString sZiel = sOrdner + QStringLiteral("/archiv.aba");
    RememberState(UserDb(), sZiel);
    ExpectRefusedUnchanged(Create(UserDb(), sZiel), {sOrdner, sGrund});
}

// SQLite writes its journal beside the database: without that the removal cannot be made.
TEST_F(BadInputTest, UserDatabaseInAFolderThatCannotBeWritten) {
    const QString sOrdner = MakeFolder(QStringLiteral("nur-lesen"));
    const QString sDb = sOrdner + QStringLiteral("/bank.db");
    if (IsRoot()) {
        ASSERT_TRUE(MountTmpfs(sOrdner, QStringLiteral("size=16m")));
        ASSERT_TRUE(QFile::copy(UserDb(), sDb));
        ASSERT_EQ(QProcess::execute(QStringLiteral("mount"),
                                    {QStringLiteral("-o"), QStringLiteral("remount,ro"), sOrdner}),
                  0);
    } else {
        ASSERT_TRUE(QFile::copy(UserDb(), sDb));
        MakeReadOnly(sOrdner);
    }
    RememberState(sDb, Target());
    ExpectRefusedUnchanged(Create(sDb, Target()),
                           {QStringLiteral("Der Ordner „") + sOrdner +
                            QStringLiteral("/“ der Benutzer-Datenbank ist schreibgeschützt.")});
}

// A full disk under the target; and a limit of the process instead of the disk, which stops
// every file it writes, the user database's journal included, at 256 KiB.
TEST_F(BadInputTest, TargetOnAFullFileSystemAndAFileSizeLimitOfTheProcess) {
    if (IsRoot()) {
        const QString sOrdner = MakeFolder(QStringLiteral("voll"));
        const QString sZiel = sOrdner + QStringLiteral("/archiv.aba");
        // The archive of 5,000 bookings needs about three times the room.
        ASSERT_TRUE(MountTmpfs(sOrdner, QStringLiteral("size=256k")));
        RememberState(UserDb(), sZiel);
        ExpectRefusedUnchanged(Create(UserDb(), sZiel),
                               {QStringLiteral("Der Datenträger ist voll.")});
    }
    RememberState(UserDb(), Target());
    ExpectRefusedUnchanged(Create(UserDb(), Target(), {}, LimitFileSize),
                           {QStringLiteral("Ein-/Ausgabefehler")});
}

TEST_F(BadInputTest, UserDatabaseLockedByAnotherConnection) {
    RememberState(UserDb(), Target());
    Connection cnAndere;
    ASSERT_TRUE(cnAndere.Open(BuildConnectionText(UserDb())).ok());
    ASSERT_TRUE(cnAndere.BeginTrans().ok());
    ASSERT_TRUE(cnAndere.Execute(QStringLiteral("UPDATE Konten SET Nr = Nr + 1000")).ok());
    const Lauf lauf = Create(UserDb(), Target());
    cnAndere.Close();  // rolls the other transaction back; its journal goes with it
    ExpectRefusedUnchanged(
        lauf, {kFehlerImLauf, QStringLiteral("wird gerade von einem anderen Programm benutzt.")});
}

TEST_F(BadInputTest, TemplateOfAnotherVersion) {
    const QString sOrdner = MakeFolder(QStringLiteral("vorlage-4"));
    const Status vorlage = CreateDatabaseFile(sOrdner + QStringLiteral("/HbLeer.dat"), 4);
    ASSERT_TRUE(vorlage.ok()) << vorlage.description().toStdString();
    WriteSetting(3, sOrdner + QStringLiteral("/"));
    RememberState(UserDb(), Target());
    ExpectRefusedUnchanged(
        Create(UserDb(), Target()),
        {QStringLiteral("Archivierungs-Assistent: Die Datenbank ist in einer alten Version. "
                        "Bitte konvertieren Sie die Datenbank zuvor in das neueste Format oder "
                        "führen Sie ein Online-Update aus!")});
}

TEST_F(BadInputTest, NewPasswordOfSeventeenCharacters) {
    RememberState(UserDb(), Target());
    const QString sPasswort = QStringLiteral("siebzehnZeichen!!");
    ASSERT_EQ(sPasswort.size(), 17);
    ExpectRefusedUnchanged(
        Create(UserDb(), Target(),
               {QStringLiteral("--password-mode"), QStringLiteral("new"),
                QStringLiteral("--password"), sPasswort}),
        {kFehlerImLauf, QStringLiteral("Das Passwort darf höchstens 16 Zeichen lang sein.")});
}

}  // namespace
}  // namespace tolva::test
