// Conversions between QVariant and SQLCipher values.
#include "database/SqlValue.h"

#include <QDate>
#include <QDateTime>

#include <sqlite3.h>

namespace tolva {

QVariant ColumnValue(sqlite3_stmt* stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
        case SQLITE_INTEGER:
            return QVariant::fromValue<qint64>(sqlite3_column_int64(stmt, column));
        case SQLITE_FLOAT:
            return QVariant(sqlite3_column_double(stmt, column));
        case SQLITE_TEXT: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
            return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(stmt, column)));
        }
        case SQLITE_BLOB: {
            const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt, column));
            return QVariant(QByteArray(data, sqlite3_column_bytes(stmt, column)));
        }
        default:
            return QVariant();
    }
}

namespace {

enum class Kind { Null, Integer, Real, Text, Blob, Other };

Kind kindOf(const QVariant& value) {
    if (!value.isValid() || value.isNull()) return Kind::Null;
    switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Char:
        case QMetaType::SChar:
        case QMetaType::UChar:
            return Kind::Integer;
        case QMetaType::Double:
        case QMetaType::Float:
            return Kind::Real;
        case QMetaType::QString:
        case QMetaType::QChar:
        case QMetaType::QDate:
        case QMetaType::QDateTime:
            return Kind::Text;
        case QMetaType::QByteArray:
            return Kind::Blob;
        default:
            return Kind::Other;
    }
}

QString textOf(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::QDate:
            return value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
        case QMetaType::QDateTime:
            return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        default:
            return value.toString();
    }
}

}  // namespace

bool IsStorable(const QVariant& value) {
    return kindOf(value) != Kind::Other;
}

int BindValue(sqlite3_stmt* stmt, int index, const QVariant& value) {
    switch (kindOf(value)) {
        case Kind::Null:
            return sqlite3_bind_null(stmt, index);
        case Kind::Integer:
            return sqlite3_bind_int64(stmt, index, value.toLongLong());
        case Kind::Real:
            return sqlite3_bind_double(stmt, index, value.toDouble());
        case Kind::Text: {
            const QByteArray text = textOf(value).toUtf8();
            return sqlite3_bind_text(stmt, index, text.constData(), int(text.size()),
                                     SQLITE_TRANSIENT);
        }
        case Kind::Blob: {
            const QByteArray data = value.toByteArray();
            if (data.isEmpty()) return sqlite3_bind_zeroblob(stmt, index, 0);
            return sqlite3_bind_blob(stmt, index, data.constData(), int(data.size()),
                                     SQLITE_TRANSIENT);
        }
        case Kind::Other:
            break;
    }
    return SQLITE_MISMATCH;
}

QString SqlText(QString sText) {
    return QLatin1Char('\'') + sText.replace(QLatin1Char('\''), QStringLiteral("''")) +
           QLatin1Char('\'');
}

QString QuoteIdentifier(const QString& name) {
    QString sName = name;
    sName.replace(u'"', QStringLiteral("\"\""));
    return u'"' + sName + u'"';
}

}  // namespace tolva
