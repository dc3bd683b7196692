// The ids of a list sorted in memory: read once in the table's order, then ordered here as
// SQL's ORDER BY would order them.
#include "browse/BrowseQuery.h"

#include <sqlite3.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tolva {
namespace {

// A booking by a whole-number key (an amount, or a text's rank), ties by id.
struct Keyed {
    qint64 lSchluessel;
    qint64 id;
    bool operator<(const Keyed& b) const {
        return lSchluessel != b.lSchluessel ? lSchluessel < b.lSchluessel : id < b.id;
    }
};

// Texts that repeat (payees, dates): each distinct one is held once, numbered as it comes,
// and ranked afterwards in SQL's text order (BINARY: byte by byte, a shorter text first).
class RepeatedTexts {
  public:
    void Add(const unsigned char* p, int n, qint64 id) {
        const std::string_view s(reinterpret_cast<const char*>(p), size_t(n));
        auto it = nummern_.find(s);
        if (it == nummern_.end())
            it = nummern_.emplace(std::string(s), qint64(nummern_.size())).first;
        eintraege_.push_back(Keyed{it->second, id});
    }
    void SortInto(std::vector<qint64>& ids) {
        std::vector<const std::pair<const std::string, qint64>*> texte;
        texte.reserve(nummern_.size());
        for (const auto& eintrag : nummern_) texte.push_back(&eintrag);
        std::sort(texte.begin(), texte.end(),
                  [](const auto* a, const auto* b) { return a->first < b->first; });
        std::vector<qint64> raenge(texte.size());
        for (size_t i = 0; i < texte.size(); ++i) raenge[size_t(texte[i]->second)] = qint64(i);
        for (Keyed& e : eintraege_) e.lSchluessel = raenge[size_t(e.lSchluessel)];
        std::sort(eintraege_.begin(), eintraege_.end());
        for (const Keyed& e : eintraege_) ids.push_back(e.id);
    }

  private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::unordered_map<std::string, qint64, Hash, std::equal_to<>> nummern_;
    std::vector<Keyed> eintraege_;
};

// Texts that mostly differ (purposes): kept one after another, each booking's by where it
// starts, with its first eight bytes as a number, where most comparisons end.
class DistinctTexts {
  public:
    void Add(const unsigned char* p, int n, qint64 id) {
        quint64 lAnfang = 0;
        for (int i = 0; i < 8; ++i) lAnfang = lAnfang << 8 | (i < n ? p[i] : 0);
        eintraege_.push_back(Entry{lAnfang, quint64(speicher_.size()), quint32(n), id});
        speicher_.append(reinterpret_cast<const char*>(p), size_t(n));
    }
    void SortInto(std::vector<qint64>& ids) {
        const auto text = [this](const Entry& e) {
            return std::string_view(speicher_.data() + e.lStelle, e.lLaenge);
        };
        std::sort(eintraege_.begin(), eintraege_.end(), [&text](const Entry& a, const Entry& b) {
            if (a.lAnfang != b.lAnfang) return a.lAnfang < b.lAnfang;
            const int lVergleich = text(a).compare(text(b));
            return lVergleich != 0 ? lVergleich < 0 : a.id < b.id;
        });
        for (const Entry& e : eintraege_) ids.push_back(e.id);
    }

  private:
    struct Entry {
        quint64 lAnfang;  // the first eight bytes, big-endian, zero-padded
        quint64 lStelle;  // where the text starts in speicher_
        quint32 lLaenge;
        qint64 id;
    };
    std::vector<Entry> eintraege_;
    std::string speicher_;
};

// The key column of an order; null for account order, which the account index gives.
const char* KeyOf(BookingColumn eSpalte) {
    switch (eSpalte) {
        case BookingColumn::Datum:
            return "Buchungsdatum";
        case BookingColumn::Betrag:
            return "Betrag";
        case BookingColumn::Empfaenger:
            return "tolva_falte(Empfaenger)";
        case BookingColumn::Zweck:
            return "tolva_falte(Verwendungszweck)";
        case BookingColumn::Konto:
            break;
    }
    return nullptr;
}

}  // namespace

Result<bool> SortIdsInMemory(sqlite3* db, const QString& sDatei, const BookingFilter& filter,
                             BookingIds& liste) {
    const char* sSchluessel = KeyOf(filter.eSortierung);
    if (!sSchluessel) return false;
    const bool bZahl = filter.eSortierung == BookingColumn::Betrag;
    const bool bVerschieden = filter.eSortierung == BookingColumn::Zweck;
    const Condition c = Conditions(filter);
    Query q(db, QByteArray("SELECT id, Betrag, ") + sSchluessel + " FROM Umsätze" + c.Where(),
            sDatei);
    c.BindTo(q, 1);
    std::vector<Keyed> betraege;
    RepeatedTexts wiederholt;
    DistinctTexts verschieden;
    std::vector<qint64> ohneText;  // NULL comes before every text, as in SQL
    BookingTotals summe;
    while (q.Next()) {
        sqlite3_stmt* s = q.Handle();
        const int lTyp = sqlite3_column_type(s, 2);
        const qint64 id = q.Int(0);
        if (bZahl) {
            // SQL orders NULL, reals and texts among whole numbers in ways of its own.
            if (lTyp != SQLITE_INTEGER) return false;
            betraege.push_back(Keyed{sqlite3_column_int64(s, 2), id});
        } else if (lTyp == SQLITE_TEXT) {
            const unsigned char* p = sqlite3_column_text(s, 2);
            const int n = sqlite3_column_bytes(s, 2);
            if (bVerschieden)
                verschieden.Add(p, n, id);
            else
                wiederholt.Add(p, n, id);
        } else if (lTyp == SQLITE_NULL) {
            ohneText.push_back(id);
        } else {
            return false;
        }
        summe.lSummeCent += q.Int(1);
        ++summe.lAnzahl;
    }
    if (!q.status()) return q.status();
    std::vector<qint64>& ids = liste.ids;
    std::sort(ohneText.begin(), ohneText.end());
    ids = std::move(ohneText);
    ids.reserve(size_t(summe.lAnzahl));
    if (bZahl) {
        std::sort(betraege.begin(), betraege.end());
        for (const Keyed& b : betraege) ids.push_back(b.id);
    } else if (bVerschieden) {
        verschieden.SortInto(ids);
    } else {
        wiederholt.SortInto(ids);
    }
    // Descending is the ascending order (key, then id) turned round, NULL last.
    if (filter.bAbsteigend) std::reverse(ids.begin(), ids.end());
    liste.summe = summe;
    return true;
}

}  // namespace tolva
