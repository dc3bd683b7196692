// Conversions between QVariant and SQLCipher values, used by the recordsets and the schema.
#pragma once

#include <QString>
#include <QVariant>

struct sqlite3_stmt;

namespace tolva {

// The value of a result column: null QVariant for NULL, qint64, double, QString (TEXT) or
// QByteArray (BLOB). Precondition: stmt stands on a row.
QVariant ColumnValue(sqlite3_stmt* stmt, int column);

// Whether BindValue can store the value.
bool IsStorable(const QVariant& value);

// Binds a value to parameter `index` (1-based): null -> NULL, bool -> 1/0, whole numbers ->
// INTEGER, floating point -> REAL, QString/QChar -> TEXT, QByteArray -> BLOB, QDate ->
// 'yyyy-MM-dd', QDateTime -> 'yyyy-MM-dd HH:mm:ss'. Returns an sqlite3 result code
// (SQLITE_MISMATCH for a value of another type).
int BindValue(sqlite3_stmt* stmt, int index, const QVariant& value);

// An identifier in double quotes, inner double quotes doubled.
QString QuoteIdentifier(const QString& name);
// A text literal in single quotes, inner single quotes doubled.
QString SqlText(QString sText);

}  // namespace tolva
