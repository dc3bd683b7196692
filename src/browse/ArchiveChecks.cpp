// ArchiveChecks: the workers that check a list of archives, each archive on one of them.
#include "browse/ArchiveChecks.h"

#include "browse/SearchRun.h"

#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <thread>

namespace tolva {

std::vector<ArchivePruefung> CheckArchives(const QStringList& dateien, const QString& sPasswort,
                                           int lThreads) {
    // The largest first: the workers then end at about the same time.
    std::vector<std::pair<qint64, int>> reihenfolge;
    for (int n = 0; n < int(dateien.size()); ++n)
        reihenfolge.emplace_back(QFileInfo(dateien[n]).size(), n);
    std::stable_sort(reihenfolge.begin(), reihenfolge.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    // Each worker writes only the places of the files it took.
    std::vector<ArchivePruefung> ergebnisse(size_t(dateien.size()));
    std::atomic<size_t> naechste{0};
    const auto arbeiten = [&] {
        for (size_t i = naechste.fetch_add(1); i < reihenfolge.size(); i = naechste.fetch_add(1)) {
            const int n = reihenfolge[i].second;
            ergebnisse[size_t(n)] = CheckArchive(dateien[n], sPasswort);
        }
    };
    std::vector<std::thread> arbeiter;
    const int lArbeiter = SearchThreads(lThreads, int(dateien.size()));
    for (int i = 1; i < lArbeiter; ++i) arbeiter.emplace_back(arbeiten);
    arbeiten();  // this thread is one of them
    for (std::thread& t : arbeiter) t.join();
    return ergebnisse;
}

}  // namespace tolva
