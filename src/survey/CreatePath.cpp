// CreatePath: one new folder per level, from the root down, through the file layer.
#include "survey/CreatePath.h"

#include "files/FileSystem.h"

#include <QCoreApplication>
#include <QFile>

namespace tolva {

Status CreatePath(const QString& sPfad, QStringList* aAngelegt) {
    if (!sPfad.startsWith(QLatin1Char('/')))
        return Status::Fail(
            QCoreApplication::translate(
                "CreatePath", "Ungültiger Pfad: \"%1\" beginnt nicht beim Wurzelverzeichnis.")
                .arg(sPfad));
    const QStringList teil = sPfad.mid(1).split(QLatin1Char('/'));
    QString pfad;
    for (const QString& name : teil) {
        if (name.isEmpty()) break;
        pfad += QLatin1Char('/') + name;
        // The outcome is not looked at: an existing level is fine, a failing one shows up
        // when the caller uses the folder.
        if (Files().MakeFolder(QFile::encodeName(pfad).constData(), 0777) == 0 && aAngelegt)
            *aAngelegt << pfad;
    }
    return Status::Ok();
}

}  // namespace tolva
