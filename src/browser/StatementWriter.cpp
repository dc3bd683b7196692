// The statement's pages: title, accounts with their rows and sums, header and footer.
#include "browser/StatementWriter.h"
#include "text/DisplayFormat.h"

#include <algorithm>
#include <cmath>

#include <QGlyphRun>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

namespace tolva {
namespace {

using C = StatementColumn;
using F = StatementFont;

QString AccountHeading(const StatementAccount& k) {
    QStringList teile{k.sKonto};
    // A label that is the number, or names it, is not followed by it again.
    if (!k.sNummer.isEmpty() && !k.sKonto.contains(k.sNummer)) teile << k.sNummer;
    if (!k.sBank.isEmpty()) teile << k.sBank;
    return teile.join(QStringLiteral(" · "));
}

}  // namespace

QString MonthText(int lJahr, int lMonat) {
    if (lMonat < 1 || lMonat > 12)
        return QCoreApplication::translate("StatementWriter", "ohne Datum");
    return DisplayMonth(lJahr, lMonat);
}

StatementWriter::StatementWriter(const StatementLayout& layout, const StatementHead& kopf,
                                 QPainter* maler, QPagedPaintDevice* geraet, int lSeiten)
    : l_(layout), kopf_(kopf), maler_(maler), geraet_(geraet), lSeiten_(lSeiten) {}

void StatementWriter::Text(double x, double y, const QString& sText, StatementFont art) {
    if (!maler_) return;
    if (!glyphen_.isEmpty() && (lLaufSchrift_ != int(art) || yLauf_ != y)) FlushRun();
    lLaufSchrift_ = int(art);
    yLauf_ = y;
    neu_.clear();
    vorschuebe_.clear();
    l_.Set(sText, art, neu_, vorschuebe_);
    const quint32 lLeer = l_.Space(art);
    // Whole dots (1/600 inch in a PDF): the PDF then writes each glyph's step as a short whole
    // number, a third less to write and to compress than fractions. A space is a step without
    // a glyph (readers of the PDF see the gap).
    const double yGrund = std::round(y + l_.Ascent(art));
    for (qsizetype i = 0; i < neu_.size(); ++i) {
        if (neu_[i] != lLeer) {
            glyphen_ << neu_[i];
            orte_ << QPointF(std::round(x), yGrund);
        }
        x += vorschuebe_[i].x();
    }
}

void StatementWriter::FlushRun() {
    if (glyphen_.isEmpty()) return;
    QGlyphRun lauf;
    lauf.setRawFont(l_.Glyphs(StatementFont(lLaufSchrift_)));
    lauf.setGlyphIndexes(glyphen_);
    lauf.setPositions(orte_);
    maler_->setPen(Qt::black);
    maler_->drawGlyphRun(QPointF(0, 0), lauf);
    glyphen_.clear();
    orte_.clear();
}

void StatementWriter::RightText(double xRechts, double y, const QString& sText, StatementFont art) {
    if (maler_) Text(xRechts - l_.TextWidth(sText, art), y, sText, art);
}

void StatementWriter::Rule(double x1, double x2, double y, double lStaerke) {
    if (!maler_) return;
    maler_->setPen(QPen(Qt::black, l_.Mm(lStaerke)));
    maler_->drawLine(QPointF(x1, y), QPointF(x2, y));
}

const StatementAccount* StatementWriter::AccountOf(qint64 lKontoID) const {
    for (const StatementAccount& k : kopf_.konten)
        if (k.lKontoID == lKontoID) return &k;
    return nullptr;
}

void StatementWriter::PageFrame() {
    if (!maler_) return;
    const QRectF& s = l_.Page();
    maler_->fillRect(s, Qt::white);
    maler_->setPen(Qt::black);
    const QString sRechts = tr("Gedruckt am %1").arg(DisplayDate(kopf_.dGedruckt));
    const double lLinks = s.width() - l_.TextWidth(sRechts, F::Kopf) - l_.Mm(5);
    // The header names the archive in one line; the title on the first page has it whole.
    const QStringList name =
        l_.Wrap(tr("Umsätze · %1").arg(kopf_.sArchiv), lLinks - l_.Mm(4), F::Kopf);
    Text(s.left(), l_.HeaderY(),
         name.size() > 1 ? name.front() + QStringLiteral(" …") : name.front(), F::Kopf);
    RightText(s.right(), l_.HeaderY(), sRechts, F::Kopf);
    Rule(s.left(), s.right(), l_.HeaderY() + l_.LineHeight(F::Kopf) + l_.Mm(0.5), 0.2);
    Rule(s.left(), s.right(), l_.FooterY(), 0.2);
    maler_->setPen(Qt::black);
    RightText(s.right(), l_.FooterY() + l_.Mm(1),
              tr("Seite %1 von %2").arg(QString::number(lSeite_), QString::number(lSeiten_)),
              F::Kopf);
}

Status StatementWriter::NewPage() {
    if (maler_) FlushRun();
    if (maler_ && lSeite_ > 0 && !geraet_->newPage())
        return Status::Fail(
            tr("Seite %1 der Umsätze konnte nicht angelegt werden.").arg(lSeite_ + 1));
    ++lSeite_;
    y_ = l_.Body().top();
    PageFrame();
    return Status::Ok();
}

Status StatementWriter::Room(double lHoehe) {
    if (lSeite_ > 0 && y_ + lHoehe <= l_.Body().bottom()) return Status::Ok();
    if (Status st = NewPage(); !st) return st;
    return bKonto_ ? OpenAccount(lKonto_, true) : Status::Ok();
}

Status StatementWriter::Title() {
    bTitel_ = true;
    if (Status st = NewPage(); !st) return st;
    const double x = l_.Body().left();
    const double lBreite = l_.Body().width();
    const auto lines = [&](const QString& sText, F art) -> Status {
        for (const QString& sZeile : l_.Wrap(sText, lBreite, art)) {
            if (Status st = Room(l_.LineHeight(art)); !st) return st;
            Text(x, y_, sZeile, art);
            y_ += l_.LineHeight(art);
        }
        return Status::Ok();
    };
    QStringList text{tr("Archiv: %1").arg(kopf_.sArchiv)};
    text << kopf_.beschreibung;
    Status st = lines(tr("Umsätze"), F::Titel);
    for (const QString& s : text)
        if (st) st = lines(s, F::Text);
    y_ += l_.Mm(2);
    if (st && !kopf_.konten.empty())
        st = lines(kopf_.konten.size() == 1 ? tr("Konto") : tr("Konten"), F::Fett);
    for (const StatementAccount& k : kopf_.konten) {
        // German says "1 Umsätze" here too; the one has an entry of its own for other languages.
        const QString sAnzahl =
            (k.lAnzahl == 1 ? tr("%1 Umsätze", "exactly one") : tr("%1 Umsätze"))
                .arg(DisplayCount(k.lAnzahl));
        const QStringList zeilen =
            l_.Wrap(AccountHeading(k), l_.ColumnX(C::Betrag) - x - l_.Mm(2), F::Text);
        if (st) st = Room(l_.LineHeight(F::Text) * double(zeilen.size()));
        if (!st) return st;
        RightText(l_.Body().right(), y_, sAnzahl, F::Text);
        for (const QString& sZeile : zeilen) {
            Text(x, y_, sZeile, F::Text);
            y_ += l_.LineHeight(F::Text);
        }
    }
    y_ += l_.Mm(2);
    if (st) st = lines(tr("Zeitraum: %1").arg(kopf_.sZeitraum), F::Text);
    for (const QString& s : kopf_.filter)
        if (st) st = lines(s, F::Text);
    y_ += l_.Mm(4);
    return st;
}

Status StatementWriter::OpenAccount(qint64 lKontoID, bool bFortsetzung) {
    const StatementAccount* k = AccountOf(lKontoID);
    StatementAccount unbekannt;
    unbekannt.lKontoID = lKontoID;
    unbekannt.sKonto = UnknownAccountLabel(lKontoID);
    QString sKopf = AccountHeading(k ? *k : unbekannt);
    if (bFortsetzung) sKopf = tr("%1 (Fortsetzung)").arg(sKopf);
    const QStringList zeilen = l_.Wrap(sKopf, l_.Body().width(), F::Ueberschrift);
    // The column names, each within its column (a long one in another language wraps).
    const std::pair<C, QStringList> spalten[] = {
        {C::Datum, l_.Wrap(tr("Datum"), l_.ColumnWidth(C::Datum), F::Fett)},
        {C::Valuta, l_.Wrap(tr("Valuta"), l_.ColumnWidth(C::Valuta), F::Fett)},
        {C::Empfaenger, l_.Wrap(tr("Empfänger"), l_.ColumnWidth(C::Empfaenger), F::Fett)},
        {C::Zweck, l_.Wrap(tr("Verwendungszweck"), l_.ColumnWidth(C::Zweck), F::Fett)}};
    qsizetype lNamenZeilen = 1;
    for (const auto& [spalte, namen] : spalten) lNamenZeilen = std::max(lNamenZeilen, namen.size());
    const double lNamenHoehe = l_.LineHeight(F::Fett) * double(lNamenZeilen);
    const double lHoehe = l_.LineHeight(F::Ueberschrift) * double(zeilen.size()) + lNamenHoehe +
                          l_.Mm(bFortsetzung ? 1.5 : 4.5);
    if (!bFortsetzung) {
        // The heading stays with the first row; a new page opens this account's section anew.
        bKonto_ = false;
        if (Status st = Room(lHoehe + 2 * l_.LineHeight(F::Text)); !st) return st;
        y_ += l_.Mm(3);
        bKonto_ = true;
        lKonto_ = lKontoID;
        ++lKonten_;
    }
    for (const QString& sZeile : zeilen) {
        Text(l_.Body().left(), y_, sZeile, F::Ueberschrift);
        y_ += l_.LineHeight(F::Ueberschrift);
    }
    y_ += l_.Mm(0.5);
    for (const auto& [spalte, namen] : spalten)
        for (qsizetype i = 0; i < namen.size(); ++i)
            Text(l_.ColumnX(spalte), y_ + l_.LineHeight(F::Fett) * double(i), namen[i], F::Fett);
    RightText(l_.Body().right(), y_, tr("Betrag"), F::Fett);
    y_ += lNamenHoehe;
    Rule(l_.Body().left(), l_.Body().right(), y_, 0.2);
    y_ += l_.Mm(1);
    return Status::Ok();
}

Status StatementWriter::SumLine(const QString& sText, qint64 lCent, StatementFont art) {
    const double x = l_.ColumnX(C::Empfaenger);
    const QStringList zeilen = l_.Wrap(sText, l_.ColumnX(C::Betrag) - x - l_.Mm(2), art);
    const double lHoehe = l_.LineHeight(art) * double(zeilen.size()) + l_.Mm(2);
    if (Status st = Room(lHoehe); !st) return st;
    Rule(l_.ColumnX(C::Betrag), l_.Body().right(), y_ + l_.Mm(0.3), 0.15);
    y_ += l_.Mm(0.8);
    RightText(l_.Body().right(), y_, DisplayCents(lCent), art);
    for (const QString& sZeile : zeilen) {
        Text(x, y_, sZeile, art);
        y_ += l_.LineHeight(art);
    }
    y_ += l_.Mm(1.2);
    return Status::Ok();
}

Status StatementWriter::CloseMonth() {
    if (!monat_.bOffen) return Status::Ok();
    const Sum summe = monat_;
    monat_ = Sum{};
    return SumLine(tr("Summe %1").arg(MonthText(summe.lJahr, summe.lMonat)), summe.lCent, F::Text);
}

Status StatementWriter::CloseAccount() {
    if (Status st = CloseMonth(); !st) return st;
    const StatementAccount* k = AccountOf(lKonto_);
    const Status st = SumLine(tr("Summe %1").arg(k ? k->sKonto : UnknownAccountLabel(lKonto_)),
                              lKontoCent_, F::Fett);
    bKonto_ = false;
    lKontoCent_ = 0;
    return st;
}

Status StatementWriter::Row(const BookingRow& z) {
    const double lZeile = l_.LineHeight(F::Text);
    const QStringList empfaenger = l_.Wrap(z.sEmpfaenger, l_.ColumnWidth(C::Empfaenger), F::Text);
    const QStringList zweck = l_.Wrap(z.sZweck, l_.ColumnWidth(C::Zweck), F::Text);
    const qsizetype n = std::max(empfaenger.size(), zweck.size());
    // A row that fits on a page stays whole; a longer one runs on line by line.
    const bool bGanz = lZeile * double(n) <= l_.Body().height() / 2;
    if (bGanz)
        if (Status st = Room(lZeile * double(n)); !st) return st;
    for (qsizetype i = 0; i < n; ++i) {
        if (!bGanz)
            if (Status st = Room(lZeile); !st) return st;
        if (i == 0 && maler_) {  // measuring needs no dates and amounts: they never wrap
            Text(l_.ColumnX(C::Datum), y_, DisplayIsoDate(z.sDatum), F::Text);
            Text(l_.ColumnX(C::Valuta), y_, DisplayIsoDate(z.sValuta), F::Text);
            RightText(l_.Body().right(), y_, DisplayCents(z.lBetragCent), F::Text);
        }
        if (i < empfaenger.size()) Text(l_.ColumnX(C::Empfaenger), y_, empfaenger[i], F::Text);
        if (i < zweck.size()) Text(l_.ColumnX(C::Zweck), y_, zweck[i], F::Text);
        y_ += lZeile;
    }
    y_ += l_.Mm(0.6);
    return Status::Ok();
}

Status StatementWriter::Add(const BookingRow& z) {
    if (!bTitel_)
        if (Status st = Title(); !st) return st;
    const int lJahr = z.sDatum.left(4).toInt();
    const int lMonat = z.sDatum.mid(5, 2).toInt();
    if (!bKonto_ || z.lKontoID != lKonto_) {
        if (bKonto_)
            if (Status st = CloseAccount(); !st) return st;
        if (Status st = OpenAccount(z.lKontoID, false); !st) return st;
    } else if (lJahr != monat_.lJahr || lMonat != monat_.lMonat) {
        if (Status st = CloseMonth(); !st) return st;
    }
    monat_.bOffen = true;
    monat_.lJahr = lJahr;
    monat_.lMonat = lMonat;
    monat_.lCent += z.lBetragCent;
    lKontoCent_ += z.lBetragCent;
    lAlleCent_ += z.lBetragCent;
    return Row(z);
}

Status StatementWriter::Finish() {
    const Status st = Close();
    if (maler_) FlushRun();
    return st;
}

Status StatementWriter::Close() {
    if (!bTitel_)
        if (Status st = Title(); !st) return st;
    if (lKonten_ == 0) {
        if (Status st = Room(l_.LineHeight(F::Text)); !st) return st;
        Text(l_.Body().left(), y_, tr("Keine Umsätze für diese Auswahl."), F::Text);
        return Status::Ok();
    }
    if (bKonto_)
        if (Status st = CloseAccount(); !st) return st;
    if (lKonten_ > 1) return SumLine(tr("Summe aller Konten"), lAlleCent_, F::Fett);
    return Status::Ok();
}

}  // namespace tolva
