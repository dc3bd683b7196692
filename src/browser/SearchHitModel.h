// SearchHitModel: the hits of a search across files as a table that stays sorted as files
// hand in their hits.
#pragma once

#include "browse/BrowseSearch.h"

#include <QAbstractTableModel>

#include <vector>

namespace tolva {

// Columns: Datei, Konto, Datum, Betrag, Empfänger / Verwendungszweck. The rows are always in
// ComesBefore order (newest first); new hits are inserted where they belong, so that views
// keep their selection on the same hit.
class SearchHitModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Spalte { kDatei, kKonto, kDatum, kBetrag, kText, kSpalten };

    using QAbstractTableModel::QAbstractTableModel;

    // Inserts one file's hits (in ComesBefore order, as a search hands them in); with
    // lHoechstens > 0 the oldest rows beyond that many are dropped. Returns whether any were.
    bool Add(const std::vector<SearchHit>& treffer, qint64 lHoechstens);
    void Clear();
    const std::vector<SearchHit>& Hits() const { return treffer_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<SearchHit> treffer_;
};

}  // namespace tolva
