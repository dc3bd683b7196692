// The create branch of the archive start: target checks, backup, archive folder, run.
#pragma once

#include <QString>

namespace tolva {

struct RunTimes;

// What the create pages hand to the start.
struct ArchivStart {
    QString sZielDatei;        // text of the target file field, taken unchanged
    bool bSichern = false;     // write a backup copy of the user database first
    QString sSicherungsDatei;  // full path of the backup copy
    // A removal without a backup asks once, naming the bookings it removes for good ("Nein"
    // is the default and keeps everything as it is).
    bool bFrageOhneSicherung = true;
};

enum class StartErgebnis {
    Abgebrochen,  // the user answered No (removal, folder or overwrite question); nothing changed
    Fehler,       // the start's error exit ran (message "Archiv:Fertig" shown)
    Gelaufen,     // CreateArchive ran; it reported its own outcome
};

// RunArchive (RunRequest.h) on the shared state: the request is made of the shared state's
// user database, choices, survey, window and tools, and of the host's settings and boxes.
// Sets bArchivOK to false, sArchivDatei and sArchivPfad, and clears bEntfernen when the run got
// to the master data. When it returns Gelaufen, *bErfolg (if given) tells whether the archive
// was made and committed, and *zeiten (if given) how long it took.
// Preconditions: the survey ran (aKontenMitDaten etc.), cnDatenbank open, oTools and
// oArchivForm set.
StartErgebnis StartCreateArchive(const ArchivStart& start, bool* bErfolg = nullptr,
                                 RunTimes* zeiten = nullptr);

}  // namespace tolva
