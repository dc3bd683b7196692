// ReadOnlyVfs: a SQLite file layer for reading files that must not be written to, not even
// beside them: it never creates a file, and offers no shared memory, so SQLite refuses a file in
// WAL mode (which it would read through a "-wal" and "-shm" file it makes) instead of reading it.
#pragma once

namespace tolva {

// The name of the layer for sqlite3_open_v2, registered (not as the default) on the first call.
// Thread-safe.
const char* ReadOnlyVfsName();

}  // namespace tolva
