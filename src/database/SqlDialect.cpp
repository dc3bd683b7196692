// Maps Jet date literals of the component's SQL texts onto the stored 'yyyy-MM-dd' form.
#include "database/SqlDialect.h"

#include <QDate>

namespace tolva {
namespace {

// Reads 1..maxDigits decimal digits from position i on.
bool readNumber(const QString& sql, qsizetype& i, int maxDigits, int& value) {
    value = 0;
    int digits = 0;
    while (i < sql.size() && digits < maxDigits && sql[i] >= u'0' && sql[i] <= u'9') {
        value = value * 10 + (sql[i].unicode() - u'0');
        ++i;
        ++digits;
    }
    return digits > 0;
}

// When a valid date literal #y/m/d# starts at `start`, returns its length and the mapped text.
qsizetype readDateLiteral(const QString& sql, qsizetype start, QString& mapped) {
    qsizetype i = start + 1;
    int year = 0, month = 0, day = 0;
    const auto expect = [&](QChar c) { return i < sql.size() && sql[i++] == c; };
    if (!readNumber(sql, i, 4, year) || !expect(u'/') || !readNumber(sql, i, 2, month) ||
        !expect(u'/') || !readNumber(sql, i, 2, day) || !expect(u'#'))
        return 0;
    if (!QDate::isValid(year, month, day)) return 0;
    mapped = QString::asprintf("'%04d-%02d-%02d'", year, month, day);
    return i - start;
}

// End of the quoted text, identifier or comment starting at i, or i when none starts there.
qsizetype skipQuoted(const QString& sql, qsizetype i) {
    const QChar c = sql[i];
    const QChar next = i + 1 < sql.size() ? sql[i + 1] : QChar();
    qsizetype end = -1;
    if (c == u'\'' || c == u'"' || c == u'`' || c == u'[') {
        end = sql.indexOf(c == u'[' ? u']' : c, i + 1);
        end = end < 0 ? sql.size() : end + 1;
    } else if (c == u'-' && next == u'-') {
        end = sql.indexOf(u'\n', i);
        end = end < 0 ? sql.size() : end + 1;
    } else if (c == u'/' && next == u'*') {
        end = sql.indexOf(QStringLiteral("*/"), i + 2);
        end = end < 0 ? sql.size() : end + 2;
    }
    return end < 0 ? i : end;
}

}  // namespace

QString MapSqlDialect(const QString& sql) {
    if (!sql.contains(u'#')) return sql;
    QString result;
    result.reserve(sql.size() + 8);
    qsizetype i = 0;
    while (i < sql.size()) {
        const qsizetype skipped = skipQuoted(sql, i);
        if (skipped > i) {
            result += QStringView(sql).mid(i, skipped - i);
            i = skipped;
            continue;
        }
        QString mapped;
        if (sql[i] == u'#') {
            if (const qsizetype length = readDateLiteral(sql, i, mapped)) {
                result += mapped;
                i += length;
                continue;
            }
        }
        result += sql[i++];
    }
    return result;
}

}  // namespace tolva
