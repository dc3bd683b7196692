/* The component's C entry, loaded the way a host in another language loads it: dlopen by its
   path, the four entry points by dlsym. Usage: wizard_c_entry_host <fixture folder> (made by
   c-entry-test.sh). ORVHBARCHIV_PATH names the library, built in or given by the compiler. */
#include <tolva/hbarchiv.h>

#include <dlfcn.h>
#include <sqlite3.h>
#include <stdio.h>
#include <string.h>

typedef hbarchiv* (*create_fn)(void);
typedef int (*icon_fn)(hbarchiv*, const char*);
typedef int (*archiv_fn)(hbarchiv*, char*, size_t);
typedef void (*release_fn)(hbarchiv*);
typedef void (*arm_fn)(const char*);

static int passed = 0;
static int failed = 0;

static void check(int ok, const char* what) {
    if (ok) {
        ++passed;
    } else {
        ++failed;
        fprintf(stderr, "FAILED: %s\n", what);
    }
}

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const char* folder = argv[1];

    /* The host's own database, through the system's SQLite, open before and after the
       component runs. */
    char eigene[1024];
    snprintf(eigene, sizeof eigene, "%s/host.sqlite", folder);
    remove(eigene);
    sqlite3* host = NULL;
    check(sqlite3_open(eigene, &host) == SQLITE_OK &&
              sqlite3_exec(host, "CREATE TABLE t (x); INSERT INTO t VALUES (42);", NULL, NULL,
                           NULL) == SQLITE_OK,
          "the host's own SQLite database is made");

    void* lib = dlopen(ORVHBARCHIV_PATH, RTLD_NOW | RTLD_LOCAL);
    if (!lib) {
        fprintf(stderr, "dlopen: %s\n", dlerror());
        return 1;
    }
    create_fn create = (create_fn)dlsym(lib, "hbarchiv_create");
    icon_fn icon = (icon_fn)dlsym(lib, "hbarchiv_icon");
    archiv_fn archiv = (archiv_fn)dlsym(lib, "hbarchiv_archiv");
    release_fn release = (release_fn)dlsym(lib, "hbarchiv_release");
    /* The pilot that clicks for this host (which cannot) in the windows the entry shows. */
    arm_fn arm = (arm_fn)dlsym(lib, "tolva_pilot_next_window");
    check(create && icon && archiv && release, "the four entry points are exported");
    if (!create || !icon || !archiv || !release || !arm) return 1;

    hbarchiv* objekt = create();
    check(objekt != NULL, "hbarchiv_create makes an object");

    char pfad[1024];
    snprintf(pfad, sizeof pfad, "%s/Bild.png", folder);
    check(icon(objekt, pfad) == 1, "a picture file is taken");
    check(icon(objekt, "/nicht/da.png") == 0, "a missing picture is refused");
    check(icon(NULL, pfad) == 0, "no object, no picture");

    /* A database without accounts: one message, the window closes, nothing is handed back. */
    char puffer[1024];
    arm("");
    snprintf(puffer, sizeof puffer, "%s/Leer.dat", folder);
    char vorher[1024];
    strcpy(vorher, puffer);
    check(archiv(objekt, puffer, sizeof puffer) == 0, "no accounts: result 0");
    check(strcmp(puffer, vorher) == 0, "no accounts: the name is unchanged");

    /* Cancelled on page 1. */
    arm("cancel");
    snprintf(puffer, sizeof puffer, "%s/Bank.dat", folder);
    strcpy(vorher, puffer);
    check(archiv(objekt, puffer, sizeof puffer) == 0, "cancelled: result 0");
    check(strcmp(puffer, vorher) == 0, "cancelled: the name is unchanged");

    /* The view job hands the listed archive back through the caller's buffer. */
    arm("view");
    char erwartet[1024];
    snprintf(erwartet, sizeof erwartet, "%s/Archive/alt.aba", folder);
    check(archiv(objekt, puffer, sizeof puffer) == 1, "archive chosen: result 1");
    check(strcmp(puffer, erwartet) == 0, "archive chosen: its path is written back");

    /* The chosen path needs strlen + 1 bytes. One byte less: result 0, and neither the buffer
       nor the byte after the size given is touched. Exactly enough: result 1 and the path. */
    const size_t laenge = strlen(erwartet);
    char grenze[1024];
    char grenzeVorher[1024];
    memset(grenze, '#', sizeof grenze);
    snprintf(grenze, sizeof grenze, "%s/Bank.dat", folder);
    memcpy(grenzeVorher, grenze, sizeof grenze);
    arm("view");
    check(archiv(objekt, grenze, laenge) == 0, "buffer one byte short: result 0");
    check(memcmp(grenze, grenzeVorher, sizeof grenze) == 0,
          "buffer one byte short: the buffer and the byte after it are unchanged");
    arm("view");
    check(archiv(objekt, grenze, laenge + 1) == 1, "buffer just large enough: result 1");
    check(strcmp(grenze, erwartet) == 0, "buffer just large enough: it holds the path");
    check(grenze[laenge + 1] == '#', "buffer just large enough: the byte after it is unchanged");

    /* A whole archive run with removal through the C entry, while the host's own SQLite is in
       the process: the component reads and writes its keyed files with its own. */
    char ziel[1024];
    char befehl[1100];
    snprintf(ziel, sizeof ziel, "%s/Archive/neu.aba", folder);
    remove(ziel);
    snprintf(befehl, sizeof befehl, "create:%s", ziel);
    arm(befehl);
    snprintf(puffer, sizeof puffer, "%s/Bank.dat", folder);
    check(archiv(objekt, puffer, sizeof puffer) == 0, "archive made: result 0 (nothing to view)");
    FILE* f = fopen(ziel, "rb");
    long groesse = 0;
    if (f) {
        fseek(f, 0, SEEK_END);
        groesse = ftell(f);
        fclose(f);
    }
    check(groesse > 0 && groesse % 4096 == 0,
          "the archive run through the C entry made the archive");
    sqlite3_stmt* st = NULL;
    check(sqlite3_prepare_v2(host, "SELECT x FROM t", -1, &st, NULL) == SQLITE_OK &&
              sqlite3_step(st) == SQLITE_ROW && sqlite3_column_int(st, 0) == 42,
          "the host's own database still answers through the system's SQLite");
    sqlite3_finalize(st);
    sqlite3_close(host);

    check(archiv(NULL, puffer, sizeof puffer) == 0, "no object: result 0");
    check(archiv(objekt, NULL, 10) == 0, "no buffer: result 0");
    release(objekt);
    release(NULL);

    printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
