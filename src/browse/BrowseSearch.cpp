// The search across files: the files in their order, one file's hits, the merged list.
#include "browse/BrowseSearch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace tolva {
namespace {

// The hits of one file, newest first; one more than lHoechstens tells that there were more.
Status SearchFile(BrowseFile& datei, const QString& sText, qint64 lHoechstens,
                  std::vector<SearchHit>& treffer) {
    const Result<std::map<qint64, QString>> labels = datei.AccountLabels();
    if (!labels.ok()) return labels.status();
    BookingFilter filter;
    filter.sText = sText;
    filter.bAbsteigend = true;
    const Result<std::vector<BookingRow>> zeilen =
        datei.Bookings(filter, 0, lHoechstens > 0 ? lHoechstens + 1 : -1);
    if (!zeilen.ok()) return zeilen.status();
    treffer.reserve(zeilen.value().size());
    for (const BookingRow& z : zeilen.value()) {
        const auto it = labels.value().find(z.lKontoID);
        const bool bZeile = it != labels.value().end();
        treffer.push_back(SearchHit{
            datei.Path(), bZeile ? it->second : UnknownAccountLabel(z.lKontoID), z, bZeile});
    }
    return Status::Ok();
}

}  // namespace

QStringList ArchivesToSearch(const QString& sOrdner, const QString& sDatenbank) {
    QStringList archive;
    if (sOrdner.isEmpty()) return archive;
    const QFileInfo datenbank(sDatenbank);
    for (const QFileInfo& info : QDir(sOrdner).entryInfoList(
             {QStringLiteral("*.aba")}, QDir::Files | QDir::Hidden, QDir::Name))
        if (sDatenbank.isEmpty() || info.canonicalFilePath() != datenbank.canonicalFilePath())
            archive << info.absoluteFilePath();
    return archive;
}

QStringList FilesToSearch(const SearchRequest& auftrag) {
    QStringList dateien;
    if (FoldForSearch(auftrag.sText).isEmpty()) return dateien;
    if (!auftrag.sDatenbank.isEmpty()) dateien << QFileInfo(auftrag.sDatenbank).absoluteFilePath();
    dateien << ArchivesToSearch(auftrag.sOrdner, auftrag.sDatenbank);
    return dateien;
}

bool ComesBefore(const SearchHit& a, const SearchHit& b) {
    if (a.buchung.sDatum != b.buchung.sDatum) return a.buchung.sDatum > b.buchung.sDatum;
    if (a.sDatei != b.sDatei) return a.sDatei < b.sDatei;
    return a.buchung.id > b.buchung.id;
}

FileHits SearchOneFile(const SearchRequest& auftrag, int lNummer, const QString& sDatei,
                       const std::atomic<bool>* pAbbruch,
                       const std::function<void(BrowseFile*)>& pOffen) {
    FileHits ergebnis{lNummer, sDatei, {}, std::nullopt};
    // The live database's password is the host's to ask; it is opened without.
    const bool bLive = lNummer == 0 && !auftrag.sDatenbank.isEmpty();
    const auto pw = auftrag.passwoerter.find(sDatei);
    const QString sPasswort = pw != auftrag.passwoerter.end() ? pw->second : QString();
    Result<std::unique_ptr<BrowseFile>> datei =
        BrowseFile::Open(sDatei, sPasswort, !bLive, pAbbruch);
    Status st = datei.status();
    if (st.ok()) {
        BrowseFile& offen = *datei.value();
        if (pOffen) pOffen(&offen);
        st = SearchFile(offen, auftrag.sText, auftrag.lHoechstens, ergebnis.treffer);
        if (pOffen) pOffen(nullptr);
    }
    if (st.ok()) return ergebnis;
    ergebnis.treffer.clear();
    Error grund = st.error();
    if (IsEngine(grund, kCodePasswortFehlt))
        grund.description = QCoreApplication::translate("BrowseSearch",
                                                        "Das Archiv „%1“ ist mit einem Passwort "
                                                        "geschützt und wurde nicht durchsucht.")
                                .arg(sDatei);
    ergebnis.uebersprungen = SkippedFile{sDatei, grund};
    return ergebnis;
}

SearchResult MergeHits(std::vector<FileHits> dateien, qint64 lHoechstens) {
    std::sort(dateien.begin(), dateien.end(),
              [](const FileHits& a, const FileHits& b) { return a.lNummer < b.lNummer; });
    SearchResult ergebnis;
    size_t lAlle = 0;
    for (const FileHits& d : dateien) lAlle += d.treffer.size();
    ergebnis.treffer.reserve(lAlle);
    for (FileHits& d : dateien) {
        std::move(d.treffer.begin(), d.treffer.end(), std::back_inserter(ergebnis.treffer));
        if (d.uebersprungen) ergebnis.uebersprungen.push_back(std::move(*d.uebersprungen));
    }
    std::sort(ergebnis.treffer.begin(), ergebnis.treffer.end(), ComesBefore);
    if (lHoechstens > 0 && qint64(ergebnis.treffer.size()) > lHoechstens) {
        ergebnis.treffer.resize(size_t(lHoechstens));
        ergebnis.bGekuerzt = true;
    }
    return ergebnis;
}

}  // namespace tolva
