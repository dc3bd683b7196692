// HashFilter: which 64-bit hashes were seen, for the restore's look-ups: one probe in open
// addressing where a sorted vector would cost twenty cache misses, four bytes a hash.
#pragma once

#include <QtGlobal>

#include <algorithm>
#include <vector>

namespace tolva {

// Keeps of each hash its place (from the high bits) and its low 32 bits. Contains never says
// no for a hash that was inserted; it says yes for one that was not only when a hash with the
// same low 32 bits sits in the few places probed (about once in a billion look-ups), so a yes
// is to be confirmed by the caller. Sized once, before the first Insert, for at most as many
// hashes as it will hold; should more come, it answers yes to everything. Not thread-safe.
class HashFilter {
  public:
    // At most two of three places taken: the probes stay short.
    void Reserve(size_t lAnzahl) {
        plaetze_.assign(std::max<size_t>(16, lAnzahl + lAnzahl / 2 + 1), kLeer);
        lAnzahl_ = 0;
        bVoll_ = false;
    }

    void Insert(quint64 h) {
        if (bVoll_ || plaetze_.empty() || lAnzahl_ + 1 >= plaetze_.size()) {
            bVoll_ = true;
            return;
        }
        const quint32 f = Print(h);
        for (size_t i = Slot(h);; i = Next(i)) {
            if (plaetze_[i] == f) return;
            if (plaetze_[i] == kLeer) {
                plaetze_[i] = f;
                ++lAnzahl_;
                return;
            }
        }
    }

    bool Contains(quint64 h) const {
        if (bVoll_) return true;
        if (plaetze_.empty()) return false;
        const quint32 f = Print(h);
        for (size_t i = Slot(h);; i = Next(i)) {
            if (plaetze_[i] == f) return true;
            if (plaetze_[i] == kLeer) return false;
        }
    }

    // Gives the memory back.
    void Clear() {
        std::vector<quint32>().swap(plaetze_);
        lAnzahl_ = 0;
        bVoll_ = false;
    }

  private:
    static constexpr quint32 kLeer = 0;

    // The hashes are mixed already: their value scaled to the table is the place.
    size_t Slot(quint64 h) const {
        return static_cast<size_t>((static_cast<unsigned __int128>(h) * plaetze_.size()) >> 64);
    }
    static quint32 Print(quint64 h) {
        const auto f = static_cast<quint32>(h);
        return f == kLeer ? 1 : f;
    }
    size_t Next(size_t i) const { return i + 1 == plaetze_.size() ? 0 : i + 1; }

    std::vector<quint32> plaetze_;
    size_t lAnzahl_ = 0;
    bool bVoll_ = false;
};

}  // namespace tolva
