// Helpers shared by the commands of tolva-archiv.
#include "Commands.h"

#include <QTextStream>

namespace tolva {

int Fail(const QString& sText, int status) {
    QTextStream(stderr) << sText << Qt::endl;
    return status;
}

}  // namespace tolva
