// tolva-archiv list: the archives of a folder (or one archive) as the archive page lists them.
#include "cli/Arguments.h"
#include "cli/Commands.h"

#include "archive/ArchiveList.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace tolva {

const CommandDefinition& ListDefinition() {
    static const CommandDefinition definition{
        QStringLiteral("list"),
        QStringLiteral("Listet die Archive eines Ordners (oder ein Archiv) mit Beschreibung."),
        {{QStringLiteral("json"), QString(), QStringLiteral("gibt die Liste als JSON aus")}},
        QStringLiteral("ORDNER|ARCHIV"),
        1,
        1};
    return definition;
}

int RunListCommand(const QStringList& args, const CommandStreams& io) {
    int lStatus = 0;
    const std::optional<Arguments> a = ParseCommand(ListDefinition(), args, &lStatus, io);
    if (!a) return lStatus;
    const QFileInfo ziel(a->positionen().front());
    QString sArchivPfad;
    QStringList eintraege;
    if (ziel.isFile()) {
        // One archive: its entry as the folder's list would show it.
        sArchivPfad = ziel.absolutePath() + QLatin1Char('/');
        eintraege << ArchiveEntryText(ziel.fileName(), ziel.lastModified());
    } else if (ziel.isDir()) {
        sArchivPfad = ziel.absoluteFilePath();
        if (!sArchivPfad.endsWith(QLatin1Char('/'))) sArchivPfad += QLatin1Char('/');
        eintraege = ListArchiveEntries(sArchivPfad);
    } else {
        return Fail(io.err, QStringLiteral("Der Ordner oder die Datei „%1“ existiert nicht.")
                                .arg(a->positionen().front()));
    }

    QTextStream& out = io.out;
    if (a->Flag(QStringLiteral("json"))) {
        QJsonArray liste;
        for (const QString& eintrag : eintraege) {
            const QString sPfad = sArchivPfad + ArchiveEntryName(eintrag);
            const ArchiveDescription b = ReadArchiveDescription(sPfad);
            liste.append(QJsonObject{
                {QStringLiteral("datei"), sPfad},
                {QStringLiteral("eintrag"), eintrag},
                {QStringLiteral("lesbar"), b.bGeoeffnet},
                {QStringLiteral("beschreibung"), QJsonArray::fromStringList(b.aZeilen)}});
        }
        out << QJsonDocument(liste).toJson(QJsonDocument::Indented);
        return 0;
    }
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
