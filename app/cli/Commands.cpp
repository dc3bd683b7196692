// Helpers shared by the commands of tolva-archiv.
#include "cli/Commands.h"

#include "cli/TerminalArchivForm.h"

#include <QTextStream>

namespace tolva {

int Fail(QTextStream& err, const QString& sText, int status) {
    EndProgressLine();
    err << sText << Qt::endl;
    return status;
}

}  // namespace tolva
