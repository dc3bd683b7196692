// The browser's statement buttons: the dialogs and boxes around Statement.
#include "browser/StatementActions.h"

#include "browse/BrowseExport.h"
#include "browser/Statement.h"
#include "hostlib/MessageBox.h"
#include "widgets/FileDialogs.h"
#include "widgets/PrintDialogs.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>

namespace tolva {
namespace {

// The title of the boxes and the print job.
QString Title() {
    return QCoreApplication::translate("StatementActions", "Umsätze");
}

// The busy pointer for the length of the scope (a statement of 100,000 bookings takes seconds).
class BusyPointer {
  public:
    BusyPointer() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace

void PrintStatement(QWidget* fenster, BrowseFile& datei, const BookingFilter& filter) {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setPageOrientation(QPageLayout::Portrait);
    drucker.setDocName(QCoreApplication::translate("StatementActions", "Umsätze %1")
                           .arg(QFileInfo(datei.Path()).fileName()));
    if (!CurrentPrintDialogs().ChoosePrinter(fenster, drucker)) return;
    Status s;
    {
        const BusyPointer warten;
        s = WriteStatement(datei, filter, drucker);
    }
    if (!s.ok()) MsgBox(s.description(), vbExclamation, Title());
}

void SaveStatementAsPdf(QWidget* fenster, BrowseFile& datei, const BookingFilter& filter,
                        const QStringList& geschuetzt) {
    const QFileInfo archiv(datei.Path());
    const std::optional<QString> gewaehlt = CurrentFileDialogs().ChooseFile(
        fenster, archiv.absoluteDir().filePath(archiv.completeBaseName() + QStringLiteral(".pdf")),
        QStringLiteral(".pdf"), archiv.absolutePath());
    if (!gewaehlt) return;
    // The file dialog does not ask before replacing: a database is never replaced, any other
    // existing file only after "Ja".
    if (Status s = CheckExportTarget(*gewaehlt, geschuetzt); !s.ok()) {
        MsgBox(s.description(), vbExclamation, Title());
        return;
    }
    if (QFileInfo::exists(*gewaehlt) &&
        MsgBox(QCoreApplication::translate("StatementActions",
                                           "Die Datei %1 existiert bereits. Soll sie ersetzt "
                                           "werden?")
                   .arg(*gewaehlt),
               vbYesNo + vbQuestion + vbDefaultButton2, Title()) != vbYes)
        return;
    Status s;
    {
        const BusyPointer warten;
        s = SaveStatementPdf(datei, filter, *gewaehlt, geschuetzt);
    }
    if (!s.ok()) MsgBox(s.description(), vbExclamation, Title());
}

}  // namespace tolva
