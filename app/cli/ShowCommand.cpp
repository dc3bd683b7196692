// tolva-archiv show: the accounts of an archive and its bookings, filtered and sorted.
#include "cli/ShowCommand.h"
#include "text/DisplayFormat.h"

#include "cli/Commands.h"
#include "cli/PasswordInput.h"
#include "cli/TerminalMessageBoxes.h"
#include "cli/WindowLibrary.h"

#include "browse/BrowseExport.h"
#include "browse/BrowseMonths.h"
#include "hostlib/MessageBox.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTextStream>

namespace tolva {
namespace {

constexpr qint64 kVorgabeAnzahl = 100;

// A stored date on the terminal; "" when it is none.
QString StoredDateText(const QString& sDatum) {
    return DisplayDate(QDate::fromString(sDatum, Qt::ISODate));
}

Result<qint64> WholeNumber(const Arguments& a, const QString& sName, qint64 lMin) {
    bool ok = false;
    const qint64 l = a.Value(sName).trimmed().toLongLong(&ok);
    if (!ok || l < lMin)
        return Error{QCoreApplication::translate("ShowCommand", "Ungültige Zahl „%1“ für --%2.")
                         .arg(a.Value(sName), sName)};
    return l;
}

// The columns by their German names and, in every language alike, by their English ones.
Result<BookingColumn> SortColumn(const QString& sName) {
    static const std::pair<const char*, BookingColumn> kSpalten[] = {
        {"datum", BookingColumn::Datum},           {"date", BookingColumn::Datum},
        {"konto", BookingColumn::Konto},           {"account", BookingColumn::Konto},
        {"betrag", BookingColumn::Betrag},         {"amount", BookingColumn::Betrag},
        {"empfaenger", BookingColumn::Empfaenger}, {"payee", BookingColumn::Empfaenger},
        {"zweck", BookingColumn::Zweck},           {"reference", BookingColumn::Zweck}};
    for (const auto& [name, spalte] : kSpalten)
        if (sName == QLatin1String(name)) return spalte;
    return Error{QCoreApplication::translate(
        "ShowCommand", "--sort kennt datum, konto, betrag, empfaenger und zweck.")};
}

QString Label(const std::map<qint64, QString>& konten, qint64 id) {
    const auto it = konten.find(id);
    return it != konten.end() ? it->second : UnknownAccountLabel(id);
}

// An account's label as --json writes it: an account the file has no row for is called
// "Konto <id>" in German whatever the language shown.
QString JsonLabel(const BrowseAccount& k) {
    return k.bKontozeile ? k.sKonto : UnknownAccountLabelGerman(k.lKontoID);
}

QJsonObject AccountJson(const BrowseAccount& k) {
    return QJsonObject{{QStringLiteral("id"), k.lKontoID},
                       {QStringLiteral("konto"), JsonLabel(k)},
                       {QStringLiteral("bank"), k.sBank},
                       {QStringLiteral("kontozeile"), k.bKontozeile},
                       {QStringLiteral("buchungen"), k.lBuchungen},
                       {QStringLiteral("erste"), k.dErste.toString(Qt::ISODate)},
                       {QStringLiteral("letzte"), k.dLetzte.toString(Qt::ISODate)},
                       {QStringLiteral("summe_cent"), k.lSummeCent},
                       {QStringLiteral("auftraege"), k.lAuftraege},
                       {QStringLiteral("sammelauftraege"), k.lSammel}};
}

QJsonObject BookingJson(const BookingRow& z, const QString& sKonto) {
    return QJsonObject{{QStringLiteral("id"), z.id},
                       {QStringLiteral("konto_id"), z.lKontoID},
                       {QStringLiteral("konto"), sKonto},
                       {QStringLiteral("datum"), z.sDatum},
                       {QStringLiteral("betrag_cent"), z.lBetragCent},
                       {QStringLiteral("empfaenger"), z.sEmpfaenger},
                       {QStringLiteral("zweck"), z.sZweck}};
}

QString Milliseconds(qint64 lNs) {
    return QString::number(double(lNs) / 1e6, 'f', 1);
}

// What scrolling costs after the first screen: the 2nd, the 10th and the middle piece of the
// list, each loaded as the browser's list loads it, timed on the error output. Pieces past
// the list's end are left out.
Status PrintPieceTimes(const CommandStreams& io, BrowseFile& datei, const BookingFilter& filter,
                       qint64 lAnzahl, qint64 lErsteNs) {
    QString sZeile =
        QCoreApplication::translate("ShowCommand", "Erste Seite %1 ms").arg(Milliseconds(lErsteNs));
    const qint64 lMitte = lAnzahl / 2 / kListenStueck;
    for (const qint64 lStueck : {qint64(1), qint64(9), lMitte}) {
        if (lStueck * kListenStueck >= lAnzahl) continue;
        QElapsedTimer uhr;
        uhr.start();
        const Result<std::vector<BookingRow>> zeilen =
            datei.Bookings(filter, lStueck * kListenStueck, kListenStueck);
        if (!zeilen.ok()) return zeilen.status();
        sZeile += (lStueck == lMitte
                       ? QCoreApplication::translate("ShowCommand", ", Stück %1 (Mitte) %2 ms")
                       : QCoreApplication::translate("ShowCommand", ", Stück %1 %2 ms"))
                      .arg(QString::number(lStueck + 1), Milliseconds(uhr.nsecsElapsed()));
    }
    io.err << sZeile << Qt::endl;
    return Status::Ok();
}

// The accounts, the filter's count and sum, and its first bookings: as text or as JSON.
int PrintOverview(const CommandStreams& io, BrowseFile& datei, const ShowChoice& wahl) {
    const Result<std::vector<BrowseAccount>> konten = datei.Accounts();
    if (!konten.ok()) return Fail(io.err, konten.error().description);
    QElapsedTimer uhr;
    uhr.start();
    const Result<BookingScreen> bild =
        datei.Start(wahl.filter, wahl.lHoechstens > 0 ? wahl.lHoechstens : -1);
    if (!bild.ok()) return Fail(io.err, bild.error().description);
    const qint64 lErsteNs = uhr.nsecsElapsed();
    const BookingTotals& summe = bild.value().summe;
    const std::vector<BookingRow>& zeilen = bild.value().zeilen;
    if (wahl.bZeiten)
        if (Status st = PrintPieceTimes(io, datei, wahl.filter, summe.lAnzahl, lErsteNs); !st)
            return Fail(io.err, st.description());
    std::map<qint64, QString> labels;
    for (const BrowseAccount& k : konten.value()) labels[k.lKontoID] = k.sKonto;

    QTextStream& out = io.out;
    if (wahl.bJson) {
        QJsonArray aKonten, aZeilen;
        std::map<qint64, QString> jsonLabels;
        for (const BrowseAccount& k : konten.value()) {
            aKonten.append(AccountJson(k));
            jsonLabels[k.lKontoID] = JsonLabel(k);
        }
        for (const BookingRow& z : zeilen) {
            const auto it = jsonLabels.find(z.lKontoID);
            aZeilen.append(BookingJson(
                z, it != jsonLabels.end() ? it->second : UnknownAccountLabelGerman(z.lKontoID)));
        }
        const QJsonObject umsaetze{{QStringLiteral("anzahl"), summe.lAnzahl},
                                   {QStringLiteral("summe_cent"), summe.lSummeCent},
                                   {QStringLiteral("zeilen"), aZeilen}};
        out << QJsonDocument(QJsonObject{{QStringLiteral("datei"), datei.Path()},
                                         {QStringLiteral("konten"), aKonten},
                                         {QStringLiteral("umsaetze"), umsaetze}})
                   .toJson(QJsonDocument::Indented);
        return 0;
    }
    out << QCoreApplication::translate("ShowCommand", "Datei: %1").arg(datei.Path()) << "\n\n"
        << QCoreApplication::translate("ShowCommand",
                                       "Konto-ID\tKonto\tBank\tUmsätze\tErste\tLetzte\tSumme")
        << '\n';
    for (const BrowseAccount& k : konten.value())
        out << k.lKontoID << '\t' << k.sKonto << '\t' << k.sBank << '\t' << k.lBuchungen << '\t'
            << DisplayDate(k.dErste) << '\t' << DisplayDate(k.dLetzte) << '\t'
            << DisplayCents(k.lSummeCent) << '\n';
    const QString sAnzahl = DisplayCount(summe.lAnzahl);
    const QString sSumme = DisplayCents(summe.lSummeCent);
    out << '\n'
        << (qint64(zeilen.size()) < summe.lAnzahl
                ? QCoreApplication::translate(
                      "ShowCommand", "Umsätze: %1, Summe %2 (gezeigt: %3; --limit 0 zeigt alle)")
                      .arg(sAnzahl, sSumme, DisplayCount(qint64(zeilen.size())))
                : QCoreApplication::translate("ShowCommand", "Umsätze: %1, Summe %2")
                      .arg(sAnzahl, sSumme))
        << '\n'
        << QCoreApplication::translate("ShowCommand",
                                       "Datum\tKonto\tBetrag\tEmpfänger\tVerwendungszweck")
        << '\n';
    for (const BookingRow& z : zeilen)
        out << StoredDateText(z.sDatum) << '\t' << Label(labels, z.lKontoID) << '\t'
            << DisplayCents(z.lBetragCent) << '\t' << z.sEmpfaenger << '\t' << z.sZweck << '\n';
    return 0;
}

QJsonObject TotalsJson(qint64 lAnzahl, qint64 lEingang, qint64 lAusgang) {
    return QJsonObject{{QStringLiteral("anzahl"), lAnzahl},
                       {QStringLiteral("eingang_cent"), lEingang},
                       {QStringLiteral("ausgang_cent"), lAusgang},
                       {QStringLiteral("differenz_cent"), lEingang + lAusgang}};
}

// Money in and out per month of the filter's bookings, then per year: as text or as JSON
// (cents, months as "2021-03").
int PrintMonths(const CommandStreams& io, BrowseFile& datei, const ShowChoice& wahl) {
    Result<std::unique_ptr<MonthReader>> leser = MonthReader::Open(datei.Path());
    if (!leser.ok()) return Fail(io.err, leser.error().description);
    const Result<std::vector<MonthTotals>> monate = leser.value()->Read(wahl.filter);
    if (!monate.ok()) return Fail(io.err, monate.error().description);
    const std::vector<YearTotals> jahre = YearsOf(monate.value());
    QTextStream& out = io.out;
    if (wahl.bJson) {
        QJsonArray aMonate, aJahre;
        for (const MonthTotals& m : monate.value()) {
            QJsonObject o = TotalsJson(m.lAnzahl, m.lEingangCent, m.lAusgangCent);
            o.insert(QStringLiteral("monat"), QStringLiteral("%1-%2")
                                                  .arg(m.lJahr, 4, 10, QLatin1Char('0'))
                                                  .arg(m.lMonat, 2, 10, QLatin1Char('0')));
            aMonate.append(o);
        }
        for (const YearTotals& j : jahre) {
            QJsonObject o = TotalsJson(j.lAnzahl, j.lEingangCent, j.lAusgangCent);
            o.insert(QStringLiteral("jahr"), j.lJahr);
            aJahre.append(o);
        }
        out << QJsonDocument(QJsonObject{{QStringLiteral("datei"), datei.Path()},
                                         {QStringLiteral("monate"), aMonate},
                                         {QStringLiteral("jahre"), aJahre}})
                   .toJson(QJsonDocument::Indented);
        return 0;
    }
    const auto zeile = [&](const QString& sName, qint64 lAnzahl, qint64 lEingang, qint64 lAusgang) {
        out << sName << '\t' << DisplayCount(lAnzahl) << '\t' << DisplayCents(lEingang) << '\t'
            << DisplayCents(lAusgang) << '\t' << DisplayCents(lEingang + lAusgang) << '\n';
    };
    out << QCoreApplication::translate("ShowCommand", "Datei: %1").arg(datei.Path()) << "\n\n";
    if (monate.value().empty()) {
        out << QCoreApplication::translate("ShowCommand", "Keine Umsätze für diese Auswahl.")
            << '\n';
        return 0;
    }
    out << QCoreApplication::translate("ShowCommand",
                                       "Monat\tAnzahl\tEingänge\tAusgänge\tDifferenz")
        << '\n';
    for (const MonthTotals& m : monate.value())
        zeile(DisplayMonth(m.lJahr, m.lMonat), m.lAnzahl, m.lEingangCent, m.lAusgangCent);
    out << '\n'
        << QCoreApplication::translate("ShowCommand", "Jahr\tAnzahl\tEingänge\tAusgänge\tDifferenz")
        << '\n';
    for (const YearTotals& j : jahre)
        zeile(QString::number(j.lJahr), j.lAnzahl, j.lEingangCent, j.lAusgangCent);
    return 0;
}

int PrintCsv(const CommandStreams& io, BrowseFile& datei, const ShowChoice& wahl) {
    // The CSV's bytes go to the output's device as they are (its code page is the file's).
    io.out.flush();
    QIODevice* ausgabe = io.out.device();
    if (!ausgabe || !ausgabe->isWritable())
        return Fail(io.err, QCoreApplication::translate(
                                "ShowCommand", "Die Ausgabe kann nicht geschrieben werden."));
    if (Status st = WriteBookingsCsv(datei, wahl.filter, *ausgabe); !st)
        return Fail(io.err, st.description());
    return 0;
}

// The printed statement as PDF, through the window library (fonts need an application). As
// create does, an existing file is asked about (--yes: replaced); a database never is.
int WritePdf(const CommandStreams& io, const ShowChoice& wahl) {
    if (Status st = CheckExportTarget(wahl.sPdf, {wahl.sDatei}); !st)
        return Fail(io.err, st.description());
    if (QFileInfo::exists(wahl.sPdf)) {
        InstallMessageBoxPresenter(std::make_shared<TerminalMessageBoxes>(wahl.bJa, io.err));
        const long lAntwort =
            MsgBox(QCoreApplication::translate(
                       "ShowCommand", "Die Datei %1 existiert bereits. Soll sie ersetzt werden?")
                       .arg(wahl.sPdf),
                   vbYesNo + vbQuestion + vbDefaultButton2,
                   QCoreApplication::translate("ShowCommand", "Umsätze"));
        InstallMessageBoxPresenter(nullptr);
        if (lAntwort != vbYes) return 1;
    }
    Result<const WindowApi*> fenster = LoadWindowApi();
    if (!fenster.ok()) return Fail(io.err, fenster.error().description);
    const Status st =
        fenster.value()->WriteStatementPdf(wahl.sDatei, wahl.sPasswort, wahl.filter, wahl.sPdf);
    if (!st) return Fail(io.err, st.description());
    io.out << QCoreApplication::translate("ShowCommand", "PDF: %1").arg(wahl.sPdf) << Qt::endl;
    return 0;
}

}  // namespace

const CommandDefinition& ShowDefinition() {
    // Made at the first call, in the language chosen by then.
    static const CommandDefinition definition = WithPasswordOptions(
        {QStringLiteral("show"),
         QCoreApplication::translate("ShowCommand",
                                     "Zeigt die Konten und Umsätze eines Archivs (oder einer "
                                     "Datenbank), ohne die Datei zu ändern."),
         {{QStringLiteral("account"), QStringLiteral("ID"),
           QCoreApplication::translate("ShowCommand", "nur dieses Konto")},
          {QStringLiteral("from"), QCoreApplication::translate("ShowCommand", "DATUM"),
           QCoreApplication::translate("ShowCommand",
                                       "Umsätze ab diesem Tag, TT.MM.JJJJ oder JJJJ-MM-TT")},
          {QStringLiteral("to"), QCoreApplication::translate("ShowCommand", "DATUM"),
           QCoreApplication::translate("ShowCommand", "Umsätze bis zu diesem Tag")},
          {QStringLiteral("search"), QStringLiteral("TEXT"),
           QCoreApplication::translate("ShowCommand",
                                       "nur Umsätze, deren Empfänger oder Verwendungszweck TEXT "
                                       "enthält (ohne Unterschied von Groß- und Kleinschreibung "
                                       "und Umlauten)")},
          {QStringLiteral("sort"), QCoreApplication::translate("ShowCommand", "SPALTE"),
           QCoreApplication::translate(
               "ShowCommand",
               "sortiert nach datum (Vorgabe), konto, betrag, empfaenger oder zweck")},
          {QStringLiteral("desc"), QString(),
           QCoreApplication::translate("ShowCommand", "sortiert absteigend")},
          {QStringLiteral("limit"), QStringLiteral("N"),
           QCoreApplication::translate("ShowCommand",
                                       "zeigt höchstens N Umsätze (Vorgabe 100, 0: alle)")},
          {QStringLiteral("csv"), QString(),
           QCoreApplication::translate("ShowCommand",
                                       "schreibt alle gefilterten Umsätze als CSV (für Tabellen)")},
          {QStringLiteral("pdf"), QCoreApplication::translate("ShowCommand", "DATEI"),
           QCoreApplication::translate(
               "ShowCommand", "schreibt die Umsätze als Auszug zum Drucken (PDF, A4) in DATEI")},
          {QStringLiteral("yes"), QString(),
           QCoreApplication::translate("ShowCommand",
                                       "mit --pdf: ersetzt eine bestehende DATEI ohne Frage")},
          {QStringLiteral("json"), QString(),
           QCoreApplication::translate("ShowCommand", "gibt das Ergebnis als JSON aus")},
          {QStringLiteral("months"), QString(),
           QCoreApplication::translate("ShowCommand",
                                       "zeigt statt der Umsätze je Monat und je Jahr ihre Anzahl, "
                                       "Eingänge, Ausgänge und Differenz")},
          {QStringLiteral("times"), QString(),
           QCoreApplication::translate("ShowCommand",
                                       "nennt auf stderr, wie lange die erste Seite und das "
                                       "Nachladen des 2., des 10. und des mittleren Stücks der "
                                       "Liste gedauert haben")},
          {QStringLiteral("window"), QString(),
           QCoreApplication::translate(
               "ShowCommand", "zeigt das Archiv im Fenster (fragt ein fehlendes Passwort ab)")},
          {QStringLiteral("db"), QCoreApplication::translate("ShowCommand", "PFAD"),
           QCoreApplication::translate("ShowCommand",
                                       "mit --window: die Benutzer-Datenbank, in die "
                                       "„Zurückholen …“ die Daten des Archivs zurückholt")}},
         QCoreApplication::translate("ShowCommand", "ARCHIV"),
         1,
         1},
        QCoreApplication::translate("ShowCommand", "das Passwort des Archivs"));
    return definition;
}

Result<ShowChoice> ParseShowChoice(const Arguments& a) {
    ShowChoice wahl;
    wahl.sDatei = QFileInfo(a.positionen().front()).absoluteFilePath();
    wahl.bCsv = a.Flag(QStringLiteral("csv"));
    wahl.bJson = a.Flag(QStringLiteral("json"));
    wahl.bZeiten = a.Flag(QStringLiteral("times"));
    wahl.bMonate = a.Flag(QStringLiteral("months"));
    if (wahl.bCsv && wahl.bJson)
        return Error{
            QCoreApplication::translate("ShowCommand", "--csv und --json schließen einander aus.")};
    if (wahl.bCsv && wahl.bMonate)
        return Error{QCoreApplication::translate("ShowCommand",
                                                 "--csv und --months schließen einander aus.")};
    if (a.Has(QStringLiteral("pdf"))) {
        if (wahl.bCsv || wahl.bJson || wahl.bMonate || a.Flag(QStringLiteral("window")))
            return Error{QCoreApplication::translate(
                "ShowCommand", "--pdf schließt --csv, --json, --months und --window aus.")};
        wahl.sPdf = QFileInfo(a.Value(QStringLiteral("pdf"))).absoluteFilePath();
    }
    wahl.bJa = a.Flag(QStringLiteral("yes"));
    if (wahl.bJa && wahl.sPdf.isEmpty())
        return Error{QCoreApplication::translate("ShowCommand", "--yes gilt nur mit --pdf.")};
    if (a.Has(QStringLiteral("db"))) {
        if (!a.Flag(QStringLiteral("window")))
            return Error{QCoreApplication::translate("ShowCommand", "--db gilt nur mit --window.")};
        wahl.sDatenbank = QFileInfo(a.Value(QStringLiteral("db"))).absoluteFilePath();
    }
    BookingFilter& f = wahl.filter;
    if (a.Has(QStringLiteral("account"))) {
        const Result<qint64> id = WholeNumber(a, QStringLiteral("account"), 0);
        if (!id.ok()) return id.error();
        f.lKontoID = id.value();
    }
    for (const auto& [sName, pDatum] :
         {std::pair{QStringLiteral("from"), &f.dVon}, std::pair{QStringLiteral("to"), &f.dBis}}) {
        if (!a.Has(sName)) continue;
        const Result<QDate> d = ParseDate(a.Value(sName));
        if (!d.ok()) return d.error();
        *pDatum = d.value();
    }
    f.sText = a.Value(QStringLiteral("search"));
    if (a.Has(QStringLiteral("sort"))) {
        const Result<BookingColumn> spalte = SortColumn(a.Value(QStringLiteral("sort")));
        if (!spalte.ok()) return spalte.error();
        f.eSortierung = spalte.value();
    }
    f.bAbsteigend = a.Flag(QStringLiteral("desc"));
    wahl.lHoechstens = kVorgabeAnzahl;
    if (a.Has(QStringLiteral("limit"))) {
        const Result<qint64> l = WholeNumber(a, QStringLiteral("limit"), 0);
        if (!l.ok()) return l.error();
        wahl.lHoechstens = l.value();
    }
    return wahl;
}

int RunShowCommand(const QStringList& args, const CommandStreams& io) {
    int lStatus = 0;
    const std::optional<Arguments> a = ParseCommand(ShowDefinition(), args, &lStatus, io);
    if (!a) return lStatus;
    Result<ShowChoice> gewaehlt = ParseShowChoice(*a);
    if (!gewaehlt.ok())
        return RefuseArguments(ShowDefinition(), gewaehlt.error().description, io.err);
    ShowChoice wahl = std::move(gewaehlt).value();
    const Result<std::optional<QString>> gegeben = GivenPassword(*a);
    if (!gegeben.ok()) return RefusePassword(ShowDefinition(), gegeben.error(), io.err);
    if (a->Flag(QStringLiteral("window"))) {
        // The window asks for a missing password itself.
        wahl.sPasswort = gegeben.value().value_or(QString());
        Result<const WindowApi*> fenster = LoadWindowApi();
        if (!fenster.ok()) return Fail(io.err, fenster.error().description);
        const Status gezeigt =
            fenster.value()->ShowBrowserWithDatabase(wahl.sDatei, wahl.sPasswort, wahl.sDatenbank);
        return gezeigt.ok() ? 0 : Fail(io.err, gezeigt.description());
    }
    const Result<QString> passwort = PasswordFor(wahl.sDatei, gegeben.value());
    if (!passwort.ok()) return Fail(io.err, passwort.error().description);
    wahl.sPasswort = passwort.value();
    if (!wahl.sPdf.isEmpty()) return WritePdf(io, wahl);
    Result<std::unique_ptr<BrowseFile>> datei = BrowseFile::Open(wahl.sDatei, wahl.sPasswort);
    if (!datei.ok()) return Fail(io.err, OpenFailureText(datei.error()));
    if (wahl.bMonate) return PrintMonths(io, *datei.value(), wahl);
    return wahl.bCsv ? PrintCsv(io, *datei.value(), wahl) : PrintOverview(io, *datei.value(), wahl);
}

}  // namespace tolva
