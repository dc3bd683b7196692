// The CSV export, in its one fixed format whatever the language shown.
#include "browse/BrowseExport.h"

#include "files/ArchiveFile.h"
#include "files/ReopenCheck.h"
#include "files/SaveFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QIODevice>

#include <algorithm>

namespace tolva {
namespace {

constexpr qint64 kCentProEuro = 100;
// The CSV is handed to the device in pieces of about this size.
constexpr qsizetype kCsvStueck = 64 * 1024;

// Sign, whole euros and the two cent digits of an amount (safe for the smallest qint64).
struct Amount {
    bool bNegativ;
    quint64 lEuro;
    int lCent;
};

Amount Split(qint64 lCent) {
    const quint64 betrag = lCent < 0 ? 0 - quint64(lCent) : quint64(lCent);
    return Amount{lCent < 0, betrag / kCentProEuro, int(betrag % kCentProEuro)};
}

QString Cents(int lCent) {
    return QStringLiteral("%1").arg(lCent, 2, 10, QLatin1Char('0'));
}

QString CsvAmount(qint64 lCent) {
    const Amount a = Split(lCent);
    return (a.bNegativ ? QStringLiteral("-") : QString()) + QString::number(a.lEuro) +
           QLatin1Char(',') + Cents(a.lCent);
}

// "JJJJ-MM-TT" as "TT.MM.JJJJ"; any other stored text as it is.
QString GermanDate(const QString& sDatum) {
    const QDate d = QDate::fromString(sDatum, Qt::ISODate);
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : sDatum;
}

// A text that a spreadsheet would read as a formula gets a leading "'".
QString Neutral(const QString& sText) {
    static const QString kFormelAnfang = QStringLiteral("=+-@\t\r");
    return !sText.isEmpty() && kFormelAnfang.contains(sText.front()) ? QLatin1Char('\'') + sText
                                                                     : sText;
}

void AppendField(QByteArray& zeile, const QString& sFeld) {
    const bool bQuoten = sFeld.contains(u';') || sFeld.contains(u'"') || sFeld.contains(u'\r') ||
                         sFeld.contains(u'\n');
    if (!bQuoten) {
        zeile += sFeld.toUtf8();
        return;
    }
    QString s = sFeld;
    s.replace(u'"', QStringLiteral("\"\""));
    zeile += '"' + s.toUtf8() + '"';
}

QString Lookup(const std::map<qint64, QString>& namen, qint64 id) {
    const auto it = namen.find(id);
    return it != namen.end() ? it->second : QString();
}

// Collects CSV lines and hands them to the device piece by piece.
class CsvSink {
  public:
    CsvSink(const CsvNames& namen, QIODevice& ziel) : namen_(namen), ziel_(ziel) {
        puffer_ =
            "\xEF\xBB\xBF"
            "Konto;Kontonummer/IBAN;Buchungsdatum;Valuta;Betrag;Empf\xC3\xA4nger;"
            "Verwendungszweck;Kategorie;BuchungsID\r\n";
    }
    Status Add(const BookingRow& z) {
        const auto konto = namen_.konten.find(z.lKontoID);
        Text(konto != namen_.konten.end() ? konto->second : UnknownAccountLabelGerman(z.lKontoID));
        Text(Lookup(namen_.nummern, z.lKontoID));
        Text(GermanDate(z.sDatum));
        Text(GermanDate(z.sValuta));
        puffer_ += CsvAmount(z.lBetragCent).toLatin1();
        puffer_ += ';';
        Text(z.sEmpfaenger);
        Text(z.sZweck);
        Text(Lookup(namen_.kategorien, z.lKategorieID));
        AppendField(puffer_, Neutral(z.sBuchungsID));
        puffer_ += "\r\n";
        return puffer_.size() >= kCsvStueck ? Flush() : Status::Ok();
    }
    Status Flush() {
        if (!puffer_.isEmpty() && ziel_.write(puffer_) != puffer_.size())
            return Status::Fail(
                QCoreApplication::translate("BrowseExport",
                                            "Die Umsätze konnten nicht geschrieben werden: %1")
                    .arg(ziel_.errorString()));
        puffer_.clear();
        return Status::Ok();
    }

  private:
    // A text cell and the separator after it.
    void Text(const QString& sText) {
        AppendField(puffer_, Neutral(sText));
        puffer_ += ';';
    }

    const CsvNames& namen_;
    QIODevice& ziel_;
    QByteArray puffer_;
};

}  // namespace

Result<CsvNames> ReadCsvNames(BrowseFile& datei) {
    CsvNames namen;
    for (const auto& [lesen, ziel] : {std::pair{&BrowseFile::AccountLabels, &namen.konten},
                                      std::pair{&BrowseFile::AccountNumbers, &namen.nummern},
                                      std::pair{&BrowseFile::CategoryPaths, &namen.kategorien}}) {
        Result<std::map<qint64, QString>> gelesen = (datei.*lesen)();
        if (!gelesen.ok()) return gelesen.error();
        *ziel = std::move(gelesen).value();
    }
    return namen;
}

Status WriteBookingsCsv(const std::vector<BookingRow>& rows, const CsvNames& namen,
                        QIODevice& ziel) {
    CsvSink csv(namen, ziel);
    for (const BookingRow& z : rows)
        if (Status st = csv.Add(z); !st) return st;
    return csv.Flush();
}

Status WriteBookingsCsv(BrowseFile& datei, const BookingFilter& filter, QIODevice& ziel) {
    const Result<CsvNames> namen = ReadCsvNames(datei);
    if (!namen.ok()) return namen.status();
    CsvSink csv(namen.value(), ziel);
    if (Status st = datei.EachBooking(filter, [&csv](const BookingRow& z) { return csv.Add(z); });
        !st)
        return st;
    return csv.Flush();
}

Status CheckExportTarget(const QString& sZiel, const QStringList& geschuetzt) {
    const auto abgelehnt = [&] {
        return Status::Fail(QCoreApplication::translate(
                                "BrowseExport",
                                "Die Datei %1 ist eine Datenbank (oder gehört zu einer) und wird "
                                "nicht durch die Umsätze ersetzt. Bitte wählen Sie einen anderen "
                                "Namen.")
                                .arg(sZiel));
    };
    const QStringList ziel = SpellingsOf(sZiel);
    const QStringList zusaetze{QString(), QStringLiteral("-journal"), QStringLiteral("-wal"),
                               QStringLiteral("-shm")};
    for (const QString& sDatei : geschuetzt) {
        if (sDatei.isEmpty()) continue;
        for (const QString& sBasis : SpellingsOf(sDatei))
            for (const QString& sZusatz : zusaetze)
                if (ziel.contains(sBasis + sZusatz)) return abgelehnt();
    }
    if (IsDatabaseFile(sZiel)) return abgelehnt();
    for (const QString& sZusatz : zusaetze.mid(1))
        if (sZiel.endsWith(sZusatz) && IsDatabaseFile(sZiel.chopped(sZusatz.size())))
            return abgelehnt();
    return Status::Ok();
}

Status ExportBookingsCsv(BrowseFile& datei, const BookingFilter& filter, const QString& sZiel,
                         const QStringList& geschuetzt) {
    if (Status st = CheckExportTarget(sZiel, geschuetzt); !st) return st;
    return WriteWholeFile(
        sZiel, [&](QIODevice& ausgabe) { return WriteBookingsCsv(datei, filter, ausgabe); });
}

}  // namespace tolva
