// Maps the component's Jet-flavoured SQL texts onto the stored forms of SQLite.
#pragma once

#include <QString>

namespace tolva {

// Replaces every Jet date literal #y/m/d# (outside quoted text) by the stored date form
// 'yyyy-MM-dd'; everything else of the text passes through unchanged.
// Example: "Datum < #2013/7/5#" becomes "Datum < '2013-07-05'".
QString MapSqlDialect(const QString& sql);

}  // namespace tolva
