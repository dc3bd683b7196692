// The CBF entry called directly: arguments it refuses, buffer bounds, key bits, in-place use.
#include "cipher/orvcbf.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

namespace {

constexpr std::int32_t kScramble = 0x7F00;
constexpr std::int32_t kUnscramble = 0x10000;

std::string CallCbf(std::int32_t key, const std::string& in, std::int32_t flag) {
    std::string out = in;
    std::int32_t len = static_cast<std::int32_t>(in.size());
    EXPECT_EQ(CBF(key, in.data(), out.data(), &len, flag), 0);
    EXPECT_EQ(len, static_cast<std::int32_t>(in.size()));
    return out;
}

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

TEST(Cbf, UsesOnlyTheSeedByteAndTheDirectionBitOfTheKey) {
    const std::string plain("Kontoauszug\0", 12);
    const std::string cipher = CallCbf(kScramble + 'K', plain, 0);
    EXPECT_EQ(CallCbf('K', plain, 0), cipher);
    EXPECT_EQ(CallCbf(static_cast<std::int32_t>(0xFFFE0000u) | 'K', plain, 0), cipher);

    const auto first = static_cast<unsigned char>(cipher[0]);
    EXPECT_EQ(CallCbf(kUnscramble + first, cipher, 0), plain);
    EXPECT_EQ(CallCbf(static_cast<std::int32_t>(0x7FFF0000u) | first, cipher, 0), plain);
    // The first plain byte comes from the key, not from the buffer.
    EXPECT_EQ(CallCbf(kScramble + 'K', "X" + plain.substr(1), 0), cipher);
}

TEST(Cbf, WorksInPlace) {
    const std::string plain("Sammelauftrag 2013-07-05\0\0\0\0", 28);
    for (std::int32_t flag : {-1, 0}) {
        const std::string cipher = CallCbf(kScramble + 'S', plain, flag);
        std::string buffer = plain;
        std::int32_t len = static_cast<std::int32_t>(buffer.size());
        ASSERT_EQ(CBF(kScramble + 'S', buffer.data(), buffer.data(), &len, flag), 0);
        EXPECT_EQ(buffer, cipher);
        ASSERT_EQ(CBF(kUnscramble + static_cast<unsigned char>(buffer[0]), buffer.data(),
                      buffer.data(), &len, flag),
                  0);
        EXPECT_EQ(buffer, plain);
    }
}

}  // namespace
