<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>ArchiveCheck</name>
    <message>
        <source>Tabelle %1 fehlt</source>
        <translation>table %1 is missing</translation>
    </message>
    <message>
        <source>Tabelle %1 steht nicht im Siegel</source>
        <translation>table %1 is not in the seal</translation>
    </message>
    <message>
        <source>1 Zeile fehlt</source>
        <translation>1 row missing</translation>
    </message>
    <message>
        <source>%1 Zeilen fehlen</source>
        <translation>%1 rows missing</translation>
    </message>
    <message>
        <source>1 Zeile zu viel</source>
        <translation>1 row too many</translation>
    </message>
    <message>
        <source>%1 Zeilen zu viel</source>
        <translation>%1 rows too many</translation>
    </message>
    <message>
        <source>Zeilen geändert</source>
        <translation>rows changed</translation>
    </message>
    <message>
        <source>in Ordnung</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ohne Siegel (1 Zeile lesbar)</source>
        <translation>no seal (1 row readable)</translation>
    </message>
    <message>
        <source>ohne Siegel (%1 Zeilen lesbar)</source>
        <translation>no seal (%1 rows readable)</translation>
    </message>
    <message>
        <source>nicht lesbar: %1</source>
        <translation>unreadable: %1</translation>
    </message>
    <message>
        <source>nicht geprüft: %1</source>
        <translation>not checked: %1</translation>
    </message>
    <message>
        <source>Siegel passt nicht zu seinen Zeilen</source>
        <translation>seal does not match its rows</translation>
    </message>
    <message>
        <source>Die Prüfung wurde abgebrochen.</source>
        <translation>The check was cancelled.</translation>
    </message>
</context>
<context>
    <name>ArchiveSalvage</name>
    <message>
        <source>Die neue Archivdatei</source>
        <translation>The new archive file</translation>
    </message>
    <message>
        <source>„%1“ ist das beschädigte Archiv selbst; es wird nie verändert. Bitte eine neue Datei angeben.</source>
        <translation>“%1” is the damaged archive itself; it is never changed. Please give a new file.</translation>
    </message>
    <message>
        <source>Der Ordner von „%1“ existiert nicht.</source>
        <translation>The folder of “%1” does not exist.</translation>
    </message>
    <message>
        <source>„%1“ ist eine Datenbank und wird nicht ersetzt.</source>
        <translation>“%1” is a database and will not be replaced.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ existiert bereits.</source>
        <translation>The file “%1” already exists.</translation>
    </message>
    <message>
        <source>Die Tabelle %1 des Archivs „%2“ hat andere Spalten als die Archivvorlage; es wurde nichts geschrieben.</source>
        <translation>The table %1 of the archive “%2” has other columns than the archive template; nothing was written.</translation>
    </message>
    <message>
        <source>Die Prüfung des neuen Archivs ist fehlgeschlagen: Die Tabelle %1 enthält nicht, was geschrieben wurde.</source>
        <translation>The check of the new archive failed: the table %1 does not hold what was written.</translation>
    </message>
    <message>
        <source>Die Prüfung des neuen Archivs ist fehlgeschlagen: Das Siegel passt nicht zu seinen Zeilen.</source>
        <translation>The check of the new archive failed: the seal does not match its rows.</translation>
    </message>
    <message>
        <source>%1: %2 von %3 gerettet, %4 verloren</source>
        <translation>%1: %2 of %3 salvaged, %4 lost</translation>
    </message>
    <message>
        <source>%1: %2 gerettet, Teile nicht lesbar</source>
        <translation>%1: %2 salvaged, parts unreadable</translation>
    </message>
    <message>
        <source>%1: %2 gerettet</source>
        <translation>%1: %2 salvaged</translation>
    </message>
    <message>
        <source>Aus „%1“ ist nichts zu retten; die Datei öffnet sich nicht: %2 Es wurde nichts geschrieben.</source>
        <translation>Nothing can be salvaged from “%1”; the file does not open: %2 Nothing was written.</translation>
    </message>
    <message>
        <source>Die Archivvorlage "%1" wurde nicht gefunden.</source>
        <translation>The archive template "%1" was not found.</translation>
    </message>
