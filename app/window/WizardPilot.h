// The wizard driven the way a person drives it: for pictures of its pages and for timing jobs.
#pragma once

#include "common/Result.h"

#include <QDate>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace tolva {

class FrmArchiv;

// Runs one call of Archiv on sDatenbank and, once its window is shown, calls drive with it;
// unloads the window afterwards when drive left it open. Precondition: a QApplication exists
// (Archiv would make one, but the pilot's timer needs its event loop).
void RunWithPilot(const QString& sDatenbank, const std::function<void(FrmArchiv&)>& drive);

// The choices of a create job as a person makes them on pages 1 to 4.
struct CreateChoice {
    QDate dStichtag;
    std::optional<std::vector<QString>> konten;  // account ids to tick; none: all stay ticked
    bool bEntfernen = false;
    long lPasswortModus = 1;  // 0 none, 1 the database's, 2 a new one
    QString sNeuesPasswort;
    QString sZielDatei;  // the archive's full path
    QString sSicherung;  // the backup's full path; empty: no backup
};

// Makes the choice on the pages of a freshly shown window and presses "Starten" on page 5.
// Fails with the page on which the window stopped; the run's own messages go to the message
// boxes as usual.
Status DriveCreateJob(FrmArchiv& form, const CreateChoice& auswahl);

// One call of Archiv on sDatenbank with the create job driven through it, on the process's
// display (QT_QPA_PLATFORM=offscreen: offscreen); makes the application object when none exists.
Status RunCreateJob(const QString& sDatenbank, const CreateChoice& auswahl);

// One call of Archiv on sDatenbank that ends as soon as the first page has been painted on the
// screen: the wizard's start-up, for timing.
Status ShowFirstPage(const QString& sDatenbank);

}  // namespace tolva
