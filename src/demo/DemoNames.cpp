// DemoNames: the German word lists from which the demo-database generator builds its rows.
#include "demo/DemoNames.h"

namespace tolva::demo {

namespace {

const BankEntry kBanks[] = {
    {"Sparkasse Rheinhessen", "Alzey", "550", '5', "SPRH", "51"},
    {"Mainzer Volksbank eG", "Mainz", "551", '9', "MVBM", "51"},
    {"Commerzbank Mainz", "Mainz", "550", '4', "COMM", "MZ"},
    {"Postbank Ludwigshafen", "Ludwigshafen", "545", '1', "POLU", "LU"},
    {"Kreissparkasse Bad Kreuznach", "Bad Kreuznach", "560", '5', "KSKK", "55"},
    {"Raiffeisenbank Wonnegau eG", "Osthofen", "553", '6', "RBWO", "51"},
    {"Sparda-Bank Südwest eG", "Mainz", "550", '0', "SDSW", "MZ"},
    {"Deutsche Bank Worms", "Worms", "553", '7', "DEUT", "WO"},
    {"Stadtsparkasse Kaiserslautern", "Kaiserslautern", "540", '5', "SSKL", "55"},
    {"Volksbank Alzey-Worms eG", "Worms", "553", '9', "VBAW", "51"},
    {"Frankfurter Sparkasse", "Frankfurt am Main", "500", '5', "FRSP", "FF"},
    {"PSD Bank Koblenz eG", "Koblenz", "570", '9', "PSDK", "KO"},
    {"Sparkasse Südliche Weinstraße", "Landau", "548", '5', "SSWL", "55"},
    {"VR Bank Rhein-Neckar eG", "Mannheim", "670", '9', "VRRN", "61"},
    {"Hypovereinsbank Wiesbaden", "Wiesbaden", "510", '2', "HYWI", "WI"},
    {"Nassauische Sparkasse", "Wiesbaden", "510", '5', "NASS", "WI"},
    {"Volksbank Darmstadt-Südhessen eG", "Darmstadt", "508", '9', "VBDS", "51"},
    {"Santander Consumer Bank", "Mönchengladbach", "310", '1', "SCBM", "MG"},
    {"Kreissparkasse Köln", "Köln", "370", '5', "KSKO", "KK"},
    {"Berliner Volksbank eG", "Berlin", "100", '9', "BEVO", "BB"},
    {"Hamburger Sparkasse", "Hamburg", "200", '5', "HASP", "HH"},
    {"Stadtsparkasse München", "München", "701", '5', "SSMU", "MM"},
    {"Sparkasse Leipzig", "Leipzig", "860", '5', "SPLE", "8L"},
    {"Volksbank Stuttgart eG", "Stuttgart", "600", '9', "VBST", "61"},
};

const CategoryEntry kCategories[] = {
    {"Einnahmen", -1},             // 0
    {"Gehalt", 0},                 // 1
    {"Kindergeld", 0},             // 2
    {"Erstattungen", 0},           // 3
    {"Zinsen", 0},                 // 4
    {"Wohnen", -1},                // 5
    {"Miete", 5},                  // 6
    {"Strom & Gas", 5},            // 7
    {"Telefon & Internet", 5},     // 8
    {"Lebenshaltung", -1},         // 9
    {"Lebensmittel", 9},           // 10
    {"Drogerie & Gesundheit", 9},  // 11
    {"Bargeld", 9},                // 12
    {"Einkäufe online", 9},        // 13
    {"Mobilität", -1},             // 14
    {"Auto", 14},                  // 15
    {"Tanken", 15},                // 16
    {"Kfz-Versicherung", 15},      // 17
    {"Bahn & ÖPNV", 14},           // 18
    {"Freizeit", -1},              // 19
    {"Restaurant & Café", 19},     // 20
    {"Urlaub & Reisen", 19},       // 21
    {"Abos & Streaming", 19},      // 22
    {"Versicherungen", -1},        // 23
    {"Finanzen", -1},              // 24
    {"Sparen", 24},                // 25
    {"Umbuchungen", 24},           // 26
    {"Kreditkarte", 24},           // 27
    {"Gebühren & Beiträge", 24},   // 28
    {"Privat", -1},                // 29
    {"Sonstiges", -1},             // 30
};

const char* const kFirstNames[] = {
    "Anna",   "Lukas",  "Marie",     "Jonas",   "Sophie", "Felix",    "Laura",  "Maximilian",
    "Julia",  "Paul",   "Hannah",    "Leon",    "Lea",    "Tim",      "Katrin", "Stefan",
    "Sabine", "Thomas", "Monika",    "Jürgen",  "Ursula", "Klaus",    "Petra",  "Andreas",
    "Birgit", "Frank",  "Claudia",   "Michael", "Renate", "Wolfgang", "Heike",  "Matthias",
    "Jana",   "Björn",  "Franziska", "Sören",   "Gisela", "Dieter",   "Ines",   "Günter",
};

const char* const kLastNames[] = {
    "Müller",   "Schmidt", "Schneider", "Fischer", "Weber",   "Meyer",      "Wagner",
    "Becker",   "Schulz",  "Hoffmann",  "Schäfer", "Koch",    "Bauer",      "Richter",
    "Klein",    "Wolf",    "Schröder",  "Neumann", "Schwarz", "Zimmermann", "Braun",
    "Krüger",   "Hofmann", "Hartmann",  "Lange",   "Schmitt", "Werner",     "Schmitz",
    "Krause",   "Meier",   "Lehmann",   "Schmid",  "Schulze", "Maier",      "Köhler",
    "Herrmann", "König",   "Walter",    "Mayer",   "Huber",   "Kaiser",     "Fuchs",
    "Peters",   "Lang",    "Scholz",    "Möller",  "Weiß",    "Jung",       "Hahn",
};

const char* const kNotes[] = {
    "Rechnung abgelegt",
    "steuerlich absetzbar",
    "mit Jana geteilt",
    "Beleg im Ordner Haushalt",
    "Rückfrage bei der Bank gestellt",
    "Garantie bis Ende nächsten Jahres",
    "Erstattung beantragt",
    "für die Steuererklärung vormerken",
    "Anzahlung, Rest folgt",
    "doppelt abgebucht? prüfen",
    "Geschenk für Oma",
    "Nebenkostenabrechnung beachten",
    "Reklamation läuft",
    "Quittung fotografiert",
    "Betrag mit Kassenbon verglichen",
};

const char* const kCollectiveTitles[] = {
    "Gehälter %m",        "Mitgliedsbeiträge %q. Quartal",
    "Mieten %m",          "Lieferantenzahlungen %m",
    "Vereinsumlage",      "Aushilfslöhne %m",
    "Spenden Jahresende", "Honorare %m",
};

const char* const kOrderPurposes[] = {
    "Rechnung %n",
    "Miete %M",
    "Kaution Wohnung",
    "Beitrag %q. Quartal %y",
    "Rechnungsnr. %n vom %d",
    "Gehalt %m",
    "Honorar %m",
    "Auslagen Ausflug %d",
    "Rückzahlung Darlehen %m",
    "Spende Kundennr. %n",
    "Nebenkosten %y",
    "Anzahlung Auftrag %n",
};

const char* const kMonthNames[] = {
    "Januar", "Februar", "März",      "April",   "Mai",      "Juni",
    "Juli",   "August",  "September", "Oktober", "November", "Dezember",
};

}  // namespace

std::span<const BankEntry> Banks() {
    return kBanks;
}
std::span<const CategoryEntry> Categories() {
    return kCategories;
}
std::span<const char* const> FirstNames() {
    return kFirstNames;
}
std::span<const char* const> LastNames() {
    return kLastNames;
}
std::span<const char* const> Notes() {
    return kNotes;
}
std::span<const char* const> CollectiveTitles() {
    return kCollectiveTitles;
}
std::span<const char* const> OrderPurposes() {
    return kOrderPurposes;
}
std::span<const char* const> MonthNames() {
    return kMonthNames;
}

}  // namespace tolva::demo