</context>
<context>
    <name>BrowseExport</name>
    <message>
        <source>Die Umsätze konnten nicht geschrieben werden: %1</source>
        <translation>The transactions could not be written: %1</translation>
    </message>
    <message>
        <source>Die Datei %1 ist eine Datenbank (oder gehört zu einer) und wird nicht durch die Umsätze ersetzt. Bitte wählen Sie einen anderen Namen.</source>
        <translation>The file %1 is a database (or belongs to one) and will not be replaced by the transactions. Please choose another name.</translation>
    </message>
</context>
<context>
    <name>BrowseFile</name>
    <message>
        <source>Die Datei „%1“ wurde nicht gefunden.</source>
        <translation>The file “%1” was not found.</translation>
    </message>
    <message>
        <source>„%1“ ist keine Datei.</source>
        <translation>“%1” is not a file.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ ist leer und keine Datenbank.</source>
        <translation>The file “%1” is empty and not a database.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ wurde nicht vollständig geschrieben: Das Programm, das sie zuletzt geändert hat, wurde dabei unterbrochen. Sie wird erst wieder gelesen, wenn dieses Programm sie geöffnet hat.</source>
        <translation>The file “%1” was not written completely: the program that last changed it was interrupted while doing so. It will be read again once that program has opened it.</translation>
    </message>
    <message>
        <source>Die Datenbank „%1“ ist beschädigt: Die Datei ist unvollständig.</source>
        <translation>The database “%1” is damaged: the file is incomplete.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ ist keine Datenbank dieses Programms (%2).</source>
        <translation>The file “%1” is not a database of this program (%2).</translation>
    </message>
    <message>
        <source>Das Archiv „%1“ ist mit einem Passwort geschützt. Bitte geben Sie das Passwort ein.</source>
        <translation>The archive “%1” is protected by a password. Please enter the password.</translation>
    </message>
    <message>
        <source>Das Passwort für das Archiv „%1“ ist falsch.</source>
        <translation>The password for the archive “%1” is wrong.</translation>
    </message>
    <message>
        <source>Konto %1</source>
        <translation>Account %1</translation>
    </message>
</context>
<context>
    <name>BrowseMerge</name>
    <message>
        <source>Nicht genügend Arbeitsspeicher.</source>
        <translation>Not enough memory.</translation>
    </message>
</context>
<context>
    <name>BrowseMonths</name>
    <message>
        <source>Januar</source>
        <translation>January</translation>
    </message>
    <message>
        <source>Februar</source>
        <translation>February</translation>
    </message>
    <message>
        <source>März</source>
        <translation>March</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>Mai</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Juni</source>
        <translation>June</translation>
    </message>
    <message>
        <source>Juli</source>
        <translation>July</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>Oktober</source>
        <translation>October</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>Dezember</source>
        <translation>December</translation>
    </message>
</context>
<context>
    <name>BrowseMonthsShort</name>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mär</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>Mai</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Okt</source>
        <translation>Oct</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dez</source>
        <translation>Dec</translation>
    </message>
</context>
<context>
    <name>BrowseSearch</name>
    <message>
        <source>Das Archiv „%1“ ist mit einem Passwort geschützt und wurde nicht durchsucht.</source>
        <translation>The archive “%1” is protected by a password and was not searched.</translation>
    </message>
