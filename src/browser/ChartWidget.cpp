// ChartWidget: the months painted with QPainter.
#include "browser/ChartWidget.h"
#include "text/DisplayFormat.h"

#include <QHelpEvent>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace tolva {
namespace {

constexpr int kRand = 8;            // space around the plot, in pixels
constexpr int kZeilenAbstand = 40;  // at least this many pixels between two axis lines

struct Colours {
    QColor eingang, ausgang, differenz, text, gitter, grund;
};

// Green, red and blue that read well on the palette's base: darker ones on a light base,
// lighter ones on a dark base.
Colours ColoursFor(const QPalette& palette) {
    const bool bDunkel = palette.color(QPalette::Base).lightness() < 128;
    Colours c;
    c.eingang = bDunkel ? QColor(0x66, 0xbb, 0x6a) : QColor(0x2e, 0x7d, 0x32);
    c.ausgang = bDunkel ? QColor(0xef, 0x53, 0x50) : QColor(0xc6, 0x28, 0x28);
    c.differenz = bDunkel ? QColor(0x90, 0xca, 0xf9) : QColor(0x0d, 0x47, 0xa1);
    c.text = palette.color(QPalette::Text);
    c.gitter = c.text;
    c.gitter.setAlpha(48);
    c.grund = palette.color(QPalette::Base);
    return c;
}

// 1, 2, 2.5 or 5 times a power of ten, at least dWert.
double NiceStep(double dWert) {
    const double dZehner = std::pow(10.0, std::floor(std::log10(dWert)));
    for (const double f : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (f * dZehner >= dWert * (1 - 1e-9)) return f * dZehner;
    return 10 * dZehner;
}

// An axis label: whole euros ("12.000 €") when the steps are whole euros, else with cents.
QString AxisText(double dEuro, double dSchritt) {
    if (dSchritt < 1) return DisplayCents(qRound64(dEuro * 100));
    return DisplayCents(qRound64(dEuro) * 100)
        .remove(DisplayLocale().decimalPoint() + QStringLiteral("00"));
}

// A month's name in the language shown: "März 2021", or short without the year ("Mär").
QString MonthLabel(int lJahr, int lMonat, bool bKurz = false) {
    if (bKurz && lMonat >= 1 && lMonat <= 12)
        return DisplayLocale().standaloneMonthName(lMonat, QLocale::ShortFormat);
    return DisplayMonth(lJahr, lMonat);
}

}  // namespace

int ChartWidget::Frame::Y(double dEuro) const {
    const double dAnteil = (dOben - dEuro) / (dOben - dUnten);
    return plot.top() + int(std::lround(dAnteil * plot.height()));
}

ChartWidget::ChartWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("chtVerlauf"));
    setAccessibleName(tr("Eingänge und Ausgänge je Monat"));
    setAutoFillBackground(false);
}

void ChartWidget::SetMonths(std::vector<MonthTotals> monate) {
    monate_ = std::move(monate);
    bBeschaeftigt_ = false;
    sMeldung_.clear();
    unsetCursor();
    update();
}

void ChartWidget::SetBusy() {
    bBeschaeftigt_ = true;
    sMeldung_.clear();
    setCursor(Qt::BusyCursor);
    update();
}

void ChartWidget::SetMessage(const QString& sText) {
    monate_.clear();
    bBeschaeftigt_ = false;
    sMeldung_ = sText;
    unsetCursor();
    update();
}

QString ChartWidget::Message() const {
    if (bBeschaeftigt_) return tr("Wird berechnet …");
    if (!sMeldung_.isEmpty()) return sMeldung_;
    if (monate_.empty()) return tr("Keine Umsätze für diese Auswahl.");
    return QString();
}

QSize ChartWidget::minimumSizeHint() const {
    return {360, 8 * fontMetrics().height()};
}

ChartWidget::Frame ChartWidget::Layout() const {
    const QFontMetrics m = fontMetrics();
    Frame f;
    double dHoch = 0, dTief = 0;
    for (const MonthTotals& t : monate_) {
        dHoch = std::max(dHoch, double(t.lEingangCent) / 100);
        dTief = std::min(dTief, double(t.lAusgangCent) / 100);
    }
    if (dHoch - dTief < 0.01) dHoch = 1;
    // Legend above, two rows of month and year names below.
    const int lOben = kRand + m.height() + kRand;
    const int lUnten = 2 * m.height() + kRand;
    const int lHoehe = std::max(1, height() - lOben - lUnten);
    const int lZeilen = std::max(2, lHoehe / kZeilenAbstand);
    f.dSchritt = NiceStep((dHoch - dTief) / lZeilen);
    f.dOben = std::ceil(dHoch / f.dSchritt) * f.dSchritt;
    f.dUnten = std::floor(dTief / f.dSchritt) * f.dSchritt;
    if (f.dOben - f.dUnten < f.dSchritt) f.dOben = f.dUnten + f.dSchritt;
    const int lLinks = kRand +
                       std::max(m.horizontalAdvance(AxisText(f.dOben, f.dSchritt)),
                                m.horizontalAdvance(AxisText(f.dUnten, f.dSchritt))) +
                       kRand;
    f.plot = QRect(lLinks, lOben, std::max(1, width() - lLinks - 2 * kRand), lHoehe);
    return f;
}

