// BadInputTest: folders, the demo database, runs of the command line and the unchanged-checks.
#include "BadInputFixture.h"

#include "ProgramRun.h"

#include "demo/DemoDatabase.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <sys/stat.h>
#include <unistd.h>

namespace tolva::test {

std::unique_ptr<QTemporaryDir> BadInputTest::suiteDir_;
QString BadInputTest::demoDb_;

void BadInputTest::SetUpTestSuite() {
    suiteDir_ = std::make_unique<QTemporaryDir>();
    DemoOptions optionen;
    optionen.sPfad = suiteDir_->filePath(QStringLiteral("demo.db"));
    optionen.lBuchungen = 10000;
    Result<DemoSummary> demo = MakeDemoDatabase(optionen);
    ASSERT_TRUE(demo.ok()) << demo.error().description.toStdString();
    demoDb_ = optionen.sPfad;
}

void BadInputTest::TearDownTestSuite() {
    suiteDir_.reset();
    demoDb_.clear();
}

void BadInputTest::SetUp() {
    ASSERT_FALSE(demoDb_.isEmpty());
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("TOLVA_DATA_DIR"));
    root_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(root_->isValid());
    userDb_ = MakeFolder(QStringLiteral("daten")) + QStringLiteral("/kunde.db");
    ASSERT_TRUE(QFile::copy(demoDb_, userDb_));
    target_ = MakeFolder(QStringLiteral("ziel")) + QStringLiteral("/archiv.aba");
    settings_ = root_->filePath(QStringLiteral("host.ini"));
}

void BadInputTest::TearDown() {
    for (auto it = mounts_.crbegin(); it != mounts_.crend(); ++it) {
        QProcess umount;
        umount.start(QStringLiteral("umount"), {*it});
        umount.waitForFinished(10000);
        EXPECT_EQ(umount.exitCode(), 0) << "umount " << it->toStdString();
    }
    mounts_.clear();
    for (const QString& sOrdner : readOnly_) ::chmod(QFile::encodeName(sOrdner).constData(), 0755);
    readOnly_.clear();
    root_.reset();
}

QString BadInputTest::MakeFolder(const QString& sName) const {
    const QString sPfad = root_->filePath(sName);
    EXPECT_TRUE(QDir().mkpath(sPfad)) << sPfad.toStdString();
    return sPfad;
}

void BadInputTest::WriteSetting(int lNummer, const QString& sWert) const {
    QFile datei(settings_);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly | QIODevice::Truncate));
    datei.write("[Einstellungen]\n" + QByteArray::number(lNummer) + "=" + sWert.toUtf8() + "\n");
}

Lauf BadInputTest::RunTool(const QStringList& args, std::function<void()> modifier) const {
    const ProgramRun r = RunProgram(ProgramOfThisBuild(), args, settings_, {}, modifier);
    return Lauf{r.lExitCode, r.sOut, r.sErr};
}

Lauf BadInputTest::Create(const QString& sDb, const QString& sZiel, const QStringList& extra,
                          std::function<void()> modifier) const {
    QStringList args{
        QStringLiteral("create"),       QStringLiteral("--db"),  sDb,   QStringLiteral("--before"),
        QString::fromLatin1(kStichtag), QStringLiteral("--out"), sZiel, QStringLiteral("--remove"),
        QStringLiteral("--yes")};
    return RunTool(args + extra, std::move(modifier));
}

bool BadInputTest::MountTmpfs(const QString& sOrdner, const QString& sOptionen) {
    QProcess mount;
    mount.start(QStringLiteral("mount"),
                {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"), sOptionen,
                 QStringLiteral("tmpfs"), sOrdner});
    if (!mount.waitForFinished(10000) || mount.exitStatus() != QProcess::NormalExit ||
        mount.exitCode() != 0)
        return false;
    mounts_ << sOrdner;
    return true;
}

void BadInputTest::MakeReadOnly(const QString& sOrdner) {
    ASSERT_EQ(::chmod(QFile::encodeName(sOrdner).constData(), 0555), 0);
    readOnly_ << sOrdner;
}

bool BadInputTest::IsRoot() {
    return ::geteuid() == 0;
}

QByteArray BadInputTest::FileHash(const QString& sPfad) {
    QFile datei(sPfad);
    if (!datei.open(QIODevice::ReadOnly)) return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&datei);
    return hash.result().toHex();
}

QStringList BadInputTest::FolderEntries(const QString& sOrdner) {
    return QDir(sOrdner).entryList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
}

void BadInputTest::RememberState(const QString& sDb, const QString& sZiel) {
    rememberedDb_ = sDb;
    rememberedZiel_ = sZiel;
    dbHash_ = FileHash(sDb);
    ASSERT_FALSE(dbHash_.isEmpty()) << sDb.toStdString();
    dbEntries_ = FolderEntries(QFileInfo(sDb).path());
    zielEntries_ = FolderEntries(QFileInfo(sZiel).path());
    ASSERT_FALSE(QFileInfo::exists(sZiel));
}

void BadInputTest::ExpectRefusedUnchanged(const Lauf& lauf, const QStringList& aMeldungen) const {
    EXPECT_NE(lauf.lExitCode, 0) << lauf.sFehler.toStdString();
    EXPECT_NE(lauf.lExitCode, -2) << "crashed: " << lauf.sFehler.toStdString();
    EXPECT_NE(lauf.lExitCode, -1) << "did not end";
    for (const QString& sMeldung : aMeldungen)
        EXPECT_TRUE(lauf.sFehler.contains(sMeldung))
            << "expected \"" << sMeldung.toStdString() << "\" in: " << lauf.sFehler.toStdString();
    EXPECT_EQ(FileHash(rememberedDb_), dbHash_) << "the user database changed";
    EXPECT_EQ(FolderEntries(QFileInfo(rememberedDb_).path()), dbEntries_);
    EXPECT_EQ(FolderEntries(QFileInfo(rememberedZiel_).path()), zielEntries_);
    EXPECT_FALSE(QFileInfo::exists(rememberedZiel_));
}

}  // namespace tolva::test
