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
    lWeiter_ = 0;
    if (Result<BookingScreen> bild = datei_.Start(filter_, kStueck); bild.ok()) {
        BookingScreen erste = std::move(bild).value();
        summe_ = erste.summe;
        zeilen_ = std::move(erste.zeilen);
        lWeiter_ = kStueck;
    } else {
        fehler_ = bild.error().description;
    }
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
    zeilen_.insert(zeilen_.end(), mehr.begin(), mehr.end());
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
