// BadInputTest: a user database, a target folder and the real tolva-archiv for one bad input.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

namespace tolva::test {

// What one run of the command line left: exit code (-2 when it crashed, -1 when it hung),
// standard output and standard error.
struct Lauf {
    int lExitCode = -1;
    QString sAusgabe;
    QString sFehler;
};

// Every test gets its own folder with a copy of a small demo database (10,000 bookings over
// six years up to 30.11.2026) in daten/, an empty target folder ziel/ and a private settings
// file. Folders mounted with MountTmpfs are unmounted and folders made read-only are made
// writable again in TearDown, so the temporary folder can always be removed.
class BadInputTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // The cut-off used by Create: about half of the bookings lie before it.
    static constexpr const char* kStichtag = "2023-12-01";

    QString UserDb() const { return userDb_; }
    QString Target() const { return target_; }
    // A new folder (with its parents) inside the test's folder.
    QString MakeFolder(const QString& sName) const;
    // The folder of the test; removed with the test.
    QString Root() const { return root_->path(); }
    // Writes the private settings file with one setting of the group [Einstellungen].
    void WriteSetting(int lNummer, const QString& sWert) const;

    // Runs tolva-archiv with the private settings; modifier runs in the child before exec.
    Lauf RunTool(const QStringList& args, std::function<void()> modifier = {}) const;
    // create --db sDb --before kStichtag --out sZiel --remove --yes, plus extra arguments.
    Lauf Create(const QString& sDb, const QString& sZiel, const QStringList& extra = {},
                std::function<void()> modifier = {}) const;

    // Mounts a tmpfs with the options on sOrdner; false when that is not possible.
    bool MountTmpfs(const QString& sOrdner, const QString& sOptionen);
    // Takes the write permission from sOrdner until TearDown.
    void MakeReadOnly(const QString& sOrdner);

    static bool IsRoot();
    static QByteArray FileHash(const QString& sPfad);
    static QStringList FolderEntries(const QString& sOrdner);

    // Records the bytes of the database sDb and the entries of its folder and of the folder
    // of sZiel; ExpectRefusedUnchanged then checks that the run failed with a German message
    // on standard error that contains every text of aMeldungen, and that none of these changed: the
    // same database bytes, no journal left, no archive and no temporary file.
    void RememberState(const QString& sDb, const QString& sZiel);
    void ExpectRefusedUnchanged(const Lauf& lauf, const QStringList& aMeldungen) const;

  private:
    static std::unique_ptr<QTemporaryDir> suiteDir_;
    static QString demoDb_;
    std::unique_ptr<QTemporaryDir> root_;
    QString userDb_;
    QString target_;
    QString settings_;
    QStringList mounts_;
    QStringList readOnly_;
    QString rememberedDb_;
    QString rememberedZiel_;
    QByteArray dbHash_;
    QStringList dbEntries_;
    QStringList zielEntries_;
};

}  // namespace tolva::test
