/* The C entry of the component OrvHbArchiv5: for hosts in any language (dlopen + dlsym). */
#ifndef TOLVA_HBARCHIV_H
#define TOLVA_HBARCHIV_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define HBARCHIV_EXPORT __attribute__((visibility("default")))
#else
#define HBARCHIV_EXPORT
#endif

/* One component object; made by hbarchiv_create, ended by hbarchiv_release. */
typedef struct hbarchiv hbarchiv;

/* A new object, or NULL when none can be made. */
HBARCHIV_EXPORT hbarchiv* hbarchiv_create(void);

/* Hands the object a picture from a file (kept, not shown). Returns 1 when the file was read
   as a picture, 0 otherwise (the object then keeps no picture). */
HBARCHIV_EXPORT int hbarchiv_icon(hbarchiv* objekt, const char* bilddatei);

/* Shows the archiving wizard for the banking database named by dateiname (UTF-8, full path,
   NUL-terminated within groesse bytes) and returns when it has closed. Returns 1 when the user
   chose an archive to view: its full path (UTF-8) is then written into dateiname, which holds
   groesse bytes. Returns 0 otherwise -- also after an archive was created, when dateiname or
   objekt is NULL, and when the chosen path does not fit into groesse bytes -- and leaves
   dateiname unchanged. Runs on the calling thread; makes a Qt application for the call when
   the process has none. */
HBARCHIV_EXPORT int hbarchiv_archiv(hbarchiv* objekt, char* dateiname, size_t groesse);

/* Ends the object. NULL is allowed. */
HBARCHIV_EXPORT void hbarchiv_release(hbarchiv* objekt);

#ifdef __cplusplus
}
#endif

#endif
