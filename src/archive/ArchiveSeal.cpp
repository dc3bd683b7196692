// The archive's seal: its canonical text and hash, and its table written and read back.
#include "archive/ArchiveSeal.h"

#include "database/Connection.h"
#include "database/Query.h"

#include <QCryptographicHash>

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace tolva {
namespace {

// The kinds of rows, as they stand in the table and begin the text's lines.
constexpr const char* kFormat = "format";
constexpr const char* kStichtag = "stichtag";
constexpr const char* kQuelle = "quelle";
constexpr const char* kErstellt = "erstellt";
constexpr const char* kProgramm = "programm";
constexpr const char* kGerettetAus = "gerettet_aus";
constexpr const char* kTabelle = "tabelle";
constexpr const char* kSiegel = "siegel";

QByteArray Escaped(const QString& sWert) {
    QByteArray aus;
    for (const char c : sWert.toUtf8()) {
        switch (c) {
            case '\\':
                aus += "\\\\";
                break;
            case '\t':
                aus += "\\t";
                break;
            case '\n':
                aus += "\\n";
                break;
            case '\r':
                aus += "\\r";
                break;
            default:
                aus += c;
        }
    }
    return aus;
}

QString HexSum(quint64 lSumme) {
    return QStringLiteral("%1").arg(lSumme, 16, 16, QLatin1Char('0'));
}

// The checksum from its 16 hex digits; nothing for any other text.
std::optional<quint64> ParseHexSum(const QString& sText) {
    if (sText.size() != 16) return std::nullopt;
    for (const QChar c : sText)
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f'))) return std::nullopt;
    bool ok = false;
    const quint64 wert = sText.toULongLong(&ok, 16);
    return ok ? std::optional<quint64>(wert) : std::nullopt;
}

// Whether the text is a seal's hash: 64 lowercase hex digits.
bool IsSealHash(const QString& sText) {
    return sText.size() == 64 && std::all_of(sText.begin(), sText.end(), [](QChar c) {
               return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
           });
}

}  // namespace

QByteArray SealText(const ArchiveSeal& siegel) {
    QByteArray text;
    const auto zeile = [&text](const char* sArt, const QByteArray& wert) {
        text += sArt;
        text += ' ';
        text += wert;
        text += '\n';
    };
    zeile(kFormat, QByteArray::number(kSiegelFormat));
    zeile(kStichtag, Escaped(siegel.sStichtag));
    zeile(kQuelle, Escaped(siegel.sQuelle));
    zeile(kErstellt, Escaped(siegel.sErstellt));
    zeile(kProgramm, Escaped(siegel.sProgramm));
    if (const std::optional<SealSource>& q = siegel.gerettetAus)
        zeile(kGerettetAus, Escaped(q->sDatei) + '\t' + QByteArray::number(q->lVerloren) + '\t' +
                                Escaped(q->sSiegel));
    std::vector<std::pair<QByteArray, const Pruefsumme*>> tabellen;
    for (const auto& [sName, summe] : siegel.tabellen)
        tabellen.emplace_back(Escaped(sName), &summe);
    std::sort(tabellen.begin(), tabellen.end(), [](const auto& a, const auto& b) {
        const int n = std::memcmp(a.first.constData(), b.first.constData(),
                                  size_t(std::min(a.first.size(), b.first.size())));
        return n != 0 ? n < 0 : a.first.size() < b.first.size();
    });
    for (const auto& [name, summe] : tabellen)
        zeile(kTabelle, name + '\t' + QByteArray::number(summe->lAnzahl) + '\t' +
                            HexSum(summe->lSumme).toLatin1());
    return text;
}

QString SealHash(const ArchiveSeal& siegel) {
    return QString::fromLatin1(
        QCryptographicHash::hash(SealText(siegel), QCryptographicHash::Sha256).toHex());
}

bool SealMatches(const ArchiveSeal& siegel) {
    return siegel.bFormGueltig && siegel.sSiegel == SealHash(siegel);
}

Status WriteSeal(sqlite3* db, ArchiveSeal& siegel, const QString& sDatei) {
    const QByteArray sTabelle = kSiegelTabelle;
    if (const int rc = sqlite3_exec(db,
                                    "CREATE TABLE main." + sTabelle +
                                        " (Art TEXT, Wert TEXT, Anzahl INTEGER, Pruefsumme TEXT)",
                                    nullptr, nullptr, nullptr);
        rc != SQLITE_OK)
        return DatabaseError(db, rc, sDatei);
    siegel.sSiegel = SealHash(siegel);
    Query wert(db, "INSERT INTO main." + sTabelle + " (Art, Wert) VALUES (?1, ?2)", sDatei);
    const auto schreibe = [&wert](const char* sArt, const QString& sWert) {
        wert.Reset();
        wert.Bind(1, QString::fromLatin1(sArt));
        wert.Bind(2, sWert);
        wert.Next();
    };
    schreibe(kFormat, QString::number(kSiegelFormat));
    schreibe(kStichtag, siegel.sStichtag);
    schreibe(kQuelle, siegel.sQuelle);
    schreibe(kErstellt, siegel.sErstellt);
    schreibe(kProgramm, siegel.sProgramm);
    if (const std::optional<SealSource>& q = siegel.gerettetAus) {
        Query herkunft(db,
                       "INSERT INTO main." + sTabelle +
                           " (Art, Wert, Anzahl, Pruefsumme) VALUES ('gerettet_aus', ?1, ?2, ?3)",
                       sDatei);
        herkunft.Bind(1, q->sDatei);
        herkunft.Bind(2, q->lVerloren);
        herkunft.Bind(3, q->sSiegel);
        herkunft.Next();
        if (!herkunft.status().ok()) return herkunft.status();
    }
    Query tabelle(db,
                  "INSERT INTO main." + sTabelle +
                      " (Art, Wert, Anzahl, Pruefsumme) VALUES ('tabelle', ?1, ?2, ?3)",
                  sDatei);
    for (const auto& [sName, summe] : siegel.tabellen) {
        tabelle.Reset();
        tabelle.Bind(1, sName);
        tabelle.Bind(2, summe.lAnzahl);
        tabelle.Bind(3, HexSum(summe.lSumme));
        tabelle.Next();
    }
    schreibe(kSiegel, siegel.sSiegel);
    if (!wert.status().ok()) return wert.status();
    return tabelle.status();
}

Result<std::optional<ArchiveSeal>> ReadSeal(sqlite3* db, const QString& sDatei) {
    Query gibt(db, "SELECT 1 FROM main.sqlite_master WHERE type = 'table' AND name = ?1", sDatei);
    gibt.Bind(1, QString::fromLatin1(kSiegelTabelle));
    if (!gibt.Next()) {
        if (!gibt.status().ok()) return gibt.status().error();
        return std::optional<ArchiveSeal>();
    }
    ArchiveSeal siegel;
    std::map<QString, int> gesehen;  // kinds of single rows, and how often they came
    Query q(db,
            QByteArray("SELECT Art, Wert, Anzahl, Pruefsumme, typeof(Anzahl) FROM main.") +
                kSiegelTabelle,
            sDatei);
    while (q.Next()) {
        const QString sArt = q.Text(0);
        const QString sWert = q.Text(1);
        if (sArt == QLatin1String(kTabelle)) {
            const std::optional<quint64> summe = ParseHexSum(q.Text(3));
            if (!summe || q.Text(4) != QLatin1String("integer") || q.Int(2) < 0 ||
                siegel.tabellen.count(sWert)) {
                siegel.bFormGueltig = false;
                continue;
            }
            siegel.tabellen[sWert] = Pruefsumme{q.Int(2), *summe};
            continue;
        }
        if (++gesehen[sArt] > 1) siegel.bFormGueltig = false;
        if (sArt == QLatin1String(kGerettetAus)) {
            const QString sHash = q.Text(3);
            if (q.Text(4) != QLatin1String("integer") || q.Int(2) < 0 ||
                !(sHash.isEmpty() || IsSealHash(sHash)))
                siegel.bFormGueltig = false;
            siegel.gerettetAus = SealSource{sWert, q.Int(2), sHash};
            continue;
        }
        if (sArt == QLatin1String(kFormat))
            siegel.bFormGueltig = siegel.bFormGueltig && sWert == QString::number(kSiegelFormat);
        else if (sArt == QLatin1String(kStichtag))
            siegel.sStichtag = sWert;
        else if (sArt == QLatin1String(kQuelle))
            siegel.sQuelle = sWert;
        else if (sArt == QLatin1String(kErstellt))
            siegel.sErstellt = sWert;
        else if (sArt == QLatin1String(kProgramm))
            siegel.sProgramm = sWert;
        else if (sArt == QLatin1String(kSiegel))
            siegel.sSiegel = sWert;
        else
            siegel.bFormGueltig = false;
    }
    if (!q.status().ok()) return q.status().error();
    if (!gesehen.count(QString::fromLatin1(kFormat))) siegel.bFormGueltig = false;
    return std::optional<ArchiveSeal>(std::move(siegel));
}

}  // namespace tolva
