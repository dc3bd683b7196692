// RestoreModel: the expected database after a restore, worked out row by row in plain C++.
#include "RestoreModel.h"

#include "EngineFiles.h"

#include "text/ModCrypt.h"

#include <algorithm>
#include <deque>
#include <optional>

namespace tolva::test {
namespace {

const char* const kZeilenTabellen[] = {"Umsätze",  "UmsZusatz",      "OffeneUmsätze",
                                       "Aufträge", "SammelAufträge", "SammelEinzel"};
const QChar kTrenner(0x1f);

const Table kLeer;

const Table& TableOf(const Snapshot& s, const char* sName) {
    const auto it = s.find(QString::fromUtf8(sName));
    return it == s.end() ? kLeer : it->second;
}

bool Has(const Table& t, qint64 id) {
    return t.zeilen.count(id) > 0;
}

qint64 LargestId(const Table& t) {
    return t.zeilen.empty() ? 0 : t.zeilen.rbegin()->first;
}

// The rows of a and those of b whose id a lacks: the archive's accounts (Konten and
// tolva_Konten) and banks (BankDaten and tolva_BankDaten). A missing table is empty.
Table United(const Table& a, const Table& b) {
    Table t = a;
    if (t.spalten.isEmpty()) t.spalten = b.spalten;
    for (const auto& [id, zeile] : b.zeilen) t.zeilen.emplace(id, zeile);
    return t;
}

// Every field but the first (the id), as one comparable text.
QString ContentKey(const Row& zeile) {
    return zeile.mid(1).join(kTrenner);
}

// A scrambled field as people read it: unscrambled, cut at the padding, trimmed.
QString Unscrambled(const Value& v) {
    if (IsNull(v)) return QString();
    const QByteArray bytes = v.startsWith(QStringLiteral("X'"))
                                 ? QByteArray::fromHex(v.mid(2, v.size() - 3).toLatin1())
                                 : TextOf(v).toUtf8();
    QString s = Decrypt(bytes, false);
    const qsizetype lNull = s.indexOf(QChar(0));
    if (lNull >= 0) s.truncate(lNull);
    return s.trimmed();
}

QString BankKey(const Table& banken, const Value& bankId) {
    if (IsNull(bankId)) return QStringLiteral("#NULL");
    const auto it = banken.zeilen.find(IntOf(bankId));
    if (it == banken.zeilen.end()) return QStringLiteral("#") + QString::number(IntOf(bankId));
    const QString sBlz = TextOf(it->second[banken.Column("BLZ")]).trimmed();
    if (!sBlz.isEmpty()) return QStringLiteral("BLZ:") + sBlz;
    return QStringLiteral("Name:") + TextOf(it->second[banken.Column("Name")]).trimmed();
}

QString AccountKey(const Table& konten, const Row& konto, const Table& banken) {
    const QString sNummer = Unscrambled(konto[konten.Column("KontoNummer")]);
    return BankKey(banken, konto[konten.Column("bankID")]) + kTrenner +
           (sNummer.isEmpty()
                ? QStringLiteral("Name:") + Unscrambled(konto[konten.Column("KontoName")])
                : QStringLiteral("Nummer:") + sNummer);
}

// A category's name path: its Name, then its parents' up to one whose ParentID is no
// category of the same file.
QString PathOf(const Table& kategorien, qint64 id) {
    const int lName = kategorien.Column("Name");
    const int lParent = kategorien.Column("ParentID");
    QStringList namen;
    auto it = kategorien.zeilen.find(id);
    for (size_t n = 0; it != kategorien.zeilen.end() && n <= kategorien.zeilen.size(); ++n) {
        namen << it->second[lName];
        const Value& parent = it->second[lParent];
        it = IsNull(parent) ? kategorien.zeilen.end() : kategorien.zeilen.find(IntOf(parent));
    }
    return namen.join(kTrenner);
}

// Per path the smallest id of a file's categories.
std::map<QString, qint64> SmallestIdPerPath(const Table& kategorien) {
    std::map<QString, qint64> pfade;
    for (const auto& [id, zeile] : kategorien.zeilen) pfade.emplace(PathOf(kategorien, id), id);
    return pfade;
}

class Model {
  public:
    Model(const Snapshot& archiv, const Snapshot& lebend, const RestoreChoice& wahl)
        : archiv_(archiv), lebend_(lebend), wahl_(wahl), nachher_(lebend) {
        konten_ = United(TableOf(archiv, "Konten"), TableOf(archiv, "tolva_Konten"));
        banken_ = United(TableOf(archiv, "BankDaten"), TableOf(archiv, "tolva_BankDaten"));
    }

