// The printed statement read back as text (pdftotext, pdfinfo): an archive made by the real
// tolva-archiv with random bookings from a seed, the browser's buttons, and show --pdf.
#include "EngineFiles.h"
#include "ProgramRun.h"
#include "WizardFixture.h"

#include "browse/BrowseFile.h"
#include "browser/BrowserWindow.h"
#include "browser/Statement.h"
#include "widgets/PrintDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPalette>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

using namespace tolva;
using namespace tolva::test;

namespace {

const QStringList kMonate{"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                          "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
const QString kBetrag = QStringLiteral("(-?\\d{1,3}(?:\\.\\d{3})*,\\d\\d) €\\s*$");
// A purpose with every German special letter, and a payee of 300 characters whose long words
// are wider than the column.
const QString kUmlaute =
    QStringLiteral("Grüße an Jürgen Weiß: Straßenfest in Köln, Maße ÄÖÜ äöü ß");
const QString kLang = QStringLiteral("Sehr langer Empfänger ") + QString(120, u'X') + u' ' +
                      QStringLiteral("Donaudampfschifffahrtsgesellschaftskapitänsmützenfabrik ") +
                      QString(94, u'W') + QStringLiteral(" Ende ");

QString Run(const QString& sProgramm, const QStringList& args) {
    QProcess p;
    p.start(sProgramm, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return QStringLiteral("FEHLER");
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString PdfText(const QString& sPdf) {
    return Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), sPdf, QStringLiteral("-")});
}

int PdfPages(const QString& sPdf) {
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(Run("pdfinfo", {sPdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

qint64 Cents(QString s) {
    s.remove(u'.').remove(u',');
    return s.toLongLong();
}

// What the statement's text says: the amounts of its rows in order, its month subtotals
// ("März 2025|-1234" in cents) and other sums in order, and the text of every page.
struct Printed {
    QList<qint64> zeilen;
    QStringList monate;
    QList<qint64> summen;
    QStringList seiten;
};

Printed Read(const QString& sText) {
    Printed p;
    const QRegularExpression zeile(QStringLiteral("^\\s*\\d\\d\\.\\d\\d\\.\\d{4}\\s.*\\s") +
                                   kBetrag);
    const QRegularExpression summe(QStringLiteral("^\\s*Summe (.*\\S)\\s+") + kBetrag);
    for (const QString& s : sText.split(u'\n')) {
        if (const auto m = zeile.match(s); m.hasMatch()) p.zeilen << Cents(m.captured(1));
        if (const auto m = summe.match(s); m.hasMatch()) {
            const QStringList w = m.captured(1).split(u' ');
            if (w.size() == 2 && kMonate.contains(w[0]))
                p.monate << m.captured(1) + u'|' + QString::number(Cents(m.captured(2)));
            else
                p.summen << Cents(m.captured(2));
        }
    }
    p.seiten = sText.split(u'\f');
    if (p.seiten.back().trimmed().isEmpty()) p.seiten.removeLast();
    return p;
}

// The lines of the row whose amount is sBetrag, from its date to the next row or sum, without
// dates, amount and white space.
QString RowText(const QString& sText, const QString& sBetrag) {
    const QStringList z = sText.split(u'\n');
    for (qsizetype i = 0; i < z.size(); ++i) {
        if (!z[i].trimmed().endsWith(sBetrag)) continue;
        QString s = z[i].trimmed().chopped(sBetrag.size());
        const QRegularExpression datum(QStringLiteral("^\\s*\\d\\d\\.\\d\\d\\.\\d{4}"));
        for (++i; i < z.size() && !z[i].trimmed().isEmpty() && !datum.match(z[i]).hasMatch() &&
                  !z[i].trimmed().startsWith(QStringLiteral("Summe"));
             ++i)
            s += z[i];
        s.remove(QRegularExpression(QStringLiteral("\\d\\d\\.\\d\\d\\.\\d{4}")));
        return s.remove(QRegularExpression(QStringLiteral("\\s")));
    }
    return QString();
}

// Checks a statement's text against SQL over the same bookings (sWhere).
void Compare(const QString& sPdf, RawDatabase& roh, const QString& sWhere, const QString& sSeed) {
    const QString sText = PdfText(sPdf);
    const Printed p = Read(sText);
    const QString sVon = QStringLiteral(" FROM Umsätze WHERE ") + sWhere;
    const QStringList zeilen =
        roh.Rows("SELECT Betrag" + sVon + " ORDER BY KontoID, Buchungsdatum, id");
    QStringList gelesen;
    for (qint64 l : p.zeilen) gelesen << QString::number(l);
    QVERIFY2(gelesen == zeilen, qPrintable(sSeed + QStringLiteral(": %1 rows printed, %2 selected")
                                                       .arg(gelesen.size())
                                                       .arg(zeilen.size())));
    QStringList monate;
    for (const QString& s :
         roh.Rows("SELECT CAST(substr(Buchungsdatum, 6, 2) AS INTEGER), substr(Buchungsdatum, 1, "
                  "4), sum(Betrag)" +
                  sVon + " GROUP BY KontoID, substr(Buchungsdatum, 1, 7) ORDER BY KontoID, 2, 1")) {
        const QStringList f = s.split(u'|');
        monate << kMonate[f[0].toInt() - 1] + u' ' + f[1] + u'|' + f[2];
    }
    QCOMPARE(p.monate, monate);
    QList<qint64> summen;
    for (const QString& s :
         roh.Rows("SELECT sum(Betrag)" + sVon + " GROUP BY KontoID ORDER BY KontoID"))
        summen << s.toLongLong();
    if (summen.size() > 1) summen << roh.Number("SELECT sum(Betrag)" + sVon);
    QVERIFY2(p.summen == summen, qPrintable(sSeed + QStringLiteral(": sums")));
    const int lSeiten = PdfPages(sPdf);
    QCOMPARE(p.seiten.size(), lSeiten);
    for (int i = 0; i < lSeiten; ++i)
        QVERIFY2(p.seiten[i].contains(QStringLiteral("Seite %1 von %2").arg(i + 1).arg(lSeiten)),
                 qPrintable(p.seiten[i].left(400)));
}

// Points the printer at a PDF file instead of asking.
class PdfPrinter : public PrintDialogs {
  public:
    explicit PdfPrinter(QString sDatei) : sDatei_(std::move(sDatei)) {}
    bool ChoosePrinter(QWidget*, QPrinter& drucker) override {
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(sDatei_);
        return true;
    }

  private:
    QString sDatei_;
};

}  // namespace

class StatementTest : public QObject {
    Q_OBJECT
  private slots:
    void statementsAddUpAsSqlOverTheFilteredBookingsAndShowPdfWritesTheSame();
    void theBrowserSavesAndPrintsItsBookingsAndNeverReplacesADatabase();
};

void StatementTest::statementsAddUpAsSqlOverTheFilteredBookingsAndShowPdfWritesTheSame() {
    WizardEnvironment env;
    const QString sBank = env.MakeDatabase(QStringLiteral("Bank.dat"), 3, 2);
    const QString sArchiv = env.Path(QStringLiteral("alle.aba"));
    const ProgramRun archiviert = RunProgram(ProgramOfThisBuild(),
                                             {"create", "--db", sBank, "--before", "2100-01-01",
                                              "--out", sArchiv, "--yes", "--password-mode", "none"},
                                             env.Path(QStringLiteral("cli.ini")));
    QVERIFY2(archiviert.lExitCode == 0, qPrintable(archiviert.sErr));

    // Random bookings (some without an account, some with the search word) from a seed.
    const quint32 lSeed = qEnvironmentVariableIsSet("TOLVA_SEED")
                              ? quint32(qEnvironmentVariableIntValue("TOLVA_SEED"))
                              : QRandomGenerator::global()->generate();
    const QString sSeed = QStringLiteral("seed %1 (TOLVA_SEED)").arg(lSeed);
    qInfo("%s", qPrintable(sSeed));
    QRandomGenerator zufall(lSeed);
    RawDatabase roh(sArchiv);
    const QStringList worte{"Miete", "Kautionx", "Strom", "Gehalt", "Versicherung", "Darlehen"};
    QStringList werte;
    for (int i = 0; i < 400; ++i) {
        const int lKonto = zufall.bounded(4);
        QString sZweck;
        for (int w = zufall.bounded(30); w > 0; --w) sZweck += worte[zufall.bounded(6)] + u' ';
        werte << QStringLiteral("(%1, '%2', %3, 'Zufall %4', '%5')")
                     .arg(lKonto == 0 ? QStringLiteral("NULL") : QString::number(lKonto))
                     .arg(QDate(2024, 11, 1).addDays(zufall.bounded(760)).toString(Qt::ISODate))
                     .arg(qint64(zufall.bounded(400000)) - 200000)
                     .arg(i)
                     .arg(sZweck);
    }
    roh.Exec(
        "INSERT INTO Umsätze (KontoID, Buchungsdatum, Betrag, Empfaenger, Verwendungszweck) "
        "VALUES " +
        werte.join(u',') +
        QStringLiteral(", (2, '2025-03-31', -471123, 'Verein', '%1'), "
                       "(2, '2025-03-01', 123456, '%2', '')")
            .arg(kUmlaute, kLang));
    Result<std::unique_ptr<BrowseFile>> datei = BrowseFile::Open(sArchiv);
    QVERIFY(datei.ok());

    BookingFilter konto;
    konto.lKontoID = 2;
    konto.dVon = QDate(2025, 2, 1);
    konto.dBis = QDate(2025, 10, 31);
    BookingFilter suche;
    suche.sText = QStringLiteral("KAUTIONX");
    const QString sKontoPdf = env.Path(QStringLiteral("konto.pdf"));
    const QString sSuchePdf = env.Path(QStringLiteral("suche.pdf"));
    QVERIFY(SaveStatementPdf(*datei.value(), konto, sKontoPdf).ok());
    QVERIFY(SaveStatementPdf(*datei.value(), suche, sSuchePdf).ok());
    Compare(sKontoPdf, roh, "KontoID = 2 AND Buchungsdatum BETWEEN '2025-02-01' AND '2025-10-31'",
            sSeed);
    Compare(sSuchePdf, roh,
            "instr(lower(coalesce(Empfaenger, '') || ' ' || Verwendungszweck), 'kautionx') > 0",
            sSeed);
    if (QTest::currentTestFailed()) return;
    QVERIFY2(PdfPages(sSuchePdf) > 2, qPrintable(sSeed));
    const QString sText = PdfText(sKontoPdf);
    QCOMPARE(RowText(sText, QStringLiteral("-4.711,23 €")),
             QString(QStringLiteral("Verein") + kUmlaute).remove(QRegularExpression("\\s")));
    QCOMPARE(RowText(sText, QStringLiteral("1.234,56 €")),
             QString(kLang).remove(QRegularExpression("\\s")));
    QVERIFY(sText.contains(QStringLiteral("Zeitraum: 01.02.2025 – 31.10.2025")));

    // show --pdf writes the same statement; an existing file stays without --yes, and a
    // missing folder is told and gets nothing.
    const QString sCli = env.Path(QStringLiteral("cli.pdf"));
    const QString sIni = env.Path(QStringLiteral("cli.ini"));
    const QStringList args{"show",       sArchiv, "--account",  "2",    "--from",
                           "01.02.2025", "--to",  "31.10.2025", "--pdf"};
    const ProgramRun pdf = RunProgram(ProgramOfThisBuild(), args + QStringList{sCli}, sIni);
    QVERIFY2(pdf.lExitCode == 0, qPrintable(pdf.sErr));
    QCOMPARE(PdfText(sCli), sText);
    const QByteArray vorher = FileBytes(sCli);
    const ProgramRun nein =
        RunProgram(ProgramOfThisBuild(), {"show", sArchiv, "--pdf", sCli}, sIni);
    QCOMPARE(nein.lExitCode, 1);
    QCOMPARE(FileBytes(sCli), vorher);
    const QString sFehlt = env.Path(QStringLiteral("fehlt/x.pdf"));
    const ProgramRun fehlt =
        RunProgram(ProgramOfThisBuild(), {"show", sArchiv, "--pdf", sFehlt}, sIni);
    QVERIFY(fehlt.lExitCode != 0);
    QVERIFY2(fehlt.sErr.contains(sFehlt) && fehlt.sErr.contains(QStringLiteral("existiert nicht")),
             qPrintable(fehlt.sErr));
    QVERIFY(!QFileInfo::exists(env.Path(QStringLiteral("fehlt"))));
}

void StatementTest::theBrowserSavesAndPrintsItsBookingsAndNeverReplacesADatabase() {
    WizardEnvironment env;
    const QString db = env.MakeDatabase(QStringLiteral("Bank.dat"), 3, 2);
    RawDatabase roh(db);
    Result<std::unique_ptr<BrowseFile>> datei = BrowseFile::Open(db, QString(), false);
    QVERIFY(datei.ok());
    Result<std::unique_ptr<BrowserWindow>> fenster = BrowserWindow::Make(std::move(datei).value());
    QVERIFY(fenster.ok());
    BrowserWindow& browser = *fenster.value();
    // A dark theme's palette: the page stays black on white.
    QPalette dunkel;
    dunkel.setColor(QPalette::Window, Qt::black);
    dunkel.setColor(QPalette::Base, Qt::black);
    dunkel.setColor(QPalette::WindowText, Qt::white);
    dunkel.setColor(QPalette::Text, Qt::white);
    QApplication::setPalette(dunkel);
    browser.show();
    browser.SelectAccount(1);
    // The account's total, as the statement's last sum shows it.
    const auto total = [&](const QString& sPdf) {
        const Printed p = Read(PdfText(sPdf));
        return p.summen.isEmpty() ? -1 : p.summen.back();
    };
    const qint64 lSumme = roh.Number("SELECT sum(Betrag) FROM Umsätze WHERE KontoID = 1");

    const QString sAlt = env.Path(QStringLiteral("alt.pdf"));
    {
        QFile alt(sAlt);
        QVERIFY(alt.open(QIODevice::WriteOnly) && alt.write("alt") == 3);
    }
    const QByteArray vorher = FileBytes(db);
    auto* pdf = browser.findChild<QPushButton*>(QStringLiteral("cmdPdf"));
    for (const QString& sZiel : {db, sAlt}) {
        env.Dialogs().files.push_back(sZiel);
        pdf->click();  // "Nein" is the default answer
    }
    QCOMPARE(env.Dialogs().fileCalls.front().sStart, env.Path(QStringLiteral("Bank.pdf")));
    QCOMPARE(FileBytes(db), vorher);
    QCOMPARE(FileBytes(sAlt), QByteArray("alt"));
    QVERIFY(env.ShownBoxes().join(u'\n').contains(QStringLiteral("ist eine Datenbank")));
    env.Dialogs().files.push_back(sAlt);
    env.Boxes().QueueAnswer(vbYes);
    pdf->click();
    QCOMPARE(total(sAlt), lSumme);

    const QString sGedruckt = env.Path(QStringLiteral("gedruckt.pdf"));
    InstallPrintDialogs(std::make_shared<PdfPrinter>(sGedruckt));
    browser.findChild<QPushButton*>(QStringLiteral("cmdDrucken"))->click();
    InstallPrintDialogs(nullptr);
    QCOMPARE(total(sGedruckt), lSumme);
    QVERIFY(PdfText(sGedruckt).contains(QStringLiteral("Seite 1 von")));
    QApplication::setPalette(QPalette());
    const QString sBild = env.Path(QStringLiteral("seite"));
    QCOMPARE(QProcess::execute("pdftoppm", {"-png", "-r", "30", "-f", "1", "-l", "1", "-singlefile",
                                            sAlt, sBild}),
             0);
    const QImage bild(sBild + QStringLiteral(".png"));
    int lDunkel = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) lDunkel += qGray(bild.pixel(x, y)) < 128;
    // Text is a small part of a page; a dark page would be most of it.
    QVERIFY2(lDunkel > 0 && lDunkel < bild.width() * bild.height() / 5,
             qPrintable(QString::number(lDunkel)));
}

QTEST_MAIN(StatementTest)
#include "StatementTest.moc"
