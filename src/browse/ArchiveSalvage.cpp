// Salvaging a damaged archive: its readable rows into a new archive made, checked, sealed and
// put in place the way a run puts its archive.
#include "browse/ArchiveSalvage.h"

#include "archive/ArchiveSeal.h"
#include "browse/BrowseFile.h"
#include "browse/SalvageReader.h"
#include "database/Connection.h"
#include "database/ConnectionText.h"
#include "database/Query.h"
#include "database/SqlValue.h"
#include "database/TableChecksum.h"
#include "files/ArchiveFile.h"
#include "files/ReopenCheck.h"
#include "files/RunFolder.h"
#include "hostlib/Clock.h"
#include "text/DisplayFormat.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

#include <sqlite3.h>

#include <map>
#include <vector>

namespace tolva {
namespace {

// One entry of a file's schema.
struct Eintrag {
    QString sTyp;  // "table" or "index"
    QString sName;
    QString sSql;  // empty for the indexes SQLite makes itself
};

Result<std::vector<Eintrag>> SchemaOf(sqlite3* db, const QString& sDatei) {
    Query q(db,
            "SELECT type, name, sql FROM main.sqlite_master WHERE type IN ('table', 'index') AND "
            "name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY type DESC, name",
            sDatei);
    std::vector<Eintrag> eintraege;
    while (q.Next()) eintraege.push_back({q.Text(0), q.Text(1), q.Text(2)});
    if (!q.status().ok()) return q.status().error();
    return eintraege;
}

// The new file as the messages of the file steps name it.
QString NewArchiveName() {
    return QCoreApplication::translate("ArchiveSalvage", "Die neue Archivdatei");
}

// The names the new archive must not take; nothing is written before they pass.
Status CheckTarget(const SalvageRequest& auftrag) {
    const QStringList alt = SpellingsOf(auftrag.sArchiv);
    bool bSelbst = false;
    for (const QString& sName : SpellingsOf(auftrag.sZiel))
        bSelbst = bSelbst || alt.contains(sName);
    if (bSelbst)
        return Status::Fail(QCoreApplication::translate("ArchiveSalvage",
                                                        "„%1“ ist das beschädigte Archiv selbst; "
                                                        "es wird nie verändert. Bitte eine neue "
                                                        "Datei angeben.")
                                .arg(auftrag.sZiel));
    if (Status s = CheckPathLength(auftrag.sZiel, NewArchiveName()); !s.ok()) return s;
    if (!QFileInfo(QFileInfo(auftrag.sZiel).absolutePath()).isDir())
        return Status::Fail(
            QCoreApplication::translate("ArchiveSalvage", "Der Ordner von „%1“ existiert nicht.")
                .arg(auftrag.sZiel));
    if (!EntryExists(auftrag.sZiel)) return Status::Ok();
    if (IsDatabaseFile(auftrag.sZiel))
        return Status::Fail(QCoreApplication::translate(
                                "ArchiveSalvage", "„%1“ ist eine Datenbank und wird nicht ersetzt.")
                                .arg(auftrag.sZiel));
    if (!auftrag.bErsetzen)
        return Status::Fail(
            QCoreApplication::translate("ArchiveSalvage", "Die Datei „%1“ existiert bereits.")
                .arg(auftrag.sZiel),
            kCodeZielVorhanden);
    return Status::Ok();
}

// The job from the open damaged file to the new file, still under its temporary name.
class Salvage {
  public:
    Salvage(const SalvageRequest& auftrag, sqlite3* alt, Connection& neu)
        : auftrag_(auftrag), alt_(alt), neu_(neu) {}