</context>
<context>
    <name>Restore</name>
    <message>
        <source>Archiv zurückholen</source>
        <translation>Restore archive</translation>
    </message>
    <message>
        <source>die Tabelle %1 hat %2 Zeilen, ihr Siegel nennt %3</source>
        <translation>the table %1 has %2 rows, its seal says %3</translation>
    </message>
    <message>
        <source>die Tabelle %1 lässt sich nicht ganz lesen (%2)</source>
        <translation>the table %1 cannot be read in full (%2)</translation>
    </message>
    <message>
        <source>die Tabellen %1 lassen sich nicht ganz lesen (%2)</source>
        <translation>the tables %1 cannot be read in full (%2)</translation>
    </message>
    <message>
        <source>„%1“ ist die Datenbank selbst und kein Archiv.</source>
        <translation>“%1” is the database itself, not an archive.</translation>
    </message>
    <message>
        <source>sein Siegel passt nicht zu seinen Zeilen</source>
        <translation>its seal does not match its rows</translation>
    </message>
    <message>
        <source>Im Archiv „%1“ steht nichts vom Konto %2.</source>
        <translation>The archive “%1” holds nothing of account %2.</translation>
    </message>
    <message>
        <source>    %1: %2 zurück</source>
        <translation>    %1: %2 back</translation>
    </message>
    <message>
        <source> (%1 unter neuen Nummern)</source>
        <translation> (%1 under new numbers)</translation>
    </message>
    <message>
        <source>, %1 schon vorhanden</source>
        <translation>, %1 already there</translation>
    </message>
    <message>
        <source>, %1 seitdem geändert (bleiben, wie sie sind)</source>
        <translation>, %1 changed since (stay as they are)</translation>
    </message>
    <message>
        <source> (nur Konto %1)</source>
        <translation> (only account %1)</translation>
    </message>
    <message>
        <source> (nur Konten %1)</source>
        <translation> (only accounts %1)</translation>
    </message>
    <message>
        <source>Aus dem Archiv „%1“%2 werden in die Datenbank „%3“ zurückgeholt:

%4
Was dort schon steht, wird übersprungen; was seitdem geändert wurde, bleibt, wie es ist.%5

Daten jetzt zurückholen?</source>
        <translation>From the archive “%1”%2 these are restored into the database “%3”:

%4
What is already there is skipped; what has changed since stays as it is.%5

Restore the data now?</translation>
    </message>
    <message>
        <source> Vorher wird die Datenbank gesichert.</source>
        <translation> The database is backed up first.</translation>
    </message>
    <message>
        <source> Eine Datensicherung wird nicht erstellt.</source>
        <translation> No backup is made.</translation>
    </message>
    <message>
        <source>Für die Sicherung von „%1“ ist kein freier Name zu finden.</source>
        <translation>No free name can be found for the backup of “%1”.</translation>
    </message>
    <message>
        <source>
Die Sicherung „%1“ bleibt erhalten.</source>
        <translation>
The backup “%1” is kept.</translation>
    </message>
    <message>
        <source>Das Archiv „%1“ ist beschädigt: %2. Es wurde nichts zurückgeholt.
Was sich noch lesen lässt, rettet „tolva-archiv verify %1 --salvage NEU.aba“ in ein neues Archiv.</source>
        <translation>The archive “%1” is damaged: %2. Nothing was restored.
“tolva-archiv verify %1 --salvage NEW.aba” salvages what can still be read into a new archive.</translation>
    </message>
    <message>
        <source>Im Archiv „%1“ stehen für diese Auswahl keine Daten; es wurde nichts zurückgeholt.</source>
        <translation>The archive “%1” holds no data for this selection; nothing was restored.</translation>
    </message>
    <message>
        <source>Datenbank gesichert: %1</source>
        <translation>Database backed up: %1</translation>
    </message>
    <message>
        <source>Daten zurückholen</source>
        <translation>Restoring data</translation>
    </message>
