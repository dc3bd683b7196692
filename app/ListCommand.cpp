// tolva-archiv list: the archives of a folder as the archive page lists them.
#include "Commands.h"

#include "archive/ArchiveList.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace tolva {

int RunListCommand(const QStringList& args) {
    if (args.size() != 1) return Fail(QStringLiteral("Aufruf: tolva-archiv list ORDNER"), 2);
    if (!QFileInfo(args[0]).isDir())
        return Fail(QStringLiteral("Der Ordner \"") + args[0] +
                    QStringLiteral("\" existiert nicht."));
    QString sArchivPfad = QFileInfo(args[0]).absoluteFilePath();
    if (!sArchivPfad.endsWith(QLatin1Char('/'))) sArchivPfad += QLatin1Char('/');

    QTextStream out(stdout);
    const QStringList eintraege = ListArchiveEntries(sArchivPfad);
    if (eintraege.isEmpty())
        out << "Im gewählten Verzeichnis wurden keine Archiv-Dateien gefunden." << Qt::endl;
    for (const QString& eintrag : eintraege) {
        out << eintrag << Qt::endl;
        const ArchiveDescription b =
            ReadArchiveDescription(sArchivPfad + ArchiveEntryName(eintrag));
        if (!b.bGeoeffnet) {
            out << "    " << kOeffnenFehlerText << Qt::endl;
            continue;
        }
        for (const QString& zeile : b.aZeilen) out << "    " << zeile << Qt::endl;
    }
    return 0;
}

}  // namespace tolva
