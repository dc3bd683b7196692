// SearchRun: the workers of a search across files, and SearchEverywhere on top of them.
#include "browse/SearchRun.h"

#include <QFileInfo>

#include <sqlite3.h>

#include <algorithm>

namespace tolva {

int SearchThreads(int lGewuenscht, int lDateien) {
    // Our SQLCipher is built serialized (SQLITE_THREADSAFE=1); a library without any
    // threading support would get one worker.
    if (sqlite3_threadsafe() == 0) return std::min(1, lDateien);
    const int lKerne = std::max(1, int(std::thread::hardware_concurrency()));
    const int lThreads = lGewuenscht > 0 ? std::min(lGewuenscht, lKerne) : lKerne;
    return std::max(0, std::min(lThreads, lDateien));
}

SearchRun::SearchRun(SearchRequest auftrag, FileDone pFertig)
    : auftrag_(std::move(auftrag)), pFertig_(std::move(pFertig)) {
    dateien_ = FilesToSearch(auftrag_);
    // The largest file first: the workers then end at about the same time.
    std::vector<std::pair<qint64, int>> groessen;
    for (int n = 0; n < int(dateien_.size()); ++n)
        groessen.emplace_back(QFileInfo(dateien_[n]).size(), n);
    std::stable_sort(groessen.begin(), groessen.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& [lGroesse, n] : groessen) reihenfolge_.push_back(n);
    const int lThreads = SearchThreads(auftrag_.lThreads, int(dateien_.size()));
    arbeiter_.reserve(size_t(lThreads));
    for (int i = 0; i < lThreads; ++i) arbeiter_.emplace_back([this] { Work(); });
}

SearchRun::~SearchRun() {
    Cancel();
}

void SearchRun::Track(BrowseFile* datei, BrowseFile*& meine) {
    const std::lock_guard sperre(offenSperre_);
    if (datei) {
        offen_.push_back(datei);
    } else {
        offen_.erase(std::find(offen_.begin(), offen_.end(), meine));
    }
    meine = datei;
}

void SearchRun::Work() {
    for (;;) {
        if (bAbbruch_.load()) return;
        const size_t i = naechste_.fetch_add(1);
        if (i >= reihenfolge_.size()) return;
        const int n = reihenfolge_[i];
        BrowseFile* meine = nullptr;
        FileHits ergebnis = SearchOneFile(auftrag_, n, dateien_[n], &bAbbruch_,
                                          [&](BrowseFile* datei) { Track(datei, meine); });
        // A file stopped halfway says nothing about the file.
        if (bAbbruch_.load()) return;
        pFertig_(std::move(ergebnis));
    }
}

void SearchRun::Cancel() {
    bAbbruch_.store(true);
    {
        // The progress handler stops a statement within a few thousand steps anyway; this
        // stops it before its next step.
        const std::lock_guard sperre(offenSperre_);
        for (BrowseFile* datei : offen_) datei->Interrupt();
    }
    Wait();
}

void SearchRun::Wait() {
    for (std::thread& t : arbeiter_)
        if (t.joinable()) t.join();
}

SearchResult SearchEverywhere(const QString& sText, const QString& sDatenbank,
                              const QString& sOrdner,
                              const std::map<QString, QString>& aPasswoerter, qint64 lHoechstens,
                              int lThreads) {
    std::mutex sperre;
    std::vector<FileHits> dateien;
    SearchRun lauf(SearchRequest{sText, sDatenbank, sOrdner, aPasswoerter, lHoechstens, lThreads},
                   [&](FileHits datei) {
                       const std::lock_guard halten(sperre);
                       dateien.push_back(std::move(datei));
                   });
    lauf.Wait();
    return MergeHits(std::move(dateien), lHoechstens);
}

}  // namespace tolva
