/* A test cipher library: records every CBF call and passes it on to orvcbf. */
#include "CountingCbf.h"

#include <dlfcn.h>
#include <string.h>

static CountingCbfRecord record;

CountingCbfRecord* CountingCbfCalls(void) {
    return &record;
}

int32_t CBF(int32_t key, const char* in, char* out, int32_t* len, int32_t flag) {
    typedef int32_t (*Entry)(int32_t, const char*, char*, int32_t*, int32_t);
    ++record.calls;
    record.key = key;
    record.flag = flag;
    record.len = len ? *len : -1;
    memset(record.in, 0, sizeof record.in);
    if (in && record.len > 0)
        memcpy(record.in, in,
               record.len < kCountingCbfMaxBytes ? (size_t)record.len : sizeof record.in);

    /* Looked up in orvcbf itself: a plain call would resolve to this very function. */
    void* library = dlopen(ORVCBF_PATH, RTLD_NOW | RTLD_LOCAL);
    Entry real = library ? (Entry)dlsym(library, "CBF") : NULL;
    const int32_t result = real ? real(key, in, out, len, flag) : -2;
    if (library) dlclose(library);
    return result;
}