QRect ChartWidget::MonthRect(size_t i) const {
    if (i >= monate_.size() || Busy() || !sMeldung_.isEmpty()) return {};
    const Frame f = Layout();
    const double dBreite = double(f.plot.width()) / double(monate_.size());
    const int x0 = f.plot.left() + int(std::lround(double(i) * dBreite));
    const int x1 = f.plot.left() + int(std::lround(double(i + 1) * dBreite));
    return QRect(x0, f.plot.top(), std::max(1, x1 - x0), f.plot.height());
}

QString ChartWidget::ToolTipAt(const QPoint& p) const {
    if (monate_.empty() || Busy() || !sMeldung_.isEmpty()) return QString();
    const Frame f = Layout();
    if (!f.plot.contains(p)) return QString();
    const auto i =
        size_t(double(p.x() - f.plot.left()) * double(monate_.size()) / double(f.plot.width()));
    if (i >= monate_.size()) return QString();
    const MonthTotals& t = monate_[i];
    const QString sAnzahl =
        t.lAnzahl == 1 ? tr("1 Umsatz") : tr("%1 Umsätze").arg(DisplayCount(t.lAnzahl));
    return tr("%1: %2\nEingänge %3\nAusgänge %4\nDifferenz %5")
        .arg(MonthLabel(t.lJahr, t.lMonat), sAnzahl, DisplayCents(t.lEingangCent),
             DisplayCents(t.lAusgangCent), DisplayCents(t.DifferenzCent()));
}

bool ChartWidget::event(QEvent* e) {
    if (e->type() != QEvent::ToolTip) return QWidget::event(e);
    auto* hilfe = static_cast<QHelpEvent*>(e);
    const QString sText = ToolTipAt(hilfe->pos());
    if (sText.isEmpty()) {
        QToolTip::hideText();
        e->ignore();
        return true;
    }
    QToolTip::showText(hilfe->globalPos(), sText, this);
    return true;
}

void ChartWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const Colours c = ColoursFor(palette());
    p.fillRect(rect(), c.grund);
    p.setPen(c.text);
    if (const QString sText = Message(); !sText.isEmpty()) {
        p.drawText(rect().adjusted(kRand, kRand, -kRand, -kRand),
                   Qt::AlignCenter | Qt::TextWordWrap, sText);
        return;
    }
    const Frame f = Layout();
    PaintAxes(p, f);
    PaintMonths(p, f);
    PaintLegend(p, f);
}

