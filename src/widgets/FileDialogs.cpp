// The wizard's dialogs: Qt's folder and file dialogs unless a seam is installed.
#include "widgets/FileDialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace tolva {
namespace {

std::shared_ptr<FileDialogs>& Installed() {
    static std::shared_ptr<FileDialogs> dialogs;
    return dialogs;
}

}  // namespace

std::optional<QString> QtFileDialogs::ChooseFolder(QWidget* owner, const QString& sStartOrdner,
                                                   const QString& sTitel) {
    const QString ordner = QFileDialog::getExistingDirectory(owner, sTitel, sStartOrdner);
    if (ordner.isEmpty()) return std::nullopt;
    return ordner;
}

std::optional<QString> QtFileDialogs::ChooseFile(QWidget* owner, const QString& sDateiname,
                                                 const QString& sEndung,
                                                 const QString& sStartOrdner) {
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    QString endung = sEndung;
    if (endung.startsWith(QLatin1Char('.'))) endung.remove(0, 1);
    dialog.setDefaultSuffix(endung);
    if (endung == QLatin1String("aba"))
        dialog.setNameFilter(QCoreApplication::translate("FileDialogs", "Archive (*.aba)"));
    else if (!endung.isEmpty())
        dialog.setNameFilter(QCoreApplication::translate("FileDialogs", "%1-Dateien (*.%2)")
                                 .arg(endung.toUpper(), endung));
    if (!sStartOrdner.isEmpty()) dialog.setDirectory(sStartOrdner);
    if (!sDateiname.isEmpty()) {
        const QFileInfo info(sDateiname);
        if (sDateiname.contains(QLatin1Char('/'))) dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

FileDialogs& CurrentFileDialogs() {
    static QtFileDialogs standard;
    auto& installed = Installed();
    return installed ? *installed : standard;
}

void InstallFileDialogs(std::shared_ptr<FileDialogs> dialogs) {
    Installed() = std::move(dialogs);
}

}  // namespace tolva
