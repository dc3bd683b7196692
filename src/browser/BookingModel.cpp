// The bookings of a file, loaded piece by piece for a table view.
#include "browser/BookingModel.h"

#include <QDate>

namespace tolva {
namespace {

constexpr BookingColumn kSpalten[] = {BookingColumn::Datum, BookingColumn::Konto,
                                      BookingColumn::Betrag, BookingColumn::Empfaenger,
                                      BookingColumn::Zweck};

QString GermanDate(const QString& sIso) {
    const QDate d = QDate::fromString(sIso, Qt::ISODate);
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : sIso;
}

}  // namespace

BookingModel::BookingModel(BrowseFile& datei, std::map<qint64, QString> konten, QObject* parent)
    : QAbstractTableModel(parent), datei_(datei), konten_(std::move(konten)) {}

void BookingModel::SetFilter(const BookingFilter& filter) {
    beginResetModel();
    filter_ = filter;
    zeilen_.clear();
    fehler_.clear();
    summe_ = {};
    if (Result<BookingTotals> summe = datei_.Totals(filter_); summe.ok())
        summe_ = summe.value();
    else
        fehler_ = summe.error().description;
    if (Result<std::vector<BookingRow>> erste = datei_.Bookings(filter_, 0, kStueck); erste.ok())
        zeilen_ = std::move(erste).value();
    else
        fehler_ = erste.error().description;
    endResetModel();
    emit TotalsChanged();
}

int BookingModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(zeilen_.size());
}

int BookingModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(std::size(kSpalten));
}

QVariant BookingModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const BookingRow& b = zeilen_[static_cast<size_t>(index.row())];
    if (role == Qt::TextAlignmentRole && index.column() == 2)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    switch (index.column()) {
        case 0:
            return GermanDate(b.sDatum);
        case 1: {
            const auto it = konten_.find(b.lKontoID);
            return it != konten_.end() ? it->second : tr("Konto %1").arg(b.lKontoID);
        }
        case 2:
            return FormatCents(b.lBetragCent);
        case 3:
            return b.sEmpfaenger;
        default:
            return b.sZweck;
    }
}

QVariant BookingModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    const QString namen[] = {tr("Datum"), tr("Konto"), tr("Betrag"), tr("Empfänger"),
                             tr("Verwendungszweck")};
    return section >= 0 && section < 5 ? namen[section] : QVariant();
}

bool BookingModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && static_cast<qint64>(zeilen_.size()) < summe_.lAnzahl &&
           fehler_.isEmpty();
}

void BookingModel::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent)) return;
    Result<std::vector<BookingRow>> mehr =
        datei_.Bookings(filter_, static_cast<qint64>(zeilen_.size()), kStueck);
    if (!mehr.ok()) {
        fehler_ = mehr.error().description;
        return;
    }
    if (mehr.value().empty()) return;
    const int erste = rowCount();
    beginInsertRows(QModelIndex(), erste, erste + static_cast<int>(mehr.value().size()) - 1);
    zeilen_.insert(zeilen_.end(), mehr.value().begin(), mehr.value().end());
    endInsertRows();
}

void BookingModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= static_cast<int>(std::size(kSpalten))) return;
    BookingFilter filter = filter_;
    filter.eSortierung = kSpalten[column];
    filter.bAbsteigend = order == Qt::DescendingOrder;
    SetFilter(filter);
}

}  // namespace tolva
