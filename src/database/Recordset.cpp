// Recordset: opens a table or a read-only SQL text and walks it row by row.
#include "database/Recordset.h"

#include "database/RecordsetImpl.h"
#include "database/SqlDialect.h"
#include "database/SqlValue.h"

#include <QCoreApplication>

namespace tolva {
namespace {

using recordset_detail::noCurrentRow;
using recordset_detail::usage;

// ASCII letters compare case-insensitively, every other character exactly.
bool sameFieldName(const QString& a, const QString& b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const char16_t x = a[i].unicode(), y = b[i].unicode();
        if (x == y) continue;
        const auto lower = [](char16_t c) -> char16_t {
            return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
        };
        if (x >= 128 || y >= 128 || lower(x) != lower(y)) return false;
    }
    return true;
}

bool isTableName(const QString& source) {
    for (const QChar c : source)
        if (c.isSpace()) return false;
    return !source.isEmpty();
}

// "Konten", [Konten] or "Konten" in double quotes all name the table Konten.
QString tableNameOf(const QString& source) {
    if (source.size() >= 2 && ((source.front() == u'[' && source.back() == u']') ||
                               (source.front() == u'"' && source.back() == u'"')))
        return source.mid(1, source.size() - 2);
    return source;
}

// Only blanks and semicolons may follow the one statement of a recordset's SQL text.
bool onlyTerminators(const char* tail) {
    for (; *tail; ++tail)
        if (*tail != ';' && !QChar::isSpace(static_cast<unsigned char>(*tail))) return false;
    return true;
}

}  // namespace

sqlite3_stmt* Recordset::Impl::row() const {
    if (!viewStored) return onRow ? walk : nullptr;
    if (!storedOnRow) {
        sqlite3_reset(stored);
        sqlite3_bind_int64(stored, 1, storedRowid);
        storedOnRow = sqlite3_step(stored) == SQLITE_ROW;
    }
    return storedOnRow ? stored : nullptr;
}

Status Recordset::Impl::step() {
    const int rc = sqlite3_step(walk);
    onRow = rc == SQLITE_ROW;
    if (rc == SQLITE_ROW || rc == SQLITE_DONE) return Status::Ok();
    return dbError(rc);
}

Status Recordset::Impl::showStored(qint64 rowid) {
    if (!stored) {
        const int rc = prepare(
            QStringLiteral("SELECT rowid, * FROM %1 WHERE rowid = ?").arg(QuoteIdentifier(table)),
            &stored);
        if (rc != SQLITE_OK) return dbError(rc);
    }
    leaveStored();
    viewStored = true;
    storedRowid = rowid;
    eof = bof = false;
    return Status::Ok();
}

void Recordset::Impl::leaveStored() {
    viewStored = false;
    if (storedOnRow) sqlite3_reset(stored);
    storedOnRow = false;
}

Recordset::Recordset() : d_(std::make_unique<Impl>()) {}
Recordset::~Recordset() {
    Close();
}

Status Recordset::Open(const QString& source, Connection& connection, int, int, long) {
    if (d_->open)
        return usage(
            QCoreApplication::translate("Recordset", "Die Datensatzgruppe ist bereits geöffnet."));
    if (connection.State() != Connection::adStateOpen)
        return usage(QCoreApplication::translate(
            "Recordset", "Die Verbindung zur Datenbank ist nicht geöffnet."));
    Impl& d = *d_;
    d.db = connection.Handle();
    d.sDatei = connection.MessageName();
    d.source = source.trimmed();
    if (isTableName(d.source)) {
        d.table = tableNameOf(d.source);
        d.walkSql =
            QStringLiteral("SELECT rowid, * FROM %1 ORDER BY rowid").arg(QuoteIdentifier(d.table));
        d.offset = 1;
    } else {
        d.walkSql = MapSqlDialect(d.source);
        d.offset = 0;
    }
    const QByteArray text = d.walkSql.toUtf8();
    const char* tail = nullptr;
    int rc = sqlite3_prepare_v2(d.db, text.constData(), int(text.size()) + 1, &d.walk, &tail);
    Status st;
    if (rc != SQLITE_OK) {
        st = d.dbError(rc);
    } else if (!d.walk || !onlyTerminators(tail) || !sqlite3_stmt_readonly(d.walk)) {
        st = usage(
            QCoreApplication::translate("Recordset", "„%1“ ist keine einzelne lesende Abfrage.")
                .arg(d.source));
    }
    if (st.ok()) {
        for (int i = d.offset; i < sqlite3_column_count(d.walk); ++i)
            d.names << QString::fromUtf8(sqlite3_column_name(d.walk, i));
        d.open = true;
        st = d.step();
        d.eof = d.bof = !d.onRow;
    }
    if (!st) Close();
    return st;
}

