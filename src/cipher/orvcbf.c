/* orvcbf: the cipher library behind the scrambled texts of the banking database. */
#include "orvcbf.h"

#include <stddef.h>

/*
 * How CBF works. Key bits 0-7: seed byte; bit 16: direction (0 scramble, 1 unscramble); other
 * bits are ignored. Scrambling writes out[0] = S_flag(seed), the seed being the code of the
 * first plain character, and every later byte as plain + k mod 256, where k in 1..255 comes
 * from a state mixed from seed, flag, position and the previous cipher byte: no byte stays
 * readable (padding included) and equal plain bytes give different cipher bytes. Unscrambling
 * gets the first stored byte in the key, restores seed = S_flag^-1(key & 0xFF), rebuilds the
 * states from the cipher bytes and subtracts. S_flag(x) = Shuffle^-1(Shuffle(x) + d_flag) is
 * one 256-cycle (no fixed point) and S_true(x) != S_false(x) for every x, so the two flags
 * never undo each other.
 */

static uint8_t RotateLeft(uint8_t x, unsigned n) {
    return (uint8_t)((x << n) | (x >> (8u - n)));
}

/* A fixed byte permutation that S_flag is built around. */
static uint8_t Shuffle(uint8_t x) {
    x = (uint8_t)((x ^ 0xA5u) * 0x6Du);
    x = RotateLeft(x, 3);
    x = (uint8_t)(x * 0xC5u + 0x3Bu);
    return (uint8_t)(x ^ (x >> 4));
}

static uint8_t Unshuffle(uint8_t y) {
    unsigned x;
    for (x = 0; x < 256u; ++x)
        if (Shuffle((uint8_t)x) == y) break;
    return (uint8_t)x;
}

static uint8_t FlagOffset(int bFlag) {
    return bFlag ? 0xA7u : 0x5Bu;
}

static uint8_t SeedToByte(uint8_t seed, int bFlag) {
    return Unshuffle((uint8_t)(Shuffle(seed) + FlagOffset(bFlag)));
}

static uint8_t ByteToSeed(uint8_t stored, int bFlag) {
    return Unshuffle((uint8_t)(Shuffle(stored) - FlagOffset(bFlag)));
}

static uint32_t Mix32(uint32_t h) {
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return h;
}

static uint32_t FirstState(uint8_t seed, int bFlag) {
    return Mix32((uint32_t)seed * 0x9E3779B1u ^ (bFlag ? 0x6A09E667u : 0xBB67AE85u));
}

/* Offset 1..255 for the byte at position i, after the cipher byte previous. */
static uint8_t NextOffset(uint32_t* state, int32_t i, uint8_t previous) {
    *state = Mix32(*state ^ ((uint32_t)i * 0x27D4EB2Fu + previous));
    return (uint8_t)(1u + *state % 255u);
}

int32_t CBF(int32_t key, const char* in, char* out, int32_t* len, int32_t flag) {
    if (in == NULL || out == NULL || len == NULL) return -1;
    const int32_t n = *len;
    if (n < 0 || n % 4 != 0) return -1;
    if (n == 0) return 0;

    const int bFlag = flag != 0;
    const int bUnscramble = (((uint32_t)key >> 16) & 1u) != 0;
    const uint8_t keyByte = (uint8_t)((uint32_t)key & 0xFFu);
    const uint8_t seed = bUnscramble ? ByteToSeed(keyByte, bFlag) : keyByte;
    uint32_t state = FirstState(seed, bFlag);

    /* The previous cipher byte is kept aside so that in and out may be the same buffer. */
    uint8_t previous = bUnscramble ? (uint8_t)in[0] : SeedToByte(seed, bFlag);
    out[0] = (char)(bUnscramble ? seed : previous);
    for (int32_t i = 1; i < n; ++i) {
        const uint8_t byte = (uint8_t)in[i];
        const uint8_t offset = NextOffset(&state, i, previous);
        if (bUnscramble) {
            out[i] = (char)(uint8_t)(byte - offset);
            previous = byte;
        } else {
            previous = (uint8_t)(byte + offset);
            out[i] = (char)previous;
        }
    }
    return 0;
}
