// BookingModel: the bookings of an open file as a table that loads piece by piece.
#pragma once

#include "browse/BrowseFile.h"

#include <QAbstractTableModel>

#include <map>

namespace tolva {

// Columns: Datum, Konto, Betrag, Empfänger, Verwendungszweck. Holds the rows loaded so far
// and loads the next 200 when a view scrolls towards the end; sorting by a column sets the
// filter's order and loads again. Setting a filter (a new one, or the same again) is the
// list's refresh: BrowseFile::Start takes the count, the sum and the first rows, and a list
// read by its ids keeps them until the next refresh, so that scrolling neither repeats nor
// skips a booking while others change the file. Does not own the file, which must outlive
// the model.
class BookingModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    static constexpr qint64 kStueck = kListenStueck;

    BookingModel(BrowseFile& datei, std::map<qint64, QString> konten, QObject* parent);

    // Shows the bookings that the filter lets through, from the start, as the file is now.
    void SetFilter(const BookingFilter& filter);
    const BookingFilter& Filter() const { return filter_; }
    const BookingTotals& Totals() const { return summe_; }
    // Why the last load failed (German); empty when it did not.
    const QString& Fehler() const { return fehler_; }
    const std::map<qint64, QString>& Konten() const { return konten_; }

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
    BrowseFile& datei_;
    std::map<qint64, QString> konten_;
    BookingFilter filter_;
    BookingTotals summe_;
    std::vector<BookingRow> zeilen_;
    // Where the next piece starts in the list; ahead of the rows held when bookings of the
    // kept ids were deleted since.
    qint64 lWeiter_ = 0;
    QString fehler_;
};

}  // namespace tolva
