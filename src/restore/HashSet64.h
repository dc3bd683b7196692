// HashSet64: a set of 64-bit hashes for the restore's look-ups, one probe in open addressing
// where a sorted vector would cost twenty cache misses.
#pragma once

#include <QtGlobal>

#include <algorithm>
#include <vector>

namespace tolva {

// Holds hashes (any value, 0 included), about 12 bytes each. Sized once for the number of
// values it will hold; grows when that was too few. Not thread-safe.
class HashSet64 {
  public:
    void Reserve(size_t lAnzahl) {
        const size_t lPlaetze = std::max<size_t>(16, lAnzahl + lAnzahl / 2 + 1);
        if (lPlaetze > plaetze_.size()) Rehash(lPlaetze);
    }

    void Insert(quint64 h) {
        if (h == kLeer) {
            bLeerDrin_ = true;
            return;
        }
        // At most three of four places taken: the probes stay short.
        if (4 * (lAnzahl_ + 1) > 3 * plaetze_.size())
            Rehash(std::max<size_t>(16, 2 * plaetze_.size()));
        for (size_t i = Slot(h);; i = Next(i)) {
            if (plaetze_[i] == h) return;
            if (plaetze_[i] == kLeer) {
                plaetze_[i] = h;
                ++lAnzahl_;
                return;
            }
        }
    }

    bool Contains(quint64 h) const {
        if (h == kLeer) return bLeerDrin_;
        if (plaetze_.empty()) return false;
        for (size_t i = Slot(h);; i = Next(i)) {
            if (plaetze_[i] == h) return true;
            if (plaetze_[i] == kLeer) return false;
        }
    }

    // Gives the memory back.
    void Clear() {
        std::vector<quint64>().swap(plaetze_);
        lAnzahl_ = 0;
        bLeerDrin_ = false;
    }

  private:
    static constexpr quint64 kLeer = 0;

    // The hashes are mixed already: their value scaled to the table is the place.
    size_t Slot(quint64 h) const {
        return static_cast<size_t>((static_cast<unsigned __int128>(h) * plaetze_.size()) >> 64);
    }
    size_t Next(size_t i) const { return i + 1 == plaetze_.size() ? 0 : i + 1; }

    void Rehash(size_t lPlaetze) {
        std::vector<quint64> alt(lPlaetze, kLeer);
        alt.swap(plaetze_);
        lAnzahl_ = 0;
        for (quint64 h : alt)
            if (h != kLeer) Insert(h);
    }

    std::vector<quint64> plaetze_;
    size_t lAnzahl_ = 0;
    bool bLeerDrin_ = false;
};

}  // namespace tolva
