// Whole archive runs on demo databases: the shared state as the wizard leaves it before
// "Starten", the start itself, and the rows that each file ought to hold afterwards.
#pragma once

#include "EngineFiles.h"
#include "RecordingArchivForm.h"
#include "ScriptedMessageBoxes.h"

#include "archive/StartArchive.h"
#include "hostlib/IniHostServices.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace tolva::test {

// The bookings of the demo databases end on 30 November 2026 and span six years.
inline const QDate kStichtag(2023, 11, 30);
// What the run's clock says: the archive's description carries it.
inline const QDateTime kJetzt(QDate(2024, 7, 5), QTime(14, 3, 22));
// Accounts 2, 7 and 9 hold old data but are not ticked; 6 is ticked but has nothing old;
// 3 (Nr -1) and 8 (Nr -3) are the host's unnumbered accounts.
inline const std::vector<QString> kAuswahl = {
    QStringLiteral("12"), QStringLiteral("8"), QStringLiteral("6"), QStringLiteral("5"),
    QStringLiteral("4"),  QStringLiteral("3"), QStringLiteral("1")};

// The tables whose old rows a run moves; their rows are selected by date and account.
inline const char* const kBewegungsTabellen[] = {"Umsätze",  "UmsZusatz",      "OffeneUmsätze",
                                                 "Aufträge", "SammelAufträge", "SammelEinzel"};

// The rows of a database before a run, and which of them a run of the given ticks and
// cut-off selects. Rows are whole rows as RawDatabase::Rows gives them, in id order.
class Expectation {
  public:
    Expectation(const QString& sPfad, const std::vector<QString>& aAuswahl, const QDate& dStichtag);

    QStringList All(const QString& sTabelle) const;
    QStringList Selected(const QString& sTabelle) const;
    QStringList Remaining(const QString& sTabelle) const;

  private:
    QString sPfad_;
    QString sKonten_;  // "12,8,6"
    QString sStichtag_;
    QString sEinzelIds_;  // ids of the collective orders whose items are selected
};

// A date as the SQL literal of its scrambled form, the way execution dates are stored.
QString ScrambledDate(const QString& sDatum);

// Every table of a database file in id order, for "nothing has changed" checks.
QStringList DumpAll(const QString& sPfad);
// The same with every negative account number read as -1: a run gives an unnumbered account
// -1 at home, and its number before is kept nowhere.
QStringList DumpWithoutRenumbering(const QString& sPfad);

class ArchiveScenario : public testing::Test {
  protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    // The demo database of the suite.
    static QString DemoFile();

    void SetUp() override;
    void TearDown() override;

    struct Lauf {
        std::vector<QString> aAuswahl = kAuswahl;
        QDate dStichtag = kStichtag;
        bool bEntfernen = true;
        long lPasswortModus = 1;
        QString sNeuesPasswort;
    };
    // Opens the user database and runs the survey, as the summary page leaves the state.
    void Prepare(const Lauf& lauf);
    void Prepare() { Prepare(Lauf()); }
    // Changes the user database before the run; the expectations then start from there.
    void ChangeUserDatabase(const QString& sql);
    // Points the template setting at a copy of the shipped template in vorlage (written
    // without the trailing '/'), after running sql on it; returns the copy's path.
    QString UseTemplate(const QString& sql = QString());
    // Presses "Starten" for the target file (default: sZiel_).
    StartErgebnis Start(bool* bErfolg, const QString& sZiel = QString(),
                        const QString& sSicherung = QString());
    // Prepares and starts a run of that shape to sZiel_, which must succeed; the shared state
    // and the boxes are then reset, as between two calls of the wizard.
    void RunToTheEnd(const Lauf& lauf);

    // The run has ended: user database closed, progress hidden, default pointer. (TearDown
    // checks after every run that the user database is closed and sound, and that no
    // temporary file is left.)
    void ExpectRunEnded() const;
    // Nothing of a failed run is left: the user database is as before, no archive, no .tmp.
    void ExpectNothingChanged(const QString& sZiel = QString()) const;

    QTemporaryDir dir_;
    QString sUser_;    // the user database of this test (a copy of the demo)
    QString sVorher_;  // the state the expectations are read from
    QString sZiel_;    // the default archive file
    RecordingArchivForm form_;
    ScopedMessageBoxes boxes_;
    std::shared_ptr<IniHostServices> host_;
    // Whether Start asks before a removal without a backup (the tests of that question).
    bool bFrageOhneSicherung_ = false;

  private:
    static QTemporaryDir* suiteDir_;
    bool bGelaufen_ = false;  // a run was started: the user database must be closed
};

}  // namespace tolva::test
