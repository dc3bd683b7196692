// RestoreDialog: an archive's rows put back into the user database, the progress shown as a run
// shows it.
#pragma once

#include "restore/Restore.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace tolva {

// A small window with the restore's bar (in the host's progress colour, setting 11) and its
// progress lines, as the wizard's last page shows a run. It appears with the first progress
// line (so "Nein" to the engine's question shows no window), cannot be closed while the
// restore runs, and stays modal afterwards until the user closes it.
class RestoreDialog : public QDialog {
    Q_OBJECT
  public:
    explicit RestoreDialog(QWidget* parent = nullptr);

    // Runs StartRestore(wahl) on this (the UI) thread, painting each line and bar step as it
    // comes, and answers the outcome through the host's message boxes:
    // - rows back: "Die Daten wurden erfolgreich zurückgeholt." ("Zurückholen beendet"); the
    //   list keeps the per-table lines;
    // - an id taken by another row (kCodeKonflikt): the engine's message with the question
    //   whether the rows go back under new numbers ("Nein" by default); "Ja" starts the
    //   restore again with bNeueIds (its question and backup as before: the refusal came
    //   before both);
    // - rows of accounts the archive does not carry (kCodeKontoFehlt): an
    //   AccountMappingDialog names the database's account for each, or "nicht zurückholen";
    //   "Zurückholen" starts the restore again with that zuordnung, "Abbrechen" ends it;
    // - "Nein" to the engine's question (kCodeNichtGewollt): no box;
    // - any other failure: the engine's message (vbCritical, "Archiv zurückholen").
    // True when the rows went back. A failure leaves the user database as it was (a backup
    // the engine wrote stays; its message names it) and the window, if it appeared, open
    // with the lines so far. Reads and writes no Shared() field. Call it once per window.
    bool Run(RestoreChoice wahl);

  protected:
    void reject() override;

  private:
    void AddLine(const QString& sZeile);
    void SetPercent(int lProzent);
    void SetRunning(bool bLaeuft);
    void ApplyColours();

    QLabel* lblZiel_ = nullptr;
    QProgressBar* prgFortschritt_ = nullptr;
    QListWidget* lstFortschritt_ = nullptr;
    QPushButton* cmdSchliessen_ = nullptr;
    bool bLaeuft_ = false;
};

}  // namespace tolva
