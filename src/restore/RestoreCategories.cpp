// RestoreRun: the categories that restored bookings refer to, found by their name path. A
// category the user database lacks comes back, under a fresh id when its own is taken, and
// the bookings follow it; an id is never taken for the category it names.
#include "restore/RestoreRun.h"

#include "database/Connection.h"
#include "database/Query.h"
#include "text/DisplayFormat.h"

#include <QCoreApplication>
#include <QStringList>

#include <sqlite3.h>

#include <set>

namespace tolva {
namespace {

struct Kategorie {
    QString sName;
    std::optional<qint64> parent;
};
using Kategorien = std::map<qint64, Kategorie>;

Status ReadCategories(sqlite3* db, const char* sSchema, const QString& sDatei, Kategorien* k) {
    Query q(db,
            QStringLiteral("SELECT id, Name, ParentID FROM %1.Kategorien").arg(sSchema).toUtf8(),
            sDatei);
    while (q.Next())
        (*k)[q.Int(0)] = {q.Text(1), q.IsNull(2) ? std::nullopt : std::optional<qint64>(q.Int(2))};
    return q.status();
}

// The names from the top down to the category: its identity. A parent that is no category of
// the same file, or one met before, ends the path.
QStringList NamePath(const Kategorien& k, qint64 id) {
    QStringList pfad;
    std::set<qint64> gesehen;
    for (auto it = k.find(id); it != k.end() && gesehen.insert(it->first).second;
         it = it->second.parent ? k.find(*it->second.parent) : k.end())
        pfad.prepend(it->second.sName);
    return pfad;
}

}  // namespace

Status RestoreRun::PlanCategories() {
    const QString sArchiv = QString::fromUtf8(sqlite3_db_filename(db_, kArchivSchema));
    Kategorien archiv;
    Kategorien lebend;
    if (Status s = ReadCategories(db_, kArchivSchema, sArchiv, &archiv); !s.ok()) return s;
    if (Status s = ReadCategories(db_, "main", cn_.DataSource(), &lebend); !s.ok()) return s;

    // The categories bookings of the choice refer to, with their parents.
    std::set<qint64> noetig;
    {
        Query q(db_,
                QStringLiteral("SELECT DISTINCT a.KategorieID FROM archiv.\"Umsätze\" a WHERE "
                               "a.KategorieID IS NOT NULL%1")
                    .arg(ChoiceCondition(QStringLiteral("Umsätze"), wahl_, konten_))
                    .toUtf8(),
                sArchiv);
        while (q.Next())
            for (auto it = archiv.find(q.Int(0));
                 it != archiv.end() && noetig.insert(it->first).second;
                 it = it->second.parent ? archiv.find(*it->second.parent) : archiv.end()) {
            }
        if (!q.status().ok()) return q.status();
    }
    if (noetig.empty()) return Status::Ok();

    std::map<QStringList, qint64> lebendNachPfad;  // the smallest live id of each path
    for (auto it = lebend.rbegin(); it != lebend.rend(); ++it)
        lebendNachPfad[NamePath(lebend, it->first)] = it->first;
    std::map<QStringList, qint64> archivNachPfad;  // the smallest archive id of each path
    for (auto it = archiv.rbegin(); it != archiv.rend(); ++it)
        archivNachPfad[NamePath(archiv, it->first)] = it->first;

    // Those the database has map to it; the others come back, under their id when free.
    qint64 lMax = lebend.empty() ? 0 : lebend.rbegin()->first;
    std::vector<qint64> vergeben;  // need a fresh id
    std::vector<qint64> zurueck;
    for (qint64 id : noetig) {
        const QStringList pfad = NamePath(archiv, id);
        if (const auto l = lebendNachPfad.find(pfad); l != lebendNachPfad.end()) {
            kategorien_[id] = l->second;
            continue;
        }
        const qint64 lErste = archivNachPfad.at(pfad);
        if (lErste != id) continue;  // the same category twice in the archive: see below
        zurueck.push_back(id);
        if (lebend.count(id)) {
            vergeben.push_back(id);
        } else {
            kategorien_[id] = id;
            lMax = std::max(lMax, id);
        }
    }
    for (qint64 id : vergeben) kategorien_[id] = ++lMax;
    for (qint64 id : noetig)
        if (!kategorien_.count(id))
            kategorien_[id] = kategorien_.at(archivNachPfad.at(NamePath(archiv, id)));

    RestoreCount zaehler{QStringLiteral("Kategorien"), QString::fromUtf8(kNameKategorien)};
    for (qint64 id : zurueck) {
        const Kategorie& k = archiv.at(id);
        std::optional<qint64> parent;
        if (k.parent && kategorien_.count(*k.parent)) parent = kategorien_.at(*k.parent);
        neueKategorien_.push_back(
            {id, kategorien_.at(id), QStringLiteral("Kategorien"), QString(), parent});
        ++zaehler.lImArchiv;
        ++zaehler.lZurueck;
        if (kategorien_.at(id) != id) ++zaehler.lNeueIds;
    }
    if (zaehler.lZurueck > 0) zaehler_.push_back(zaehler);
    return Status::Ok();
}

Status RestoreRun::InsertCategories() {
    if (neueKategorien_.empty()) return Status::Ok();
    if (Status s = InsertPlanned(QStringLiteral("Kategorien"), neueKategorien_, "ParentID");
        !s.ok())
        return s;
    const qint64 lAnzahl = static_cast<qint64>(neueKategorien_.size());
    if (fortschritt_.onLine)
        fortschritt_.onLine(QCoreApplication::translate("RestoreCategories",
                                                        "%1 Kategorien zurückgeholt", nullptr,
                                                        PluralCount(lAnzahl))
                                .arg(DisplayCount(lAnzahl)));
    return Status::Ok();
}

}  // namespace tolva
