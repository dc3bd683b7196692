// DemoDatabase: makes a keyed banking database full of realistic, reproducible demo data.
#pragma once

#include "common/Result.h"

#include <QDate>
#include <QString>

namespace tolva {

// The password that the demo databases' password record carries.
inline constexpr const char* kDemoPasswort = "geheim";

// What to generate. The same options give the same rows, whatever the machine.
struct DemoOptions {
    QString sPfad;                     // file to create; must not exist yet
    int lKonten = 12;                  // accounts, 1 .. 10000
    int lBanken = 4;                   // banks, 1 .. 1000
    qint64 lBuchungen = 20000;         // bookings, 0 .. 100,000,000
    int lJahre = 6;                    // years of bookings up to dBis, 1 .. 100
    quint64 lSeed = 1;                 // start value of the random source
    int lVersion = 5;                  // Optionen.Version
    QDate dBis = QDate(2026, 11, 30);  // last day of the bookings
};

// Row counts of the generated tables and the range of the booking dates.
struct DemoSummary {
    QString sPfad;
    int lVersion = 0;
    quint64 lSeed = 0;
    qint64 lKonten = 0;
    qint64 lBankDaten = 0;
    qint64 lUmsaetze = 0;
    qint64 lUmsZusatz = 0;
    qint64 lOffeneUmsaetze = 0;
    qint64 lAuftraege = 0;
    qint64 lSammelAuftraege = 0;
    qint64 lSammelEinzel = 0;
    qint64 lKategorien = 0;
    qint64 lEmpfaenger = 0;
    QDate dErsteBuchung;   // invalid when there are no bookings
    QDate dLetzteBuchung;  // invalid when there are no bookings

    // A short report in the language shown of what was made, one line per table.
    QString Text() const;
};

// Creates options.sPfad with the host's schema (keyed with the fixed database key) and fills
// every table. Refuses an existing file and bad options with a description in the language shown; a
// generation that fails removes the file it started. Time grows linearly with the bookings;
// memory does not.
Result<DemoSummary> MakeDemoDatabase(const DemoOptions& options);

}  // namespace tolva