</context>
<context>
    <name>RestoreAccounts</name>
    <message>
        <source>Das Archiv „%1“ enthält Einträge von Konten, die es selbst nicht enthält: %2. Zu welchem Konto der Datenbank sie gehören, lässt sich nicht sicher sagen; es wurde nichts zurückgeholt.</source>
        <translation>The archive “%1” holds entries of accounts that it does not hold itself: %2. Which account of the database they belong to cannot be said for certain; nothing was restored.</translation>
    </message>
    <message>
        <source>Das Konto %1, dem die Einträge des Kontos %2 zugeordnet werden sollen, gibt es in der Datenbank „%3“ nicht.</source>
        <translation>Account %1, to which the entries of account %2 are to be assigned, does not exist in the database “%3”.</translation>
    </message>
    <message>
        <source>%1 Konten zugeordnet, %2 Konten neu angelegt</source>
        <translation>%1 accounts matched, %2 accounts created</translation>
    </message>
    <message>
        <source>%1 Konten zugeordnet</source>
        <translation>%1 accounts matched</translation>
    </message>
</context>
<context>
    <name>RestoreCategories</name>
    <message>
        <source>%1 Kategorien zurückgeholt</source>
        <translation>%1 categories restored</translation>
    </message>
</context>
<context>
    <name>RestoreNames</name>
    <message>
        <source>Umsätze</source>
        <translation>transactions</translation>
    </message>
    <message>
        <source>Umsatzzusätze</source>
        <translation>transaction extras</translation>
    </message>
    <message>
        <source>offene Umsätze</source>
        <translation>pending transactions</translation>
    </message>
    <message>
        <source>gesendete Aufträge</source>
        <translation>sent orders</translation>
    </message>
    <message>
        <source>gesendete Sammelaufträge</source>
        <translation>sent batch orders</translation>
    </message>
    <message>
        <source>Einzelaufträge</source>
        <translation>batch order items</translation>
    </message>
    <message>
        <source>Konten</source>
        <translation>accounts</translation>
    </message>
    <message>
        <source>Banken</source>
        <translation>banks</translation>
    </message>
    <message>
        <source>Kategorien</source>
        <translation>categories</translation>
    </message>
</context>
<context>
    <name>RestoreRows</name>
    <message>
        <source>In die Tabelle %1 wurden %2 statt %3 Einträge zurückgeholt. Es wurde nichts zurückgeholt.</source>
        <translation>%2 instead of %3 entries were restored into the table %1. Nothing was restored.</translation>
    </message>
    <message>
        <source>ohne Nummer</source>
        <translation>no number</translation>
    </message>
    <message>
        <source>Das Archiv „%1“ enthält %2 Einzelaufträge von Sammelaufträgen (Nummer %3), die weder das Archiv noch die Datenbank enthält. Zu welchem Sammelauftrag sie gehören, lässt sich nicht sicher sagen; es wurde nichts zurückgeholt.</source>
        <translation>The archive “%1” holds %2 items of batch orders (number %3) that neither the archive nor the database holds. Which batch order they belong to cannot be said for certain; nothing was restored.</translation>
    </message>
    <message>
        <source>Zeilen der Tabelle %1 sind nicht mehr die, die ihr Siegel nennt</source>
        <translation>rows of the table %1 are no longer those its seal names</translation>
    </message>
    <message>
        <source>die Tabelle %1 hat %2 Zeilen, ihr Siegel nennt %3</source>
        <translation>the table %1 has %2 rows, its seal says %3</translation>
    </message>
    <message>
        <source>Die Prüfung ist fehlgeschlagen: Von %1 Einträgen der Tabelle %2, die schon in der Datenbank stehen, sind dort %3 nicht zu finden oder anders. Es wurde nichts zurückgeholt.</source>
        <translation>The check failed: of %1 entries of the table %2 that are already in the database, %3 cannot be found there or differ. Nothing was restored.</translation>
    </message>
    <message>
        <source>%1 %2 zurückgeholt</source>
        <translation>%1 %2 restored</translation>
    </message>
    <message>
        <source>, %1 waren schon vorhanden</source>
        <translation>, %1 already there</translation>
    </message>
    <message>
        <source>, %1 seitdem geändert (bleiben, wie sie sind)</source>
        <translation>, %1 changed since (stay as they are)</translation>
    </message>
    <message>
        <source>, %1 davon unter neuen Nummern</source>
        <translation>, %1 of them under new numbers</translation>
    </message>
