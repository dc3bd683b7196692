// The environment of one wizard test: folders, host settings, message boxes, file dialogs.
#pragma once

#include "ScriptedMessageBoxes.h"
#include "hostlib/IniHostServices.h"
#include "widgets/FileDialogs.h"

#include <QDate>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <memory>
#include <optional>
#include <vector>

class QAbstractButton;

namespace tolva {
class FrmArchiv;
}

namespace tolva::test {

// Answers the folder browser and the file dialog from queues; an empty queue cancels.
class ScriptedFileDialogs : public FileDialogs {
  public:
    struct Call {
        QString sStart;   // start folder (browser) or preset name (file dialog)
        QString sZusatz;  // title (browser) or default extension (file dialog)
        QString sOrdner;  // initial folder of the file dialog
    };
    std::optional<QString> ChooseFolder(QWidget*, const QString& sStartOrdner,
                                        const QString& sTitel) override;
    std::optional<QString> ChooseFile(QWidget*, const QString& sDateiname, const QString& sEndung,
                                      const QString& sStartOrdner) override;

    std::deque<std::optional<QString>> folders;
    std::deque<std::optional<QString>> files;
    std::vector<Call> folderCalls;
    std::vector<Call> fileCalls;
};

// A temporary folder with an archive folder in it, a private settings file (601 = the archive
// folder, 4 = the temporary folder) and scripted boxes and dialogs, all installed for the
// lifetime of the object; the shared state starts fresh and is reset again at the end.
class WizardEnvironment {
  public:
    WizardEnvironment();
    ~WizardEnvironment();

    QString Path(const QString& sName) const;
    QString ArchiveFolder() const { return Path(QStringLiteral("Archive")) + QLatin1Char('/'); }
    IniHostServices& Settings() { return *host_; }
    ScriptedMessageBoxes& Boxes() { return *boxes_; }
    ScriptedFileDialogs& Dialogs() { return *dialogs_; }

    // A demo database with lKonten accounts at lBanken banks and bookings of three years up
    // to dBis (fails the test when it cannot be made).
    QString MakeDatabase(const QString& sName, int lKonten = 3, int lBanken = 2,
                         QDate dBis = QDate(2026, 11, 30));
    // A keyed database with the schema and no rows.
    QString MakeEmptyDatabase(const QString& sName);

    // The boxes shown so far as "title|text" lines.
    QStringList ShownBoxes() const;

  private:
    QTemporaryDir dir_;
    std::shared_ptr<IniHostServices> host_;
    std::shared_ptr<ScriptedMessageBoxes> boxes_;
    std::shared_ptr<ScriptedFileDialogs> dialogs_;
};

// A window prepared as Archiv prepares it (database path, display settings, oArchivForm),
// with its load handler run and shown without a modal loop. The caller owns it.
std::unique_ptr<FrmArchiv> OpenWizard(const QString& sDatenbank);

// A click with the mouse on the button bar's button of that key.
void ClickButton(FrmArchiv& form, const QString& sKey);
// A click with the mouse on tab n of the tab strip.
void ClickTab(FrmArchiv& form, int n);
// The object of that name on the window (fails the test when missing).
template <typename T>
T* Find(FrmArchiv& form, const char* name);

// Runs Archiv on sDateiname and calls drive with the window once its loop runs; the window is
// cancelled afterwards when drive left it open. Returns what Archiv returned.
bool ArchivWithPilot(QString& sDateiname, const std::function<void(FrmArchiv&)>& drive);
// How often a pilot has driven a window so far (to see that a drive ran at all).
int PilotDrives();

}  // namespace tolva::test

#include "WizardFixture.inl"
