/* A test cipher library: records every CBF call and passes it on to orvcbf. */
#ifndef COUNTING_CBF_H
#define COUNTING_CBF_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

enum { kCountingCbfMaxBytes = 256 };

/* The calls so far and the arguments of the last one (its input bytes up to the maximum). */
typedef struct CountingCbfRecord {
    int32_t calls;
    int32_t key;
    int32_t len;
    int32_t flag;
    unsigned char in[kCountingCbfMaxBytes];
} CountingCbfRecord;

/* Same entry as orvcbf's; -2 when orvcbf cannot be reached. */
int32_t CBF(int32_t key, const char* in, char* out, int32_t* len, int32_t flag);
/* The record; reset it by clearing calls. */
CountingCbfRecord* CountingCbfCalls(void);

#ifdef __cplusplus
}
#endif

#endif
