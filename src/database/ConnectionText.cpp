// Building and splitting the ADO-style connection text of the database files.
#include "database/ConnectionText.h"

#include <QHash>

namespace tolva {
namespace {

// A path that would end the value early or lose blanks is written in double quotes.
bool needsQuotes(const QString& sWert) {
    return sWert.contains(u';') || sWert.startsWith(u'"') || sWert.startsWith(u'\'') ||
           sWert != sWert.trimmed();
}

QString quoted(QString sWert) {
    sWert.replace(u'"', QStringLiteral("\"\""));
    return u'"' + sWert + u'"';
}

// Reads a value from position i on: "quoted" or 'quoted' (the quote doubled inside), or
// plain up to the next ';' with blanks around it dropped. Leaves i behind the value's ';'.
QString readValue(const QString& text, qsizetype& i) {
    const qsizetype n = text.size();
    while (i < n && text[i].isSpace() && text[i] != u';') ++i;
    QString sWert;
    if (i < n && (text[i] == u'"' || text[i] == u'\'')) {
        const QChar quote = text[i++];
        while (i < n) {
            if (text[i] == quote) {
                if (i + 1 < n && text[i + 1] == quote) {
                    sWert += quote;
                    i += 2;
                    continue;
                }
                ++i;
                break;
            }
            sWert += text[i++];
        }
        while (i < n && text[i] != u';') ++i;
    } else {
        const qsizetype start = i;
        while (i < n && text[i] != u';') ++i;
        sWert = text.mid(start, i - start).trimmed();
    }
    if (i < n) ++i;  // the ';'
    return sWert;
}

}  // namespace

QString BuildConnectionText(const QString& sPfad) {
    const QString sQuelle = needsQuotes(sPfad) ? quoted(sPfad) : sPfad;
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + sQuelle +
           QStringLiteral(";Jet OLEDB:Database Password=") + QLatin1String(kDatenbankPasswort) +
           u';';
}

std::optional<ConnectionTextParts> ParseConnectionText(const QString& text) {
    QHash<QString, QString> werte;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const qsizetype gleich = text.indexOf(u'=', i);
        const qsizetype semikolon = text.indexOf(u';', i);
        if (gleich < 0 || (semikolon >= 0 && semikolon < gleich)) {  // no key=value here
            if (semikolon < 0) break;
            i = semikolon + 1;
            continue;
        }
        const QString sSchluessel = text.mid(i, gleich - i).simplified().toLower();
        i = gleich + 1;
        werte.insert(sSchluessel, readValue(text, i));
    }
    const QString sQuelle = werte.value(QStringLiteral("data source"));
    if (sQuelle.isEmpty()) return std::nullopt;
    return ConnectionTextParts{sQuelle, werte.value(QStringLiteral("jet oledb:database password"))};
}

}  // namespace tolva
