// AttachKeyed: a keyed file of the component attached to a connection under a schema name.
#pragma once

#include "common/Result.h"

#include <QString>

namespace tolva {

class Connection;

// Attaches sPfad to cn as sSchema with the component's key and cipher settings, and proves
// that the key opens it by reading its schema (a file the key does not open attaches without
// complaint); a file that does not read is detached again. With bNurLesen it is attached
// read-only by URI: its bytes never change, and no hot journal beside it is rolled back
// through this connection. Failures name sName. Precondition: cn open, not in a transaction.
Status AttachKeyed(Connection& cn, const QString& sPfad, const QString& sSchema, bool bNurLesen,
                   const QString& sName);

}  // namespace tolva
