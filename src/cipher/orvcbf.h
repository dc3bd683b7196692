/* orvcbf: the cipher library behind the scrambled texts of the banking database. */
#ifndef ORVCBF_H
#define ORVCBF_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Scrambles or unscrambles len bytes. `in` holds the text, `out` a copy of it on entry and
 * the result on return; *len is the byte count (a multiple of 4) and stays as it is. The
 * key says the direction and carries the seed byte (see orvcbf.c); flag is -1 or 0 and
 * selects one of two independent keystreams. Returns 0, or -1 for bad arguments. */
int32_t CBF(int32_t key, const char* in, char* out, int32_t* len, int32_t flag);

#ifdef __cplusplus
}
#endif

#endif
