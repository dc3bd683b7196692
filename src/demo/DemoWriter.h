// DemoWriter: fills the tables of a freshly created demo database, table by table.
#pragma once

#include "common/Result.h"
#include "demo/DemoAccounts.h"
#include "demo/DemoBookings.h"
#include "demo/DemoCalendar.h"
#include "demo/DemoDatabase.h"

#include <vector>

struct sqlite3;

namespace tolva::demo {

// Writes through raw prepared statements on a keyed handle that holds the empty schema.
// The caller owns the handle and the transaction around WriteAll. Every table gets its
// own random stream, so the rows of one table do not depend on the sizes of the others.
class DemoWriter {
  public:
    // Preconditions: options are valid (see MakeDemoDatabase); db outlives the writer.
    DemoWriter(sqlite3* db, const DemoOptions& options);

    // Writes every table and fills the counts of `summary`.
    Status WriteAll(DemoSummary& summary);

  private:
    Status WritePassword();
    Status WriteBanks(DemoSummary& summary);
    Status WriteAccounts(DemoSummary& summary);
    Status WriteCategories(DemoSummary& summary);
    Status WritePayees(DemoSummary& summary);
    Status WriteBookings(DemoSummary& summary);
    Status WriteOpenBookings(DemoSummary& summary);
    Status WriteOrders(DemoSummary& summary);
    Status WriteCollectiveOrders(DemoSummary& summary);

    // An account that has bookings on the given day (account 0 when the tries miss).
    const AccountPlan& AccountOn(int lTag, DemoRandom& rng) const;
    // The number of single orders, which also sizes the collective orders.
    qint64 OrderCount() const;

    sqlite3* db_;
    const DemoOptions& options_;
    DemoCalendar calendar_;
    BookingMaker maker_;
    std::vector<BankPlan> aBanken_;
    std::vector<AccountPlan> aKonten_;
    std::vector<PayeePlan> aEmpfaenger_;
};

}  // namespace tolva::demo
