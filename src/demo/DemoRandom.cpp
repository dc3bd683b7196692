// DemoRandom: the small deterministic random source of the demo-database generator.
#include "demo/DemoRandom.h"

namespace tolva::demo {

namespace {

quint64 Rotl(quint64 x, int k) {
    return (x << k) | (x >> (64 - k));
}

}  // namespace

quint64 SplitMix64(quint64& state) {
    quint64 z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

DemoRandom::DemoRandom(quint64 seed) {
    quint64 state = seed;
    for (quint64& word : s_) word = SplitMix64(state);
}

DemoRandom DemoRandom::Stream(quint64 seed, quint64 stream) {
    quint64 state = seed ^ (stream * 0xD1B54A32D192ED03ULL);
    return DemoRandom(SplitMix64(state));
}

quint64 DemoRandom::Next() {
    const quint64 result = Rotl(s_[1] * 5, 7) * 9;
    const quint64 t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = Rotl(s_[3], 45);
    return result;
}

quint64 DemoRandom::Below(quint64 n) {
    if (n == 0) return 0;
    // Multiply-shift: the high half of the 128-bit product Next() * n is uniform enough for
    // test data and needs no division. Built from 32-bit halves to stay portable.
    const quint64 x = Next();
    const quint64 xHi = x >> 32, xLo = x & 0xFFFFFFFFULL;
    const quint64 nHi = n >> 32, nLo = n & 0xFFFFFFFFULL;
    const quint64 loLo = xLo * nLo;
    const quint64 hiLo = xHi * nLo;
    const quint64 loHi = xLo * nHi;
    const quint64 mitte = (loLo >> 32) + (hiLo & 0xFFFFFFFFULL) + (loHi & 0xFFFFFFFFULL);
    return xHi * nHi + (hiLo >> 32) + (loHi >> 32) + (mitte >> 32);
}

qint64 DemoRandom::Between(qint64 lMin, qint64 lMax) {
    const quint64 span = static_cast<quint64>(lMax - lMin) + 1;
    if (span == 0) return static_cast<qint64>(Next());  // the whole 64-bit range
    return lMin + static_cast<qint64>(Below(span));
}

bool DemoRandom::Chance(int lProzent) {
    return Below(100) < static_cast<quint64>(lProzent);
}

}  // namespace tolva::demo
