// The CBF entry called directly: arguments it refuses and buffer bounds.
#include "cipher/orvcbf.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace {

constexpr std::int32_t kScramble = 0x7F00;
constexpr std::int32_t kUnscramble = 0x10000;

TEST(Cbf, RefusesNullPointersAndBadLengthsWithoutTouchingTheOutput) {
    const char in[8] = {'G', 'e', 'h', 'e', 'i', 'm', 0, 0};
    char out[8];
    std::memcpy(out, in, sizeof out);
    std::int32_t len = 8;
    EXPECT_EQ(CBF(kScramble + 'G', nullptr, out, &len, -1), -1);
    EXPECT_EQ(CBF(kScramble + 'G', in, nullptr, &len, -1), -1);
    EXPECT_EQ(CBF(kScramble + 'G', in, out, nullptr, -1), -1);
    for (std::int32_t bad : {-4, -1, 1, 3, 6, 7}) {
        len = bad;
        EXPECT_EQ(CBF(kScramble + 'G', in, out, &len, 0), -1) << bad;
        EXPECT_EQ(len, bad);
    }
    EXPECT_EQ(std::memcmp(out, in, sizeof out), 0);

    len = 0;
    EXPECT_EQ(CBF(kScramble + 'G', in, out, &len, 0), 0);
    EXPECT_EQ(len, 0);
    EXPECT_EQ(std::memcmp(out, in, sizeof out), 0);
}

TEST(Cbf, StaysWithinTheGivenLength) {
    std::array<char, 16> in{};
    std::array<char, 16> out{};
    in.fill('#');
    out.fill('#');
    std::int32_t len = 8;
    for (std::int32_t key : {kScramble + '#', kUnscramble + '#'}) {
        ASSERT_EQ(CBF(key, in.data(), out.data(), &len, -1), 0);
        EXPECT_EQ(len, 8);
        for (std::size_t i = 8; i < out.size(); ++i) EXPECT_EQ(out[i], '#') << i;
    }
}

}  // namespace