    Status Run(SalvageReport& bericht) {
        Result<std::vector<Eintrag>> schema = SchemaOf(alt_, auftrag_.sArchiv);
        if (!schema.ok()) return schema.error();
        // A seal that does not read or does not match its rows counts nothing.
        std::optional<ArchiveSeal> siegel;
        if (Result<std::optional<ArchiveSeal>> s = ReadSeal(alt_, auftrag_.sArchiv); s.ok())
            siegel = s.value();
        bericht.bSiegel = siegel && SealMatches(*siegel);
        for (const Eintrag& e : schema.value()) {
            if (e.sTyp != QLatin1String("table") || e.sName == QLatin1String(kSiegelTabelle))
                continue;
            SalvagedTable t{e.sName, std::nullopt, 0, false};
            if (bericht.bSiegel) {
                const auto it = siegel->tabellen.find(e.sName);
                if (it != siegel->tabellen.end()) t.lImSiegel = it->second.lAnzahl;
            }
            if (Status s = CopyTable(e, t); !s.ok()) return s;
            bericht.lVerloren += t.Verloren().value_or(0);
            bericht.bVerluste = bericht.bVerluste || t.bBeschaedigt || t.Verloren().value_or(0) > 0;
            bericht.tabellen.push_back(t);
        }
        // The indexes the template lacks, built over the rows now in place.
        Result<std::vector<Eintrag>> vorhanden = SchemaOf(neu_.Handle(), neu_.MessageName());
        if (!vorhanden.ok()) return vorhanden.error();
        std::map<QString, bool> namen;
        for (const Eintrag& e : vorhanden.value()) namen[e.sName] = true;
        for (const Eintrag& e : schema.value())
            if (e.sTyp == QLatin1String("index") && !e.sSql.isEmpty() && !namen.count(e.sName))
                if (Status s = neu_.Execute(e.sSql); !s.ok()) return s;
        return Seal(vorhanden.value(), siegel, bericht);
    }

    const std::map<QString, Pruefsumme>& Written() const { return geschrieben_; }

  private:
    // One table: made when the template lacks it, its template rows replaced by what reads.
    Status CopyTable(const Eintrag& e, SalvagedTable& t) {
        Result<QStringList> spalten =
            TableColumns(alt_, QStringLiteral("main"), e.sName, auftrag_.sArchiv);
        if (!spalten.ok()) return spalten.error();
        Result<QStringList> vorlage =
            TableColumns(neu_.Handle(), QStringLiteral("main"), e.sName, neu_.MessageName());
        if (!vorlage.ok()) return vorlage.error();
        if (vorlage.value().isEmpty()) {
            if (Status s = neu_.Execute(e.sSql); !s.ok()) return s;
        } else if (vorlage.value() != spalten.value()) {
            return Status::Fail(QCoreApplication::translate(
                                    "ArchiveSalvage",
                                    "Die Tabelle %1 des Archivs „%2“ hat andere Spalten als die "
                                    "Archivvorlage; es wurde nichts geschrieben.")
                                    .arg(e.sName, auftrag_.sArchiv));
        }
        const QString qT = QuoteIdentifier(e.sName);
        if (Status s = neu_.Execute(QStringLiteral("DELETE FROM main.%1").arg(qT)); !s.ok())
            return s;
        QStringList namen, platz;
        for (const QString& s : spalten.value()) {
            namen << QuoteIdentifier(s);
            platz << QStringLiteral("?");
        }
        const QByteArray sql =
            QStringLiteral("INSERT INTO main.%1 (%2) VALUES (%3)")
                .arg(qT, namen.join(QLatin1Char(',')), platz.join(QLatin1Char(',')))
                .toUtf8();
        sqlite3* db = neu_.Handle();
        sqlite3_stmt* einfuegen = nullptr;
        if (const int rc =
                sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &einfuegen, nullptr);
            rc != SQLITE_OK)
            return DatabaseError(db, rc, neu_.MessageName());
        Pruefsumme& summe = geschrieben_[e.sName];
        std::vector<sqlite3_value*> werte(size_t(spalten.value().size()));
        const auto zeile = [&](sqlite3_stmt* quelle) {
            for (int i = 0; i < int(werte.size()); ++i) {
                werte[size_t(i)] = sqlite3_column_value(quelle, i + 1);
                sqlite3_bind_value(einfuegen, i + 1, werte[size_t(i)]);
            }
            const int rc = sqlite3_step(einfuegen);
            sqlite3_reset(einfuegen);
            if (rc != SQLITE_DONE) return Status(DatabaseError(db, rc, neu_.MessageName()));
            summe.Add(Pruefsumme{1, RowHash(int(werte.size()), werte.data())});
            return Status::Ok();
        };
        Result<SalvageRead> gelesen = ReadReadableRows(alt_, e.sName, auftrag_.sArchiv, zeile);
        sqlite3_finalize(einfuegen);
        if (!gelesen.ok()) return gelesen.error();
        t.lGerettet = gelesen.value().lZeilen;
        t.bBeschaedigt = gelesen.value().bBeschaedigt;
        return Status::Ok();
    }

