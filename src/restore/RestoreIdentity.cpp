// RestoreIdentity: the pairing of archive rows with live rows, rules 3a and 3b.
#include "restore/RestoreIdentity.h"

#include <algorithm>
#include <tuple>

namespace tolva {
namespace {

// Indexes into rows, sorted by a hash and then by id.
template <typename Hash>
std::vector<quint32> SortedBy(const std::vector<IdentityRow>& rows, Hash hash) {
    std::vector<quint32> order(rows.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<quint32>(i);
    std::sort(order.begin(), order.end(), [&](quint32 a, quint32 b) {
        return std::make_tuple(hash(rows[a]), rows[a].id) <
               std::make_tuple(hash(rows[b]), rows[b].id);
    });
    return order;
}

}  // namespace

std::vector<Zuordnung> PairRows(const std::vector<IdentityRow>& archiv,
                                const std::vector<IdentityRow>& lebend) {
    std::vector<Zuordnung> ergebnis(archiv.size());
    std::vector<bool> aVergeben(archiv.size(), false);
    std::vector<bool> lVergeben(lebend.size(), false);
    const auto pair = [&](size_t a, size_t l, Verbleib verbleib) {
        ergebnis[a] = {verbleib, lebend[l].id};
        aVergeben[a] = lVergeben[l] = true;
    };

    // 3a: equal content. Within each content, the rows whose own id holds an equal live row
    // pair first; the others then pair in id order.
    {
        const auto inhalt = [](const IdentityRow& r) { return r.lInhalt; };
        const std::vector<quint32> aNachInhalt = SortedBy(archiv, inhalt);
        const std::vector<quint32> lNachInhalt = SortedBy(lebend, inhalt);
        size_t l0 = 0;
        for (size_t a0 = 0; a0 < aNachInhalt.size();) {
            const quint64 h = archiv[aNachInhalt[a0]].lInhalt;
            size_t a1 = a0;
            while (a1 < aNachInhalt.size() && archiv[aNachInhalt[a1]].lInhalt == h) ++a1;
            while (l0 < lNachInhalt.size() && lebend[lNachInhalt[l0]].lInhalt < h) ++l0;
            size_t l1 = l0;
            while (l1 < lNachInhalt.size() && lebend[lNachInhalt[l1]].lInhalt == h) ++l1;
            if (l1 > l0) {
                // Same id first: both runs are in id order.
                for (size_t a = a0, l = l0; a < a1 && l < l1;) {
                    const qint64 ida = archiv[aNachInhalt[a]].id;
                    const qint64 idl = lebend[lNachInhalt[l]].id;
                    if (ida == idl) pair(aNachInhalt[a], lNachInhalt[l], Verbleib::Vorhanden);
                    if (ida <= idl) ++a;
                    if (idl <= ida) ++l;
                }
                size_t l = l0;
                for (size_t a = a0; a < a1; ++a) {
                    if (aVergeben[aNachInhalt[a]]) continue;
                    while (l < l1 && lVergeben[lNachInhalt[l]]) ++l;
                    if (l == l1) break;
                    pair(aNachInhalt[a], lNachInhalt[l], Verbleib::Vorhanden);
                }
            }
            a0 = a1;
            l0 = l1;
        }
    }

    // 3b: the same identity key, rows left unpaired, in id order.
    const auto schluessel = [](const IdentityRow& r) { return r.lSchluessel; };
    const std::vector<quint32> aNachSchluessel = SortedBy(archiv, schluessel);
    const std::vector<quint32> lNachSchluessel = SortedBy(lebend, schluessel);
    size_t l = 0;
    for (quint32 i : aNachSchluessel) {
        if (aVergeben[i] || !archiv[i].bSchluessel) continue;
        const quint64 h = archiv[i].lSchluessel;
        while (l < lNachSchluessel.size() &&
               (lebend[lNachSchluessel[l]].lSchluessel < h ||
                (lebend[lNachSchluessel[l]].lSchluessel == h &&
                 (lVergeben[lNachSchluessel[l]] || !lebend[lNachSchluessel[l]].bSchluessel))))
            ++l;
        if (l < lNachSchluessel.size() && lebend[lNachSchluessel[l]].lSchluessel == h)
            pair(i, lNachSchluessel[l], Verbleib::Geaendert);
    }
    return ergebnis;
}

}  // namespace tolva
