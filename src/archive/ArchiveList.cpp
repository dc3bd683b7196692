// The archive page's list of archive files and the descriptions inside them.
#include "archive/ArchiveList.h"

#include "database/Connection.h"
#include "database/ConnectionText.h"
#include "database/Recordset.h"
#include "text/ModCrypt.h"
#include "text/PlainText.h"

#include <QDir>
#include <QFileInfo>

namespace tolva {

QString ArchiveEntryText(const QString& sName, const QDateTime& dGeaendert) {
    QString text =
        sName + QStringLiteral(" vom ") + dGeaendert.date().toString(QStringLiteral("dd.MM.yyyy"));
    if (dGeaendert.time() != QTime(0, 0))
        text += QLatin1Char(' ') + dGeaendert.time().toString(QStringLiteral("HH:mm:ss"));
    return text;
}

QString ArchiveEntryName(const QString& sEintrag) {
    const qsizetype p = sEintrag.indexOf(QStringLiteral(" vom "));
    return p < 0 ? QString() : sEintrag.left(p);
}

QStringList ListArchiveEntries(const QString& sArchivPfad) {
    QStringList eintraege;
    if (sArchivPfad.isEmpty()) return eintraege;
    const QDir ordner(sArchivPfad);
    const QFileInfoList dateien =
        ordner.entryInfoList({QStringLiteral("*.aba")}, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo& datei : dateien)
        eintraege << ArchiveEntryText(datei.fileName(), datei.lastModified());
    return eintraege;
}

ArchiveDescription ReadArchiveDescription(const QString& sPfad) {
    ArchiveDescription beschreibung;
    Connection cn;
    if (!QFileInfo(sPfad).isFile() || !cn.Open(BuildConnectionText(sPfad)).ok())
        return beschreibung;
    {
        Recordset optionen;
        if (!optionen.Open(QStringLiteral("Optionen"), cn).ok()) return beschreibung;
    }
    beschreibung.bGeoeffnet = true;
    Recordset rs;
    if (!rs.Open(QStringLiteral("select * from Daten where Typ = 99"), cn).ok() || rs.Eof()) {
        beschreibung.aZeilen << QString::fromUtf8(kKeineBeschreibungText);
        return beschreibung;
    }
    const int feld = rs.FieldIndex(QStringLiteral("Daten"));
    while (!rs.Eof()) {
        const QString text = PlainText(Decrypt(rs.Field(feld).toByteArray(), false));
        for (const QString& zeile : text.split(QStringLiteral("\r\n")))
            if (!zeile.isEmpty()) beschreibung.aZeilen << zeile;
        if (!rs.MoveNext().ok()) break;
    }
    return beschreibung;
}

}  // namespace tolva