    // A new seal over every table of the new file, naming where its rows came from.
    Status Seal(const std::vector<Eintrag>& schema, const std::optional<ArchiveSeal>& alt,
                const SalvageReport& bericht) {
        ArchiveSeal siegel;
        if (alt) {
            siegel.sStichtag = alt->sStichtag;
            siegel.sQuelle = alt->sQuelle;
        }
        siegel.sErstellt = CurrentDateTime().toUTC().toString(Qt::ISODate);
        siegel.sProgramm = QStringLiteral(TOLVA_VERSION);
        siegel.gerettetAus = SealSource{QFileInfo(auftrag_.sArchiv).fileName(), bericht.lVerloren,
                                        alt ? alt->sSiegel : QString()};
        for (const Eintrag& e : schema) {
            if (e.sTyp != QLatin1String("table")) continue;
            if (!geschrieben_.count(e.sName)) {
                Result<Pruefsumme> summe = TableChecksum(neu_, e.sName);
                if (!summe.ok()) return summe.status();
                geschrieben_[e.sName] = summe.value();
            }
            siegel.tabellen[e.sName] = geschrieben_[e.sName];
        }
        for (const auto& [sName, summe] : geschrieben_) siegel.tabellen[sName] = summe;
        return WriteSeal(neu_.Handle(), siegel, neu_.MessageName());
    }

    const SalvageRequest& auftrag_;
    sqlite3* alt_;
    Connection& neu_;
    std::map<QString, Pruefsumme> geschrieben_;  // per table of the new file: what it must hold
};

// The new file read afresh: every table as it was written.
Status CheckWritten(const QString& sTemp, const QString& sZiel,
                    const std::map<QString, Pruefsumme>& erwartet) {
    Connection cn;
    cn.SetDisplayName(sZiel);
    if (Status s = cn.Open(BuildConnectionText(sTemp)); !s.ok()) return s;
    for (const auto& [sTabelle, summe] : erwartet) {
        Result<Pruefsumme> gelesen = TableChecksum(cn, sTabelle);
        if (!gelesen.ok()) return gelesen.status();
        if (!(gelesen.value() == summe))
            return Status::Fail(
                QCoreApplication::translate("ArchiveSalvage",
                                            "Die Prüfung des neuen Archivs ist fehlgeschlagen: Die "
                                            "Tabelle %1 enthält nicht, was geschrieben wurde.")
                    .arg(sTabelle));
    }
    if (Result<std::optional<ArchiveSeal>> siegel = ReadSeal(cn.Handle(), sZiel);
        !siegel.ok() || !siegel.value() || !SealMatches(*siegel.value()))
        return Status::Fail(QCoreApplication::translate(
            "ArchiveSalvage",
            "Die Prüfung des neuen Archivs ist fehlgeschlagen: Das Siegel passt nicht zu seinen "
            "Zeilen."));
    cn.Close();
    return Status::Ok();
}

}  // namespace

std::optional<qint64> SalvagedTable::Verloren() const {
    if (lImSiegel) return std::max<qint64>(0, *lImSiegel - lGerettet);
    if (!bBeschaedigt) return 0;
    return std::nullopt;
}

QString SalvageLine(const SalvagedTable& t) {
    if (t.lImSiegel)
        return QCoreApplication::translate("ArchiveSalvage", "%1: %2 von %3 gerettet, %4 verloren")
            .arg(t.sTabelle, DisplayCount(t.lGerettet), DisplayCount(*t.lImSiegel),
                 DisplayCount(*t.Verloren()));
    if (t.bBeschaedigt)
        return QCoreApplication::translate("ArchiveSalvage", "%1: %2 gerettet, Teile nicht lesbar")
            .arg(t.sTabelle, DisplayCount(t.lGerettet));
    return QCoreApplication::translate("ArchiveSalvage", "%1: %2 gerettet")
        .arg(t.sTabelle, DisplayCount(t.lGerettet));
}

