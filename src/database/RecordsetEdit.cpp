// Recordset: adds rows to a table, changes its current row and copies rows into it.
#include "database/RecordsetImpl.h"
#include "database/SqlValue.h"

#include <QCoreApplication>

namespace tolva {
namespace {

using recordset_detail::noCurrentRow;
using recordset_detail::usage;

}  // namespace

Status Recordset::Impl::writable() const {
    if (!open)
        return usage(
            QCoreApplication::translate("Recordset", "Die Datensatzgruppe ist nicht geöffnet."));
    if (table.isEmpty())
        return usage(QCoreApplication::translate(
                         "Recordset", "Die Datensatzgruppe „%1“ kann nicht geändert werden.")
                         .arg(source));
    return Status::Ok();
}

Status Recordset::Impl::ensureInsert() {
    if (insert) return Status::Ok();
    QStringList felder, platzhalter;
    for (const QString& name : names) {
        felder << QuoteIdentifier(name);
        platzhalter << QStringLiteral("?");
    }
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(QuoteIdentifier(table), felder.join(u','), platzhalter.join(u','));
    const int rc = prepare(sql, &insert);
    return rc == SQLITE_OK ? Status::Ok() : Status(dbError(rc));
}

Status Recordset::SetField(int index, const QVariant& value) {
    Impl& d = *d_;
    if (Status st = d.writable(); !st) return st;
    if (index < 0 || index >= d.names.size())
        return usage(
            QCoreApplication::translate("Recordset", "Das Feld Nr. %1 gibt es in „%2“ nicht.")
                .arg(QString::number(index), d.source));
    if (!IsStorable(value))
        return Status::Fail(
            QCoreApplication::translate("Recordset",
                                        "Der Wert für das Feld „%1“ hat einen Typ, den die "
                                        "Datenbank nicht speichern kann.")
                .arg(d.names[index]),
            SQLITE_MISMATCH, ErrorKind::Sqlite);
    if (d.edit == Impl::Edit::None) {
        if (!d.row()) return noCurrentRow();
        d.edit = Impl::Edit::Change;
        d.buffer.assign(d.names.size(), QVariant());
        d.assigned.assign(d.names.size(), false);
    }
    d.buffer[index] = value;
    d.assigned[index] = true;
    return Status::Ok();
}

Status Recordset::SetField(const QString& name, const QVariant& value) {
    const int index = FieldIndex(name);
    if (index < 0)
        return usage(
            QCoreApplication::translate("Recordset", "Das Feld „%1“ gibt es in „%2“ nicht.")
                .arg(name, d_->source));
    return SetField(index, value);
}

Status Recordset::AddNew() {
    Impl& d = *d_;
    if (Status st = d.writable(); !st) return st;
    if (d.edit != Impl::Edit::None)
        if (Status st = Update(); !st) return st;
    d.edit = Impl::Edit::Add;
    d.buffer.assign(d.names.size(), QVariant());
    d.assigned.assign(d.names.size(), false);
    return Status::Ok();
}

// A failed Update drops the pending row or change, so that the next row can be started.
Status Recordset::Update() {
    Impl& d = *d_;
    if (!d.open)
        return usage(
            QCoreApplication::translate("Recordset", "Die Datensatzgruppe ist nicht geöffnet."));
    Status st;
    if (d.edit == Impl::Edit::Add) st = d.storeNewRow();
    if (d.edit == Impl::Edit::Change) st = d.storeChangedRow();
    d.edit = Impl::Edit::None;
    d.buffer.clear();
    d.assigned.clear();
    return st;
}

Status Recordset::Impl::storeNewRow() {
    if (Status st = ensureInsert(); !st) return st;
    int rc = SQLITE_OK;
    for (int i = 0; i < int(buffer.size()) && rc == SQLITE_OK; ++i)
        rc = BindValue(insert, i + 1, buffer[i]);
    if (rc == SQLITE_OK) rc = sqlite3_step(insert);
    sqlite3_reset(insert);
    sqlite3_clear_bindings(insert);
    if (rc != SQLITE_DONE) return dbError(rc);
    if (recordCount >= 0) ++recordCount;
    return showStored(sqlite3_last_insert_rowid(db));
}

Status Recordset::Impl::storeChangedRow() {
    sqlite3_stmt* current = row();
    if (!current) return noCurrentRow();
    const qint64 rowid = sqlite3_column_int64(current, 0);
    QStringList zuweisungen;
    for (int i = 0; i < int(names.size()); ++i)
        if (assigned[i]) zuweisungen << QuoteIdentifier(names[i]) + QStringLiteral(" = ?");
    sqlite3_stmt* stmt = nullptr;
    int rc = prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                         .arg(QuoteIdentifier(table), zuweisungen.join(u',')),
                     &stmt);
    int parameter = 1;
    for (int i = 0; i < int(names.size()) && rc == SQLITE_OK; ++i)
        if (assigned[i]) rc = BindValue(stmt, parameter++, buffer[i]);
    if (rc == SQLITE_OK) rc = sqlite3_bind_int64(stmt, parameter, rowid);
    if (rc == SQLITE_OK) rc = sqlite3_step(stmt);
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE) return dbError(rc);
    return showStored(rowid);
}

Status Recordset::AppendCopyOf(const Recordset& quelle) {
    Impl& d = *d_;
    if (!d.open || d.table.isEmpty() || d.edit != Impl::Edit::None) {
        if (Status st = d.writable(); !st) return st;
        return usage(QCoreApplication::translate("Recordset",
                                                 "In „%1“ wird gerade ein Datensatz bearbeitet.")
                         .arg(d.source));
    }
    const Impl& q = *quelle.d_;
    sqlite3_stmt* source = q.open ? q.row() : nullptr;
    if (!source) return noCurrentRow();
    const int n = int(q.names.size());
    if (n > int(d.names.size()))
        return usage(QCoreApplication::translate("Recordset", "„%1“ hat mehr Felder als „%2“.")
                         .arg(q.source, d.source));
    if (Status st = d.ensureInsert(); !st) return st;
    if (n < int(d.names.size())) sqlite3_clear_bindings(d.insert);
    for (int i = 0; i < n; ++i)
        sqlite3_bind_value(d.insert, i + 1, sqlite3_column_value(source, i + q.offset));
    int rc = sqlite3_step(d.insert);
    sqlite3_reset(d.insert);
    if (rc != SQLITE_DONE) return d.dbError(rc);
    if (d.recordCount >= 0) ++d.recordCount;
    return d.showStored(sqlite3_last_insert_rowid(d.db));
}

}  // namespace tolva
