// QtMessageBoxPresenter: the message boxes as Qt windows, with Qt's own (translated) buttons.
#include "hostlib/widgets/QtMessageBoxPresenter.h"

#include <QApplication>
#include <QMessageBox>

namespace tolva {

long QtMessageBoxPresenter::Show(const QString& sText, long lStil, const QString& sTitel) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(sTitel.isEmpty() ? QApplication::applicationDisplayName() : sTitel);
    box.setText(QString(sText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    switch (lStil & 0x70) {
        case vbCritical:
            box.setIcon(QMessageBox::Critical);
            break;
        case vbQuestion:
            box.setIcon(QMessageBox::Question);
            break;
        case vbExclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case vbInformation:
            box.setIcon(QMessageBox::Information);
            break;
        default:
            box.setIcon(QMessageBox::NoIcon);
            break;
    }
    // Qt's standard buttons: their texts come from Qt's translation ("&Ja", "&Nein").
    if ((lStil & 7) == vbYesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton((lStil & vbDefaultButton2) ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? vbYes : vbNo;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return vbOK;
}

}  // namespace tolva
