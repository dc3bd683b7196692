// ReadOnlyVfs: a SQLite file layer for reading files that must not be written to, not even
// beside them: it never creates a file, and offers no shared memory, so SQLite refuses a file in
// WAL mode (which it would read through a "-wal" and "-shm" file it makes) instead of reading it.
#pragma once

#include <atomic>

struct sqlite3;

namespace tolva {

// The name of the layer for sqlite3_open_v2, registered (not as the default) on the first call.
// Thread-safe.
const char* ReadOnlyVfsName();

// Makes every later read of db's main file fail (SQLITE_IOERR_READ) once *pAbbruch is true:
// stops a step that reads many pages and looks at no cancel flag on its way (SQLite's check of
// every page). db must have its main file open through this layer; the flag must outlive the
// file, which forgets it when it is closed. Nothing happens for another layer's file.
void FailReadsWhenCancelled(sqlite3* db, const std::atomic<bool>* pAbbruch);

}  // namespace tolva
