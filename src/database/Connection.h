// Connection: the ADO-like connection to one keyed SQLCipher database file.
#pragma once

#include "common/Result.h"

#include <QString>

struct sqlite3;

namespace tolva {

// Owns one sqlite3 handle while open. Not copyable. Closing (or destroying) a connection
// with an open transaction rolls that transaction back. Not thread-safe: one thread uses it.
class Connection {
  public:
    static constexpr int adStateClosed = 0;
    static constexpr int adStateOpen = 1;
    static constexpr int adModeUnknown = 0;
    static constexpr int adModeShareExclusive = 12;

    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Share mode for the next Open: adModeShareExclusive keeps every other connection out
    // of the file until this one closes.
    void SetMode(int lMode) { mode_ = lMode; }
    int Mode() const { return mode_; }

    // Lets files attached later be named by URI ("file:...?mode=ro"); the file of Open itself
    // is always taken as a path. For the next Open.
    void AllowUriNames(bool bErlaubt) { uriNames_ = bErlaubt; }

    // The name that messages give the file, when it is not the file's own: a run writes the
    // archive under a temporary name, but the user knows only the target. Kept across Close.
    void SetDisplayName(const QString& sName) { displayName_ = sName; }
    // The display name when set, else the open file's path.
    QString MessageName() const;

    // Opens the file named by the connection text (see ConnectionText.h) and keys it with
    // the text's password. Never creates a file. Fails with a description in the language shown
    // when the file is missing, is not a database, is not opened by the key, or is locked. In
    // adModeShareExclusive the exclusive lock covers this file only, not files attached
    // later. Every statement on the connection ends early when a cancellation is requested
    // (database/Cancel.h).
    // Precondition: State() == adStateClosed. User, password and options are accepted as
    // ADO takes them and have no further meaning.
    Status Open(const QString& connectionText, const QString& user = QString(),
                const QString& password = QString(), long options = -1);

    int State() const { return db_ ? adStateOpen : adStateClosed; }

    // One transaction at a time; BeginTrans takes the write lock at once.
    Status BeginTrans();
    Status CommitTrans();
    Status RollbackTrans();
    bool InTransaction() const { return inTransaction_; }

    // Runs one SQL text (after dialect mapping). No result rows are returned.
    Status Execute(const QString& sql);
    // The page cache of the main database in KiB; every connection opens with kCacheKiB.
    // A smaller one gives its pages' memory back at once.
    static constexpr int kCacheKiB = 8192;
    Status SetCacheKiB(int lKiB);

    // Does what of the open transaction's commit can be done before it: writes the changed
    // pages to the file now, taking the lock that the commit needs (waiting for readers up to
    // the busy timeout), and forces the file to the disk. A following CommitTrans can then not
    // be refused by readers, and with a rollback journal only forces the file once more (with
    // nothing new in it) and removes the journal; in WAL mode it writes its commit record.
    // Fails with the in-use message naming the file when readers stay, or with the reason of a
    // failed write; the transaction stays open then, for the caller to roll back.
    Status PrepareCommit();

    // Rolls back an open transaction and closes the file. Safe to call when closed.
    void Close();

    // The path of the open file (empty when closed).
    const QString& DataSource() const { return dataSource_; }

    // The raw handle for the recordsets and bulk routines of the engine; null when closed.
    // The connection keeps ownership.
    sqlite3* Handle() const { return db_; }

  private:
    sqlite3* db_ = nullptr;
    int mode_ = adModeUnknown;
    bool uriNames_ = false;
    bool inTransaction_ = false;
    QString dataSource_;
    QString displayName_;
};

// Turns the last error of a handle into a description in the language shown, naming the file where
// useful.
Error DatabaseError(sqlite3* db, int rc, const QString& sDatei = QString());

}  // namespace tolva
