// The hits of a search across files, kept newest first while they arrive.
#include "browser/SearchHitModel.h"
#include "text/DisplayFormat.h"

#include "widgets/MoneyColours.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPalette>

#include <algorithm>

namespace tolva {
namespace {

// Payee and purpose on one line; a part that is empty leaves out its separator.
QString HitText(const BookingRow& b) {
    QStringList teile;
    for (const QString& s : {b.sEmpfaenger, b.sZweck})
        if (!s.trimmed().isEmpty()) teile << s.simplified();
    return teile.join(QStringLiteral(" / "));
}

}  // namespace

bool SearchHitModel::Add(const std::vector<SearchHit>& treffer, qint64 lHoechstens) {
    // Both lists are sorted: each run of new hits that lands between the same two rows goes in
    // as one insertion.
    auto ab = treffer_.begin();
    for (size_t i = 0; i < treffer.size();) {
        ab = std::upper_bound(ab, treffer_.end(), treffer[i], ComesBefore);
        size_t j = i + 1;
        while (j < treffer.size() && (ab == treffer_.end() || ComesBefore(treffer[j], *ab))) ++j;
        const int lZeile = int(ab - treffer_.begin());
        beginInsertRows(QModelIndex(), lZeile, lZeile + int(j - i) - 1);
        ab = treffer_.insert(ab, treffer.begin() + qsizetype(i), treffer.begin() + qsizetype(j));
        ab += qsizetype(j - i);
        endInsertRows();
        i = j;
    }
    if (lHoechstens <= 0 || qint64(treffer_.size()) <= lHoechstens) return false;
    beginRemoveRows(QModelIndex(), int(lHoechstens), int(treffer_.size()) - 1);
    treffer_.resize(size_t(lHoechstens));
    endRemoveRows();
    return true;
}

void SearchHitModel::Clear() {
    beginResetModel();
    treffer_.clear();
    endResetModel();
}

int SearchHitModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(treffer_.size());
}

int SearchHitModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kSpalten;
}

QVariant SearchHitModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const SearchHit& t = treffer_[size_t(index.row())];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(index.column() == kBetrag ? Qt::AlignRight | Qt::AlignVCenter
                                                             : Qt::AlignLeft | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole && index.column() == kDatei) return t.sDatei;
    if (role == Qt::ForegroundRole)
        return index.column() == kBetrag && t.buchung.lBetragCent < 0
                   ? QVariant(NegativeColour(QGuiApplication::palette()))
                   : QVariant();
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    switch (index.column()) {
        case kDatei:
            return QFileInfo(t.sDatei).fileName();
        case kKonto:
            return t.sKonto;
        case kDatum:
            return DisplayIsoDate(t.buchung.sDatum);
        case kBetrag:
            return DisplayCents(t.buchung.lBetragCent);
        case kText:
            return HitText(t.buchung);
        default:
            return {};
    }
}

QVariant SearchHitModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(section == kBetrag ? Qt::AlignRight | Qt::AlignVCenter
                                                      : Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    switch (section) {
        case kDatei:
            return tr("Datei");
        case kKonto:
            return tr("Konto");
        case kDatum:
            return tr("Datum");
        case kBetrag:
            return tr("Betrag");
        case kText:
            return tr("Empfänger / Verwendungszweck");
        default:
            return {};
    }
}

}  // namespace tolva
