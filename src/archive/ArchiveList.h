// The archives of a folder as the archive page lists them, and their descriptions.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace tolva {

// "name vom 05.07.2013 14:03:22" (the time left out when it is exactly midnight), in the
// language shown and its date form.
QString ArchiveEntryText(const QString& sName, const QDateTime& dGeaendert);

// The same entry in the system's own German form ("name vom 05.07.2013 14:03:22") whatever the
// language shown: for --json, which keeps one fixed format.
QString ArchiveEntryTextGerman(const QString& sName, const QDateTime& dGeaendert);

// The file name of an entry of the language shown: the text before the first " vom " (its
// translation in another language). Empty when there is none.
QString ArchiveEntryName(const QString& sEintrag);

// The entries of the files "<sArchivPfad>*.aba", dot-names included (folders are left out),
// sorted by name. sArchivPfad ends with "/".
QStringList ListArchiveEntries(const QString& sArchivPfad);

// What the archive page shows for one archive file.
struct ArchiveDescription {
    bool bGeoeffnet = false;         // false: the file is no archive (message, empty list)
    bool bOhneBeschreibung = false;  // true: it has no description row
    QStringList aZeilen;  // the description's non-empty lines, or the no-description line
};

// Opens the file with the fixed key, checks for Optionen and reads every Daten row of Typ 99.
// Never changes the file.
ArchiveDescription ReadArchiveDescription(const QString& sPfad);

// Texts of the archive page, untranslated: shown as
// QCoreApplication::translate("ArchiveList", kOeffnenFehlerText).
inline constexpr const char* kOeffnenFehlerText = QT_TRANSLATE_NOOP(
    "ArchiveList", "Fehler beim Öffnen der Datenbank. Eventuell ist es keine Tolva-Backup-Datei");
inline constexpr const char* kKeineBeschreibungText =
    QT_TRANSLATE_NOOP("ArchiveList", "Es konnte keine Archiv Beschriebung gefunden werden!");

}  // namespace tolva
