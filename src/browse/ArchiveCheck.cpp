// Checking an archive against its seal: every page through SQLite's integrity check, every
// row through the tables' checksums, on two connections at once.
#include "browse/ArchiveCheck.h"

#include "archive/ArchiveSeal.h"
#include "browse/BrowseFile.h"
#include "browse/BrowseQuery.h"
#include "database/Connection.h"
#include "database/ConnectionText.h"
#include "database/Keying.h"
#include "database/Query.h"
#include "database/TableChecksum.h"
#include "files/ReadOnlyVfs.h"
#include "text/DisplayFormat.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QStringList>

#include <sqlite3.h>

#include <future>
#include <map>
#include <system_error>

namespace tolva {
namespace {

// A failure to read with SQLite's own reason beside ours.
QString Reason(const Error& fehler) {
    const QString sArt = QString::fromUtf8(sqlite3_errstr(fehler.code));
    // SQLite's general text for the code, unless the message says it already.
    if (fehler.kind != ErrorKind::Sqlite || fehler.description.contains(sArt))
        return fehler.description;
    return QStringLiteral("%1 (%2)").arg(fehler.description, sArt);
}

// PRAGMA integrity_check over every page: nothing when all are sound, else the first fault it
// names. Anything but the one row "ok" is a fault; a row may hold several lines, the first
// naming the schema ("*** in database main ***").
std::optional<QString> PageFault(sqlite3* db) {
    Query q(db, "PRAGMA integrity_check", QString());
    std::optional<QString> fehler;
    while (q.Next()) {
        const QString s = q.Text(0);
        if (s == QLatin1String("ok") || fehler) continue;
        fehler = s;
        for (const QString& sZeile : s.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            if (!sZeile.startsWith(QLatin1String("***"))) {
                fehler = sZeile;
                break;
            }
    }
    if (!q.status().ok()) return Reason(q.status().error());
    return fehler;
}

// A second read-only connection to the file, through the layer that never writes.
Result<sqlite3*> OpenReader(const QString& sPfad, const std::atomic<bool>* pAbbruch) {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(sPfad).constData(), &db, SQLITE_OPEN_READONLY,
                                   ReadOnlyVfsName());
    Status st = rc == SQLITE_OK ? Status::Ok() : Status(DatabaseError(db, rc));
    if (st && pAbbruch) WatchCancel(db, pAbbruch);
    if (st) st = ApplyKey(db, QLatin1String(kDatenbankPasswort));
    if (!st) {
        sqlite3_close_v2(db);
        return st.error();
    }
    return db;
}

// What the file holds: per table (but the seal's) its count and checksum, and the seal.
struct Inhalt {
    std::map<QString, Pruefsumme> tabellen;
    std::optional<ArchiveSeal> siegel;
};

Result<Inhalt> ReadContent(sqlite3* db) {
    Inhalt inhalt;
    Result<std::optional<ArchiveSeal>> siegel = ReadSeal(db, QString());
    if (!siegel.ok()) return siegel.error();
    inhalt.siegel = siegel.value();
    QStringList namen;
    {
        Query q(db,
                "SELECT name FROM main.sqlite_master WHERE type = 'table' AND name NOT LIKE "
                "'sqlite\\_%' ESCAPE '\\'",
                QString());
        while (q.Next()) namen << q.Text(0);
        if (!q.status().ok()) return q.status().error();
    }
    for (const QString& sTabelle : namen) {
        if (sTabelle == QLatin1String(kSiegelTabelle)) continue;
        Result<Pruefsumme> summe = TableChecksum(db, sTabelle, QString());
        if (!summe.ok()) return summe.error();
        inhalt.tabellen[sTabelle] = summe.value();
    }
    return inhalt;
}

// The file's tables against the seal's.
void Compare(const Inhalt& inhalt, ArchivePruefung& pruefung) {
    std::map<QString, TabellenPruefung> alle;
    for (const auto& [sTabelle, summe] : inhalt.tabellen) {
        pruefung.lZeilen += summe.lAnzahl;
        alle[sTabelle].lGelesen = summe.lAnzahl;
    }
    if (!inhalt.siegel) {
        for (auto& [sTabelle, t] : alle) {
            t.sTabelle = sTabelle;
            pruefung.tabellen.push_back(t);
        }
        pruefung.eZustand = PruefZustand::OhneSiegel;
        return;
    }
    const ArchiveSeal& siegel = *inhalt.siegel;
    for (const auto& [sTabelle, summe] : siegel.tabellen) alle[sTabelle].lErwartet = summe.lAnzahl;
    bool bGleich = true;
    for (auto& [sTabelle, t] : alle) {
        t.sTabelle = sTabelle;
        const auto gelesen = inhalt.tabellen.find(sTabelle);
        const auto erwartet = siegel.tabellen.find(sTabelle);
        t.bGleich = gelesen != inhalt.tabellen.end() && erwartet != siegel.tabellen.end() &&
                    gelesen->second == erwartet->second;
        bGleich = bGleich && t.bGleich;
        pruefung.tabellen.push_back(t);
    }
    pruefung.bSiegelPasst = SealMatches(siegel);
    pruefung.eZustand =
        bGleich && pruefung.bSiegelPasst ? PruefZustand::InOrdnung : PruefZustand::Beschaedigt;
}

// A text of the check in the language shown (bGezeigt), or in the fixed German of --json.
QString Say(const char* sText, bool bGezeigt) {
    return bGezeigt ? QCoreApplication::translate("ArchiveCheck", sText) : QString::fromUtf8(sText);
}

QString Rows(qint64 n, const char* sEine, const char* sMehrere, bool bGezeigt) {
    if (n == 1) return Say(sEine, bGezeigt);
    return Say(sMehrere, bGezeigt)
        .arg(bGezeigt ? DisplayCount(n) : QLocale(QLocale::German).toString(n));
}

// The check itself; with pAbbruch set meanwhile it ends early, having found nothing.
ArchivePruefung CheckOnce(const QString& sPfad, const QString& sPasswort,
                          const std::atomic<bool>* pAbbruch) {
    ArchivePruefung pruefung;
    pruefung.sDatei = sPfad;
    Result<std::unique_ptr<BrowseFile>> datei = BrowseFile::Open(sPfad, sPasswort, true, pAbbruch);
    if (!datei.ok()) {
        pruefung.eZustand = BrowseFile::PasswordNeeded(datei.error()) ? PruefZustand::NichtGeprueft
                                                                      : PruefZustand::NichtLesbar;
        pruefung.sGrund = Reason(datei.error());
        return pruefung;
    }
    // The pages on the file's connection, the rows meanwhile on a second one.
    sqlite3* db = datei.value()->Handle();
    const auto seiten = [db] { return PageFault(db); };
    std::future<std::optional<QString>> geprueft;
    try {
        geprueft = std::async(std::launch::async, seiten);
    } catch (const std::system_error&) {
        geprueft = std::async(std::launch::deferred, seiten);  // no thread: one after the other
    }
    Result<Inhalt> inhalt = Error{};
    if (Result<sqlite3*> leser = OpenReader(sPfad, pAbbruch); leser.ok()) {
        inhalt = ReadContent(leser.value());
        sqlite3_close_v2(leser.value());
    } else {
        inhalt = leser.error();
    }
    const std::optional<QString> fehler = geprueft.get();
    if (fehler || !inhalt.ok()) {
        pruefung.eZustand = PruefZustand::NichtLesbar;
        pruefung.sGrund = fehler ? *fehler : Reason(inhalt.error());
        return pruefung;
    }
    Compare(inhalt.value(), pruefung);
    return pruefung;
}

}  // namespace

const char* CheckStateName(PruefZustand eZustand) {
    switch (eZustand) {
        case PruefZustand::InOrdnung:
            return "in_ordnung";
        case PruefZustand::OhneSiegel:
            return "ohne_siegel";
        case PruefZustand::Beschaedigt:
            return "beschaedigt";
        case PruefZustand::NichtLesbar:
            return "nicht_lesbar";
        case PruefZustand::NichtGeprueft:
            return "nicht_geprueft";
    }
    return "";
}

namespace {

QString TableDifference(const TabellenPruefung& t, bool bGezeigt) {
    if (!t.lGelesen)
        return Say(QT_TRANSLATE_NOOP("ArchiveCheck", "Tabelle %1 fehlt"), bGezeigt).arg(t.sTabelle);
    if (!t.lErwartet)
        return Say(QT_TRANSLATE_NOOP("ArchiveCheck", "Tabelle %1 steht nicht im Siegel"), bGezeigt)
            .arg(t.sTabelle);
    if (*t.lGelesen < *t.lErwartet)
        return t.sTabelle + QStringLiteral(": ") +
               Rows(*t.lErwartet - *t.lGelesen, QT_TRANSLATE_NOOP("ArchiveCheck", "1 Zeile fehlt"),
                    QT_TRANSLATE_NOOP("ArchiveCheck", "%1 Zeilen fehlen"), bGezeigt);
    if (*t.lGelesen > *t.lErwartet)
        return t.sTabelle + QStringLiteral(": ") +
               Rows(*t.lGelesen - *t.lErwartet,
                    QT_TRANSLATE_NOOP("ArchiveCheck", "1 Zeile zu viel"),
                    QT_TRANSLATE_NOOP("ArchiveCheck", "%1 Zeilen zu viel"), bGezeigt);
    return t.sTabelle + QStringLiteral(": ") +
           Say(QT_TRANSLATE_NOOP("ArchiveCheck", "Zeilen geändert"), bGezeigt);
}

QString CheckTextIn(const ArchivePruefung& pruefung, bool bGezeigt) {
    switch (pruefung.eZustand) {
        case PruefZustand::InOrdnung:
            return Say(QT_TRANSLATE_NOOP("ArchiveCheck", "in Ordnung"), bGezeigt);
        case PruefZustand::OhneSiegel:
            return Rows(
                pruefung.lZeilen, QT_TRANSLATE_NOOP("ArchiveCheck", "ohne Siegel (1 Zeile lesbar)"),
                QT_TRANSLATE_NOOP("ArchiveCheck", "ohne Siegel (%1 Zeilen lesbar)"), bGezeigt);
        case PruefZustand::NichtLesbar:
            return Say(QT_TRANSLATE_NOOP("ArchiveCheck", "nicht lesbar: %1"), bGezeigt)
                .arg(pruefung.sGrund);
        case PruefZustand::NichtGeprueft:
            return Say(QT_TRANSLATE_NOOP("ArchiveCheck", "nicht geprüft: %1"), bGezeigt)
                .arg(pruefung.sGrund);
        case PruefZustand::Beschaedigt:
            break;
    }
    QStringList teile;
    for (const TabellenPruefung& t : pruefung.tabellen)
        if (!t.bGleich) teile << TableDifference(t, bGezeigt);
    if (!pruefung.bSiegelPasst)
        teile << Say(QT_TRANSLATE_NOOP("ArchiveCheck", "Siegel passt nicht zu seinen Zeilen"),
                     bGezeigt);
    return teile.join(QStringLiteral("; "));
}

}  // namespace

QString CheckText(const ArchivePruefung& pruefung) {
    return CheckTextIn(pruefung, false);
}

QString ShownCheckText(const ArchivePruefung& pruefung) {
    return CheckTextIn(pruefung, true);
}

ArchivePruefung CheckArchive(const QString& sPfad, const QString& sPasswort,
                             const std::atomic<bool>* pAbbruch) {
    ArchivePruefung pruefung = CheckOnce(sPfad, sPasswort, pAbbruch);
    if (pAbbruch && pAbbruch->load()) {
        // Stopped halfway: what it found says nothing about the file.
        pruefung.eZustand = PruefZustand::NichtGeprueft;
        pruefung.sGrund =
            QCoreApplication::translate("ArchiveCheck", "Die Prüfung wurde abgebrochen.");
        pruefung.tabellen.clear();
    }
    return pruefung;
}

std::vector<QString> UnreadableTables(const QString& sPfad, const QString& sPasswort) {
    std::vector<QString> tabellen;
    Result<std::unique_ptr<BrowseFile>> datei = BrowseFile::Open(sPfad, sPasswort);
    if (!datei.ok()) return tabellen;
    sqlite3* db = datei.value()->Handle();
    QStringList namen;
    {
        Query q(db,
                "SELECT name FROM main.sqlite_master WHERE type = 'table' AND name NOT LIKE "
                "'sqlite\\_%' ESCAPE '\\' ORDER BY name",
                sPfad);
        while (q.Next()) namen << q.Text(0);
    }
    for (const QString& sTabelle : namen)
        if (!TableChecksum(db, sTabelle, sPfad).ok()) tabellen.push_back(sTabelle);
    return tabellen;
}

}  // namespace tolva
