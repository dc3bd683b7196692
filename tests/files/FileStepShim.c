/* Records the file steps of a process, for the test of their order: every successful fsync
   and fdatasync with the path of its descriptor, and every successful rename, one line each
   in the file named by TOLVA_FILE_STEPS. With TOLVA_SIGNAL_AFTER set, the process sends itself
   SIGTERM right after the first successful unlink of a name ending with that text (SQLite
   deletes a journal when a transaction commits): a signal that meets a job as it commits.
   Loaded into tolva-archiv with LD_PRELOAD. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static void record(const char* was, const char* a, const char* b) {
    const char* log = getenv("TOLVA_FILE_STEPS");
    if (!log) return;
    char zeile[2 * PATH_MAX + 32];
    const int n = snprintf(zeile, sizeof zeile, "%s\t%s\t%s\n", was, a, b);
    const int fd = open(log, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0) return;
    if (n > 0) (void)!write(fd, zeile, (size_t)n < sizeof zeile ? (size_t)n : sizeof zeile);
    close(fd);
}

static void record_fd(const char* was, int fd) {
    char link[64];
    char pfad[PATH_MAX];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, pfad, sizeof pfad - 1);
    pfad[n < 0 ? 0 : n] = '\0';
    record(was, pfad, "");
}

int fsync(int fd) {
    static int (*echt)(int) = NULL;
    if (!echt) echt = (int (*)(int))dlsym(RTLD_NEXT, "fsync");
    const int rc = echt(fd);
    if (rc == 0) record_fd("fsync", fd);
    return rc;
}

int fdatasync(int fd) {
    static int (*echt)(int) = NULL;
    if (!echt) echt = (int (*)(int))dlsym(RTLD_NEXT, "fdatasync");
    const int rc = echt(fd);
    if (rc == 0) record_fd("fsync", fd);
    return rc;
}

int rename(const char* alt, const char* neu) {
    static int (*echt)(const char*, const char*) = NULL;
    if (!echt) echt = (int (*)(const char*, const char*))dlsym(RTLD_NEXT, "rename");
    const int rc = echt(alt, neu);
    if (rc == 0) record("rename", alt, neu);
    return rc;
}

int unlink(const char* pfad) {
    static int (*echt)(const char*) = NULL;
    static int gesendet = 0;
    if (!echt) echt = (int (*)(const char*))dlsym(RTLD_NEXT, "unlink");
    const int rc = echt(pfad);
    const char* ende = getenv("TOLVA_SIGNAL_AFTER");
    if (rc == 0 && ende && !gesendet) {
        const size_t n = strlen(pfad), m = strlen(ende);
        if (n >= m && strcmp(pfad + n - m, ende) == 0) {
            gesendet = 1;
            raise(SIGTERM);
        }
    }
    return rc;
}