Result<SalvageReport> SalvageArchive(const SalvageRequest& eingabe) {
    SalvageRequest auftrag = eingabe;
    auftrag.sArchiv = QFileInfo(eingabe.sArchiv).absoluteFilePath();
    auftrag.sZiel = QFileInfo(eingabe.sZiel).absoluteFilePath();
    if (Status s = CheckTarget(auftrag); !s.ok()) return s.error();
    Result<std::unique_ptr<BrowseFile>> offen =
        BrowseFile::Open(auftrag.sArchiv, auftrag.sPasswort);
    if (!offen.ok()) {
        if (BrowseFile::PasswordNeeded(offen.error())) return offen.error();
        Error e = offen.error();
        e.description = QCoreApplication::translate("ArchiveSalvage",
                                                    "Aus „%1“ ist nichts zu retten; die Datei "
                                                    "öffnet sich nicht: %2 Es wurde nichts "
                                                    "geschrieben.")
                            .arg(auftrag.sArchiv, e.description);
        return e;
    }
    std::unique_ptr<BrowseFile> alt = std::move(offen).value();
    // The new file's name is locked for the whole job; it is made beside it.
    Result<NameLock> sperre = NameLock::Acquire(auftrag.sZiel);
    if (!sperre.ok()) return sperre.error();
    (void)RemoveStaleRunFolders(sperre.value());
    Result<RunFolder> ordner = RunFolder::Create(std::move(sperre).value());
    if (!ordner.ok()) return ordner.error();
    RunFolder arbeit = std::move(ordner).value();
    // A name that appeared since the check is looked at again under the lock.
    if (Status s = CheckTarget(auftrag); !s.ok()) return s.error();
    const QString sTemp = arbeit.PathOf(RunFolder::kArchivDatei);
    if (!QFileInfo::exists(auftrag.sVorlage))
        return Error{QCoreApplication::translate("ArchiveSalvage",
                                                 "Die Archivvorlage \"%1\" wurde nicht gefunden.")
                         .arg(auftrag.sVorlage)};
    if (Status s =
            CopyToNewFile(auftrag.sVorlage, sTemp, PrivateCopyMode(auftrag.sArchiv), auftrag.sZiel);
        !s.ok())
        return s.error();

    SalvageReport bericht;
    bericht.sZiel = auftrag.sZiel;
    std::map<QString, Pruefsumme> geschrieben;
    {
        Connection neu;
        neu.SetMode(Connection::adModeShareExclusive);
        neu.SetDisplayName(auftrag.sZiel);
        Status s = neu.Open(BuildConnectionText(sTemp));
        // Under its temporary name the file needs no journal; it is flushed once at the end.
        if (s.ok())
            s =
                neu.Execute(QStringLiteral("PRAGMA main.journal_mode = OFF; PRAGMA "
                                           "main.synchronous = OFF; BEGIN"));
        Salvage job(auftrag, alt->Handle(), neu);
        if (s.ok()) s = job.Run(bericht);
        if (s.ok()) s = neu.Execute(QStringLiteral("COMMIT"));
        if (!s.ok()) return s.error();
        geschrieben = job.Written();
    }
    alt.reset();
    if (Status s = CheckWritten(sTemp, auftrag.sZiel, geschrieben); !s.ok()) return s.error();
    if (Status s = FlushFile(sTemp, auftrag.sZiel); !s.ok()) return s.error();
    if (Status s = RenameFile(sTemp, auftrag.sZiel); !s.ok()) return s.error();
    Status s = SyncFolder(arbeit.TargetFolder());
    if (s.ok())
        s = ProveReopens(auftrag.sZiel, "SELECT 1 FROM TolvaSiegel WHERE Art = 'gerettet_aus'",
                         NewArchiveName());
    if (!s.ok()) {
        (void)RemoveFile(auftrag.sZiel, NewArchiveName());
        return s.error();
    }
    if (Status r = arbeit.Remove(); !r.ok()) return r.error();
    return bericht;
}

}  // namespace tolva
