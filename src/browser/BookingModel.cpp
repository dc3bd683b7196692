// The bookings of a file, loaded piece by piece for a table view.
#include "browser/BookingModel.h"
#include "text/DisplayFormat.h"

#include "widgets/MoneyColours.h"

#include <QGuiApplication>
#include <QPalette>

namespace tolva {
namespace {

// The order each column sorts by; the Saldo follows the date.
constexpr BookingColumn kSortierung[] = {BookingColumn::Datum,      BookingColumn::Konto,
                                         BookingColumn::Betrag,     BookingColumn::Datum,
                                         BookingColumn::Empfaenger, BookingColumn::Zweck};
static_assert(std::size(kSortierung) == BookingModel::kSpaltenzahl);

}  // namespace

BookingModel::BookingModel(BrowseFile& datei, std::map<qint64, QString> konten, QObject* parent)
    : QAbstractTableModel(parent), datei_(datei), konten_(std::move(konten)) {}

void BookingModel::SetFilter(const BookingFilter& filter) {
    beginResetModel();
    filter_ = filter;
    zeilen_.clear();
    saldo_.clear();
    fehler_.clear();
    summe_ = {};
    lWeiter_ = 0;
    if (Result<BookingScreen> bild = datei_.Start(filter_, kStueck); bild.ok()) {
        BookingScreen erste = std::move(bild).value();
        summe_ = erste.summe;
        Append(std::move(erste.zeilen));
        lWeiter_ = kStueck;
    } else {
        fehler_ = bild.error().description;
    }
    endResetModel();
    emit TotalsChanged();
}

void BookingModel::Append(std::vector<BookingRow> mehr) {
    // Ascending, a row's Saldo is the one above plus its amount; descending, the list's sum
    // less the amounts above it.
    for (const BookingRow& b : mehr) {
        if (!filter_.bAbsteigend)
            saldo_.push_back((saldo_.empty() ? 0 : saldo_.back()) + b.lBetragCent);
        else
            saldo_.push_back(saldo_.empty() ? summe_.lSummeCent
                                            : saldo_.back() - zeilen_.back().lBetragCent);
        zeilen_.push_back(b);
    }
}

int BookingModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(zeilen_.size());
}

int BookingModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kSpaltenzahl;
}

QVariant BookingModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const size_t r = static_cast<size_t>(index.row());
    const BookingRow& b = zeilen_[r];
    const int c = index.column();
    if (c == kSaldo && !ShowsBalance()) return {};
    const bool bBetrag = c == kBetrag || c == kSaldo;
    if (role == Qt::TextAlignmentRole && bBetrag)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ForegroundRole && bBetrag) {
        if ((c == kBetrag ? b.lBetragCent : saldo_[r]) >= 0) return {};
        return NegativeColour(QGuiApplication::palette());
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    switch (c) {
        case kDatum:
            return DisplayIsoDate(b.sDatum);
        case kKonto: {
            const auto it = konten_.find(b.lKontoID);
            return it != konten_.end() ? it->second : tr("Konto %1").arg(b.lKontoID);
        }
        case kBetrag:
            return DisplayCents(b.lBetragCent);
        case kSaldo:
            return DisplayCents(saldo_[r]);
        case kEmpfaenger:
            return b.sEmpfaenger;
        default:
            return b.sZweck;
    }
}

QVariant BookingModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kSpaltenzahl) return {};
    if (role == Qt::ToolTipRole && section == kSaldo)
        return tr(
            "Summe bis hier: die gezeigten Umsätze in Datumsfolge bis zu dieser Zeile "
            "zusammengezählt, bei mehreren Konten ihre gemeinsame Summe. Das Archiv kennt "
            "keinen Anfangssaldo; die Summe beginnt mit dem ersten gezeigten Umsatz bei "
            "0,00 € und ist nicht der Kontostand bei der Bank.");
    if (role != Qt::DisplayRole) return {};
    const QString namen[] = {tr("Datum"), tr("Konto"),     tr("Betrag"),
                             tr("Saldo"), tr("Empfänger"), tr("Verwendungszweck")};
    return namen[section];
}

bool BookingModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && lWeiter_ < summe_.lAnzahl && fehler_.isEmpty();
}

// A piece whose bookings were all deleted since the list started gives no rows: the next one
// is read then.
void BookingModel::fetchMore(const QModelIndex& parent) {
    std::vector<BookingRow> mehr;
    while (mehr.empty() && canFetchMore(parent)) {
        Result<std::vector<BookingRow>> stueck = datei_.Bookings(filter_, lWeiter_, kStueck);
        if (!stueck.ok()) {
            fehler_ = stueck.error().description;
            return;
        }
        mehr = std::move(stueck).value();
        lWeiter_ += kStueck;
    }
    if (mehr.empty()) return;
    const int erste = rowCount();
    beginInsertRows(QModelIndex(), erste, erste + static_cast<int>(mehr.size()) - 1);
    Append(std::move(mehr));
    endInsertRows();
}

void BookingModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= kSpaltenzahl) return;
    BookingFilter filter = filter_;
    filter.eSortierung = kSortierung[column];
    filter.bAbsteigend = order == Qt::DescendingOrder;
    SetFilter(filter);
}

}  // namespace tolva