    Expected Run() {
        Accounts();
        Categories();
        for (const char* t : kZeilenTabellen) Rows(t);
        if (ergebnis_.codes.count(kCodeKontoFehlt)) ergebnis_.codes.insert(kCodeKonflikt);
        ergebnis_.bAbgelehnt = !ergebnis_.codes.empty();
        if (ergebnis_.bAbgelehnt) {
            std::set<Outcome> bleiben;
            for (Outcome o : {Outcome::Conflict, Outcome::UnknownAccount})
                if (ergebnis_.outcomes.count(o)) bleiben.insert(o);
            ergebnis_.outcomes = bleiben;
        }
        ergebnis_.nachher = ergebnis_.bAbgelehnt ? lebend_ : nachher_;
        return ergebnis_;
    }

  private:
    void Refuse(int lCode) {
        ergebnis_.codes.insert(lCode);
        ergebnis_.outcomes.insert(lCode == kCodeKonflikt ? Outcome::Conflict
                                                         : Outcome::UnknownAccount);
    }

    bool Chosen(qint64 id) const {
        return !wahl_.konten ||
               std::find(wahl_.konten->begin(), wahl_.konten->end(), id) != wahl_.konten->end();
    }

    // Whether rows of this KontoID are of the choice: chosen, and not named "nicht
    // zurückholen".
    bool RowsChosen(const Value& kontoId) const {
        if (IsNull(kontoId)) return !wahl_.konten;
        const auto z = wahl_.zuordnung.find(IntOf(kontoId));
        return Chosen(IntOf(kontoId)) && (z == wahl_.zuordnung.end() || z->second);
    }

    // Rule 1 for a KontoID of a row of the choice.
    Value AccountTarget(const Value& kontoId) {
        if (!IsNull(kontoId)) {
            const auto z = wahl_.zuordnung.find(IntOf(kontoId));
            if (z != wahl_.zuordnung.end() && z->second) {
                ergebnis_.outcomes.insert(Outcome::AccountMapped);
                return IntValue(*z->second);
            }
            const auto k = kontoZiel_.find(IntOf(kontoId));
            if (k != kontoZiel_.end()) return IntValue(k->second);
            if (Has(konten_, IntOf(kontoId))) return kontoId;  // refused already
        }
        Refuse(kCodeKontoFehlt);
        return kontoId;
    }

