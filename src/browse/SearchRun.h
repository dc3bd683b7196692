// SearchRun: one search across files on worker threads, each file's hits handed over as soon
// as that file is done; and SearchEverywhere, the same search waited for as one list.
#pragma once

#include "browse/BrowseSearch.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace tolva {

// Every file is searched on a worker with a read-only connection of its own (never one
// connection on two threads); the largest files are begun first. At most one worker per core
// and per file. Owns its workers: none outlives the object.
class SearchRun {
  public:
    // Called once per file that was searched or skipped (FileHits), on the worker that did
    // it, possibly on several workers at once; never once Cancel has returned. It must not
    // call Cancel or Wait.
    using FileDone = std::function<void(FileHits)>;

    // Lists the files (FilesToSearch) and starts the workers at once.
    SearchRun(SearchRequest auftrag, FileDone pFertig);
    // Cancel.
    ~SearchRun();

    const QStringList& Files() const { return dateien_; }
    int Threads() const { return int(arbeiter_.size()); }

    // Begins no further file, interrupts the running statements (sqlite3_interrupt) and
    // returns when every worker has ended; the files it stopped are not reported. Call it from
    // the thread that made the object. Harmless when the search is over.
    void Cancel();
    // Returns when every file is done (or Cancel stopped them).
    void Wait();

    SearchRun(const SearchRun&) = delete;
    SearchRun& operator=(const SearchRun&) = delete;

  private:
    void Work();
    // Keeps the file a worker reads in offen_ (nullptr: takes back the one it read).
    void Track(BrowseFile* datei, BrowseFile*& meine);

    SearchRequest auftrag_;
    FileDone pFertig_;
    QStringList dateien_;
    std::vector<int> reihenfolge_;  // the files' numbers, the largest file first
    std::atomic<size_t> naechste_{0};
    std::atomic<bool> bAbbruch_{false};
    std::mutex offenSperre_;
    std::vector<BrowseFile*> offen_;  // the files being read now; guarded by offenSperre_
    std::vector<std::thread> arbeiter_;
};

// How many workers search lDateien files when lGewuenscht are asked for (0: one per core):
// never more than the machine's cores nor than the files, at least one for any file; one
// when the SQLite library was built without threads.
int SearchThreads(int lGewuenscht, int lDateien);

// Searches the bookings of the live database sDatenbank (may be empty: none) and of every
// archive (*.aba) in sOrdner (may be empty: none) for sText, as BookingFilter's text does,
// lThreads files at once (SearchThreads). Archives with a password are skipped unless
// aPasswoerter holds theirs (by full path); files that cannot be read are skipped, each with
// a message naming it and the reason. A text that folds to nothing finds nothing.
// Hits come in ComesBefore order; lHoechstens > 0 keeps only that many hits, the newest. The
// result does not depend on lThreads. Never writes.
SearchResult SearchEverywhere(const QString& sText, const QString& sDatenbank,
                              const QString& sOrdner,
                              const std::map<QString, QString>& aPasswoerter = {},
                              qint64 lHoechstens = 0, int lThreads = 0);

}  // namespace tolva
