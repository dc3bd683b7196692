// DemoBookings: what a demo booking is about -- its kind, payee, purpose, amount, category.
#include "demo/DemoBookings.h"

#include "demo/DemoNames.h"

#include <cstring>

namespace tolva::demo {

namespace {

// One kind of booking. aEmpfaenger ends with nullptr; an empty list means a private person.
struct BookingKind {
    const char* sKategorie;
    const char* const* aEmpfaenger;
    const char* sZweck;
    qint64 lMin;                  // cents
    qint64 lMax;                  // cents
    qint64 lRunden;               // amounts are multiples of this many cents
    bool bUeberweisung;           // its payees are kept in the payee list
    int aGewicht[kAccountKinds];  // Giro, Kreditkarte, Tagesgeld, Sparkonto
};

const char* const kSupermaerkte[] = {
    "REWE Markt GmbH",     "EDEKA Center Alzey",    "ALDI SUED",
    "LIDL Dienstleistung", "Netto Marken-Discount", "Kaufland Worms",
    "Bäckerei Ritter",     "Hofladen Weidenhof",    nullptr};
const char* const kDrogerien[] = {"dm-drogerie markt", "Rossmann", "Apotheke am Markt",
                                  "Löwen-Apotheke", nullptr};
const char* const kTankstellen[] = {"ARAL Station Mainzer Str.", "Shell Station Alzey",
                                    "TotalEnergies Tankstelle", "JET Tankstelle", nullptr};
const char* const kLokale[] = {"Weinstube Zum Löwen",
                               "Pizzeria Da Mario",
                               "Café Extrablatt",
                               "Gasthaus Krone",
                               "Eiscafé Venezia",
                               "Burgerhaus Süd",
                               nullptr};
const char* const kVersand[] = {"Amazon EU S.a.r.l.", "Otto GmbH & Co KG",  "Zalando SE",
                                "PayPal Europe",      "Thalia Bücher GmbH", nullptr};
const char* const kAutomaten[] = {"Geldautomat Sparkasse", "Geldautomat Volksbank",
                                  "Cash Group Automat", nullptr};
const char* const kVermieter[] = {"Wohnbau Rheinhessen GmbH", "Hausverwaltung Becker & Partner",
                                  "Immobilien Schäfer KG", nullptr};
const char* const kVersorger[] = {"Stadtwerke Alzey", "Energieversorgung Rheinhessen AG",
                                  "Gaswerk Worms GmbH", nullptr};
const char* const kTelefon[] = {"Fernmelde Service GmbH", "Rheinnet Kommunikation AG",
                                "Mobilfunk Süd GmbH", nullptr};
const char* const kVersicherer[] = {"Rheinische Hausrat Versicherung AG",
                                    "Kraftfahrt-Versicherung a.G.", "Pfälzer Lebensversicherung",
                                    nullptr};
const char* const kRundfunk[] = {"Beitragsservice Rundfunk", nullptr};
const char* const kAbos[] = {"Streamwelt Europe B.V.", "Musikdienst Nord AB",
                             "Zeitungsverlag Rhein-Main", "Fitnessstudio Vital", nullptr};
const char* const kReisen[] = {"Fluggesellschaft Süd",   "Bahnreisen Fernverkehr", "Hotel Seeblick",
                               "Ferienhaus Ostseeperle", "Reisebüro Sonne",        nullptr};
const char* const kArbeitgeber[] = {"Rheinhessische Kelterei GmbH", "Müller Logistik GmbH",
                                    "Kreisverwaltung Alzey-Worms", "Weingut Brenner KG", nullptr};
const char* const kErstatter[] = {"Krankenkasse Rheinland", "Finanzamt Alzey", "Amazon EU S.a.r.l.",
                                  nullptr};
const char* const kFamilienkasse[] = {"Familienkasse Rheinland-Pfalz-Saarland", nullptr};
const char* const kAbrechnung[] = {"Kreditkartenabrechnung", nullptr};
const char* const kZinsen[] = {"Zinsgutschrift", nullptr};
const char* const kUmbuchung[] = {"Umbuchung vom Girokonto", nullptr};
const char* const kUebertrag[] = {"Übertrag auf Girokonto", nullptr};
const char* const kEntgelt[] = {"Entgelt Kontoführung", nullptr};
const char* const kPerson[] = {nullptr};

const BookingKind kKinds[] = {
    {"Lebensmittel",
     kSupermaerkte,
     "Kartenzahlung %d %t girocard",
     -18000,
     -250,
     1,
     false,
     {34, 4, 0, 0}},
    {"Drogerie & Gesundheit",
     kDrogerien,
     "Kartenzahlung %d %t girocard",
     -6000,
     -199,
     1,
     false,
     {6, 1, 0, 0}},
    {"Tanken",
     kTankstellen,
     "Kartenzahlung %d %t Tankstelle",
     -9500,
     -2000,
     1,
     false,
     {8, 3, 0, 0}},
    {"Restaurant & Café", kLokale, "Kartenzahlung %d %t", -12000, -450, 1, false, {4, 6, 0, 0}},
    {"Einkäufe online", kVersand, "Bestellung %n vom %d", -25000, -999, 1, false, {6, 8, 0, 0}},
    {"Bargeld",
     kAutomaten,
     "Auszahlung Geldautomat %d %t",
     -40000,
     -2000,
     1000,
     false,
     {6, 0, 0, 0}},
    {"Miete", kVermieter, "Miete %M Wohnung %n", -145000, -65000, 500, true, {2, 0, 0, 0}},
    {"Strom & Gas",
     kVersorger,
     "Abschlag %m Vertragskonto %n",
     -16000,
     -4500,
     100,
     true,
     {2, 0, 0, 0}},
    {"Telefon & Internet",
     kTelefon,
     "Rechnung %m Kundennr. %n",
     -8999,
     -1999,
     1,
     true,
     {2, 1, 0, 0}},
    {"Versicherungen",
     kVersicherer,
     "Beitrag %m Vers.-Nr. %n",
     -18000,
     -1500,
     1,
     true,
     {2, 0, 0, 0}},
    {"Gebühren & Beiträge",
     kRundfunk,
     "Rundfunkbeitrag %q. Quartal %y Beitragsnr. %n",
     -5508,
     -5508,
     1,
     true,
     {1, 0, 0, 0}},
    {"Abos & Streaming", kAbos, "Abo %m", -4999, -499, 1, true, {1, 4, 0, 0}},
    {"Urlaub & Reisen", kReisen, "Buchung %n", -95000, -3500, 1, false, {1, 3, 0, 0}},
    {"Gehalt", kArbeitgeber, "Gehalt %m", 180000, 420000, 1, true, {2, 0, 0, 0}},
    {"Erstattungen", kErstatter, "Erstattung %n", 500, 25000, 1, true, {1, 1, 0, 0}},
    {"Kindergeld",
     kFamilienkasse,
     "Kindergeld %m KG-Nr. %n",
     25000,
     25500,
     500,
     true,
     {1, 0, 0, 0}},
    {"Privat", kPerson, "Überweisung %d", -30000, -1000, 100, false, {2, 0, 0, 0}},
    {"Privat", kPerson, "Rückzahlung %d", 1000, 30000, 100, false, {1, 0, 1, 0}},
    {"Kreditkarte", kAbrechnung, "Abrechnung %m Karte %n", -150000, -5000, 1, false, {1, 0, 0, 0}},
    {"Kreditkarte", kAbrechnung, "Ausgleich Abrechnung %m", 5000, 150000, 1, false, {0, 1, 0, 0}},
    {"Zinsen", kZinsen, "Zinsen %q. Quartal %y", 1, 2500, 1, false, {0, 0, 3, 3}},
    {"Sparen", kUmbuchung, "Sparrate %m", 2500, 20000, 500, false, {0, 0, 6, 6}},
    {"Umbuchungen", kUebertrag, "Umbuchung %d", -100000, -5000, 1000, false, {0, 0, 2, 1}},
    {"Gebühren & Beiträge",
     kEntgelt,
     "Entgelt Kontoführung %m",
     -1290,
     -390,
     10,
     false,
     {1, 0, 0, 0}},
};

int CountOf(const char* const* aListe) {
    int n = 0;
    while (aListe[n] != nullptr) ++n;
    return n;
}

}  // namespace

qint64 CategoryId(const char* sName) {
    const auto aKategorien = Categories();
    for (size_t i = 0; i < aKategorien.size(); ++i)
        if (std::strcmp(aKategorien[i].sName, sName) == 0) return static_cast<qint64>(i) + 1;
    return 0;
}

BookingMaker::BookingMaker() {
    for (int k = 0; k < kAccountKinds; ++k) {
        int lSumme = 0;
        for (const BookingKind& art : kKinds) {
            lSumme += art.aGewicht[k];
            aSummen_[static_cast<size_t>(k)].push_back(lSumme);
        }
    }
    for (const BookingKind& art : kKinds) aKategorien_.push_back(CategoryId(art.sKategorie));
}

void BookingMaker::Make(AccountKind kind, const CalendarDay& day, DemoRandom& rng,
                        BookingFields& fields) const {
    const std::vector<int>& aSummen = aSummen_[static_cast<size_t>(kind)];
    const int lWurf = static_cast<int>(rng.Below(static_cast<quint64>(aSummen.back())));
    size_t lArt = 0;
    while (aSummen[lArt] <= lWurf) ++lArt;
    const BookingKind& art = kKinds[lArt];

    qint64 lBetrag = rng.Between(art.lMin, art.lMax);
    if (art.lRunden > 1) {
        lBetrag = lBetrag / art.lRunden * art.lRunden;
        if (lBetrag == 0) lBetrag = art.lMin < 0 ? -art.lRunden : art.lRunden;
    }
    fields.lBetrag = lBetrag;
    fields.lKategorieID = aKategorien_[lArt];

    fields.sEmpfaenger.Clear();
    const int lEmpfaenger = CountOf(art.aEmpfaenger);
    if (lEmpfaenger == 0)
        AppendPersonName(rng, fields.sEmpfaenger);
    else
        fields.sEmpfaenger.Append(art.aEmpfaenger[rng.Below(static_cast<quint64>(lEmpfaenger))]);

    fields.sZweck.Clear();
    ExpandTemplate(art.sZweck, day, rng, fields.sZweck);
}

std::vector<const char*> BookingMaker::TransferPayees() {
    std::vector<const char*> aNamen;
    for (const BookingKind& art : kKinds) {
        if (!art.bUeberweisung) continue;
        for (const char* const* p = art.aEmpfaenger; *p != nullptr; ++p) {
            bool bBekannt = false;
            for (const char* sName : aNamen) bBekannt = bBekannt || std::strcmp(sName, *p) == 0;
            if (!bBekannt) aNamen.push_back(*p);
        }
    }
    return aNamen;
}

}  // namespace tolva::demo
