// Keys a freshly opened SQLCipher handle: the passphrase and the two fixed cipher pragmas.
#pragma once

#include "common/Result.h"

#include <QString>

struct sqlite3;

namespace tolva {

// Runs, before any read of the file:
//   PRAGMA key = '<passphrase>'; PRAGMA cipher_page_size = 4096; PRAGMA kdf_iter = 4000;
// Precondition: db was just opened and nothing has been read from it yet.
Status ApplyKey(sqlite3* db, const QString& passphrase);

}  // namespace tolva