void ChartWidget::PaintAxes(QPainter& p, const Frame& f) const {
    const Colours c = ColoursFor(palette());
    const QFontMetrics m = fontMetrics();
    const auto lLinien = qint64(std::lround((f.dOben - f.dUnten) / f.dSchritt));
    for (qint64 n = 0; n <= lLinien; ++n) {
        const double dEuro = f.dUnten + double(n) * f.dSchritt;
        const int y = f.Y(dEuro);
        QColor linie = c.gitter;
        if (std::abs(dEuro) < f.dSchritt / 2) linie = c.text;  // the zero line
        p.setPen(linie);
        p.drawLine(f.plot.left(), y, f.plot.right(), y);
        p.setPen(c.text);
        const QRect feld(kRand, y - m.height() / 2, f.plot.left() - 2 * kRand, m.height());
        p.drawText(feld, Qt::AlignRight | Qt::AlignVCenter, AxisText(dEuro, f.dSchritt));
    }
    // Months below: short names where there is room for them, every few months (1, 2, 3 or 6)
    // on fewer pixels; the years in the row under them at each January. Names that would
    // touch the one before are left out.
    const double dBreite = double(f.plot.width()) / double(monate_.size());
    int lAbstand = 0;
    for (const int k : {1, 2, 3, 6})
        if (dBreite * k >= m.horizontalAdvance(MonthLabel(0, 3, true)) + 8) {
            lAbstand = k;
            break;
        }
    // Years every 1, 2, 5, 10 or 20 years, as many as their names have room for; the first,
    // partial year only when its name ends before the next one's.
    const int lJahrBreite = m.horizontalAdvance(QStringLiteral("0000")) + 10;
    int lJahrSchritt = 20;
    for (const int k : {1, 2, 5, 10})
        if (dBreite * 12 * k >= lJahrBreite) {
            lJahrSchritt = k;
            break;
        }
    const auto jahrGezeigt = [&](const MonthTotals& t) {
        return t.lMonat == 1 && t.lJahr % lJahrSchritt == 0;
    };
    int xErstesJahr = width();
    for (size_t i = 0; i < monate_.size(); ++i)
        if (jahrGezeigt(monate_[i])) {
            xErstesJahr = MonthRect(i).left() + 2;
            break;
        }
    const int yMonat = f.plot.bottom() + 4;
    const int yJahr = yMonat + (lAbstand > 0 ? m.height() : 0);
    int xMonatFrei = 0;
    for (size_t i = 0; i < monate_.size(); ++i) {
        const MonthTotals& t = monate_[i];
        const QRect spalte = MonthRect(i);
        if (t.lMonat == 1 && i > 0) {
            p.setPen(c.gitter);
            p.drawLine(spalte.left(), f.plot.top(), spalte.left(), f.plot.bottom() + 3);
        }
        p.setPen(c.text);
        if (lAbstand > 0 && (t.lMonat - 1) % lAbstand == 0) {
            const QString sName = MonthLabel(t.lJahr, t.lMonat, true);
            const int w = m.horizontalAdvance(sName);
            const int x = spalte.center().x() - w / 2;
            if (x >= xMonatFrei && x + w <= width()) {
                p.drawText(QRect(x, yMonat, w, m.height()), Qt::AlignCenter, sName);
                xMonatFrei = x + w + 6;
            }
        }
        const int x = spalte.left() + 2;
        const bool bErstes = i == 0 && !jahrGezeigt(t) && x + lJahrBreite <= xErstesJahr;
        if ((jahrGezeigt(t) || bErstes) && x + lJahrBreite - 10 <= width())
            p.drawText(QRect(x, yJahr, lJahrBreite, m.height()), Qt::AlignLeft | Qt::AlignVCenter,
                       QString::number(t.lJahr));
    }
}

void ChartWidget::PaintMonths(QPainter& p, const Frame& f) const {
    const Colours c = ColoursFor(palette());
    const double dBreite = double(f.plot.width()) / double(monate_.size());
    const double dBalken = std::max(1.0, dBreite * 0.64);
    const int yNull = f.Y(0);
    QPolygonF linie;
    for (size_t i = 0; i < monate_.size(); ++i) {
        const MonthTotals& t = monate_[i];
        const double x = f.plot.left() + double(i) * dBreite + (dBreite - dBalken) / 2;
        const int yEin = f.Y(double(t.lEingangCent) / 100);
        const int yAus = f.Y(double(t.lAusgangCent) / 100);
        if (yEin < yNull) p.fillRect(QRectF(x, yEin, dBalken, yNull - yEin), c.eingang);
        if (yAus > yNull) p.fillRect(QRectF(x, yNull + 1, dBalken, yAus - yNull), c.ausgang);
        linie << QPointF(f.plot.left() + (double(i) + 0.5) * dBreite,
                         f.Y(double(t.DifferenzCent()) / 100));
    }
    p.setRenderHint(QPainter::Antialiasing);
    // On thin bars a thin line, that lets them show through.
    QColor farbe = c.differenz;
    if (dBreite < 6) farbe.setAlpha(200);
    p.setPen(QPen(farbe, dBreite >= 6 ? 2.0 : 1.0));
    p.drawPolyline(linie);
    if (dBreite >= 8) {
        p.setBrush(c.differenz);
        for (const QPointF& punkt : linie) p.drawEllipse(punkt, 2.5, 2.5);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

void ChartWidget::PaintLegend(QPainter& p, const Frame& f) const {
    const Colours c = ColoursFor(palette());
    const QFontMetrics m = fontMetrics();
    const int h = m.height();
    int x = f.plot.left();
    const int y = kRand;
    for (const auto& [sName, farbe, bLinie] : {std::tuple{tr("Eingänge"), c.eingang, false},
                                               std::tuple{tr("Ausgänge"), c.ausgang, false},
                                               std::tuple{tr("Differenz"), c.differenz, true}}) {
        if (bLinie)
            p.fillRect(QRect(x, y + h / 2 - 1, h, 3), farbe);
        else
            p.fillRect(QRect(x + 2, y + 2, h - 4, h - 4), farbe);
        x += h + 4;
        p.setPen(c.text);
        p.drawText(QRect(x, y, m.horizontalAdvance(sName), h), Qt::AlignVCenter, sName);
        x += m.horizontalAdvance(sName) + 2 * h;
    }
}

}  // namespace tolva
