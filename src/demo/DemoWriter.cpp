// DemoWriter: fills the tables of a freshly created demo database, table by table.
#include "demo/DemoWriter.h"

#include "demo/DemoNames.h"
#include "demo/DemoStatement.h"
#include "demo/DemoText.h"
#include "text/ModCrypt.h"

#include <QCoreApplication>

#include <sqlite3.h>

#include <algorithm>
#include <numeric>

namespace tolva::demo {

namespace {

// Random streams, one per table.
enum Stream : quint64 {
    kStreamPasswort = 1,
    kStreamBanken,
    kStreamKonten,
    kStreamEmpfaenger,
    kStreamUmsaetze,
    kStreamOffene,
    kStreamAuftraege,
    kStreamSammel,
};

// A status value of orders, with its share in percent.
struct StatusShare {
    qint64 lStatus;
    int lAnteil;
};

const StatusShare kAltAuftrag[] = {{4, 85}, {1, 5}, {3, 5}, {5, 5}};
const StatusShare kNeuAuftrag[] = {{1, 30}, {2, 20}, {4, 50}};
const StatusShare kGeplant[] = {{2, 70}, {1, 30}};
const StatusShare kSammel[] = {{4, 55}, {1, 20}, {2, 15}, {3, 10}};

template <size_t N>
qint64 PickStatus(const StatusShare (&aAnteile)[N], DemoRandom& rng) {
    int lWurf = static_cast<int>(rng.Below(100));
    for (const StatusShare& anteil : aAnteile) {
        if (lWurf < anteil.lAnteil) return anteil.lStatus;
        lWurf -= anteil.lAnteil;
    }
    return aAnteile[N - 1].lStatus;
}

void BindBuffer(DemoStatement& stmt, int lIndex, const TextBuffer& text) {
    stmt.BindText(lIndex, text.Data(), text.Size());
}

void BindIso(DemoStatement& stmt, int lIndex, const CalendarDay& day) {
    stmt.BindText(lIndex, day.sIso, 10);
}

const char* PickText(std::span<const char* const> aListe, DemoRandom& rng) {
    return aListe[rng.Below(aListe.size())];
}

}  // namespace

DemoWriter::DemoWriter(sqlite3* db, const DemoOptions& options)
    : db_(db),
      options_(options),
      calendar_(options.dBis.addYears(-options.lJahre).addDays(1), options.dBis) {
    DemoRandom rngBanken = DemoRandom::Stream(options_.lSeed, kStreamBanken);
    aBanken_ = PlanBanks(options_.lBanken, rngBanken);
    DemoRandom rngKonten = DemoRandom::Stream(options_.lSeed, kStreamKonten);
    aKonten_ = PlanAccounts(options_.lKonten, aBanken_, calendar_.DayCount(), rngKonten);
    DemoRandom rngEmpfaenger = DemoRandom::Stream(options_.lSeed, kStreamEmpfaenger);
    aEmpfaenger_ = PlanPayees(rngEmpfaenger);
}

Status DemoWriter::WriteAll(DemoSummary& summary) {
    Status st = WritePassword();
    if (st) st = WriteBanks(summary);
    if (st) st = WriteAccounts(summary);
    if (st) st = WriteCategories(summary);
    if (st) st = WritePayees(summary);
    if (st) st = WriteBookings(summary);
    if (st) st = WriteOpenBookings(summary);
    if (st) st = WriteOrders(summary);
    if (st) st = WriteCollectiveOrders(summary);
    return st;
}

Status DemoWriter::WritePassword() {
    // The record that the host writes: the password at every third place, printable filler
    // around it, scrambled as a password record.
    DemoRandom rng = DemoRandom::Stream(options_.lSeed, kStreamPasswort);
    QString sFueller;
    for (int i = 0; i < 36; ++i) sFueller += QChar(static_cast<char16_t>(rng.Between(0x21, 0x7E)));
    QString sPasswort = QString::fromLatin1(kDemoPasswort);
    const Result<QString> satz = MergePassword(sPasswort, sFueller);
    if (!satz) return satz.status();
    const Result<QByteArray> verschluesselt = Encrypt(satz.value(), true);
    if (!verschluesselt) return verschluesselt.status();

    DemoStatement stmt;
    Status st = stmt.Prepare(db_, "UPDATE Optionen SET Paßwort = ?");
    if (!st) return st;
    stmt.BindBlob(1, verschluesselt.value());
    st = stmt.Run();
    if (!st) return st;
    if (sqlite3_changes(db_) != 1)
        return Status::Fail(
            QCoreApplication::translate("DemoWriter",
                                        "Die neue Datenbank hat keine Zeile in der Tabelle "
                                        "Optionen."));
    return Status::Ok();
}

Status DemoWriter::WriteBanks(DemoSummary& summary) {
    DemoStatement stmt;
    Status st =
        stmt.Prepare(db_, "INSERT INTO BankDaten (id, BLZ, BIC, Name, Ort) VALUES (?,?,?,?,?)");
    for (const BankPlan& bank : aBanken_) {
        if (!st) return st;
        stmt.BindInt(1, bank.id);
        stmt.BindText(2, bank.sBlz);
        stmt.BindText(3, bank.sBic);
        stmt.BindText(4, bank.sName);
        stmt.BindText(5, bank.sOrt);
        st = stmt.Run();
        ++summary.lBankDaten;
    }
    return st;
}

Status DemoWriter::WriteAccounts(DemoSummary& summary) {
    DemoStatement stmt;
    Status st = stmt.Prepare(db_,
                             "INSERT INTO Konten (id, Nr, KontoName, KontoNummer, bankID, IBAN, "
                             "Waehrung) VALUES (?,?,?,?,?,?,?)");
    for (const AccountPlan& konto : aKonten_) {
        if (!st) return st;
        const Result<QByteArray> name = Encrypt(konto.sName, false);
        if (!name) return name.status();
        const Result<QByteArray> nummer = Encrypt(konto.sNummer, false);
        if (!nummer) return nummer.status();
        stmt.BindInt(1, konto.id);
        stmt.BindInt(2, konto.lNr);
        stmt.BindBlob(3, name.value());
        stmt.BindBlob(4, nummer.value());
        stmt.BindInt(5, konto.lBankID);
        stmt.BindText(6, konto.sIban);
        stmt.BindText(7, QStringLiteral("EUR"));
        st = stmt.Run();
        ++summary.lKonten;
    }
    return st;
}

Status DemoWriter::WriteCategories(DemoSummary& summary) {
    DemoStatement stmt;
    Status st = stmt.Prepare(db_, "INSERT INTO Kategorien (id, Name, ParentID) VALUES (?,?,?)");
    const auto aKategorien = Categories();
    for (size_t i = 0; i < aKategorien.size(); ++i) {
        if (!st) return st;
        // Top-level categories have ParentID 0.
        stmt.BindInt(1, static_cast<qint64>(i) + 1);
        stmt.BindText(2, aKategorien[i].sName, -1);
        stmt.BindInt(3, aKategorien[i].lParent + 1);
        st = stmt.Run();
        ++summary.lKategorien;
    }
    return st;
}

Status DemoWriter::WritePayees(DemoSummary& summary) {
    DemoStatement stmt;
    Status st = stmt.Prepare(db_, "INSERT INTO Empfänger (id, Name, IBAN, BIC) VALUES (?,?,?,?)");
    qint64 id = 0;
    for (const PayeePlan& empfaenger : aEmpfaenger_) {
        if (!st) return st;
        stmt.BindInt(1, ++id);
        stmt.BindText(2, empfaenger.sName);
        stmt.BindText(3, empfaenger.sIban);
        stmt.BindText(4, empfaenger.sBic);
        st = stmt.Run();
        ++summary.lEmpfaenger;
    }
    return st;
}

Status DemoWriter::WriteBookings(DemoSummary& summary) {
    DemoStatement umsatz;
    DemoStatement zusatz;
    Status st = umsatz.Prepare(db_,
                               "INSERT INTO Umsätze (id, KontoID, Buchungsdatum, Valuta, "
                               "BuchungsID, Betrag, Empfaenger, Verwendungszweck, KategorieID) "
                               "VALUES (?,?,?,?,?,?,?,?,?)");
    if (st)
        st = zusatz.Prepare(db_,
                            "INSERT INTO UmsZusatz (id, KontoID, Buchungsdatum, BuchungsID, "
                            "Notiz) VALUES (?,?,?,?,?)");
    if (!st) return st;

    const qint64 lAnzahl = options_.lBuchungen;
    const int lTage = calendar_.DayCount();
    qint64 lGesamtGewicht = 0;
    for (int d = 0; d < lTage; ++d) lGesamtGewicht += calendar_.Weight(d);
    if (lAnzahl == 0 || lGesamtGewicht == 0) return Status::Ok();

    // Accounts join the draw on their first day; the draw is weighted by their shares.
    std::vector<size_t> aNachStart(aKonten_.size());
    std::iota(aNachStart.begin(), aNachStart.end(), size_t{0});
    std::stable_sort(aNachStart.begin(), aNachStart.end(), [this](size_t a, size_t b) {
        return aKonten_[a].lStartTag < aKonten_[b].lStartTag;
    });
    std::vector<const AccountPlan*> aAktiv;
    std::vector<quint64> aSummen;
    size_t lNaechstes = 0;

    DemoRandom rng = DemoRandom::Stream(options_.lSeed, kStreamUmsaetze);
    BookingFields fields;
    TextBuffer buchungsID;
    const auto aNotizen = Notes();
    qint64 idUmsatz = 0;
    qint64 idZusatz = 0;
    qint64 lGewichtBisher = 0;
    for (int d = 0; d < lTage; ++d) {
        // Bookings up to the end of day d in proportion to the weights so far: the day's
        // share, rounded so that the total comes out exactly.
        lGewichtBisher += calendar_.Weight(d);
        // At most 18 per day times 36,600 days times 10^8 bookings: fits in 64 bits.
        const qint64 lBisHeute = lGewichtBisher * lAnzahl / lGesamtGewicht;
        const qint64 lHeute = lBisHeute - idUmsatz;
        if (lHeute == 0) continue;

        while (lNaechstes < aNachStart.size() && aKonten_[aNachStart[lNaechstes]].lStartTag <= d) {
            const AccountPlan& konto = aKonten_[aNachStart[lNaechstes++]];
            aAktiv.push_back(&konto);
            aSummen.push_back((aSummen.empty() ? 0 : aSummen.back()) +
                              static_cast<quint64>(konto.lGewicht));
        }

        const CalendarDay& day = calendar_.Day(d);
        if (!summary.dErsteBuchung.isValid()) summary.dErsteBuchung = calendar_.Date(d);
        summary.dLetzteBuchung = calendar_.Date(d);
        for (qint64 j = 1; j <= lHeute; ++j) {
            const quint64 lWurf = rng.Below(aSummen.back());
            const size_t lKonto = static_cast<size_t>(
                std::upper_bound(aSummen.begin(), aSummen.end(), lWurf) - aSummen.begin());
            const AccountPlan& konto = *aAktiv[lKonto];
            maker_.Make(konto.kind, day, rng, fields);
            const int lValuta = rng.Chance(70) ? 0 : static_cast<int>(rng.Between(-2, 3));

            buchungsID.Clear();
            buchungsID.Append(day.sIso, 10);
            buchungsID.Append('-');
            buchungsID.AppendNumber(static_cast<quint64>(j), 6);

            umsatz.BindInt(1, ++idUmsatz);
            umsatz.BindInt(2, konto.id);
            BindIso(umsatz, 3, day);
            BindIso(umsatz, 4, calendar_.Day(d + lValuta));
            BindBuffer(umsatz, 5, buchungsID);
            umsatz.BindInt(6, fields.lBetrag);
            BindBuffer(umsatz, 7, fields.sEmpfaenger);
            BindBuffer(umsatz, 8, fields.sZweck);
            umsatz.BindInt(9, fields.lKategorieID);
            st = umsatz.Run();
            if (!st) return st;

            if (rng.Chance(10)) {
                zusatz.BindInt(1, ++idZusatz);
                zusatz.BindInt(2, konto.id);
                BindIso(zusatz, 3, day);
                BindBuffer(zusatz, 4, buchungsID);
                zusatz.BindText(5, PickText(aNotizen, rng), -1);
                st = zusatz.Run();
                if (!st) return st;
            }
        }
    }
    summary.lUmsaetze = idUmsatz;
    summary.lUmsZusatz = idZusatz;
    return Status::Ok();
}

Status DemoWriter::WriteOpenBookings(DemoSummary& summary) {
    DemoStatement stmt;
    Status st = stmt.Prepare(db_,
                             "INSERT INTO OffeneUmsätze (id, KontoID, Buchungsdatum, Betrag, "
                             "Verwendungszweck) VALUES (?,?,?,?,?)");
    if (!st) return st;
    DemoRandom rng = DemoRandom::Stream(options_.lSeed, kStreamOffene);
    const int lTage = calendar_.DayCount();
    BookingFields fields;
    TextBuffer zweck;
    qint64 id = 0;
    for (const AccountPlan& konto : aKonten_) {
        // One stale entry from the account's early days, and a few of the last ten days.
        const int lLaufzeit = lTage - konto.lStartTag;
        std::vector<int> aTage{konto.lStartTag + static_cast<int>(rng.Below(static_cast<quint64>(
                                                     std::max(1, lLaufzeit / 3))))};
        const int lNeu = static_cast<int>(rng.Between(1, 3));
        for (int i = 0; i < lNeu; ++i)
            aTage.push_back(std::max(konto.lStartTag, lTage - 1 - static_cast<int>(rng.Below(10))));
        std::sort(aTage.begin(), aTage.end());
        for (int d : aTage) {
            const CalendarDay& day = calendar_.Day(d);
            maker_.Make(konto.kind, day, rng, fields);
            // Open bookings have no payee field: the text names it.
            zweck.Clear();
            zweck.Append("Vormerkung ");
            zweck.Append(fields.sEmpfaenger.Data(), fields.sEmpfaenger.Size());
            zweck.Append(", ");
            zweck.Append(fields.sZweck.Data(), fields.sZweck.Size());
            stmt.BindInt(1, ++id);
            stmt.BindInt(2, konto.id);
            BindIso(stmt, 3, day);
            stmt.BindInt(4, fields.lBetrag);
            BindBuffer(stmt, 5, zweck);
            st = stmt.Run();
            if (!st) return st;
        }
    }
    summary.lOffeneUmsaetze = id;
    return Status::Ok();
}

qint64 DemoWriter::OrderCount() const {
    return std::max<qint64>(3 * static_cast<qint64>(options_.lKonten), options_.lBuchungen / 40);
}

const AccountPlan& DemoWriter::AccountOn(int lTag, DemoRandom& rng) const {
    for (int i = 0; i < 8; ++i) {
        const AccountPlan& konto = aKonten_[rng.Below(aKonten_.size())];
        if (konto.lStartTag <= lTag) return konto;
    }
    return aKonten_.front();
}

Status DemoWriter::WriteOrders(DemoSummary& summary) {
    DemoStatement stmt;
    Status st = stmt.Prepare(db_,
                             "INSERT INTO Aufträge (id, KontoID, Status, Datum, Betrag, "
                             "Empfaenger, Verwendungszweck) VALUES (?,?,?,?,?,?,?)");
    if (!st) return st;
    DemoRandom rng = DemoRandom::Stream(options_.lSeed, kStreamAuftraege);
    const int lTage = calendar_.DayCount();
    // Orders run up to three weeks past the last booking day: those are scheduled.
    const qint64 lSpanne = lTage + 21;
    const qint64 lAnzahl = OrderCount();
    TextBuffer empfaenger;
    TextBuffer zweck;
    for (qint64 i = 0; i < lAnzahl; ++i) {
        const int d =
            static_cast<int>(std::min<qint64>(i * lSpanne / lAnzahl + rng.Below(2), lSpanne - 1));
        qint64 lStatus = 0;
        if (d >= lTage)
            lStatus = PickStatus(kGeplant, rng);
        else if (d >= lTage - 14)
            lStatus = PickStatus(kNeuAuftrag, rng);
        else
            lStatus = PickStatus(kAltAuftrag, rng);
        const AccountPlan& konto = AccountOn(std::min(d, lTage - 1), rng);
        const CalendarDay& day = calendar_.Day(d);

        empfaenger.Clear();
        if (rng.Chance(50))
            empfaenger.Append(
                aEmpfaenger_[rng.Below(aEmpfaenger_.size())].sName.toUtf8().constData());
        else
            AppendPersonName(rng, empfaenger);
        zweck.Clear();
        ExpandTemplate(PickText(OrderPurposes(), rng), day, rng, zweck);

        stmt.BindInt(1, i + 1);
        stmt.BindInt(2, konto.id);
        stmt.BindInt(3, lStatus);
        BindIso(stmt, 4, day);
        stmt.BindInt(5, rng.Between(500, 250000));
        BindBuffer(stmt, 6, empfaenger);
        BindBuffer(stmt, 7, zweck);
        st = stmt.Run();
        if (!st) return st;
    }
    summary.lAuftraege = lAnzahl;
    return Status::Ok();
}

Status DemoWriter::WriteCollectiveOrders(DemoSummary& summary) {
    DemoStatement sammel;
    DemoStatement einzel;
    Status st = sammel.Prepare(db_,
                               "INSERT INTO SammelAufträge (id, KontoID, Status, Datum, "
                               "AusfDatum, Bezeichnung) VALUES (?,?,?,?,?,?)");
    if (st)
        st = einzel.Prepare(db_,
                            "INSERT INTO SammelEinzel (id, SammelID, Betrag, Empfaenger, "
                            "Verwendungszweck) VALUES (?,?,?,?,?)");
    if (!st) return st;
    DemoRandom rng = DemoRandom::Stream(options_.lSeed, kStreamSammel);
    const int lTage = calendar_.DayCount();
    const qint64 lSpanne = lTage + 11;
    const qint64 lAnzahl = std::max<qint64>(4, OrderCount() / 10);
    TextBuffer bezeichnung;
    TextBuffer empfaenger;
    TextBuffer zweck;
    qint64 idEinzel = 0;
    for (qint64 i = 0; i < lAnzahl; ++i) {
        const int d =
            static_cast<int>(std::min<qint64>(i * lSpanne / lAnzahl + rng.Below(3), lSpanne - 1));
        // The first three are sent (4), sent without execution date (1) and pending (2), so
        // that even a small database has each case.
        qint64 lStatus = 0;
        if (i < 3)
            lStatus = i == 0 ? 4 : i == 1 ? 1 : 2;
        else if (d >= lTage)
            lStatus = PickStatus(kGeplant, rng);
        else
            lStatus = PickStatus(kSammel, rng);
        const bool bOhneAusfuehrung = i == 1 || (i > 1 && rng.Chance(20));
        QByteArray aAusfDatum;
        if (!bOhneAusfuehrung) {
            const CalendarDay& ausfuehrung = calendar_.Day(d + static_cast<int>(rng.Below(4)));
            const Result<QByteArray> verschluesselt =
                Encrypt(QString::fromLatin1(ausfuehrung.sIso, 10), false);
            if (!verschluesselt) return verschluesselt.status();
            aAusfDatum = verschluesselt.value();
        }
        const AccountPlan& konto = AccountOn(std::min(d, lTage - 1), rng);
        const CalendarDay& day = calendar_.Day(d);
        bezeichnung.Clear();
        ExpandTemplate(PickText(CollectiveTitles(), rng), day, rng, bezeichnung);

        sammel.BindInt(1, i + 1);
        sammel.BindInt(2, konto.id);
        sammel.BindInt(3, lStatus);
        BindIso(sammel, 4, day);
        sammel.BindBlob(5, aAusfDatum);
        BindBuffer(sammel, 6, bezeichnung);
        st = sammel.Run();
        if (!st) return st;

        const int lPosten = static_cast<int>(rng.Between(1, 6));
        for (int p = 0; p < lPosten; ++p) {
            empfaenger.Clear();
            AppendPersonName(rng, empfaenger);
            zweck.Clear();
            ExpandTemplate(PickText(OrderPurposes(), rng), day, rng, zweck);
            einzel.BindInt(1, ++idEinzel);
            einzel.BindInt(2, i + 1);
            einzel.BindInt(3, rng.Between(1000, 300000));
            BindBuffer(einzel, 4, empfaenger);
            BindBuffer(einzel, 5, zweck);
            st = einzel.Run();
            if (!st) return st;
        }
    }
    summary.lSammelAuftraege = lAnzahl;
    summary.lSammelEinzel = idEinzel;
    return Status::Ok();
}

}  // namespace tolva::demo
