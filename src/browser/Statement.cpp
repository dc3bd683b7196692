// The printed statement: its head read from the file, a layout pass, then the painting.
#include "browser/Statement.h"
#include "text/DisplayFormat.h"

#include "archive/ArchiveList.h"
#include "browse/BrowseExport.h"
#include "browser/StatementLayout.h"
#include "browser/StatementWriter.h"
#include "files/SaveFile.h"
#include "hostlib/Clock.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>

namespace tolva {
namespace {

constexpr double kRandMm = 15;
constexpr int kPdfAufloesung = 600;

// The archive's description lines; none when the file has no description row.
QStringList Description(const QString& sPfad) {
    const ArchiveDescription beschreibung = ReadArchiveDescription(sPfad);
    if (!beschreibung.bGeoeffnet || beschreibung.bOhneBeschreibung) return {};
    return beschreibung.aZeilen;
}

QStringList FilterWords(const BookingFilter& filter) {
    QStringList worte;
    if (!filter.sText.trimmed().isEmpty())
        worte << QCoreApplication::translate("Statement",
                                             "Suche: „%1“ in Empfänger und Verwendungszweck")
                     .arg(filter.sText.trimmed());
    if (filter.lBetragVonCent && filter.lBetragBisCent)
        worte << QCoreApplication::translate("Statement", "Beträge von %1 bis %2")
                     .arg(DisplayCents(*filter.lBetragVonCent),
                          DisplayCents(*filter.lBetragBisCent));
    else if (filter.lBetragVonCent)
        worte << QCoreApplication::translate("Statement", "Beträge ab %1")
                     .arg(DisplayCents(*filter.lBetragVonCent));
    else if (filter.lBetragBisCent)
        worte << QCoreApplication::translate("Statement", "Beträge bis %1")
                     .arg(DisplayCents(*filter.lBetragBisCent));
    if (worte.isEmpty())
        worte << QCoreApplication::translate("Statement", "Alle Umsätze des Zeitraums");
    return worte;
}

// The head: the file, its accounts as far as the filter lets bookings of them through (the
// filter's account even without any), the period.
Result<StatementHead> ReadHead(BrowseFile& datei, const BookingFilter& filter) {
    StatementHead kopf;
    kopf.sArchiv = QFileInfo(datei.Path()).fileName();
    kopf.beschreibung = Description(datei.Path());
    kopf.filter = FilterWords(filter);
    kopf.dGedruckt = CurrentDateTime().date();
    const Result<std::vector<BrowseAccount>> konten = datei.Accounts();
    if (!konten.ok()) return konten.error();
    const Result<std::map<qint64, QString>> nummern = datei.AccountNumbers();
    if (!nummern.ok()) return nummern.error();
    const auto account = [&](qint64 lKontoID) {
        StatementAccount k;
        k.lKontoID = lKontoID;
        k.sKonto = lKontoID == 0 ? QCoreApplication::translate("Statement", "ohne Konto")
                                 : UnknownAccountLabel(lKontoID);
        for (const BrowseAccount& b : konten.value())
            if (b.lKontoID == lKontoID && lKontoID != 0) {
                k.sKonto = b.sKonto;
                k.sBank = b.sBank;
            }
        if (const auto it = nummern.value().find(lKontoID); it != nummern.value().end())
            k.sNummer = it->second;
        return k;
    };
    if (filter.lKontoID) kopf.konten.push_back(account(*filter.lKontoID));
    QString sErste, sLetzte;
    const Status gezaehlt = datei.EachBooking(filter, [&](const BookingRow& z) {
        if (kopf.konten.empty() || kopf.konten.back().lKontoID != z.lKontoID)
            kopf.konten.push_back(account(z.lKontoID));
        ++kopf.konten.back().lAnzahl;
        if (sErste.isEmpty() || z.sDatum < sErste) sErste = z.sDatum;
        if (z.sDatum > sLetzte) sLetzte = z.sDatum;
        return Status::Ok();
    });
    if (!gezaehlt) return gezaehlt.error();
    const QDate dVon = filter.dVon.isValid() ? filter.dVon : QDate::fromString(sErste, Qt::ISODate);
    const QDate dBis =
        filter.dBis.isValid() ? filter.dBis : QDate::fromString(sLetzte, Qt::ISODate);
    kopf.sZeitraum = dVon.isValid() || dBis.isValid()
                         ? (dVon.isValid() ? DisplayDate(dVon) : QStringLiteral("…")) +
                               QStringLiteral(" – ") +
                               (dBis.isValid() ? DisplayDate(dBis) : QStringLiteral("…"))
                         : QCoreApplication::translate("Statement", "ohne Umsätze");
    return kopf;
}

// One pass of the rows through a writer.
Status Pass(BrowseFile& datei, const BookingFilter& filter, StatementWriter& schreiber) {
    if (Status st =
            datei.EachBooking(filter, [&](const BookingRow& z) { return schreiber.Add(z); });
        !st)
        return st;
    return schreiber.Finish();
}

}  // namespace

Status WriteStatement(BrowseFile& datei, const BookingFilter& gezeigt, QPagedPaintDevice& geraet) {
    BookingFilter filter = gezeigt;
    filter.eSortierung = BookingColumn::Konto;
    filter.bAbsteigend = false;
    const Result<StatementHead> kopf = ReadHead(datei, filter);
    if (!kopf.ok()) return kopf.status();
    const StatementLayout layout(geraet);
    StatementWriter messen(layout, kopf.value());
    if (Status st = Pass(datei, filter, messen); !st) return st;
    QPainter maler;
    if (!maler.begin(&geraet))
        return Status::Fail(
            QCoreApplication::translate("Statement",
                                        "Die Umsätze können nicht gedruckt werden: das Gerät "
                                        "nimmt keine Seiten an."));
    StatementWriter malen(layout, kopf.value(), &maler, &geraet, messen.Pages());
    Status st = Pass(datei, filter, malen);
    // Only a file changed between the passes (the live database) breaks its pages otherwise;
    // its footers would then count wrong.
    if (st.ok() && malen.Pages() != messen.Pages())
        st = Status::Fail(
            QCoreApplication::translate("Statement",
                                        "Die Umsätze haben sich während des Druckens geändert. "
                                        "Bitte versuchen Sie es noch einmal."));
    if (!maler.end() && st.ok())
        return Status::Fail(QCoreApplication::translate(
            "Statement", "Die Umsätze konnten nicht fertig gedruckt werden."));
    return st;
}

Status WriteStatementPdf(BrowseFile& datei, const BookingFilter& filter, QIODevice& ziel) {
    QPdfWriter pdf(&ziel);
    pdf.setResolution(kPdfAufloesung);
    pdf.setCreator(QStringLiteral("tolva"));
    pdf.setTitle(QCoreApplication::translate("Statement", "Umsätze %1")
                     .arg(QFileInfo(datei.Path()).fileName()));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(kRandMm, kRandMm, kRandMm, kRandMm),
                                  QPageLayout::Millimeter));
    return WriteStatement(datei, filter, pdf);
}

Status SaveStatementPdf(BrowseFile& datei, const BookingFilter& filter, const QString& sZiel,
                        const QStringList& geschuetzt) {
    if (Status st = CheckExportTarget(sZiel, geschuetzt); !st) return st;
    const Status st = WriteWholeFile(
        sZiel, [&](QIODevice& ausgabe) { return WriteStatementPdf(datei, filter, ausgabe); });
    // Every failure names the file (a missing folder is named as the folder).
    if (st.ok() || st.description().contains(sZiel)) return st;
    return Status::Fail(
        QCoreApplication::translate("Statement", "Die Datei %1 konnte nicht geschrieben werden. %2")
            .arg(sZiel, st.description()),
        st.error().code, st.error().kind);
}

}  // namespace tolva