    void Accounts() {
        const Table& lebend = TableOf(lebend_, "Konten");
        const Table& lebendBanken = TableOf(lebend_, "BankDaten");
        // An account the user names must be one of the database's.
        for (const auto& [alt, ziel] : wahl_.zuordnung)
            if (ziel && !Has(lebend, *ziel)) Refuse(0);
        std::vector<qint64> zurueck;
        for (const auto& [id, konto] : konten_.zeilen) {
            if (!Chosen(id) || wahl_.zuordnung.count(id)) continue;
            const QString sKey = AccountKey(konten_, konto, banken_);
            const auto gleich = lebend.zeilen.find(id);
            if (gleich != lebend.zeilen.end()) {
                if (AccountKey(lebend, gleich->second, lebendBanken) == sKey) {
                    kontoZiel_[id] = id;
                    continue;
                }
                ergebnis_.outcomes.insert(Outcome::AccountRecreated);
            }
            const auto anderes = std::find_if(
                lebend.zeilen.begin(), lebend.zeilen.end(),
                [&](const auto& l) { return AccountKey(lebend, l.second, lebendBanken) == sKey; });
            if (anderes != lebend.zeilen.end()) {
                kontoZiel_[id] = anderes->first;
                ergebnis_.outcomes.insert(Outcome::AccountRecreated);
            } else {
                zurueck.push_back(id);
            }
        }

        // The banks of the accounts that come back, in the archive's id order.
        const int lBankId = konten_.Column("bankID");
        std::set<qint64> noetig;
        for (qint64 id : zurueck) {
            const Value& bank = konten_.zeilen.at(id)[lBankId];
            if (!IsNull(bank) && Has(banken_, IntOf(bank))) noetig.insert(IntOf(bank));
        }
        std::map<qint64, qint64> bankZiel;
        qint64 lFreiBank = std::max(LargestId(lebendBanken), LargestId(banken_));
        for (qint64 b : noetig) {
            const QString sKey = BankKey(banken_, IntValue(b));
            const auto gleich = std::find_if(
                lebendBanken.zeilen.begin(), lebendBanken.zeilen.end(),
                [&](const auto& l) { return BankKey(lebendBanken, IntValue(l.first)) == sKey; });
            if (gleich != lebendBanken.zeilen.end()) {
                bankZiel[b] = gleich->first;
                continue;
            }
            qint64 lNeu = b;
            if (Has(lebendBanken, b)) {
                if (!wahl_.bNeueIds) {
                    Refuse(kCodeKonflikt);
                    continue;
                }
                lNeu = ++lFreiBank;
                ergebnis_.outcomes.insert(Outcome::FreshIds);
            }
            bankZiel[b] = lNeu;
            Row zeile = banken_.zeilen.at(b);
            zeile[0] = IntValue(lNeu);
            nachher_[QStringLiteral("BankDaten")].zeilen[lNeu] = zeile;
        }

        // The accounts: their id when free, else a fresh one; their Nr when free, else the
        // largest + 1.
        qint64 lFrei = std::max(LargestId(lebend), LargestId(konten_));
        const int lNr = konten_.Column("Nr");
        std::set<qint64> nummern;
        for (const auto& [id, konto] : lebend.zeilen)
            if (!IsNull(konto[lNr])) nummern.insert(IntOf(konto[lNr]));
        for (qint64 id : zurueck) {
            qint64 lNeu = id;
            if (Has(lebend, id)) {
                if (!wahl_.bNeueIds) {
                    Refuse(kCodeKonflikt);
                    continue;
                }
                lNeu = ++lFrei;
                ergebnis_.outcomes.insert(Outcome::FreshIds);
            }
            ergebnis_.outcomes.insert(Outcome::AccountBack);
            kontoZiel_[id] = lNeu;
            Row zeile = konten_.zeilen.at(id);
            zeile[0] = IntValue(lNeu);
            if (!IsNull(zeile[lNr])) {
                qint64 nr = IntOf(zeile[lNr]);
                if (nummern.count(nr)) nr = *nummern.rbegin() + 1;
                nummern.insert(nr);
                zeile[lNr] = IntValue(nr);
            }
            const Value& bank = zeile[lBankId];
            if (!IsNull(bank) && bankZiel.count(IntOf(bank)))
                zeile[lBankId] = IntValue(bankZiel[IntOf(bank)]);
            nachher_[QStringLiteral("Konten")].zeilen[lNeu] = zeile;
        }

        // The live accounts of the chosen ones, for items whose order the archive lacks.
        if (wahl_.konten)
            for (qint64 id : *wahl_.konten) {
                const auto z = wahl_.zuordnung.find(id);
                if (z != wahl_.zuordnung.end()) {
                    if (z->second) gewaehltLebend_.insert(*z->second);
                } else if (kontoZiel_.count(id)) {
                    gewaehltLebend_.insert(kontoZiel_[id]);
                }
            }
    }

    void Categories() {
        const Table& archiv = TableOf(archiv_, "Kategorien");
        const Table& lebend = TableOf(lebend_, "Kategorien");
        const Table& umsaetze = TableOf(archiv_, "Umsätze");
        const int lKonto = umsaetze.Column("KontoID");
        const int lKategorie = umsaetze.Column("KategorieID");
        const int lParent = archiv.Column("ParentID");
        std::set<QString> noetig;
        for (const auto& [id, zeile] : umsaetze.zeilen) {
            if (!RowsChosen(zeile[lKonto]) || IsNull(zeile[lKategorie])) continue;
            auto it = archiv.zeilen.find(IntOf(zeile[lKategorie]));
            for (size_t n = 0; it != archiv.zeilen.end() && n <= archiv.zeilen.size(); ++n) {
                noetig.insert(PathOf(archiv, it->first));
                const Value& parent = it->second[lParent];
                it = IsNull(parent) ? archiv.zeilen.end() : archiv.zeilen.find(IntOf(parent));
            }
        }
        const std::map<QString, qint64> lebendPfade = SmallestIdPerPath(lebend);
        const std::map<QString, qint64> archivPfade = SmallestIdPerPath(archiv);
        std::set<qint64> zurueck;  // the archive id of each path that comes back
        for (const QString& sPfad : noetig) {
            const auto l = lebendPfade.find(sPfad);
            if (l != lebendPfade.end())
                kategorieZiel_[sPfad] = l->second;
            else
                zurueck.insert(archivPfade.at(sPfad));
        }
        qint64 lFrei = LargestId(lebend);
        if (!zurueck.empty()) lFrei = std::max(lFrei, *zurueck.rbegin());
        for (qint64 id : zurueck) {
            qint64 lNeu = id;
            if (Has(lebend, id)) {
                lNeu = ++lFrei;
                ergebnis_.outcomes.insert(Outcome::FreshIds);
            }
            kategorieZiel_[PathOf(archiv, id)] = lNeu;
        }
        for (qint64 id : zurueck) {
            Row zeile = archiv.zeilen.at(id);
            zeile[0] = IntValue(kategorieZiel_.at(PathOf(archiv, id)));
            const Value& parent = zeile[lParent];
            if (!IsNull(parent) && Has(archiv, IntOf(parent)))
                zeile[lParent] = IntValue(kategorieZiel_.at(PathOf(archiv, IntOf(parent))));
            nachher_[QStringLiteral("Kategorien")].zeilen[IntOf(zeile[0])] = zeile;
        }
    }

