// StatementWriter: lays out (and paints) the printed statement page by page as the bookings
// stream past; QtGui only, so that the command line can write statements too.
#pragma once

#include "browse/BrowseFile.h"
#include "browser/StatementLayout.h"

#include <QCoreApplication>
#include <QDate>
#include <QStringList>

#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace tolva {

// An account as the statement's title names it, with what the statement holds of it.
struct StatementAccount {
    qint64 lKontoID = 0;  // 0: the bookings without an account
    QString sKonto;       // the label ("ohne Konto" for id 0, in the language shown)
    QString sNummer;      // number, else IBAN; may be empty
    QString sBank;        // may be empty
    qint64 lAnzahl = 0;
};

// What the title and the header say.
struct StatementHead {
    QString sArchiv;                       // the file's name (without its folder)
    QStringList beschreibung;              // the archive's description lines; none: empty
    std::vector<StatementAccount> konten;  // in the statement's order
    QString sZeitraum;                     // "01.01.2021 – 31.12.2021" as DisplayDate writes it
    QStringList filter;                    // the filter in words, one line each
    QDate dGedruckt;
};

// Takes the bookings in account-then-date order (BookingColumn::Konto, ascending) and puts per
// account its rows, a subtotal at the end of every month and the account's total, and with
// several accounts the total of all. A row wraps its payee and purpose within their columns;
// it goes to the next page whole when it fits on one, else line by line. Every page gets the
// header and the footer "Seite N von M".
// Without a painter only the page breaks are worked out: a writer that measures and one that
// paints, fed the same head and rows, break the pages at the same rows, so the measuring one's
// Pages() is the M of the painting one. The layout, the head, the painter and the device must
// outlive the writer; the painter paints on the device (black on white, whatever the
// application's palette).
class StatementWriter {
    Q_DECLARE_TR_FUNCTIONS(StatementWriter)

  public:
    StatementWriter(const StatementLayout& layout, const StatementHead& kopf,
                    QPainter* maler = nullptr, QPagedPaintDevice* geraet = nullptr,
                    int lSeiten = 0);
    // Precondition: rows in the order above. Fails when the device refuses a new page.
    Status Add(const BookingRow& z);
    // The totals still open; the sentence of an empty statement.
    Status Finish();
    int Pages() const { return lSeite_; }

  private:
    struct Sum {
        bool bOffen = false;
        qint64 lCent = 0;
        int lJahr = 0;
        int lMonat = 0;
    };
    Status Title();
    Status OpenAccount(qint64 lKontoID, bool bFortsetzung);
    Status CloseMonth();
    Status CloseAccount();
    Status SumLine(const QString& sText, qint64 lCent, StatementFont art);
    Status Row(const BookingRow& z);
    // Makes room for lHoehe below the cursor: a new page when it does not fit on this one.
    Status Room(double lHoehe);
    Status NewPage();
    void PageFrame();
    void FlushRun();
    Status Close();
    void Text(double x, double y, const QString& sText, StatementFont art);
    void RightText(double xRechts, double y, const QString& sText, StatementFont art);
    void Rule(double x1, double x2, double y, double lStaerke);
    const StatementAccount* AccountOf(qint64 lKontoID) const;

    const StatementLayout& l_;
    const StatementHead& kopf_;
    QPainter* maler_;
    QPagedPaintDevice* geraet_;
    int lSeiten_;
    int lSeite_ = 0;
    // The glyphs of the line being painted, in one font, handed to the painter as one run when
    // the line or the font changes (far less for a PDF to write than a text item per cell).
    int lLaufSchrift_ = -1;
    double yLauf_ = 0;
    QList<quint32> glyphen_;
    QList<QPointF> orte_;
    QList<quint32> neu_;  // the glyphs of one text and their advances, before they join
    QList<QPointF> vorschuebe_;
    double y_ = 0;
    bool bTitel_ = false;
    bool bKonto_ = false;  // an account's section is open
    qint64 lKonto_ = 0;
    int lKonten_ = 0;
    Sum monat_;
    qint64 lKontoCent_ = 0;
    qint64 lAlleCent_ = 0;
};

// A month and year in the language shown: "März 2021", "March 2021".
QString MonthText(int lJahr, int lMonat);

}  // namespace tolva
