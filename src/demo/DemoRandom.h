// DemoRandom: the small deterministic random source of the demo-database generator.
#pragma once

#include <QtGlobal>

#include <cstddef>
#include <cstdint>

namespace tolva::demo {

// splitmix64 seeding a xoshiro256** generator. The same seed gives the same sequence on
// every platform and compiler: nothing here uses the standard library's distributions.
// Not thread-safe; one generator per stream of data.
class DemoRandom {
  public:
    explicit DemoRandom(quint64 seed);

    // A generator for one independent stream (say, one table) derived from a base seed.
    static DemoRandom Stream(quint64 seed, quint64 stream);

    quint64 Next();
    // Uniform in [0, n); 0 when n == 0.
    quint64 Below(quint64 n);
    // Uniform in [lMin, lMax]. Precondition: lMin <= lMax.
    qint64 Between(qint64 lMin, qint64 lMax);
    // True with the given chance in percent (0..100).
    bool Chance(int lProzent);
    // One of `count` entries. Precondition: count > 0.
    template <typename T>
    const T& Pick(const T* entries, std::size_t count) {
        return entries[Below(count)];
    }

  private:
    quint64 s_[4];
};

// One step of splitmix64: advances state and returns the next output.
quint64 SplitMix64(quint64& state);

}  // namespace tolva::demo
