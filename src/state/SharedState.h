// The shared state through which the component's class, window and modules talk.
#pragma once

#include "database/Connection.h"
#include "hostlib/HostTools.h"

#include <QDate>
#include <QString>

#include <map>
#include <memory>
#include <vector>

namespace tolva {

class ArchivForm;

// Modes of the wizard (lModus).
inline constexpr long kModusErstellen = 1;
inline constexpr long kModusAnzeigen = 3;

// One set per loaded component. Lists are vectors of their entries (no spare slot): a list
// of n entries has size n. Single-threaded: only the host's user-interface thread touches it.
struct SharedState {
    QString sDatenbank;                       // path of the user's banking database
    ArchivForm* oArchivForm = nullptr;        // the wizard of the current call; not owned
    std::unique_ptr<Connection> cnDatenbank;  // connection to the user database
    std::unique_ptr<HostTools> oTools;        // the host's date helper
    QString sSkinPfad;                        // setting 2: folder of "Assistent.atp"
    qint64 lHintergrundFarbe = 0;             // setting 10: OLE colour of the background
    qint64 lTextFarbe = 0;                    // setting 17: OLE colour of the buttons
    QString sArchivPfad;                      // folder of the archives made and listed, ends in "/"
    QString sArchivDatei;                     // archive being made, or chosen for viewing
    bool bArchivOK = false;                   // result of Archiv: an archive was chosen
    long lModus = kModusErstellen;            // 1 = create, 3 = view
    std::vector<QString> aKontenAuswahl;      // ids of the ticked accounts
    qint64 lAuswahlAnzahl = 0;                // number of ticked accounts last collected
    QDate dStichtag;                          // cut-off: rows dated before it are archived
    std::vector<QString> aKontenMitDaten;     // ids of ticked accounts with data before it
    std::vector<qint64> aAnzahlDaten;         // parallel: the count that qualified each one
    // What the survey counted on the way: each ticked account's bookings before the cut-off
    // that it could count (the plan of page 5 takes them instead of counting again).
    std::map<qint64, qint64> aUmsaetzeGezaehlt;
    QDate dUmsaetzeGezaehlt;          // the cut-off of those counts
    std::vector<QString> aInstitute;  // distinct bank ids of those accounts
    bool bEntfernen = false;          // remove archived rows from the user database
    long lPasswortModus = 1;          // 0 none, 1 keep, 2 new
};

// The component's one shared state.
SharedState& Shared();

// Puts every field back to its starting value (tests; a fresh component).
void ResetSharedState();

}  // namespace tolva