</context>
<context>
    <name>RestoreRun</name>
    <message>
        <source>Die Tabelle %1 fehlt in der Datenbank „%2“.</source>
        <translation>The table %1 is missing from the database “%2”.</translation>
    </message>
    <message>
        <source>Die Tabelle %1 fehlt im Archiv „%2“.</source>
        <translation>The table %1 is missing from the archive “%2”.</translation>
    </message>
    <message>
        <source>Die Tabelle %1 hat im Archiv „%2“ andere Felder (%3) als in der Datenbank (%4). Es wurde nichts zurückgeholt.</source>
        <translation>The table %1 has other fields in the archive “%2” (%3) than in the database (%4). Nothing was restored.</translation>
    </message>
    <message>
        <source>Die Tabelle %1 beginnt nicht mit dem Feld id.</source>
        <translation>The table %1 does not begin with the field id.</translation>
    </message>
    <message>
        <source>Die Tabelle %1 hat im Archiv „%2“ andere Felder (%3) als die Tabelle %4 der Datenbank (%5). Es wurde nichts zurückgeholt.</source>
        <translation>The table %1 in the archive “%2” has other fields (%3) than the table %4 of the database (%5). Nothing was restored.</translation>
    </message>
    <message>
        <source>Das Archiv „%1“ hat die Version %2, die Datenbank die Version %3. Es wurde nichts zurückgeholt.</source>
        <translation>The archive “%1” has version %2, the database version %3. Nothing was restored.</translation>
    </message>
    <message>
        <source>Auf der Tabelle %1 der Datenbank „%2“ liegt ein Trigger. Er würde beim Zurückholen Einträge ändern, die nicht aus dem Archiv stammen; es wurde nichts zurückgeholt.</source>
        <translation>The table %1 of the database “%2” has a trigger. During the restore it would change entries that do not come from the archive; nothing was restored.</translation>
    </message>
    <message>
        <source>Der Eintrag %1 der Tabelle %2 ist im Archiv nicht zu lesen. Es wurde nichts zurückgeholt.</source>
        <translation>Entry %1 of the table %2 cannot be read in the archive. Nothing was restored.</translation>
    </message>
    <message>
        <source>In die Tabelle %1 wurden %2 Einträge ausgewählt, aber %3 gespeichert.</source>
        <translation>%2 entries were selected for the table %1, but %3 were stored.</translation>
    </message>
    <message>
        <source>Die Prüfsumme gibt keine Zeile zurück.</source>
        <translation>The checksum returns no row.</translation>
    </message>
    <message>
        <source>Die Prüfung ist fehlgeschlagen: Die Tabelle %1 der Datenbank enthält von den zurückgeholten Einträgen %2 statt %3, mit anderem Inhalt. Es wurde nichts zurückgeholt.</source>
        <translation>The check failed: of the restored entries, the table %1 of the database holds %2 instead of %3, with other content. Nothing was restored.</translation>
    </message>
    <message>
        <source>Die Prüfung ist fehlgeschlagen: Die Tabelle %1 der Datenbank enthält von den zurückgeholten Einträgen %2 statt %3. Es wurde nichts zurückgeholt.</source>
        <translation>The check failed: of the restored entries, the table %1 of the database holds %2 instead of %3. Nothing was restored.</translation>
    </message>
    <message>
        <source> und %1 weitere</source>
        <translation> and %1 more</translation>
    </message>
    <message>
        <source>Das Archiv kann nicht zurückgeholt werden: In der Tabelle %1 der Datenbank sind die Nummern (id) %2 schon mit anderen Daten belegt. Es wurde nichts geändert.</source>
        <translation>The archive cannot be restored: in the table %1 of the database the numbers (id) %2 are already taken by other data. Nothing was changed.</translation>
    </message>
</context>
</TS>
