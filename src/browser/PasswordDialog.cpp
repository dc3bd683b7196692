// PasswordDialog: the archive's password, with the word that the last one was wrong.
#include "browser/PasswordDialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolva {

PasswordDialog::PasswordDialog(const QString& sDatei, bool bFalsch, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("dlgPasswort"));
    setWindowTitle(tr("Passwort"));
    auto* layout = new QVBoxLayout(this);
    auto* frage = new QLabel(
        tr("Das Archiv %1 ist mit einem Passwort geschützt.").arg(QFileInfo(sDatei).fileName()),
        this);
    frage->setWordWrap(true);
    layout->addWidget(frage);
    auto* beschriftung = new QLabel(tr("&Passwort:"), this);
    txtPasswort_ = new QLineEdit(this);
    txtPasswort_->setObjectName(QStringLiteral("txtPasswort"));
    txtPasswort_->setEchoMode(QLineEdit::Password);
    beschriftung->setBuddy(txtPasswort_);
    layout->addWidget(beschriftung);
    layout->addWidget(txtPasswort_);
    lblFalsch_ = new QLabel(tr("Das Passwort ist falsch."), this);
    lblFalsch_->setObjectName(QStringLiteral("lblFalsch"));
    // A red that reads on light and dark backgrounds alike.
    QPalette farben = lblFalsch_->palette();
    farben.setColor(QPalette::WindowText, QColor(0xc0, 0x1c, 0x28));
    lblFalsch_->setPalette(farben);
    lblFalsch_->setVisible(bFalsch);
    txtPasswort_->setAccessibleDescription(bFalsch ? lblFalsch_->text() : QString());
    layout->addWidget(lblFalsch_);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    knoepfe->button(QDialogButtonBox::Ok)->setText(tr("Ö&ffnen"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(tr("Abbrechen"));
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(knoepfe);
    txtPasswort_->setFocus();
}

QString PasswordDialog::Password() const {
    return txtPasswort_->text();
}

}  // namespace tolva
