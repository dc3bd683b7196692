// Message boxes on the terminal.
#include "cli/TerminalMessageBoxes.h"

#include "cli/TerminalArchivForm.h"

#include <QCoreApplication>
#include <QTextStream>

#include <unistd.h>
#include <cstdio>

namespace tolva {

long TerminalMessageBoxes::Show(const QString& sText, long lStil, const QString& sTitel) {
    EndProgressLine();
    QTextStream& err = err_;
    const QString text = QString(sText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    err << (sTitel.isEmpty() ? QString() : sTitel + QStringLiteral(": ")) << text;
    if ((lStil & 7) != vbYesNo) {
        err << Qt::endl;
        return vbOK;
    }
    if (bJa_) {
        err << QCoreApplication::translate("TerminalMessageBoxes", " [j/N] j (--yes)") << Qt::endl;
        return vbYes;
    }
    if (::isatty(STDIN_FILENO) != 1) {
        err << QCoreApplication::translate("TerminalMessageBoxes", " [j/N] n (ohne --yes)")
            << Qt::endl;
        return vbNo;
    }
    err << QCoreApplication::translate("TerminalMessageBoxes", " [j/N] ") << Qt::flush;
    char zeile[64] = {};
    if (!std::fgets(zeile, sizeof zeile, stdin)) return vbNo;
    // "j" and "y" both mean yes, whichever language asks: a German answer keeps working.
    return (zeile[0] == 'j' || zeile[0] == 'J' || zeile[0] == 'y' || zeile[0] == 'Y') ? vbYes
                                                                                      : vbNo;
}

}  // namespace tolva