    Value CategoryTarget(const Value& kategorieId) {
        const Table& archiv = TableOf(archiv_, "Kategorien");
        if (IsNull(kategorieId) || !Has(archiv, IntOf(kategorieId))) return kategorieId;
        const Value ziel = IntValue(kategorieZiel_.at(PathOf(archiv, IntOf(kategorieId))));
        if (ziel != kategorieId) ergebnis_.outcomes.insert(Outcome::CategoryRemapped);
        return ziel;
    }

    // Whether an item is of the choice, with its SammelID mapped.
    bool ItemChosen(Row& zeile, int lSammel) {
        const Value sammel = zeile[lSammel];
        if (!IsNull(sammel) && Has(TableOf(archiv_, "SammelAufträge"), IntOf(sammel))) {
            const auto ziel = sammelZiel_.find(IntOf(sammel));
            if (ziel == sammelZiel_.end()) return false;  // its order is not of the choice
            zeile[lSammel] = IntValue(ziel->second);
            return true;
        }
        const Table& lebend = TableOf(lebend_, "SammelAufträge");
        const auto order = IsNull(sammel) ? lebend.zeilen.end() : lebend.zeilen.find(IntOf(sammel));
        if (order == lebend.zeilen.end()) {
            // Whose it is nothing tells: it belongs to no chosen account, and restoring every
            // account is refused.
            if (wahl_.konten) return false;
            Refuse(kCodeKontoFehlt);
            return true;
        }
        const Value& konto = order->second[lebend.Column("KontoID")];
        if (wahl_.konten && (IsNull(konto) || !gewaehltLebend_.count(IntOf(konto)))) return false;
        ergebnis_.outcomes.insert(Outcome::OrphanItems);
        return true;
    }