int Recordset::State() const {
    return d_->open ? adStateOpen : adStateClosed;
}

void Recordset::Close() {
    sqlite3_finalize(d_->walk);
    sqlite3_finalize(d_->stored);
    sqlite3_finalize(d_->insert);
    *d_ = Impl();
}

Status Recordset::MoveFirst() {
    Impl& d = *d_;
    if (!d.open)
        return usage(
            QCoreApplication::translate("Recordset", "Die Datensatzgruppe ist nicht geöffnet."));
    if (d.edit != Impl::Edit::None)
        if (Status st = Update(); !st) return st;
    d.leaveStored();
    sqlite3_reset(d.walk);
    Status st = d.step();
    d.eof = d.bof = !d.onRow;
    if (st && !d.onRow) return noCurrentRow();
    return st;
}

Status Recordset::MoveNext() {
    Impl& d = *d_;
    if (!d.open)
        return usage(
            QCoreApplication::translate("Recordset", "Die Datensatzgruppe ist nicht geöffnet."));
    if (d.edit != Impl::Edit::None)
        if (Status st = Update(); !st) return st;
    if (d.eof) return noCurrentRow();
    d.leaveStored();
    d.bof = false;
    if (!d.onRow) {  // the walk had ended before a row was added
        d.eof = true;
        return Status::Ok();
    }
    Status st = d.step();
    d.eof = !d.onRow;
    return st;
}

bool Recordset::Eof() const {
    return d_->eof;
}
bool Recordset::Bof() const {
    return d_->bof;
}

Result<qint64> Recordset::RecordCount() {
    Impl& d = *d_;
    if (!d.open)
        return usage(QCoreApplication::translate("Recordset",
                                                 "Die Datensatzgruppe ist nicht geöffnet."))
            .error();
    if (d.recordCount >= 0) return d.recordCount;
    QString sQuelle = d.table.isEmpty() ? d.walkSql.trimmed() : QuoteIdentifier(d.table);
    while (sQuelle.endsWith(u';')) sQuelle = sQuelle.chopped(1).trimmed();
    if (d.table.isEmpty()) sQuelle = u'(' + sQuelle + u')';
    sqlite3_stmt* stmt = nullptr;
    int rc = d.prepare(QStringLiteral("SELECT count(*) FROM ") + sQuelle, &stmt);
    if (rc == SQLITE_OK) rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW) d.recordCount = sqlite3_column_int64(stmt, 0);
    const int rcEnde = sqlite3_finalize(stmt);
    if (rc != SQLITE_ROW) return d.dbError(rc == SQLITE_DONE ? rcEnde : rc);
    return d.recordCount;
}

int Recordset::FieldCount() const {
    return int(d_->names.size());
}

QString Recordset::FieldName(int index) const {
    return d_->names.value(index);
}

int Recordset::FieldIndex(const QString& name) const {
    for (int i = 0; i < d_->names.size(); ++i)
        if (sameFieldName(d_->names[i], name)) return i;
    return -1;
}

QVariant Recordset::Field(int index) const {
    const Impl& d = *d_;
    if (index < 0 || index >= d.names.size()) return QVariant();
    if (d.edit == Impl::Edit::Add || (d.edit == Impl::Edit::Change && d.assigned[index]))
        return d.buffer[index];
    sqlite3_stmt* stmt = d.row();
    return stmt ? ColumnValue(stmt, index + d.offset) : QVariant();
}

Result<QVariant> Recordset::Field(const QString& name) const {
    const int index = FieldIndex(name);
    if (index < 0)
        return usage(
                   QCoreApplication::translate("Recordset", "Das Feld „%1“ gibt es in „%2“ nicht.")
                       .arg(name, d_->source))
            .error();
    if (d_->edit != Impl::Edit::Add && !d_->row()) return noCurrentRow().error();
    return Field(index);
}

}  // namespace tolva
