// The search across the live database and the archives of a folder: which files, one file's
// hits, and how the files' hits become one list.
#pragma once

#include "browse/BrowseFile.h"

#include <QStringList>

#include <atomic>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace tolva {

// One hit of a search.
struct SearchHit {
    QString sDatei;  // the file's full path
    QString sKonto;  // the account's label (BrowseFile::AccountLabels), else UnknownAccountLabel
    BookingRow buchung;
    bool bKontozeile = true;  // false: the file has no row for the account (sKonto is made up)
};

// A file that a search left out, and why.
struct SkippedFile {
    QString sDatei;  // full path
    Error grund;  // in the language shown; code kCodePasswortFehlt or kCodePasswortFalsch for the
                  // password
};

struct SearchResult {
    std::vector<SearchHit> treffer;          // newest first (date, then file, then id)
    std::vector<SkippedFile> uebersprungen;  // in the order the files were listed
    bool bGekuerzt = false;                  // more hits than lHoechstens: the newest are kept
};

// What a search looks for, and where.
struct SearchRequest {
    QString sText;       // as BookingFilter's text; a text that folds to nothing finds nothing
    QString sDatenbank;  // the live database; empty: none
    QString sOrdner;     // the archives' folder; empty: none
    std::map<QString, QString> passwoerter;  // per archive's full path
    qint64 lHoechstens = 0;                  // > 0: only that many hits, the newest
    int lThreads = 0;  // files searched at once; 0 or more than the cores: one per core
};

// What one file gave: its hits, newest first and at most lHoechstens + 1 of them (one more
// tells that there were more), or why it was left out.
struct FileHits {
    int lNummer = 0;  // its place in FilesToSearch
    QString sDatei;
    std::vector<SearchHit> treffer;
    std::optional<SkippedFile> uebersprungen;
};

// The archives (*.aba, hidden ones too) in sOrdner that a search goes through besides the
// database sDatenbank (which is left out when it lies there), by full path in name order.
QStringList ArchivesToSearch(const QString& sOrdner, const QString& sDatenbank);

// Every file of the request by full path: the live database first, then ArchivesToSearch.
// None when the text folds to nothing.
QStringList FilesToSearch(const SearchRequest& auftrag);

// Whether hit a comes before b in a search's list: the newer date first, within a day by
// file path, then the newer (higher) id first.
bool ComesBefore(const SearchHit& a, const SearchHit& b);

// Searches file lNummer of FilesToSearch(auftrag), sDatei, on the calling thread with a
// connection of its own. Archives with a password are skipped unless auftrag.passwoerter
// holds theirs; a file that cannot be read is skipped with a message naming it and the
// reason. pAbbruch (may be null) stops the work as in BrowseFile::Open; the result
// of a stopped file says it was skipped and is meant to be thrown away. pOffen (may be empty)
// is told of the open file before its first statement and with nullptr before it is closed,
// so that another thread may interrupt it meanwhile. Never writes.
FileHits SearchOneFile(const SearchRequest& auftrag, int lNummer, const QString& sDatei,
                       const std::atomic<bool>* pAbbruch = nullptr,
                       const std::function<void(BrowseFile*)>& pOffen = {});

// One list of the files' hits, in ComesBefore order, cut to the newest lHoechstens (> 0); the
// skipped files in the order of their lNummer, whatever order dateien comes in.
SearchResult MergeHits(std::vector<FileHits> dateien, qint64 lHoechstens);

}  // namespace tolva
