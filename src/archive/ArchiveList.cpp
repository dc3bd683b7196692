// The archive page's list of archive files and the descriptions inside them.
#include "archive/ArchiveList.h"

#include "database/Connection.h"
#include "database/ConnectionText.h"
#include "database/Recordset.h"
#include "text/DisplayFormat.h"
#include "text/Language.h"
#include "text/ModCrypt.h"
#include "text/PlainText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tolva {

namespace {

QString EntryPattern() {
    return QCoreApplication::translate("ArchiveList", "%1 vom %2");
}

// The date of an entry, with the time of day unless it is exactly midnight.
QString EntryWhen(const QString& sDatum, const QDateTime& dGeaendert) {
    if (dGeaendert.time() == QTime(0, 0)) return sDatum;
    return sDatum + QLatin1Char(' ') + dGeaendert.time().toString(QStringLiteral("HH:mm:ss"));
}

}  // namespace

QString ArchiveEntryText(const QString& sName, const QDateTime& dGeaendert) {
    return EntryPattern().arg(sName, EntryWhen(DisplayDate(dGeaendert.date()), dGeaendert));
}

QString ArchiveEntryTextGerman(const QString& sName, const QDateTime& dGeaendert) {
    return QStringLiteral("%1 vom %2")
        .arg(sName,
             EntryWhen(dGeaendert.date().toString(QStringLiteral("dd.MM.yyyy")), dGeaendert));
}

QString ArchiveEntryName(const QString& sEintrag) {
    // What stands between the name and the date in the language shown.
    const QString sMuster = EntryPattern();
    const qsizetype n = sMuster.indexOf(QStringLiteral("%1"));
    const qsizetype d = sMuster.indexOf(QStringLiteral("%2"));
    const QString sTrenner =
        n >= 0 && d > n + 2 ? sMuster.mid(n + 2, d - n - 2) : QStringLiteral(" vom ");
    // German cuts at the first " vom ", as the system always has. The entries of another
    // language are ours alone; their date never holds the separator, so they are cut at the
    // last one, and a name like "Archiv (ersetzt).aba" stays whole.
    const qsizetype p = CurrentLanguage() == Sprache::Deutsch ? sEintrag.indexOf(sTrenner)
                                                              : sEintrag.lastIndexOf(sTrenner);
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
        beschreibung.bOhneBeschreibung = true;
        beschreibung.aZeilen << QCoreApplication::translate("ArchiveList", kKeineBeschreibungText);
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
