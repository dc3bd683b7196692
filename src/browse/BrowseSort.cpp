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

// A booking's place: its key (an amount, or a text's rank) and its id.
struct Entry {
    qint64 lSchluessel;
    qint64 id;
    bool operator<(const Entry& b) const {
        return lSchluessel != b.lSchluessel ? lSchluessel < b.lSchluessel : id < b.id;
    }
};

constexpr qint64 kNullRang = -1;  // NULL comes before every text, as in SQL

// Numbers the distinct texts as they come and ranks them afterwards in SQL's text order
// (BINARY: byte by byte, a shorter text first), so that every booking sorts by a number.
// Texts repeat (a payee, a date), and only the distinct ones are held.
class TextRanks {
  public:
    qint64 Of(const unsigned char* p, int n) {
        const std::string_view s(reinterpret_cast<const char*>(p), size_t(n));
        if (const auto it = nummern_.find(s); it != nummern_.end()) return it->second;
        return nummern_.emplace(std::string(s), qint64(nummern_.size())).first->second;
    }
    // Per number its rank among the texts.
    std::vector<qint64> Ranks() const {
        std::vector<const std::pair<const std::string, qint64>*> texte;
        texte.reserve(nummern_.size());
        for (const auto& eintrag : nummern_) texte.push_back(&eintrag);
        std::sort(texte.begin(), texte.end(), [](const auto* a, const auto* b) {
            return std::string_view(a->first) < std::string_view(b->first);
        });
        std::vector<qint64> raenge(texte.size());
        for (size_t i = 0; i < texte.size(); ++i) raenge[size_t(texte[i]->second)] = qint64(i);
        return raenge;
    }

  private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::unordered_map<std::string, qint64, Hash, std::equal_to<>> nummern_;
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
    const Condition c = Conditions(filter);
    Query q(db, QByteArray("SELECT id, Betrag, ") + sSchluessel + " FROM Umsätze" + c.Where(),
            sDatei);
    c.BindTo(q, 1);
    std::vector<Entry> eintraege;
    TextRanks texte;
    BookingTotals summe;
    while (q.Next()) {
        sqlite3_stmt* s = q.Handle();
        const int lTyp = sqlite3_column_type(s, 2);
        qint64 lSchluessel = kNullRang;
        if (bZahl) {
            // SQL orders NULL, reals and texts among whole numbers in ways of its own.
            if (lTyp != SQLITE_INTEGER) return false;
            lSchluessel = sqlite3_column_int64(s, 2);
        } else if (lTyp == SQLITE_TEXT) {
            lSchluessel = texte.Of(sqlite3_column_text(s, 2), sqlite3_column_bytes(s, 2));
        } else if (lTyp != SQLITE_NULL) {
            return false;
        }
        eintraege.push_back(Entry{lSchluessel, q.Int(0)});
        summe.lSummeCent += q.Int(1);
    }
    if (!q.status()) return q.status();
    if (!bZahl) {
        const std::vector<qint64> raenge = texte.Ranks();
        for (Entry& e : eintraege)
            if (e.lSchluessel != kNullRang) e.lSchluessel = raenge[size_t(e.lSchluessel)];
    }
    // Descending is the ascending order (key, then id) turned round, NULL last.
    std::sort(eintraege.begin(), eintraege.end());
    if (filter.bAbsteigend) std::reverse(eintraege.begin(), eintraege.end());
    liste.ids.clear();
    liste.ids.reserve(eintraege.size());
    for (const Entry& e : eintraege) liste.ids.push_back(e.id);
    summe.lAnzahl = qint64(liste.ids.size());
    liste.summe = summe;
    return true;
}

}  // namespace tolva
