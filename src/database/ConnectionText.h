// The ADO-style connection text through which every database file of the component is named.
#pragma once

#include <QString>

#include <optional>

namespace tolva {

// The fixed database password of user databases, the template and archives.
inline constexpr const char* kDatenbankPasswort = "kiwi+banane";

// "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path + ";Jet OLEDB:Database Password="
// + "kiwi+banane" + ";" -- the text the component builds for every file it opens.
QString BuildConnectionText(const QString& sPfad);

// The two parts of a connection text that the database layer uses.
struct ConnectionTextParts {
    QString dataSource;  // the file path
    QString password;    // the SQLCipher passphrase
};

// Splits a connection text into its key=value pairs (keys compared case-insensitively).
// Returns nothing when the text names no Data Source.
std::optional<ConnectionTextParts> ParseConnectionText(const QString& text);

}  // namespace tolva