    void Rows(const char* sTabelle) {
        const QString sName = QString::fromUtf8(sTabelle);
        const Table& archiv = TableOf(archiv_, sTabelle);
        const Table& lebend = TableOf(lebend_, sTabelle);
        const int lKonto = archiv.Column("KontoID");
        const int lKategorie =
            sName == QStringLiteral("Umsätze") ? archiv.Column("KategorieID") : -1;
        const int lSammel = archiv.Column("SammelID");
        const int lBuchung =
            sName == QStringLiteral("Umsätze") || sName == QStringLiteral("UmsZusatz")
                ? archiv.Column("BuchungsID")
                : -1;

        // The rows of the choice, mapped; in id order.
        std::vector<Row> wahl;
        for (const auto& [id, original] : archiv.zeilen) {
            Row zeile = original;
            if (lKonto >= 0) {
                if (!RowsChosen(zeile[lKonto])) continue;
                zeile[lKonto] = AccountTarget(zeile[lKonto]);
            }
            if (lKategorie >= 0) zeile[lKategorie] = CategoryTarget(zeile[lKategorie]);
            if (lSammel >= 0 && !ItemChosen(zeile, lSammel)) continue;
            wahl.push_back(zeile);
        }
        TableCount& zaehler = ergebnis_.zaehler[sName];
        zaehler.lImArchiv = static_cast<qint64>(wahl.size());
        ergebnis_.lZeilen += zaehler.lImArchiv;

        // 3a: equal content, the row of the own id first, then in id order.
        enum Art { kZurueck, kVorhanden, kGeaendert };
        std::vector<Art> art(wahl.size(), kZurueck);
        std::vector<qint64> partner(wahl.size(), 0);
        std::set<qint64> vergeben;
        for (size_t i = 0; i < wahl.size(); ++i) {
            const auto l = lebend.zeilen.find(IntOf(wahl[i][0]));
            if (l != lebend.zeilen.end() && ContentKey(l->second) == ContentKey(wahl[i])) {
                art[i] = kVorhanden;
                partner[i] = l->first;
                vergeben.insert(l->first);
            }
        }
        std::map<QString, std::deque<qint64>> gleiche;
        for (const auto& [id, zeile] : lebend.zeilen)
            if (!vergeben.count(id)) gleiche[ContentKey(zeile)].push_back(id);
        for (size_t i = 0; i < wahl.size(); ++i) {
            if (art[i] != kZurueck) continue;
            std::deque<qint64>& frei = gleiche[ContentKey(wahl[i])];
            if (frei.empty()) continue;
            art[i] = kVorhanden;
            partner[i] = frei.front();
            vergeben.insert(frei.front());
            frei.pop_front();
        }

        // 3b: the same booking, edited since: per (KontoID, BuchungsID) in id order.
        if (lBuchung >= 0) {
            const auto key = [&](const Row& zeile) {
                const Value& b = zeile[lBuchung];
                return IsNull(b) || b == QStringLiteral("''") ? QString()
                                                              : zeile[lKonto] + kTrenner + b;
            };
            std::map<QString, std::deque<qint64>> offen;
            for (const auto& [id, zeile] : lebend.zeilen)
                if (!vergeben.count(id) && !key(zeile).isEmpty()) offen[key(zeile)].push_back(id);
            for (size_t i = 0; i < wahl.size(); ++i) {
                if (art[i] != kZurueck || key(wahl[i]).isEmpty()) continue;
                std::deque<qint64>& frei = offen[key(wahl[i])];
                if (frei.empty()) continue;
                art[i] = kGeaendert;
                partner[i] = frei.front();
                frei.pop_front();
                ++zaehler.lGeaendert;
                ergebnis_.outcomes.insert(Outcome::EditedKept);
            }
        }

        // Equal archive rows of which some are there and some go back.
        std::map<QString, std::pair<int, int>> gleicheArchiv;  // content → (there, back)
        for (size_t i = 0; i < wahl.size(); ++i) {
            auto& [lDa, lZurueck] = gleicheArchiv[ContentKey(wahl[i])];
            if (art[i] == kVorhanden) ++lDa;
            if (art[i] == kZurueck) ++lZurueck;
        }
        for (const auto& [sInhalt, anzahl] : gleicheArchiv)
            if (anzahl.first > 0 && anzahl.second > 0)
                ergebnis_.outcomes.insert(Outcome::IdenticalPayments);

        // 3c: the rest goes back, under its id when free, else a fresh one.
        qint64 lFrei = LargestId(lebend);
        for (size_t i = 0; i < wahl.size(); ++i)
            if (art[i] == kZurueck && !Has(lebend, IntOf(wahl[i][0])))
                lFrei = std::max(lFrei, IntOf(wahl[i][0]));
        const bool bSammel = sName == QStringLiteral("SammelAufträge");
        for (size_t i = 0; i < wahl.size(); ++i) {
            const qint64 id = IntOf(wahl[i][0]);
            if (art[i] == kVorhanden) {
                ++zaehler.lVorhanden;
                if (bSammel) sammelZiel_[id] = partner[i];
            }
            if (art[i] != kZurueck) continue;
            qint64 lNeu = id;
            if (Has(lebend, id)) {
                if (!wahl_.bNeueIds) {
                    Refuse(kCodeKonflikt);
                    continue;
                }
                lNeu = ++lFrei;
                ++zaehler.lNeueIds;
                ergebnis_.outcomes.insert(Outcome::FreshIds);
            }
            ++zaehler.lZurueck;
            Row zeile = wahl[i];
            zeile[0] = IntValue(lNeu);
            nachher_[sName].zeilen[lNeu] = zeile;
            if (bSammel) sammelZiel_[id] = lNeu;
        }
    }

