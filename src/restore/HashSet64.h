// HashSet64: a set of 64-bit hashes for the restore's look-ups, one probe in open addressing
// where a sorted vector would cost twenty cache misses.
#pragma once

#include <QtGlobal>

#include <vector>

namespace tolva {

// Holds hashes (any value, 0 included). Sized once for the number of values it will hold;
// grows by doubling when that was too few. Not thread-safe.
class HashSet64 {
  public:
    void Reserve(size_t lAnzahl) {
        size_t lPlaetze = 16;
        while (lPlaetze < 2 * lAnzahl) lPlaetze *= 2;
        if (lPlaetze > plaetze_.size()) Rehash(lPlaetze);
    }

    void Insert(quint64 h) {
        if (h == kLeer) {
            bLeerDrin_ = true;
            return;
        }
        if (2 * (lAnzahl_ + 1) > plaetze_.size())
            Rehash(plaetze_.empty() ? 16 : 2 * plaetze_.size());
        for (size_t i = Slot(h);; i = (i + 1) & (plaetze_.size() - 1)) {
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
        for (size_t i = Slot(h);; i = (i + 1) & (plaetze_.size() - 1)) {
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

    size_t Slot(quint64 h) const {
        // The hashes are mixed already; the high bits spread best.
        return static_cast<size_t>((h * 0x9E3779B97F4A7C15ULL) >> 20) & (plaetze_.size() - 1);
    }

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
