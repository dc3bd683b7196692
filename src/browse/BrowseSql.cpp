// The booking filter as SQL, and reading bookings by id.
#include "browse/BrowseQuery.h"

#include <sqlite3.h>

namespace tolva {

void Condition::Add(const char* sTeil, std::variant<qint64, QString> wert) {
    sql += " AND ";
    sql += sTeil;
    werte.push_back(std::move(wert));
}

QByteArray Condition::Where() const {
    return sql.isEmpty() ? QByteArray() : " WHERE" + sql.mid(4);
}

void Condition::BindTo(Query& q, int lErster) const {
    for (size_t i = 0; i < werte.size(); ++i) {
        const int n = lErster + int(i);
        if (const auto* l = std::get_if<qint64>(&werte[i]))
            q.Bind(n, *l);
        else
            q.Bind(n, std::get<QString>(werte[i]));
    }
}

Condition Conditions(const BookingFilter& filter) {
    Condition c;
    if (filter.lKontoID) c.Add("KontoID = ?", *filter.lKontoID);
    if (filter.dVon.isValid()) c.Add("Buchungsdatum >= ?", filter.dVon.toString(Qt::ISODate));
    if (filter.dBis.isValid()) c.Add("Buchungsdatum <= ?", filter.dBis.toString(Qt::ISODate));
    if (filter.lBetragVonCent) c.Add("Betrag >= ?", *filter.lBetragVonCent);
    if (filter.lBetragBisCent) c.Add("Betrag <= ?", *filter.lBetragBisCent);
    const QString sNadel = FoldForSearch(filter.sText);
    if (!sNadel.isEmpty())
        c.Add(
            "instr(tolva_falte(coalesce(Empfaenger, '') || ' ' || "
            "coalesce(Verwendungszweck, '')), ?) > 0",
            sNadel);
    return c;
}

QByteArray OrderBy(const BookingFilter& filter) {
    const QByteArray d = filter.bAbsteigend ? " DESC" : "";
    QByteArray spalten;
    switch (filter.eSortierung) {
        case BookingColumn::Datum:
            spalten = "Buchungsdatum" + d;
            break;
        case BookingColumn::Konto:
            spalten = "KontoID" + d + ", Buchungsdatum" + d;
            break;
        case BookingColumn::Betrag:
            spalten = "Betrag" + d;
            break;
        case BookingColumn::Empfaenger:
            spalten = "tolva_falte(Empfaenger)" + d;
            break;
        case BookingColumn::Zweck:
            spalten = "tolva_falte(Verwendungszweck)" + d;
            break;
    }
    return " ORDER BY " + spalten + ", id" + d;
}

BookingRow RowOf(const Query& q) {
    return BookingRow{q.Int(0),  q.Int(1),  q.Text(2), q.Int(3), q.Text(4),
                      q.Text(5), q.Text(6), q.Text(7), q.Int(8)};
}

bool NeedsScan(const BookingFilter& filter) {
    return filter.lBetragVonCent || filter.lBetragBisCent || !FoldForSearch(filter.sText).isEmpty();
}

bool KeepsIds(const BookingFilter& filter) {
    return NeedsScan(filter) || (filter.eSortierung != BookingColumn::Datum &&
                                 filter.eSortierung != BookingColumn::Konto);
}

bool SameBookings(const BookingFilter& a, const BookingFilter& b, bool bMitOrdnung) {
    if (bMitOrdnung && (a.eSortierung != b.eSortierung || a.bAbsteigend != b.bAbsteigend))
        return false;
    return a.lKontoID == b.lKontoID && a.dVon == b.dVon && a.dBis == b.dBis &&
           a.lBetragVonCent == b.lBetragVonCent && a.lBetragBisCent == b.lBetragBisCent &&
           FoldForSearch(a.sText) == FoldForSearch(b.sText);
}

ReadSnapshot::ReadSnapshot(sqlite3* db) : db_(db) {
    bOffen_ = sqlite3_get_autocommit(db_) &&
              sqlite3_exec(db_, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK;
}

ReadSnapshot::~ReadSnapshot() {
    if (bOffen_) sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
}

RowById::RowById(sqlite3* db, const QString& sDatei)
    : q_(db, QByteArray("SELECT ") + kBuchungSpalten + " FROM Umsätze WHERE id = ?1", sDatei) {}

Status RowById::Send(qint64 id, const std::function<Status(const BookingRow&)>& sink) {
    q_.Reset();
    q_.Bind(1, id);
    if (q_.Next()) return sink(RowOf(q_));
    return q_.status();
}

}  // namespace tolva