    const Snapshot& archiv_;
    const Snapshot& lebend_;
    const RestoreChoice& wahl_;
    Snapshot nachher_;
    Table konten_;  // the archive's accounts
    Table banken_;  // the archive's banks
    Expected ergebnis_;
    std::map<qint64, qint64> kontoZiel_;       // archive account → live or returned id
    std::set<qint64> gewaehltLebend_;          // the live ids of the chosen accounts
    std::map<QString, qint64> kategorieZiel_;  // archive path → live or returned id
    std::map<qint64, qint64> sammelZiel_;      // archive collective order → live id
};

}  // namespace

bool IsNull(const Value& v) {
    return v == QStringLiteral("NULL");
}

qint64 IntOf(const Value& v) {
    return v.startsWith(u'\'') ? TextOf(v).toLongLong() : v.toLongLong();
}

QString TextOf(const Value& v) {
    if (v.startsWith(u'\''))
        return v.mid(1, v.size() - 2).replace(QStringLiteral("''"), QStringLiteral("'"));
    if (v.startsWith(QStringLiteral("X'")))
        return QString::fromUtf8(QByteArray::fromHex(v.mid(2, v.size() - 3).toLatin1()));
    return IsNull(v) ? QString() : v;
}

Value IntValue(qint64 n) {
    return QString::number(n);
}

Value TextValue(const QString& s) {
    return QLatin1Char('\'') + QString(s).replace(u'\'', QStringLiteral("''")) + QLatin1Char('\'');
}

QString Shown(const Row& zeile) {
    return zeile.join(QStringLiteral(", "));
}

const char* OutcomeName(Outcome outcome) {
    static const char* const namen[] = {"edited kept",        "identical payments", "fresh ids",
                                        "conflict",           "unknown account",    "account named",
                                        "category remapped",  "account re-created", "account back",
                                        "items without order"};
    static_assert(std::size(namen) == static_cast<size_t>(Outcome::kAnzahl));
    const auto i = static_cast<size_t>(outcome);
    return i < std::size(namen) ? namen[i] : "?";
}

Snapshot ReadSnapshot(const QString& sPfad) {
    RawDatabase db(sPfad);
    Snapshot snapshot;
    for (const QString& sTabelle :
         db.Rows(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT "
                                "LIKE 'sqlite%' ORDER BY name"))) {
        Table& t = snapshot[sTabelle];
        for (const QString& spalte :
             db.Rows(QStringLiteral("PRAGMA table_info(\"%1\")").arg(sTabelle)))
            t.spalten << spalte.section(u'|', 1, 1);
        QStringList felder;
        for (const QString& s : t.spalten) felder << QStringLiteral("quote(\"%1\")").arg(s);
        for (const QString& zeile :
             db.Rows(QStringLiteral("SELECT rowid, %1 FROM \"%2\"")
                         .arg(felder.join(QStringLiteral(" || char(31) || ")), sTabelle))) {
            const qsizetype lTrenner = zeile.indexOf(u'|');
            t.zeilen[zeile.left(lTrenner).toLongLong()] = zeile.mid(lTrenner + 1).split(kTrenner);
        }
    }
    return snapshot;
}

Expected ModelRestore(const Snapshot& archiv, const Snapshot& lebend, const RestoreChoice& wahl) {
    return Model(archiv, lebend, wahl).Run();
}

QStringList Differences(const Snapshot& soll, const Snapshot& ist, int lHoechstens) {
    QStringList unterschiede;
    std::set<QString> namen;
    for (const auto& [sName, t] : soll) namen.insert(sName);
    for (const auto& [sName, t] : ist) namen.insert(sName);
    for (const QString& sName : namen) {
        const auto s = soll.find(sName);
        const auto i = ist.find(sName);
        if (s == soll.end() || i == ist.end()) {
            unterschiede << QStringLiteral("table %1 %2")
                                .arg(sName, s == soll.end() ? QStringLiteral("is new")
                                                            : QStringLiteral("is missing"));
            continue;
        }
        std::set<qint64> ids;
        for (const auto& [id, z] : s->second.zeilen) ids.insert(id);
        for (const auto& [id, z] : i->second.zeilen) ids.insert(id);
        for (qint64 id : ids) {
            const auto a = s->second.zeilen.find(id);
            const auto b = i->second.zeilen.find(id);
            const bool bA = a != s->second.zeilen.end();
            const bool bB = b != i->second.zeilen.end();
            if (bA && bB && a->second == b->second) continue;
            if (unterschiede.size() >= lHoechstens) return unterschiede;
            unterschiede << QStringLiteral("%1 %2: expected %3; actual %4")
                                .arg(sName)
                                .arg(id)
                                .arg(bA ? Shown(a->second) : QStringLiteral("(none)"),
                                     bB ? Shown(b->second) : QStringLiteral("(none)"));
        }
    }
    if (unterschiede.size() > lHoechstens) unterschiede = unterschiede.mid(0, lHoechstens);
    return unterschiede;
}

}  // namespace tolva::test
