// FileDialogs: the folder browser and the file dialog of the wizard, behind a seam.
#pragma once

#include <QString>

#include <memory>
#include <optional>

class QWidget;

namespace tolva {

// The two dialogs the wizard shows. The default implementation uses Qt's QFileDialog; tests
// install one that answers from a script.
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // The folder browser: a chosen folder, or nothing when the user cancelled.
    virtual std::optional<QString> ChooseFolder(QWidget* owner, const QString& sStartOrdner,
                                                const QString& sTitel) = 0;
    // The file dialog of the target file: preset name, default extension (".aba"), initial
    // folder. It accepts names of files that do not exist yet and does not ask before
    // overwriting. The chosen file, or nothing when the user cancelled.
    virtual std::optional<QString> ChooseFile(QWidget* owner, const QString& sDateiname,
                                              const QString& sEndung,
                                              const QString& sStartOrdner) = 0;
};

// Qt's own dialogs.
class QtFileDialogs : public FileDialogs {
  public:
    std::optional<QString> ChooseFolder(QWidget* owner, const QString& sStartOrdner,
                                        const QString& sTitel) override;
    std::optional<QString> ChooseFile(QWidget* owner, const QString& sDateiname,
                                      const QString& sEndung, const QString& sStartOrdner) override;
};

// The installed dialogs, else QtFileDialogs. Passing null restores the default.
FileDialogs& CurrentFileDialogs();
void InstallFileDialogs(std::shared_ptr<FileDialogs> dialogs);

}  // namespace tolva
