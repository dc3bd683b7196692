// QtMessageBoxPresenter: the message boxes as Qt windows, with German buttons.
#include "hostlib/widgets/QtMessageBoxPresenter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

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
    if ((lStil & 7) == vbYesNo) {
        QPushButton* ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        QPushButton* nein = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
        box.setDefaultButton((lStil & vbDefaultButton2) ? nein : ja);
        box.setEscapeButton(nein);
        box.exec();
        return box.clickedButton() == ja ? vbYes : vbNo;
    }
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
    return vbOK;
}

}  // namespace tolva
