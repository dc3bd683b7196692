// BookingModel: the bookings of an open file as a table that loads piece by piece.
#pragma once

#include "browse/BrowseFile.h"

#include <QAbstractTableModel>

#include <map>

namespace tolva {

// Columns: Datum, Konto, Betrag, Saldo, Empfänger, Verwendungszweck. Holds the rows loaded so far
// and loads the next 200 when a view scrolls towards the end; sorting by a column sets the
// filter's order and loads again. Setting a filter (a new one, or the same again) is the
// list's refresh: BrowseFile::Start takes the count, the sum and the first rows, and a list
// read by its ids keeps them until the next refresh, so that scrolling neither repeats nor
// skips a booking while others change the file. Negative amounts come in the palette's
// negative colour. The Saldo ("Summe bis hier") is the running sum of the shown bookings in
// date order, the account's and of several accounts their combined sum; in descending order
// it is the sum up to and including the row as well (the list's sum less what lies above it).
// It has a value only while the list is sorted by date (ShowsBalance). Does not own the
// file, which must outlive the model.
class BookingModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    static constexpr qint64 kStueck = kListenStueck;
    enum Column { kDatum, kKonto, kBetrag, kSaldo, kEmpfaenger, kZweck, kSpaltenzahl };

    BookingModel(BrowseFile& datei, std::map<qint64, QString> konten, QObject* parent);

    // Shows the bookings that the filter lets through, from the start, as the file is now.
    void SetFilter(const BookingFilter& filter);
    const BookingFilter& Filter() const { return filter_; }
    const BookingTotals& Totals() const { return summe_; }
    // Why the last load failed (German); empty when it did not.
    const QString& Fehler() const { return fehler_; }
    const std::map<qint64, QString>& Konten() const { return konten_; }
    // Whether the Saldo column has values: the list is sorted by date.
    bool ShowsBalance() const { return filter_.eSortierung == BookingColumn::Datum; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
    void sort(int column, Qt::SortOrder order) override;

  signals:
    // The filter changed and the count and sum are new.
    void TotalsChanged();

  private:
    // Appends rows to zeilen_ and their Saldo to saldo_.
    void Append(std::vector<BookingRow> mehr);

    BrowseFile& datei_;
    std::map<qint64, QString> konten_;
    BookingFilter filter_;
    BookingTotals summe_;
    std::vector<BookingRow> zeilen_;
    std::vector<qint64> saldo_;  // per row in zeilen_ the Saldo in cents
    // Where the next piece starts in the list; ahead of the rows held when bookings of the
    // kept ids were deleted since.
    qint64 lWeiter_ = 0;
    QString fehler_;
};

}  // namespace tolva
