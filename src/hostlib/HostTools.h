// HostTools: the host's date texts for SQL, for people and for file names.
#pragma once

#include <QDate>
#include <QString>

#include <memory>

namespace tolva {

class HostTools {
  public:
    virtual ~HostTools() = default;
    // "yyyy-MM-dd": the stored form of Buchungsdatum; orders like the dates as text.
    virtual QString FormatSqlDatum(const QDate& dDatum) = 0;
    // "dd.MM.yyyy": a date for people.
    virtual QString FormatDatum(const QDate& dDatum) = 0;
    // "05.07.2013" -> "2013-07-05": a date text that may stand in a file name. A text that is
    // no date in the German form comes back with its separators replaced by "-".
    virtual QString FormatDateiDatum(const QString& sDatum) = 0;
};

// The host library's own implementation.
class StandardHostTools : public HostTools {
  public:
    QString FormatSqlDatum(const QDate& dDatum) override;
    QString FormatDatum(const QDate& dDatum) override;
    QString FormatDateiDatum(const QString& sDatum) override;
};

// Makes a new HostTools object (what the load handler stores in oTools).
std::unique_ptr<HostTools> CreateHostTools();

}  // namespace tolva
