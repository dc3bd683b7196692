<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<!--
  English texts of the Tolva archiving wizard, the archive browser and tolva-archiv.
  German is the source of every text; each entry here is its English. Kept up to date with the
  code by i18n/update-translations.sh; tests/i18n fails while an entry is missing or unfinished.

  Glossary: one English word for each of the system's terms, everywhere.
    Archiv                      archive
    archivieren                 archive (verb); Archivierung: archiving
    Assistent                   wizard
    Auftrag, Aufträge           order, orders (payment orders the user entered)
    Auswahl                     selection
    Bankleitzahl (BLZ)          bank code
    Betrag                      amount
    Buchung                     transaction (Buchungsdatum: booking date)
    Datenbank                   database
    Eingänge / Ausgänge         money in / money out
    Empfänger                   payee
    entfernen                   remove (from the database)
    Kategorie                   category
    Kennwort, Passwort          password
    Konto, Konten               account, accounts
    Kontoauszug, Auszug         statement
    Notiz                       note
    offene Umsätze              pending transactions
    prüfen, Prüfung             verify, check
    retten, Rettung             salvage
    Saldo                       balance
    Sammelauftrag               batch order (its single payments: items)
    Sicherung, Sicherungskopie  backup
    Siegel, versiegelt          seal, sealed
    Stichtag                    cut-off date
    Suche, suchen               search
    Umsatz, Umsätze             transaction, transactions
    Valuta                      value date
    Verlauf                     history (the chart tab)
    Verwendungszweck            reference
    zurückholen                 restore
-->





<context>
    <name>AccountRows</name>
    <message>
        <source>Die Tabelle Konten hat nicht die erwarteten Felder.</source>
        <translation>The table Konten does not have the expected fields.</translation>
    </message>
</context>
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
        <translation>The check was canceled.</translation>
    </message>
</context>
<context>
    <name>ArchiveFile</name>
    <message>
        <source>Die Datei kann nicht geschrieben werden:</source>
        <translation>The file cannot be written:</translation>
    </message>
    <message>
        <source>Die Verknüpfung kann nicht gelesen werden:</source>
        <translation>The link cannot be read:</translation>
    </message>
    <message>
        <source>Die Datei kann nicht angelegt werden:</source>
        <translation>The file cannot be created:</translation>
    </message>
    <message>
        <source>%1 „%2“: %3</source>
        <translation>%1 “%2”: %3</translation>
    </message>
    <message>
        <source>Die Datei oder der Ordner existiert nicht.</source>
        <translation>The file or folder does not exist.</translation>
    </message>
    <message>
        <source>Zugriff verweigert.</source>
        <translation>Access denied.</translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt.</source>
        <translation>The drive is read-only.</translation>
    </message>
    <message>
        <source>Der Datenträger ist voll.</source>
        <translation>The drive is full.</translation>
    </message>
    <message>
        <source>Der Name gehört zu einem Ordner.</source>
        <translation>The name belongs to a folder.</translation>
    </message>
    <message>
        <source>Ein Teil des Pfades ist kein Ordner.</source>
        <translation>Part of the path is not a folder.</translation>
    </message>
    <message>
        <source>Der Pfad ist zu lang.</source>
        <translation>The path is too long.</translation>
    </message>
    <message>
        <source>Eine Datei dieses Namens existiert bereits.</source>
        <translation>A file with this name already exists.</translation>
    </message>
    <message>
        <source>Der Name ist eine symbolische Verknüpfung.</source>
        <translation>The name is a symbolic link.</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler des Datenträgers.</source>
        <translation>Input/output error on the drive.</translation>
    </message>
    <message>
        <source>Systemfehler %1 (%2).</source>
        <translation>System error %1 (%2).</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden:</source>
        <translation>The file cannot be read:</translation>
    </message>
    <message>
        <source>„%1“ ist keine gewöhnliche Datei.</source>
        <translation>“%1” is not a regular file.</translation>
    </message>
    <message>
        <source>Die Rechte der Datei können nicht gesetzt werden:</source>
        <translation>The file&apos;s permissions cannot be set:</translation>
    </message>
    <message>
        <source>Die Datei kann nicht auf den Datenträger geschrieben werden:</source>
        <translation>The file cannot be written to the drive:</translation>
    </message>
    <message>
        <source>Die Datei kann nicht umbenannt werden:</source>
        <translation>The file cannot be renamed:</translation>
    </message>
    <message>
        <source>Der Ordner kann nicht auf den Datenträger geschrieben werden:</source>
        <translation>The folder cannot be written to the drive:</translation>
    </message>
    <message>
        <source>Das bisherige Archiv kann nicht gelesen werden:</source>
        <translation>The previous archive cannot be read:</translation>
    </message>
    <message>
        <source>Das bisherige Archiv kann nicht aufbewahrt werden:</source>
        <translation>The previous archive cannot be kept:</translation>
    </message>
    <message>
        <source>Für das bisherige Archiv „%1“ ist kein freier Name zum Aufbewahren zu finden.</source>
        <translation>No free name can be found to keep the previous archive “%1”.</translation>
    </message>
</context>
<context>
    <name>ArchiveList</name>
    <message>
        <source>%1 vom %2</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Fehler beim Öffnen der Datenbank. Eventuell ist es keine Tolva-Backup-Datei</source>
        <translation>Error opening the database. It may not be a Tolva backup file</translation>
    </message>
    <message>
        <source>Es konnte keine Archiv Beschriebung gefunden werden!</source>
        <translation>No archive description could be found!</translation>
    </message>
</context>
<context>
    <name>ArchiveRun</name>
    <message>
        <source>Die Tabelle Optionen enthält keine Zeile.</source>
        <translation>The table Optionen contains no row.</translation>
    </message>
    <message>
        <source>Die Datenbank ist in einer alten Version. Bitte konvertieren Sie die Datenbank zuvor in das neueste Format oder führen Sie ein Online-Update aus!</source>
        <translation>The database is in an old version. Please convert the database to the latest format first or run an online update!</translation>
    </message>
    <message>
        <source>Archivierungs-Assistent</source>
        <translation>Archiving Wizard</translation>
    </message>
    <message>
        <source>Die Tabelle Konten hat kein Feld Nr.</source>
        <translation>The table Konten has no field Nr.</translation>
    </message>
    <message>
        <source>Umsätze archivieren</source>
        <translation>Archiving transactions</translation>
    </message>
    <message numerus="yes">
        <source>%1 Umsätze des Kontos %2 archiviert</source>
        <translation>
            <numerusform>%1 transaction of account %2 archived</numerusform>
            <numerusform>%1 transactions of account %2 archived</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 gesendete Aufträge archiviert</source>
        <translation>
            <numerusform>%1 sent order archived</numerusform>
            <numerusform>%1 sent orders archived</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Tabelle SammelAufträge ist unvollständig.</source>
        <translation>The table SammelAufträge is incomplete.</translation>
    </message>
    <message numerus="yes">
        <source>%1 gesendete Sammelaufträge mit %2 Einzelaufträge archiviert</source>
        <translation>
            <numerusform>%1 sent batch order archived (items: %2)</numerusform>
            <numerusform>%1 sent batch orders archived (items: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 Kategorien archiviert</source>
        <translation>
            <numerusform>%1 category archived</numerusform>
            <numerusform>%1 categories archived</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 Empfänger archiviert</source>
        <translation>
            <numerusform>%1 payee archived</numerusform>
            <numerusform>%1 payees archived</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Daten wurden erfolgreich archiviert.</source>
        <translation>The data was archived successfully.</translation>
    </message>
    <message>
        <source>Archivierung beendet</source>
        <translation>Archiving Finished</translation>
    </message>
    <message>
        <source>Das bisherige Archiv wurde ersetzt, seine zweite Kopie kann aber nicht entfernt werden:</source>
        <translation>The previous archive was replaced, but its second copy cannot be removed:</translation>
    </message>
    <message>
        <source>Beim Archivieren ist folgender Fehler aufgetreten:<byte value="xd"/>
%1</source>
        <translation>The following error occurred while archiving:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Das bisherige Archiv liegt weiter unter „%1“: %2</source>
        <translation>The previous archive is still at “%1”: %2</translation>
    </message>
    <message>
        <source>Das neue Archiv kann nicht entfernt werden:</source>
        <translation>The new archive cannot be removed:</translation>
    </message>
    <message>
        <source>Die zweite Kopie des bisherigen Archivs kann nicht entfernt werden:</source>
        <translation>The second copy of the previous archive cannot be removed:</translation>
    </message>
    <message>
        <source>Die Archivvorlage &quot;%1&quot; wurde nicht gefunden.</source>
        <translation>The archive template “%1” was not found.</translation>
    </message>
    <message>
        <source>Die Archivdatei</source>
        <translation>The archive file</translation>
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
        <source>Die Archivvorlage &quot;%1&quot; wurde nicht gefunden.</source>
        <translation>The archive template “%1” was not found.</translation>
    </message>
</context>
<context>
    <name>Arguments</name>
    <message>
        <source>Aufruf: %1</source>
        <translation>Usage: %1</translation>
    </message>
    <message>
        <source>
Optionen:
</source>
        <translation>
Options:
</translation>
    </message>
    <message>
        <source>zeigt diese Hilfe</source>
        <translation>shows this help</translation>
    </message>
    <message>
        <source>Unbekannte Option: %1%2</source>
        <translation>Unknown option: %1%2</translation>
    </message>
    <message>
        <source>Die Option --%1 braucht einen Wert.</source>
        <translation>The option --%1 needs a value.</translation>
    </message>
    <message>
        <source>Die Option --%1 fehlt.</source>
        <translation>The option --%1 is missing.</translation>
    </message>
    <message>
        <source>Das Argument %1 fehlt.</source>
        <translation>The argument %1 is missing.</translation>
    </message>
    <message>
        <source>Überzähliges Argument: %1</source>
        <translation>Extra argument: %1</translation>
    </message>
    <message>
        <source>Ungültiges Datum „%1“ (erwartet TT.MM.JJJJ oder JJJJ-MM-TT).</source>
        <translation>Invalid date “%1” (expected DD.MM.YYYY or YYYY-MM-DD).</translation>
    </message>
    <message>
        <source>PFAD</source>
        <translation>PATH</translation>
    </message>
    <message>
        <source>die Benutzer-Datenbank</source>
        <translation>the user database</translation>
    </message>
    <message>
        <source>DATUM</source>
        <translation>DATE</translation>
    </message>
    <message>
        <source>der Stichtag, TT.MM.JJJJ oder JJJJ-MM-TT</source>
        <translation>the cut-off date, DD.MM.YYYY or YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Ungültiges Datum „%1“ (erwartet %2, TT.MM.JJJJ oder JJJJ-MM-TT).</source>
        <translation>Invalid date “%1” (expected %2, DD.MM.YYYY or YYYY-MM-DD).</translation>
    </message>
</context>
<context>
    <name>AttachKeyed</name>
    <message>
        <source>Die Datenbank ist nicht geöffnet.</source>
        <translation>The database is not open.</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>Die Sicherungsdatei</source>
        <translation>The backup file</translation>
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
    <name>BrowseSearch</name>
    <message>
        <source>Das Archiv „%1“ ist mit einem Passwort geschützt und wurde nicht durchsucht.</source>
        <translation>The archive “%1” is protected by a password and was not searched.</translation>
    </message>
</context>
<context>
    <name>BulkCopy</name>
    <message>
        <source>Die Tabelle %1 fehlt in der Datenbank.</source>
        <translation>The table %1 is missing from the database.</translation>
    </message>
    <message>
        <source>In der Tabelle %1 der Benutzer-Datenbank steht im Feld %2 der Wert „%3“ statt eines Datums der Form JJJJ-MM-TT. Solche Zeilen würden falsch ausgewählt.</source>
        <translation>In the table %1 of the user database, the field %2 holds the value “%3” instead of a date of the form YYYY-MM-DD. Such rows would be selected wrongly.</translation>
    </message>
    <message>
        <source>Das Archiv ist nicht geöffnet.</source>
        <translation>The archive is not open.</translation>
    </message>
    <message>
        <source>Die Tabelle %1 hat kein Feld %2.</source>
        <translation>The table %1 has no field %2.</translation>
    </message>
    <message>
        <source>Es wurden %1 Einträge ausgewählt, aber %2 gespeichert.</source>
        <translation>%1 entries were selected, but %2 were stored.</translation>
    </message>
</context>
<context>
    <name>Cancel</name>
    <message>
        <source>Der Vorgang wurde abgebrochen.</source>
        <translation>The operation was canceled.</translation>
    </message>
</context>
<context>
    <name>CancelOnSignals</name>
    <message>
        <source>Signal %1</source>
        <translation>signal %1</translation>
    </message>
    <message>
        <source>Der Lauf wurde abgebrochen. Die Benutzer-Datenbank ist unverändert.</source>
        <translation>The run was canceled. The user database is unchanged.</translation>
    </message>
    <message>
        <source>kam, als das Archiv schon an seinem Platz stand; der Lauf wurde zu Ende geführt.</source>
        <translation>arrived when the archive was already in place; the run was completed.</translation>
    </message>
</context>
<context>
    <name>CommandSession</name>
    <message>
        <source>Sie haben keine Konten eingerichtet.</source>
        <translation>You have not set up any accounts.</translation>
    </message>
    <message>
        <source>Das Konto %1 gibt es in dieser Datenbank nicht.</source>
        <translation>There is no account %1 in this database.</translation>
    </message>
    <message>
        <source>Ungültige Konto-Nummer &quot;%1&quot; in --accounts.</source>
        <translation>Invalid account number “%1” in --accounts.</translation>
    </message>
    <message>
        <source>--accounts nennt kein Konto.</source>
        <translation>--accounts names no account.</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>Die Verbindung zur Datenbank ist nicht geöffnet.</source>
        <translation>The connection to the database is not open.</translation>
    </message>
    <message>
        <source>Die Verbindung zur Datenbank „%1“ ist bereits geöffnet.</source>
        <translation>The connection to the database “%1” is already open.</translation>
    </message>
    <message>
        <source>Die Verbindungsangabe nennt keine Datenbankdatei.</source>
        <translation>The connection string names no database file.</translation>
    </message>
    <message>
        <source>Die Datenbank „%1“ wurde nicht gefunden.</source>
        <translation>The database “%1” was not found.</translation>
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
        <source>Die Datenbank „%1“ ist beschädigt: Die Datei ist unvollständig.</source>
        <translation>The database “%1” is damaged: the file is incomplete.</translation>
    </message>
    <message>
        <source>Auf der Datenbank „%1“ ist bereits eine Transaktion offen.</source>
        <translation>A transaction is already open on the database “%1”.</translation>
    </message>
    <message>
        <source>Auf der Datenbank „%1“ ist keine Transaktion offen.</source>
        <translation>No transaction is open on the database “%1”.</translation>
    </message>
</context>
<context>
    <name>CopyLedger</name>
    <message>
        <source>Die Prüfung des Archivs ist fehlgeschlagen: Die Tabelle %1 enthält %2 statt %3 Einträge.</source>
        <translation>The check of the archive failed: the table %1 contains %2 entries instead of %3.</translation>
    </message>
    <message>
        <source>Die Prüfung des Archivs ist fehlgeschlagen: Der Inhalt der Tabelle %1 weicht von der Benutzer-Datenbank ab.</source>
        <translation>The check of the archive failed: the content of the table %1 differs from the user database.</translation>
    </message>
    <message>
        <source>Beim Entfernen aus der Benutzer-Datenbank hätte &quot;%1&quot; %2 statt %3 Einträge geändert.</source>
        <translation>While removing from the user database, “%1” would have changed %2 entries instead of %3.</translation>
    </message>
</context>
<context>
    <name>CopyTable</name>
    <message>
        <source>Es wurde nur %1 von insgesammt %2 Einträge archiviert werden!<byte value="xd"/>
Es werden keine Änderungen an der Benutzer-Datenbank vorgenommen.<byte value="xd"/>
FEHLER: %3</source>
        <translation>Only %1 of %2 entries could be archived!<byte value="xd"/>
No changes are made to the user database.<byte value="xd"/>
ERROR: %3</translation>
    </message>
    <message>
        <source>Archivierungs-Assistent</source>
        <translation>Archiving Wizard</translation>
    </message>
    <message>
        <source>Unerwartete Auswahl: %1</source>
        <translation>Unexpected selection: %1</translation>
    </message>
</context>
<context>
    <name>CreateCommand</name>
    <message>
        <source>Archiv: %1</source>
        <translation>Archive: %1</translation>
    </message>
    <message>
        <source>Sicherung: %1</source>
        <translation>Backup: %1</translation>
    </message>
    <message>
        <source>Daten archivieren</source>
        <translation>Archive Data</translation>
    </message>
    <message>
        <source>Lauf: %1 ms, davon Siegel: %2 ms</source>
        <translation>Run: %1 ms (seal: %2 ms)</translation>
    </message>
    <message>
        <source>Erstellt ein Archiv, wie &quot;Starten&quot; im Assistenten.</source>
        <translation>Creates an archive, like “Start” in the wizard.</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>das Archiv (&quot;.aba&quot; wird angehängt, wenn es fehlt)</source>
        <translation>the archive (“.aba” is added when it is missing)</translation>
    </message>
    <message>
        <source>nur diese Konten (sonst alle)</source>
        <translation>only these accounts (else all)</translation>
    </message>
    <message>
        <source>entfernt die archivierten Daten aus der Benutzer-Datenbank</source>
        <translation>removes the archived data from the user database</translation>
    </message>
    <message>
        <source>sichert die Benutzer-Datenbank zuvor in DATEI</source>
        <translation>backs up the user database to FILE first</translation>
    </message>
    <message>
        <source>Passwort des Archivs: keines, das bestehende (Vorgabe), ein neues</source>
        <translation>the archive&apos;s password: none, the existing one (default), a new one</translation>
    </message>
    <message>
        <source>beantwortet jede Frage mit Ja</source>
        <translation>answers every question with yes</translation>
    </message>
    <message>
        <source>dieselbe Aufgabe durch das Fenster des Assistenten</source>
        <translation>the same job through the wizard&apos;s window</translation>
    </message>
    <message>
        <source>nennt auf der Standardfehlerausgabe, wie lange der Lauf und darin das Siegel gedauert haben</source>
        <translation>reports on standard error how long the run, and the seal within it, took</translation>
    </message>
    <message>
        <source>das neue Passwort (mit --password-mode new)</source>
        <translation>the new password (with --password-mode new)</translation>
    </message>
    <message>
        <source>--password-mode kennt none, keep und new.</source>
        <translation>--password-mode takes none, keep or new.</translation>
    </message>
    <message>
        <source>Bitte geben Sie das Passwort ein!</source>
        <translation>Please enter the password.</translation>
    </message>
</context>
<context>
    <name>CreatePath</name>
    <message>
        <source>Ungültiger Pfad: &quot;%1&quot; beginnt nicht beim Wurzelverzeichnis.</source>
        <translation>Invalid path: “%1” does not start at the root folder.</translation>
    </message>
</context>
<context>
    <name>DatabaseError</name>
    <message>
        <source> „%1“</source>
        <translation> “%1”</translation>
    </message>
    <message>
        <source>Die Datenbank%1 wird gerade von einem anderen Programm benutzt.</source>
        <translation>The database%1 is being used by another program.</translation>
    </message>
    <message>
        <source>Die Datei%1 ist keine Datenbank dieses Programms, oder der Datenbankschlüssel passt nicht.</source>
        <translation>The file%1 is not a database of this program, or the database key does not match.</translation>
    </message>
    <message>
        <source>Die Datenbank%1 ist beschädigt.</source>
        <translation>The database%1 is damaged.</translation>
    </message>
    <message>
        <source>Der Datenträger ist voll. Die Datenbank%1 konnte nicht geschrieben werden.</source>
        <translation>The drive is full. The database%1 could not be written.</translation>
    </message>
    <message>
        <source>Die Datenbank%1 ist schreibgeschützt und kann nicht geändert werden.</source>
        <translation>The database%1 is read-only and cannot be changed.</translation>
    </message>
    <message>
        <source>Die Datenbank%1 kann nicht geöffnet werden.</source>
        <translation>The database%1 cannot be opened.</translation>
    </message>
    <message>
        <source>Beim Lesen oder Schreiben der Datenbank%1 ist ein Ein-/Ausgabefehler aufgetreten.</source>
        <translation>An input/output error occurred while reading or writing the database%1.</translation>
    </message>
    <message>
        <source>Der Zugriff auf die Datenbank%1 wurde verweigert.</source>
        <translation>Access to the database%1 was denied.</translation>
    </message>
    <message>
        <source>Der Datensatz verletzt eine Regel der Datenbank%1 und wurde nicht gespeichert (%2).</source>
        <translation>The record breaks a rule of the database%1 and was not stored (%2).</translation>
    </message>
    <message>
        <source>Der Vorgang wurde abgebrochen.</source>
        <translation>The operation was canceled.</translation>
    </message>
    <message>
        <source>Für die Datenbank%1 ist nicht genügend Arbeitsspeicher frei.</source>
        <translation>There is not enough free memory for the database%1.</translation>
    </message>
    <message>
        <source>Fehler in der Datenbank%1: %2</source>
        <translation>Error in the database%1: %2</translation>
    </message>
</context>
<context>
    <name>DatabaseFile</name>
    <message>
        <source>Die Datei „%1“ gibt es bereits; sie wird nicht überschrieben.</source>
        <translation>The file “%1” already exists; it is not overwritten.</translation>
    </message>
    <message>
        <source>Die Datenbank „%1“ konnte nicht angelegt werden: %2</source>
        <translation>The database “%1” could not be created: %2</translation>
    </message>
</context>
<context>
    <name>DemoDatabase</name>
    <message>
        <source>Es ist keine Datei für die Demo-Datenbank angegeben.</source>
        <translation>No file is given for the demo database.</translation>
    </message>
    <message>
        <source>Die Zahl der Konten muss zwischen 1 und 10000 liegen.</source>
        <translation>The number of accounts must be between 1 and 10000.</translation>
    </message>
    <message>
        <source>Die Zahl der Banken muss zwischen 1 und 1000 liegen.</source>
        <translation>The number of banks must be between 1 and 1000.</translation>
    </message>
    <message>
        <source>Die Zahl der Umsätze muss zwischen 0 und 100000000 liegen.</source>
        <translation>The number of transactions must be between 0 and 100000000.</translation>
    </message>
    <message>
        <source>Die Zahl der Jahre muss zwischen 1 und 100 liegen.</source>
        <translation>The number of years must be between 1 and 100.</translation>
    </message>
    <message>
        <source>Das Enddatum der Umsätze ist ungültig.</source>
        <translation>The end date of the transactions is invalid.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ konnte nicht geschlossen werden.</source>
        <translation>The file “%1” could not be closed.</translation>
    </message>
    <message>
        <source>vom %1 bis %2</source>
        <translation>from %1 to %2</translation>
    </message>
    <message>
        <source>Banken</source>
        <translation>Banks</translation>
    </message>
    <message>
        <source>Konten</source>
        <translation>Accounts</translation>
    </message>
    <message>
        <source>Umsätze</source>
        <translation>Transactions</translation>
    </message>
    <message>
        <source>Umsatz-Zusätze</source>
        <translation>Transaction extras</translation>
    </message>
    <message>
        <source>Offene Umsätze</source>
        <translation>Pending transactions</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Orders</translation>
    </message>
    <message>
        <source>Sammelaufträge</source>
        <translation>Batch orders</translation>
    </message>
    <message numerus="yes">
        <source>mit %1 Einzelaufträgen</source>
        <translation>
            <numerusform>with %1 item</numerusform>
            <numerusform>with %1 items</numerusform>
        </translation>
    </message>
    <message>
        <source>Kategorien</source>
        <translation>Categories</translation>
    </message>
    <message>
        <source>Empfänger</source>
        <translation>Payees</translation>
    </message>
    <message>
        <source>Demo-Datenbank angelegt: %1
</source>
        <translation>Demo database created: %1
</translation>
    </message>
    <message>
        <source>Schema-Version %1, Startwert %2, Passwort „%3“
</source>
        <translation>Schema version %1, seed %2, password “%3”
</translation>
    </message>
    <message>
        <source>Die Datei „%1“ gibt es bereits; eine Demo-Datenbank wird nur als neue Datei angelegt.</source>
        <translation>The file “%1” already exists; a demo database is only created as a new file.</translation>
    </message>
</context>
<context>
    <name>DemoDbCommand</name>
    <message>
        <source>Legt eine Demo-Datenbank mit erfundenen Konten und Umsätzen an.</source>
        <translation>Makes a demo database with made-up accounts and transactions.</translation>
    </message>
    <message>
        <source>Anzahl der Konten</source>
        <translation>number of accounts</translation>
    </message>
    <message>
        <source>Anzahl der Banken</source>
        <translation>number of banks</translation>
    </message>
    <message>
        <source>Anzahl der Umsätze</source>
        <translation>number of transactions</translation>
    </message>
    <message>
        <source>Jahre, über die sie reichen</source>
        <translation>years they span</translation>
    </message>
    <message>
        <source>Startwert des Zufalls</source>
        <translation>seed of the random numbers</translation>
    </message>
    <message>
        <source>Version in Optionen (für Tests)</source>
        <translation>version in the table Optionen (for tests)</translation>
    </message>
    <message>
        <source>PFAD</source>
        <translation>PATH</translation>
    </message>
    <message>
        <source>Die Option --%1 erwartet eine ganze Zahl, nicht „%2“.</source>
        <translation>The option --%1 expects a whole number, not “%2”.</translation>
    </message>
    <message>
        <source>Erzeugt in %1 s</source>
        <translation>Created in %1 s</translation>
    </message>
</context>
<context>
    <name>DemoWriter</name>
    <message>
        <source>Die neue Datenbank hat keine Zeile in der Tabelle Optionen.</source>
        <translation>The new database has no row in the table Optionen.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Archive (*.aba)</source>
        <translation>Archives (*.aba)</translation>
    </message>
    <message>
        <source>%1-Dateien (*.%2)</source>
        <translation>%1 files (*.%2)</translation>
    </message>
</context>
<context>
    <name>FirstLine</name>
    <message>
        <source>Die erste Zeile aus %1 ist länger als %2 Zeichen.</source>
        <translation>The first line from %1 is longer than %2 characters.</translation>
    </message>
    <message>
        <source>Aus %1 kann nicht gelesen werden: %2</source>
        <translation>Cannot read from %1: %2</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden:</source>
        <translation>The file cannot be read:</translation>
    </message>
    <message>
        <source>der Datei „%1“</source>
        <translation>the file “%1”</translation>
    </message>
</context>
<context>
    <name>Folders</name>
    <message>
        <source>Der Ordner kann nicht angelegt werden:</source>
        <translation>The folder cannot be created:</translation>
    </message>
</context>
<context>
    <name>HbArchiv</name>
    <message>
        <source>Archivierungs-Assistent</source>
        <translation>Archiving Wizard</translation>
    </message>
</context>
<context>
    <name>Keying</name>
    <message>
        <source>Die Datenbank ist nicht geöffnet.</source>
        <translation>The database is not open.</translation>
    </message>
</context>
<context>
    <name>ListCommand</name>
    <message>
        <source>Listet die Archive eines Ordners (oder ein Archiv) mit Beschreibung.</source>
        <translation>Lists the archives of a folder (or one archive) with their description.</translation>
    </message>
    <message>
        <source>gibt die Liste als JSON aus</source>
        <translation>prints the list as JSON</translation>
    </message>
    <message>
        <source>prüft jedes Archiv jetzt gegen sein Siegel (wie verify, mehrere zugleich) und gibt dazu die Spalte „Prüfung“ aus</source>
        <translation>verifies each archive against its seal now (like verify, several at once) and adds the column “Check”</translation>
    </message>
    <message>
        <source>mit --verify: das Passwort, das für jedes Archiv mit Passwort versucht wird; „-“: die erste Zeile der Standardeingabe. Ohne beides sind Archive mit Passwort „nicht geprüft“.</source>
        <translation>with --verify: the password tried on every archive that has one; “-”: the first line of standard input. Without either, archives with a password are “not checked”.</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>dasselbe aus der ersten Zeile von DATEI</source>
        <translation>the same from the first line of FILE</translation>
    </message>
    <message>
        <source>ORDNER|ARCHIV</source>
        <translation>FOLDER|ARCHIVE</translation>
    </message>
    <message>
        <source>Der Ordner oder die Datei „%1“ existiert nicht.</source>
        <translation>The folder or file “%1” does not exist.</translation>
    </message>
    <message>
        <source>--password und --password-file gelten nur mit --verify.</source>
        <translation>--password and --password-file only apply with --verify.</translation>
    </message>
    <message>
        <source>Im gewählten Verzeichnis wurden keine Archiv-Dateien gefunden.</source>
        <translation>No archive files were found in the chosen folder.</translation>
    </message>
    <message>
        <source>Prüfung: %1</source>
        <translation>Check: %1</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>legt eine Demo-Datenbank an</source>
        <translation>makes a demo database</translation>
    </message>
    <message>
        <source>zeigt, welche Konten Daten vor dem Stichtag haben</source>
        <translation>shows which accounts have data before the cut-off date</translation>
    </message>
    <message>
        <source>erstellt ein Archiv (wie &quot;Starten&quot; im Assistenten)</source>
        <translation>creates an archive (like “Start” in the wizard)</translation>
    </message>
    <message>
        <source>listet die Archive eines Ordners mit Beschreibung</source>
        <translation>lists the archives of a folder with their descriptions</translation>
    </message>
    <message>
        <source>zeigt Konten und Umsätze eines Archivs</source>
        <translation>shows the accounts and transactions of an archive</translation>
    </message>
    <message>
        <source>sucht einen Text in der Datenbank und allen Archiven</source>
        <translation>searches the database and all archives for a text</translation>
    </message>
    <message>
        <source>prüft, ob Archive noch vollständig und unverändert sind</source>
        <translation>verifies that archives are still complete and unchanged</translation>
    </message>
    <message>
        <source>holt die Daten eines Archivs in die Datenbank zurück</source>
        <translation>restores the data of an archive into the database</translation>
    </message>
    <message>
        <source>zeichnet jede Seite des Assistenten als PNG, ohne Bildschirm</source>
        <translation>draws every page of the wizard as a PNG, without a screen</translation>
    </message>
    <message>
        <source>Aufruf: tolva-archiv [BEFEHL] [OPTIONEN]

Ohne Befehl öffnet tolva-archiv den Assistenten auf der Demo-Datenbank
(sie wird beim ersten Mal angelegt).

Befehle:
</source>
        <translation>Usage: tolva-archiv [COMMAND] [OPTIONS]

Without a command, tolva-archiv opens the wizard on the demo database
(creating it on first use).

Commands:
</translation>
    </message>
    <message>
        <source>--db PFAD</source>
        <translation>--db PATH</translation>
    </message>
    <message>
        <source>öffnet den Assistenten auf PFAD</source>
        <translation>opens the wizard on PATH</translation>
    </message>
    <message>
        <source>zeigt die Version</source>
        <translation>shows the version</translation>
    </message>
    <message>
        <source>Sprache der Texte (Vorgabe: TOLVA_LANG, sonst die Sprache des Systems)</source>
        <translation>language of the texts (default: TOLVA_LANG, else the system&apos;s language)</translation>
    </message>
    <message>
        <source>
&quot;tolva-archiv help BEFEHL&quot; oder &quot;tolva-archiv BEFEHL --help&quot; zeigt die Optionen eines Befehls.
</source>
        <translation>
“tolva-archiv help COMMAND” or “tolva-archiv COMMAND --help” shows the options of a command.
</translation>
    </message>
    <message>
        <source>tolva-archiv: --lang erwartet de oder en</source>
        <translation>tolva-archiv: --lang expects de or en</translation>
    </message>
    <message>
        <source>tolva-archiv: unbekannter Befehl „%1“</source>
        <translation>tolva-archiv: unknown command “%1”</translation>
    </message>
</context>
<context>
    <name>MainJob</name>
    <message>
        <source>Die Datenbank „%1“ gibt es nicht.</source>
        <translation>The database “%1” does not exist.</translation>
    </message>
    <message>
        <source>Öffnet den Assistenten auf der Datenbank, wie ein Host ihn aufruft; gibt das zum Ansehen gewählte Archiv aus.</source>
        <translation>Opens the wizard on the database as a host calls it; prints the archive chosen for viewing.</translation>
    </message>
    <message>
        <source>schließt, sobald die erste Seite gezeichnet ist (Startzeit)</source>
        <translation>closes as soon as the first page is drawn (start-up time)</translation>
    </message>
    <message>
        <source>Zeichnet jede Seite beider Aufgaben als PNG, ohne Bildschirm, auf einer Kopie der Datenbank.</source>
        <translation>Draws every page of both jobs as a PNG, without a screen, on a copy of the database.</translation>
    </message>
    <message>
        <source>ORDNER</source>
        <translation>FOLDER</translation>
    </message>
    <message>
        <source>Ordner der Bilder</source>
        <translation>folder for the pictures</translation>
    </message>
</context>
<context>
    <name>MakeSkinPictures</name>
    <message>
        <source>Archivierung</source>
        <translation>Archiving</translation>
    </message>
</context>
<context>
    <name>ModCrypt</name>
    <message>
        <source>Überlauf: Das erste Zeichen des Textes liegt außerhalb der Codepage Windows-1252.</source>
        <translation>Overflow: the first character of the text lies outside the Windows-1252 code page.</translation>
    </message>
    <message>
        <source>Das Passwort darf höchstens 16 Zeichen lang sein.</source>
        <translation>The password may be at most 16 characters long.</translation>
    </message>
</context>
<context>
    <name>PageRenderer</name>
    <message>
        <source>Das Bild %1 konnte nicht geschrieben werden.</source>
        <translation>The picture %1 could not be written.</translation>
    </message>
    <message>
        <source>pdftoppm (aus poppler-utils) konnte %1 nicht zeichnen: %2</source>
        <translation>pdftoppm (from poppler-utils) could not render %1: %2</translation>
    </message>
    <message>
        <source>Der Assistent steht auf Seite %1 statt auf Seite %2.</source>
        <translation>The wizard is on page %1 instead of page %2.</translation>
    </message>
    <message>
        <source>Die Datenbank %1 gibt es nicht.</source>
        <translation>The database %1 does not exist.</translation>
    </message>
    <message>
        <source>Es kann kein Arbeitsordner angelegt werden.</source>
        <translation>No working folder can be created.</translation>
    </message>
    <message>
        <source>kein Archiv</source>
        <translation>no archive</translation>
    </message>
    <message>
        <source>%1 wurde nicht erstellt.</source>
        <translation>%1 was not created.</translation>
    </message>
    <message>
        <source>%1
Meldungen: %2</source>
        <translation>%1
Messages: %2</translation>
    </message>
</context>
<context>
    <name>PasswordInput</name>
    <message>
        <source>Das Terminal kann nicht beschrieben werden.</source>
        <translation>Cannot write to the terminal.</translation>
    </message>
    <message>
        <source>dem Terminal</source>
        <translation>the terminal</translation>
    </message>
    <message>
        <source>Das Terminal lässt sich nicht umstellen.</source>
        <translation>Cannot change the terminal&apos;s mode.</translation>
    </message>
    <message>
        <source>Das Archiv hat ein Passwort: --password-file DATEI oder --password - angeben.</source>
        <translation>The archive has a password: give --password-file FILE or --password -.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>%1; „-“: die erste Zeile der Standardeingabe (TEXT ist für andere Benutzer sichtbar; besser --password-file oder --password -). Ohne beides wird am Terminal gefragt.</source>
        <translation>%1; “-”: the first line of standard input (TEXT is visible to other users; better use --password-file or --password -). Without either, the password is asked for on the terminal.</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>%1, aus der ersten Zeile von DATEI</source>
        <translation>%1, from the first line of FILE</translation>
    </message>
    <message>
        <source>Das Passwort bitte nur einmal angeben: mit --password TEXT, --password - oder --password-file DATEI.</source>
        <translation>Please give the password only once: with --password TEXT, --password - or --password-file FILE.</translation>
    </message>
    <message>
        <source>der Standardeingabe</source>
        <translation>standard input</translation>
    </message>
    <message>
        <source>Neues Passwort für das Archiv: </source>
        <translation>New password for the archive: </translation>
    </message>
    <message>
        <source>Neues Passwort wiederholen: </source>
        <translation>Repeat the new password: </translation>
    </message>
    <message>
        <source>Die beiden Passwörter stimmen nicht überein.</source>
        <translation>The two passwords do not match.</translation>
    </message>
    <message>
        <source>Passwort für „%1“: </source>
        <translation>Password for “%1”: </translation>
    </message>
    <message>
        <source>Das Passwort ist falsch.</source>
        <translation>The password is wrong.</translation>
    </message>
</context>
<context>
    <name>Recordset</name>
    <message>
        <source>Die Datensatzgruppe ist bereits geöffnet.</source>
        <translation>The recordset is already open.</translation>
    </message>
    <message>
        <source>Die Verbindung zur Datenbank ist nicht geöffnet.</source>
        <translation>The connection to the database is not open.</translation>
    </message>
    <message>
        <source>„%1“ ist keine einzelne lesende Abfrage.</source>
        <translation>“%1” is not a single reading query.</translation>
    </message>
    <message>
        <source>Die Datensatzgruppe ist nicht geöffnet.</source>
        <translation>The recordset is not open.</translation>
    </message>
    <message>
        <source>Das Feld „%1“ gibt es in „%2“ nicht.</source>
        <translation>There is no field “%1” in “%2”.</translation>
    </message>
    <message>
        <source>Die Datensatzgruppe „%1“ kann nicht geändert werden.</source>
        <translation>The recordset “%1” cannot be changed.</translation>
    </message>
    <message>
        <source>Das Feld Nr. %1 gibt es in „%2“ nicht.</source>
        <translation>There is no field no. %1 in “%2”.</translation>
    </message>
    <message>
        <source>Der Wert für das Feld „%1“ hat einen Typ, den die Datenbank nicht speichern kann.</source>
        <translation>The value for the field “%1” has a type that the database cannot store.</translation>
    </message>
    <message>
        <source>In „%1“ wird gerade ein Datensatz bearbeitet.</source>
        <translation>A record is being edited in “%1”.</translation>
    </message>
    <message>
        <source>„%1“ hat mehr Felder als „%2“.</source>
        <translation>“%1” has more fields than “%2”.</translation>
    </message>
    <message>
        <source>Es gibt keinen aktuellen Datensatz.</source>
        <translation>There is no current record.</translation>
    </message>
</context>
<context>
    <name>ReopenCheck</name>
    <message>
        <source>%1 „%2“ hat einen Pfad von %3 Byte; eine Datenbank lässt sich nur unter höchstens %4 Byte wieder öffnen. Bitte wählen Sie einen kürzeren Namen oder Ordner.</source>
        <translation>%1 “%2” has a path of %3 bytes; a database can only be opened again under at most %4 bytes. Please choose a shorter name or folder.</translation>
    </message>
    <message>
        <source>%1 „%2“ lässt sich unter ihrem Namen nicht wieder öffnen: %3</source>
        <translation>%1 “%2” cannot be opened again under its name: %3</translation>
    </message>
    <message>
        <source>Sie enthält nicht, was geschrieben wurde.</source>
        <translation>It does not contain what was written.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht entfernt werden:</source>
        <translation>The file cannot be removed:</translation>
    </message>
</context>
<context>
    <name>Restore</name>
    <message>
        <source>Archiv zurückholen</source>
        <translation>Restore Archive</translation>
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
        <translation>    %1: %2</translation>
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
        <translation>, %1 changed since then (kept as is)</translation>
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
    <message numerus="yes">
        <source>%1 Konten zugeordnet, %2 Konten neu angelegt</source>
        <translation>
            <numerusform>%1 account assigned, %2 created</numerusform>
            <numerusform>%1 accounts assigned, %2 created</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 Konten zugeordnet</source>
        <translation>
            <numerusform>%1 account assigned</numerusform>
            <numerusform>%1 accounts assigned</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RestoreCategories</name>
    <message numerus="yes">
        <source>%1 Kategorien zurückgeholt</source>
        <translation>
            <numerusform>%1 category restored</numerusform>
            <numerusform>%1 categories restored</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RestoreCommand</name>
    <message>
        <source>Probelauf: es wurde nichts geändert.
</source>
        <translation>Dry run: nothing was changed.
</translation>
    </message>
    <message>
        <source>im Archiv</source>
        <translation>in archive</translation>
    </message>
    <message>
        <source> ginge zurück</source>
        <translation> would restore</translation>
    </message>
    <message>
        <source>zurückgeholt</source>
        <translation> were restored</translation>
    </message>
    <message>
        <source>schon da</source>
        <translation> already there</translation>
    </message>
    <message>
        <source>seitdem geändert</source>
        <translation> changed since then</translation>
    </message>
    <message>
        <source>Tabelle</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>  (%1 unter neuen Nummern)</source>
        <translation>  (%1 under new numbers)</translation>
    </message>
    <message>
        <source>Seitdem geändert und behalten (%1): Nummer %2 und %3 weitere</source>
        <translation>Changed since then and kept (%1): number %2 and %3 more</translation>
    </message>
    <message>
        <source>Seitdem geändert und behalten (%1): Nummer %2</source>
        <translation>Changed since then and kept (%1): number %2</translation>
    </message>
    <message>
        <source>Sicherung: %1</source>
        <translation>Backup: %1</translation>
    </message>
    <message>
        <source>--map-account erwartet ARCHIV_ID=DATENBANK_ID oder ARCHIV_ID=- (nicht zurückholen), nicht „%1“.</source>
        <translation>--map-account expects ARCHIVE_ID=DATABASE_ID or ARCHIVE_ID=- (do not restore), not “%1”.</translation>
    </message>
    <message>
        <source>Das Konto %1 ist bei --map-account zweimal genannt.</source>
        <translation>The account %1 is named twice in --map-account.</translation>
    </message>
    <message>
        <source>Holt die Daten eines Archivs zurück in die Benutzer-Datenbank. Was dort schon steht, wird übersprungen, was seitdem geändert wurde, bleibt, wie es ist; eine Nummer (id), die dort ein anderer Eintrag trägt, lässt das Zurückholen ablehnen, ohne etwas zu ändern.</source>
        <translation>Restores the data of an archive into the user database. What is there already is skipped, and what was changed since then stays as it is; if another entry there has the same number (id), the restore is refused without changing anything.</translation>
    </message>
    <message>
        <source>nur die Daten dieser Konten des Archivs (sonst alle)</source>
        <translation>only the data of these accounts of the archive (else all)</translation>
    </message>
    <message>
        <source>ARCHIV_ID=ID</source>
        <translation>ARCHIVE_ID=ID</translation>
    </message>
    <message>
        <source>die Einträge des Archiv-Kontos ARCHIV_ID dem Konto ID der Datenbank zuordnen (ARCHIV_ID=- : nicht zurückholen); mehrfach möglich</source>
        <translation>assign the entries of the archive&apos;s account ARCHIVE_ID to the database&apos;s account ID (ARCHIVE_ID=- : do not restore them); may be given more than once</translation>
    </message>
    <message>
        <source>Einträge, deren Nummer (id) in der Datenbank ein anderer Eintrag trägt, unter neuen Nummern zurückholen, statt abzulehnen</source>
        <translation>restore entries under new numbers when another entry in the database has their number (id), instead of refusing</translation>
    </message>
    <message>
        <source>nur zeigen, was zurückgeholt würde; nichts ändern</source>
        <translation>only show what would be restored; change nothing</translation>
    </message>
    <message>
        <source>gibt das Ergebnis als JSON aus</source>
        <translation>prints the result as JSON</translation>
    </message>
    <message>
        <source>die Benutzer-Datenbank vorher nicht sichern</source>
        <translation>do not back up the user database first</translation>
    </message>
    <message>
        <source>beantwortet die Frage mit Ja</source>
        <translation>answers the question with yes</translation>
    </message>
    <message>
        <source>ARCHIV</source>
        <translation>ARCHIVE</translation>
    </message>
    <message>
        <source>das Passwort des Archivs, wenn es eines hat</source>
        <translation>the archive&apos;s password, if it has one</translation>
    </message>
    <message>
        <source>Das Zurückholen wurde abgebrochen. Die Benutzer-Datenbank ist unverändert.</source>
        <translation>The restore was canceled. The user database is unchanged.</translation>
    </message>
    <message>
        <source>kam, als die Daten schon zurückgeholt waren; das Zurückholen wurde zu Ende geführt.</source>
        <translation>arrived when the data had already been restored; the restore was completed.</translation>
    </message>
    <message>
        <source>
Mit --new-ids kommen diese Einträge unter neuen Nummern (über der größten der Tabelle) zurück, neben dem Eintrag, der die Nummer jetzt trägt; Einträge, die auf sie verweisen, folgen ihnen.</source>
        <translation>
With --new-ids these entries come back under new numbers (above the table&apos;s highest), next to the entry that has the number now; entries that refer to them follow them.</translation>
    </message>
    <message>
        <source>
Mit --map-account ARCHIV_ID=ID gehören die Einträge eines solchen Kontos dem Konto ID der Datenbank; mit --map-account ARCHIV_ID=- bleiben sie im Archiv.</source>
        <translation>
With --map-account ARCHIVE_ID=ID the entries of such an account belong to the database&apos;s account ID; with --map-account ARCHIVE_ID=- they stay in the archive.</translation>
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
        <source>, %1 waren schon vorhanden</source>
        <translation>, %1 already there</translation>
    </message>
    <message>
        <source>, %1 seitdem geändert (bleiben, wie sie sind)</source>
        <translation>, %1 changed since then (kept as is)</translation>
    </message>
    <message>
        <source>, %1 davon unter neuen Nummern</source>
        <translation>, %1 of them under new numbers</translation>
    </message>
    <message numerus="yes">
        <source>%1 Umsätze zurückgeholt</source>
        <translation>
            <numerusform>%1 transaction restored</numerusform>
            <numerusform>%1 transactions restored</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 Umsatzzusätze zurückgeholt</source>
        <translation>
            <numerusform>%1 transaction extra restored</numerusform>
            <numerusform>%1 transaction extras restored</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 offene Umsätze zurückgeholt</source>
        <translation>
            <numerusform>%1 pending transaction restored</numerusform>
            <numerusform>%1 pending transactions restored</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 gesendete Aufträge zurückgeholt</source>
        <translation>
            <numerusform>%1 sent order restored</numerusform>
            <numerusform>%1 sent orders restored</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 gesendete Sammelaufträge zurückgeholt</source>
        <translation>
            <numerusform>%1 sent batch order restored</numerusform>
            <numerusform>%1 sent batch orders restored</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 Einzelaufträge zurückgeholt</source>
        <translation>
            <numerusform>%1 batch order item restored</numerusform>
            <numerusform>%1 batch order items restored</numerusform>
        </translation>
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
<context>
    <name>RunArchive</name>
    <message>
        <source>Archiv:Fertig</source>
        <translation>Archiving</translation>
    </message>
    <message>
        <source>Die Datei %1 existiert bereits!<byte value="xd"/>
Soll Sie überschrieben werden?</source>
        <translation>The file %1 already exists!<byte value="xd"/>
Do you want to overwrite it?</translation>
    </message>
    <message>
        <source>Archivierungs-Assistent</source>
        <translation>Archiving Wizard</translation>
    </message>
    <message numerus="yes">
        <source>Die archivierten Daten werden aus der Datenbank entfernt, ohne dass vorher eine Datensicherung erstellt wird.<byte value="xd"/>
%1 Umsätze werden damit unwiderruflich gelöscht.<byte value="xd"/>
<byte value="xd"/>
Ohne Datensicherung fortfahren?</source>
        <translation>
            <numerusform>The archived data will be removed from the database without a backup being made first.<byte value="xd"/>
%1 transaction will be permanently deleted.<byte value="xd"/>
<byte value="xd"/>
Continue without a backup?</numerusform>
            <numerusform>The archived data will be removed from the database without a backup being made first.<byte value="xd"/>
%1 transactions will be permanently deleted.<byte value="xd"/>
<byte value="xd"/>
Continue without a backup?</numerusform>
        </translation>
    </message>
    <message>
        <source>Die archivierten Daten werden aus der Datenbank entfernt, ohne dass vorher eine Datensicherung erstellt wird.<byte value="xd"/>
Alle archivierten Umsätze werden damit unwiderruflich gelöscht.<byte value="xd"/>
<byte value="xd"/>
Ohne Datensicherung fortfahren?</source>
        <translation>The archived data will be removed from the database without a backup being made first.<byte value="xd"/>
All archived transactions will be permanently deleted.<byte value="xd"/>
<byte value="xd"/>
Continue without a backup?</translation>
    </message>
    <message>
        <source>Der Archiv-Pfad %1 existiert nicht! Soll dieses Verzeichnis angelegt werden?</source>
        <translation>The archive path %1 does not exist! Do you want to create this folder?</translation>
    </message>
    <message>
        <source>Der Archiv-Pfad kann nicht angelegt werden:</source>
        <translation>The archive path cannot be created:</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>The folder “%1” cannot be created.</translation>
    </message>
    <message>
        <source>Die Datensicherung „%1“ kann nicht geschrieben werden:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Es wurde nichts archiviert und nichts verändert. Wählen Sie auf der Seite „Datenbereich“ mit „Ändern …“ einen Ort für die Datensicherung, an dem Sie schreiben dürfen, und starten Sie erneut.</source>
        <translation>The backup “%1” cannot be written:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Nothing was archived and nothing was changed. On the “Data range” page, use “Change…” to choose a place for the backup where you may write, and start again.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Der Dateiname &quot;%1&quot; enthält keinen Ordner.</source>
        <translation>The file name “%1” contains no folder.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist ein Ordner und kann kein Archiv aufnehmen.</source>
        <translation>“%1” is a folder and cannot hold an archive.</translation>
    </message>
</context>
<context>
    <name>RunChecks</name>
    <message>
        <source>Die Tabelle %1 fehlt in der Benutzer-Datenbank.</source>
        <translation>The table %1 is missing from the user database.</translation>
    </message>
    <message>
        <source>Die Tabelle %1 der Benutzer-Datenbank hat andere Spalten als die Archivvorlage: „%2“ statt „%3“. Ihre Zeilen würden im Archiv an falscher Stelle stehen.</source>
        <translation>The table %1 of the user database has other columns than the archive template: “%2” instead of “%3”. Its rows would end up in the wrong place in the archive.</translation>
    </message>
    <message>
        <source>Auf der Tabelle %1 der Benutzer-Datenbank liegt der Trigger „%2“. Er würde beim Archivieren Zeilen ändern oder löschen, die nicht ins Archiv kommen. Bitte entfernen Sie ihn zuvor.</source>
        <translation>The table %1 of the user database has the trigger “%2”. While archiving, it would change or delete rows that do not go into the archive. Please remove it first.</translation>
    </message>
    <message>
        <source>Die Bibliothek liborvcbf.so wurde nicht gefunden. Ohne sie können die verschlüsselten Ausführungsdaten der Sammelaufträge nicht gelesen werden; es wurde nichts archiviert.</source>
        <translation>The library liborvcbf.so was not found. Without it, the encrypted execution dates of the batch orders cannot be read; nothing was archived.</translation>
    </message>
    <message>
        <source>Der Ordner „%1/“ der Benutzer-Datenbank ist schreibgeschützt. Die archivierten Daten könnten nicht aus der Benutzer-Datenbank entfernt werden.</source>
        <translation>The folder “%1/” of the user database is read-only. The archived data could not be removed from the user database.</translation>
    </message>
    <message>
        <source>Die Benutzer-Datenbank „%1“ ist schreibgeschützt. Die archivierten Daten könnten nicht aus ihr entfernt werden.</source>
        <translation>The user database “%1” is read-only. The archived data could not be removed from it.</translation>
    </message>
</context>
<context>
    <name>RunFolder</name>
    <message>
        <source>Im Ordner „%1/“ konnte eine Arbeitsdatei des Laufs nicht entfernt werden: %2 Der nächste Lauf in diesen Ordner entfernt sie.</source>
        <translation>A working file of the run could not be removed in the folder “%1/”: %2 The next run into this folder removes it.</translation>
    </message>
    <message>
        <source>Der Ordner existiert nicht:</source>
        <translation>The folder does not exist:</translation>
    </message>
    <message>
        <source>„%1“ ist keine Sperrdatei der Archivierung; bitte entfernen Sie sie.</source>
        <translation>“%1” is not a lock file of the archiving; please remove it.</translation>
    </message>
    <message>
        <source>Im Ordner kann keine Datei angelegt werden:</source>
        <translation>No file can be created in the folder:</translation>
    </message>
    <message>
        <source>Die Datei „%1“ wird gerade von einem anderen Archivierungslauf geschrieben. Bitte warten Sie, bis er beendet ist, oder wählen Sie einen anderen Namen.</source>
        <translation>The file “%1” is being written by another archiving run. Please wait until it has finished, or choose another name.</translation>
    </message>
    <message>
        <source>Der Ordner „%1/“ liegt auf einem Datenträger ohne Dateisperren (%2). Dort kann nicht sicher archiviert werden; bitte wählen Sie einen anderen Ordner.</source>
        <translation>The folder “%1/” is on a drive without file locks (%2). Archiving there is not safe; please choose another folder.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ kann nicht gesperrt werden.</source>
        <translation>The file “%1” cannot be locked.</translation>
    </message>
    <message>
        <source>Der Name ist nicht gesperrt.</source>
        <translation>The name is not locked.</translation>
    </message>
    <message>
        <source>Im Ordner kann kein Arbeitsordner angelegt werden:</source>
        <translation>No working folder can be created in the folder:</translation>
    </message>
</context>
<context>
    <name>RunNames</name>
    <message>
        <source>%1 „%2“ ist %3. %4</source>
        <translation>%1 “%2” is %3. %4</translation>
    </message>
    <message>
        <source>Die Archivdatei</source>
        <translation>The archive file</translation>
    </message>
    <message>
        <source>Die Sicherungsdatei</source>
        <translation>The backup file</translation>
    </message>
    <message>
        <source>die Benutzer-Datenbank „%1“</source>
        <translation>the user database “%1”</translation>
    </message>
    <message>
        <source>das Änderungsprotokoll der Benutzer-Datenbank „%1“</source>
        <translation>the journal of the user database “%1”</translation>
    </message>
    <message>
        <source>das Schreibprotokoll der Benutzer-Datenbank „%1“</source>
        <translation>the write-ahead log of the user database “%1”</translation>
    </message>
    <message>
        <source>der gemeinsame Speicher der Benutzer-Datenbank „%1“</source>
        <translation>the shared memory of the user database “%1”</translation>
    </message>
    <message>
        <source>die Archivvorlage</source>
        <translation>the archive template</translation>
    </message>
    <message>
        <source>die Sicherungsdatei</source>
        <translation>the backup file</translation>
    </message>
    <message>
        <source>die Sperrdatei der Sicherung</source>
        <translation>the lock file of the backup</translation>
    </message>
    <message>
        <source>die Archivdatei</source>
        <translation>the archive file</translation>
    </message>
    <message>
        <source>die Sperrdatei des Archivs</source>
        <translation>the lock file of the archive</translation>
    </message>
    <message>
        <source>Bitte wählen Sie einen anderen Dateinamen.</source>
        <translation>Please choose another file name.</translation>
    </message>
    <message>
        <source>Bitte wählen Sie einen anderen Namen für die Sicherung.</source>
        <translation>Please choose another name for the backup.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>Die Datei kann nicht angelegt werden:</source>
        <translation>The file cannot be created:</translation>
    </message>
    <message>
        <source>Die Datei kann nicht geschrieben werden:</source>
        <translation>The file cannot be written:</translation>
    </message>
    <message>
        <source>Die Datei kann nicht auf den Datenträger geschrieben werden:</source>
        <translation>The file cannot be written to the drive:</translation>
    </message>
</context>
<context>
    <name>Schema</name>
    <message>
        <source>Die Datenbank ist nicht geöffnet.</source>
        <translation>The database is not open.</translation>
    </message>
</context>
<context>
    <name>ScopedGuiApplication</name>
    <message>
        <source>Das Programm hat keine grafische Oberfläche; der Assistent kann nicht angezeigt werden.</source>
        <translation>The program has no graphical interface; the wizard cannot be shown.</translation>
    </message>
    <message>
        <source>Es ist kein Bildschirm verfügbar; der Assistent kann nicht angezeigt werden.</source>
        <translation>No screen is available; the wizard cannot be shown.</translation>
    </message>
</context>
<context>
    <name>SearchCommand</name>
    <message>
        <source>Sucht einen Text in den Umsätzen der Benutzer-Datenbank und aller Archive (ohne Unterschied von Groß- und Kleinschreibung und Umlauten).</source>
        <translation>Searches the transactions of the user database and of every archive for a text (ignoring case and umlauts).</translation>
    </message>
    <message>
        <source>ORDNER</source>
        <translation>FOLDER</translation>
    </message>
    <message>
        <source>der Ordner der Archive (Vorgabe: der Archiv-Ordner der Einstellungen, sonst der Ordner der Datenbank)</source>
        <translation>the folder of the archives (default: the archive folder of the settings, else the database&apos;s folder)</translation>
    </message>
    <message>
        <source>gibt die Treffer als JSON aus</source>
        <translation>prints the hits as JSON</translation>
    </message>
    <message>
        <source>das Passwort, das für jedes Archiv mit Passwort versucht wird (ohne Terminal werden diese sonst übersprungen)</source>
        <translation>the password tried on every archive that has one (without a terminal, such archives are skipped otherwise)</translation>
    </message>
    <message>
        <source>Die Datenbank „%1“ wurde nicht gefunden.</source>
        <translation>The database “%1” was not found.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ existiert nicht.</source>
        <translation>The folder “%1” does not exist.</translation>
    </message>
    <message>
        <source>Übersprungen: %1</source>
        <translation>Skipped: %1</translation>
    </message>
    <message>
        <source>Übersprungen: „%1“: %2</source>
        <translation>Skipped: “%1”: %2</translation>
    </message>
    <message>
        <source>Keine Umsätze gefunden.</source>
        <translation>No transactions found.</translation>
    </message>
</context>
<context>
    <name>ShowCommand</name>
    <message>
        <source>Ungültige Zahl „%1“ für --%2.</source>
        <translation>Invalid number “%1” for --%2.</translation>
    </message>
    <message>
        <source>--sort kennt datum, konto, betrag, empfaenger und zweck.</source>
        <translation>--sort takes date, account, amount, payee or reference (or their German names datum, konto, betrag, empfaenger and zweck).</translation>
    </message>
    <message>
        <source>Erste Seite %1 ms</source>
        <translation>First screen: %1 ms</translation>
    </message>
    <message>
        <source>, Stück %1 (Mitte) %2 ms</source>
        <translation>, piece %1 (middle): %2 ms</translation>
    </message>
    <message>
        <source>, Stück %1 %2 ms</source>
        <translation>, piece %1: %2 ms</translation>
    </message>
    <message>
        <source>Datei: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>Konto-ID	Konto	Bank	Umsätze	Erste	Letzte	Summe</source>
        <translation>Account ID	Account	Bank	Transactions	First	Last	Total</translation>
    </message>
    <message>
        <source>Umsätze: %1, Summe %2 (gezeigt: %3; --limit 0 zeigt alle)</source>
        <translation>Transactions: %1, total %2 (shown: %3; --limit 0 shows all)</translation>
    </message>
    <message>
        <source>Umsätze: %1, Summe %2</source>
        <translation>Transactions: %1, total %2</translation>
    </message>
    <message>
        <source>Datum	Konto	Betrag	Empfänger	Verwendungszweck</source>
        <translation>Date	Account	Amount	Payee	Reference</translation>
    </message>
    <message>
        <source>Keine Umsätze für diese Auswahl.</source>
        <translation>No transactions for this selection.</translation>
    </message>
    <message>
        <source>Monat	Anzahl	Eingänge	Ausgänge	Differenz</source>
        <translation>Month	Count	Money in	Money out	Difference</translation>
    </message>
    <message>
        <source>Jahr	Anzahl	Eingänge	Ausgänge	Differenz</source>
        <translation>Year	Count	Money in	Money out	Difference</translation>
    </message>
    <message>
        <source>Die Ausgabe kann nicht geschrieben werden.</source>
        <translation>The output cannot be written.</translation>
    </message>
    <message>
        <source>Die Datei %1 existiert bereits. Soll sie ersetzt werden?</source>
        <translation>The file %1 already exists. Do you want to replace it?</translation>
    </message>
    <message>
        <source>Umsätze</source>
        <translation>Transactions</translation>
    </message>
    <message>
        <source>PDF: %1</source>
        <translation>PDF: %1</translation>
    </message>
    <message>
        <source>Zeigt die Konten und Umsätze eines Archivs (oder einer Datenbank), ohne die Datei zu ändern.</source>
        <translation>Shows the accounts and transactions of an archive (or a database) without changing the file.</translation>
    </message>
    <message>
        <source>nur dieses Konto</source>
        <translation>only this account</translation>
    </message>
    <message>
        <source>DATUM</source>
        <translation>DATE</translation>
    </message>
    <message>
        <source>Umsätze ab diesem Tag, TT.MM.JJJJ oder JJJJ-MM-TT</source>
        <translation>transactions from this day on, DD.MM.YYYY or YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Umsätze bis zu diesem Tag</source>
        <translation>transactions up to this day</translation>
    </message>
    <message>
        <source>nur Umsätze, deren Empfänger oder Verwendungszweck TEXT enthält (ohne Unterschied von Groß- und Kleinschreibung und Umlauten)</source>
        <translation>only transactions whose payee or reference contains TEXT (ignoring case and umlauts)</translation>
    </message>
    <message>
        <source>SPALTE</source>
        <translation>COLUMN</translation>
    </message>
    <message>
        <source>sortiert nach datum (Vorgabe), konto, betrag, empfaenger oder zweck</source>
        <translation>sorts by date (the default), account, amount, payee or reference; the German names work too</translation>
    </message>
    <message>
        <source>sortiert absteigend</source>
        <translation>sorts in descending order</translation>
    </message>
    <message>
        <source>zeigt höchstens N Umsätze (Vorgabe 100, 0: alle)</source>
        <translation>shows at most N transactions (default 100, 0: all)</translation>
    </message>
    <message>
        <source>schreibt alle gefilterten Umsätze als CSV (für Tabellen)</source>
        <translation>writes every filtered transaction as CSV (for spreadsheets)</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>schreibt die Umsätze als Auszug zum Drucken (PDF, A4) in DATEI</source>
        <translation>writes the transactions as a statement for printing (PDF, A4) to FILE</translation>
    </message>
    <message>
        <source>mit --pdf: ersetzt eine bestehende DATEI ohne Frage</source>
        <translation>with --pdf: replaces an existing FILE without asking</translation>
    </message>
    <message>
        <source>gibt das Ergebnis als JSON aus</source>
        <translation>prints the result as JSON</translation>
    </message>
    <message>
        <source>zeigt statt der Umsätze je Monat und je Jahr ihre Anzahl, Eingänge, Ausgänge und Differenz</source>
        <translation>shows, instead of the transactions, their count, money in, money out and difference per month and per year</translation>
    </message>
    <message>
        <source>nennt auf stderr, wie lange die erste Seite und das Nachladen des 2., des 10. und des mittleren Stücks der Liste gedauert haben</source>
        <translation>reports on standard error how long the first screen and loading the 2nd, the 10th and the middle piece of the list took</translation>
    </message>
    <message>
        <source>zeigt das Archiv im Fenster (fragt ein fehlendes Passwort ab)</source>
        <translation>shows the archive in a window (asks for a missing password)</translation>
    </message>
    <message>
        <source>PFAD</source>
        <translation>PATH</translation>
    </message>
    <message>
        <source>mit --window: die Benutzer-Datenbank, in die „Zurückholen …“ die Daten des Archivs zurückholt</source>
        <translation>with --window: the user database into which “Restore…” restores the archive&apos;s data</translation>
    </message>
    <message>
        <source>ARCHIV</source>
        <translation>ARCHIVE</translation>
    </message>
    <message>
        <source>das Passwort des Archivs</source>
        <translation>the archive&apos;s password</translation>
    </message>
    <message>
        <source>--csv und --json schließen einander aus.</source>
        <translation>--csv and --json cannot be used together.</translation>
    </message>
    <message>
        <source>--csv und --months schließen einander aus.</source>
        <translation>--csv and --months cannot be used together.</translation>
    </message>
    <message>
        <source>--pdf schließt --csv, --json, --months und --window aus.</source>
        <translation>--pdf cannot be used with --csv, --json, --months or --window.</translation>
    </message>
    <message>
        <source>--yes gilt nur mit --pdf.</source>
        <translation>--yes only applies with --pdf.</translation>
    </message>
    <message>
        <source>--db gilt nur mit --window.</source>
        <translation>--db only applies with --window.</translation>
    </message>
</context>
<context>
    <name>Statement</name>
    <message>
        <source>Suche: „%1“ in Empfänger und Verwendungszweck</source>
        <translation>Search: “%1” in payee and reference</translation>
    </message>
    <message>
        <source>Beträge von %1 bis %2</source>
        <translation>Amounts from %1 to %2</translation>
    </message>
    <message>
        <source>Beträge ab %1</source>
        <translation>Amounts from %1</translation>
    </message>
    <message>
        <source>Beträge bis %1</source>
        <translation>Amounts up to %1</translation>
    </message>
    <message>
        <source>Alle Umsätze des Zeitraums</source>
        <translation>All transactions of the period</translation>
    </message>
    <message>
        <source>ohne Konto</source>
        <translation>no account</translation>
    </message>
    <message>
        <source>ohne Umsätze</source>
        <translation>no transactions</translation>
    </message>
    <message>
        <source>Die Umsätze können nicht gedruckt werden: das Gerät nimmt keine Seiten an.</source>
        <translation>The transactions cannot be printed: the device does not accept any pages.</translation>
    </message>
    <message>
        <source>Die Umsätze haben sich während des Druckens geändert. Bitte versuchen Sie es noch einmal.</source>
        <translation>The transactions changed while they were being printed. Please try again.</translation>
    </message>
    <message>
        <source>Die Umsätze konnten nicht fertig gedruckt werden.</source>
        <translation>The transactions could not be printed completely.</translation>
    </message>
    <message>
        <source>Umsätze %1</source>
        <translation>Transactions %1</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden. %2</source>
        <translation>The file %1 could not be written. %2</translation>
    </message>
</context>
<context>
    <name>StatementActions</name>
    <message>
        <source>Umsätze</source>
        <translation>Transactions</translation>
    </message>
    <message>
        <source>Umsätze %1</source>
        <translation>Transactions %1</translation>
    </message>
    <message>
        <source>Die Datei %1 existiert bereits. Soll sie ersetzt werden?</source>
        <translation>The file %1 already exists. Do you want to replace it?</translation>
    </message>
</context>
<context>
    <name>StatementWriter</name>
    <message>
        <source>ohne Datum</source>
        <translation>no date</translation>
    </message>
    <message>
        <source>Gedruckt am %1</source>
        <translation>Printed on %1</translation>
    </message>
    <message>
        <source>Umsätze · %1</source>
        <translation>Transactions · %1</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Seite %1 der Umsätze konnte nicht angelegt werden.</source>
        <translation>Page %1 of the transactions could not be started.</translation>
    </message>
    <message>
        <source>Archiv: %1</source>
        <translation>Archive: %1</translation>
    </message>
    <message>
        <source>Umsätze</source>
        <translation>Transactions</translation>
    </message>
    <message>
        <source>Konto</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Konten</source>
        <translation>Accounts</translation>
    </message>
    <message>
        <source>%1 Umsätze</source>
        <comment>exactly one</comment>
        <translation>%1 transaction</translation>
    </message>
    <message>
        <source>%1 Umsätze</source>
        <translation>%1 transactions</translation>
    </message>
    <message>
        <source>Zeitraum: %1</source>
        <translation>Period: %1</translation>
    </message>
    <message>
        <source>%1 (Fortsetzung)</source>
        <translation>%1 (continued)</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Valuta</source>
        <translation>Value date</translation>
    </message>
    <message>
        <source>Empfänger</source>
        <translation>Payee</translation>
    </message>
    <message>
        <source>Verwendungszweck</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Betrag</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Summe %1</source>
        <translation>Total for %1</translation>
    </message>
    <message>
        <source>Keine Umsätze für diese Auswahl.</source>
        <translation>No transactions for this selection.</translation>
    </message>
    <message>
        <source>Summe aller Konten</source>
        <translation>Total of all accounts</translation>
    </message>
</context>
<context>
    <name>Survey</name>
    <message>
        <source>Die Abfrage „%1“ gibt keine Zeile zurück.</source>
        <translation>The query “%1” returns no row.</translation>
    </message>
    <message>
        <source>Die Kontenliste des Assistenten fehlt.</source>
        <translation>The wizard&apos;s account list is missing.</translation>
    </message>
    <message numerus="yes">
        <source>Es wurden Daten für %1 Institut(e) und 1 Konto( gefunden.<byte value="xd"/>
Um die Daten zu archivieren, klicken Sie auf &apos;Starten&apos;</source>
        <translation>
            <numerusform>Data was found for %1 bank and 1 account.<byte value="xd"/>
To archive it, click “Start”.</numerusform>
            <numerusform>Data was found for %1 banks and 1 account.<byte value="xd"/>
To archive it, click “Start”.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Es wurden Daten für %1 Institut(e) und %2 Konten gefunden.<byte value="xd"/>
Um die Daten zu archivieren, klicken Sie auf &apos;Starten&apos;</source>
        <translation>
            <numerusform>Data was found for %1 bank and %2 accounts.<byte value="xd"/>
To archive it, click “Start”.</numerusform>
            <numerusform>Data was found for %1 banks and %2 accounts.<byte value="xd"/>
To archive it, click “Start”.</numerusform>
        </translation>
    </message>
    <message>
        <source>Es wurden keine Daten vor dem %1 gefunden.</source>
        <translation>No data was found before %1.</translation>
    </message>
</context>
<context>
    <name>SurveyCommand</name>
    <message>
        <source>Zeigt, welche Konten Daten vor dem Stichtag haben (wie Seite 5 des Assistenten).</source>
        <translation>Shows which accounts have data before the cut-off date (like page 5 of the wizard).</translation>
    </message>
    <message>
        <source>nur diese Konten (sonst alle)</source>
        <translation>only these accounts (else all)</translation>
    </message>
    <message>
        <source>gibt das Ergebnis als JSON aus</source>
        <translation>prints the result as JSON</translation>
    </message>
    <message>
        <source>nennt auf stderr, wie lange Suche und Übersicht gedauert haben</source>
        <translation>reports on standard error how long the search and the summary took</translation>
    </message>
    <message>
        <source>Suche %1 ms, Übersicht %2 ms</source>
        <translation>Search: %1 ms, summary: %2 ms</translation>
    </message>
    <message>
        <source>Konto-ID	Konto	Bank	Umsätze	Zusätze	Offene	Aufträge	Sammelaufträge	Einzelaufträge</source>
        <translation>Account ID	Account	Bank	Transactions	Extras	Pending	Orders	Batch orders	Items</translation>
    </message>
    <message>
        <source>Zusammen</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>TableChecksum</name>
    <message>
        <source>Die Tabelle %1 fehlt in der Datenbank.</source>
        <translation>The table %1 is missing from the database.</translation>
    </message>
</context>
<context>
    <name>TerminalMessageBoxes</name>
    <message>
        <source> [j/N] j (--yes)</source>
        <translation> [y/N] y (--yes)</translation>
    </message>
    <message>
        <source> [j/N] n (ohne --yes)</source>
        <translation> [y/N] n (without --yes)</translation>
    </message>
    <message>
        <source> [j/N] </source>
        <translation> [y/N] </translation>
    </message>
</context>
<context>
    <name>VerifyCommand</name>
    <message>
        <source>%1 Mit --yes wird sie ersetzt.</source>
        <translation>%1 With --yes it is replaced.</translation>
    </message>
    <message>
        <source>Das Archiv hat kein lesbares Siegel: wie viele Zeilen fehlen, ist nicht bekannt.</source>
        <translation>The archive has no readable seal: how many rows are missing is not known.</translation>
    </message>
    <message>
        <source>Neues Archiv: %1</source>
        <translation>New archive: %1</translation>
    </message>
    <message>
        <source>Prüft, ob Archive noch vollständig und unverändert sind: liest jede Seite und jede Zeile und vergleicht sie mit dem Siegel, das der Lauf ins Archiv geschrieben hat.
Eine Zeile je Archiv: „in Ordnung“, „ohne Siegel (N Zeilen lesbar)“ (ein Archiv von vor den Siegeln), was abweicht, „nicht lesbar: …“ oder „nicht geprüft: …“.
Status: 0 alle in Ordnung, 1 nicht alle geprüft (Passwort fehlt oder falsch) oder ein Fehler, 2 falscher Aufruf, 3 lesbar, aber ohne Siegel, 4 beschädigt oder nicht lesbar.
Mit --salvage NEU.aba (ein ARCHIV): rettet, was sich vom Archiv noch lesen lässt, in ein neues Archiv mit eigenem Siegel und nennt je Tabelle die geretteten und die verlorenen Zeilen. Das beschädigte Archiv bleibt unverändert. Status: 0 nichts verloren, 5 neues Archiv geschrieben, aber Zeilen verloren, 6 nichts geschrieben, 1 Passwort fehlt oder falsch.</source>
        <translation>Verifies that archives are still complete and unchanged: reads every page and every row and compares them with the seal that the run wrote into the archive.
One line per archive: “OK”, “no seal (N rows readable)” (an archive from before seals), what differs, “unreadable: …” or “not checked: …”.
Exit status: 0 all OK, 1 not all checked (password missing or wrong) or an error, 2 wrong usage, 3 readable but without seal, 4 damaged or unreadable.
With --salvage NEW.aba (one ARCHIVE): salvages what can still be read from the archive into a new archive with its own seal and names the salvaged and the lost rows per table. The damaged archive stays unchanged. Exit status: 0 nothing lost, 5 new archive written but rows lost, 6 nothing written, 1 password missing or wrong.</translation>
    </message>
    <message>
        <source>ORDNER</source>
        <translation>FOLDER</translation>
    </message>
    <message>
        <source>prüft jedes Archiv (*.aba) des Ordners</source>
        <translation>verifies every archive (*.aba) in the folder</translation>
    </message>
    <message>
        <source>gibt das Ergebnis als JSON aus</source>
        <translation>prints the result as JSON</translation>
    </message>
    <message>
        <source>das Passwort, das für jedes Archiv mit Passwort versucht wird; „-“: die erste Zeile der Standardeingabe (TEXT ist für andere Benutzer sichtbar; besser --password-file oder --password -). Ohne beides werden Archive mit Passwort nicht geprüft.</source>
        <translation>the password tried on every archive that has one; “-”: the first line of standard input (TEXT is visible to other users; better use --password-file or --password -). Without either, archives with a password are not checked.</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>dasselbe aus der ersten Zeile von DATEI</source>
        <translation>the same from the first line of FILE</translation>
    </message>
    <message>
        <source>NEU.aba</source>
        <translation>NEW.aba</translation>
    </message>
    <message>
        <source>schreibt die noch lesbaren Zeilen des einen ARCHIVs in ein neues Archiv NEU.aba (nie über eine Datenbank oder das Archiv selbst)</source>
        <translation>writes the rows of the one ARCHIVE that can still be read to a new archive NEW.aba (never over a database or the archive itself)</translation>
    </message>
    <message>
        <source>mit --salvage: eine vorhandene Datei NEU.aba, die keine Datenbank ist, wird ersetzt</source>
        <translation>with --salvage: an existing file NEW.aba that is not a database is replaced</translation>
    </message>
    <message>
        <source>[ARCHIV...]</source>
        <translation>[ARCHIVE...]</translation>
    </message>
    <message>
        <source>Entweder ARCHIV... oder --folder ORDNER angeben.</source>
        <translation>Specify either ARCHIVE... or --folder FOLDER.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ existiert nicht.</source>
        <translation>The folder “%1” does not exist.</translation>
    </message>
    <message>
        <source>--salvage NEU.aba nimmt genau ein ARCHIV, ohne --folder und --json.</source>
        <translation>--salvage NEW.aba takes exactly one ARCHIVE, without --folder and --json.</translation>
    </message>
    <message>
        <source>--yes gilt nur mit --salvage.</source>
        <translation>--yes only applies with --salvage.</translation>
    </message>
    <message>
        <source>Im gewählten Verzeichnis wurden keine Archiv-Dateien gefunden.</source>
        <translation>No archive files were found in the chosen folder.</translation>
    </message>
</context>
<context>
    <name>WindowApi</name>
    <message>
        <source>Archiv</source>
        <translation>Archive</translation>
    </message>
</context>
<context>
    <name>WindowLibrary</name>
    <message>
        <source>Die Fensterbibliothek kann nicht geladen werden: %1</source>
        <translation>Cannot load the window library: %1</translation>
    </message>
    <message>
        <source>Die Fensterbibliothek hat keinen Eintrag tolva_window_api.</source>
        <translation>The window library has no entry tolva_window_api.</translation>
    </message>
</context>
<context>
    <name>WizardHost</name>
    <message>
        <source>Archiv</source>
        <translation>Archive</translation>
    </message>
</context>
<context>
    <name>WizardPilot</name>
    <message>
        <source>Der Assistent steht auf Seite %1 statt auf Seite %2.</source>
        <translation>The wizard is on page %1 instead of page %2.</translation>
    </message>
    <message>
        <source>Das erste Konto der Liste lässt sich im Assistenten nur mit allen Konten ankreuzen.</source>
        <translation>In the wizard, the first account in the list can only be checked together with all accounts.</translation>
    </message>
    <message>
        <source>Seite 2 des Assistenten ist unvollständig.</source>
        <translation>Page 2 of the wizard is incomplete.</translation>
    </message>
    <message>
        <source>Seite 4 des Assistenten ist unvollständig.</source>
        <translation>Page 4 of the wizard is incomplete.</translation>
    </message>
    <message>
        <source>Der Assistent wurde nicht angezeigt.</source>
        <translation>The wizard was not shown.</translation>
    </message>
</context>
<context>
    <name>tolva::AccountMappingDialog</name>
    <message>
        <source>Konten zuordnen</source>
        <translation>Assign Accounts</translation>
    </message>
    <message>
        <source>Das Archiv enthält Einträge von Konten, die es selbst nicht enthält; es wurde vor der Version angelegt, die jedes Konto mitspeichert. Zu welchem Konto der Datenbank diese Einträge gehören, lässt sich nicht sicher sagen.

Wählen Sie für jedes Konto, wohin seine Einträge zurückgeholt werden, oder lassen Sie sie im Archiv.</source>
        <translation>The archive holds entries of accounts that it does not hold itself; it was created before the version that stores every account along with its entries. Which account of the database these entries belong to cannot be said for certain.

Choose for each account where its entries are to be restored, or leave them in the archive.</translation>
    </message>
    <message>
        <source>nicht zurückholen</source>
        <translation>do not restore</translation>
    </message>
    <message>
        <source>%1 (Nummer %2)</source>
        <translation>%1 (number %2)</translation>
    </message>
    <message>
        <source>Konto %1 im Archiv (%2 %3):</source>
        <translation>Account %1 in the archive (%2 %3):</translation>
    </message>
    <message>
        <source>Zurückholen</source>
        <translation>Restore</translation>
    </message>
</context>
<context>
    <name>tolva::BookingModel</name>
    <message>
        <source>Konto %1</source>
        <translation>Account %1</translation>
    </message>
    <message>
        <source>Summe bis hier: die gezeigten Umsätze in Datumsfolge bis zu dieser Zeile zusammengezählt, bei mehreren Konten ihre gemeinsame Summe. Das Archiv kennt keinen Anfangssaldo; die Summe beginnt mit dem ersten gezeigten Umsatz bei 0,00 € und ist nicht der Kontostand bei der Bank.</source>
        <translation>Total up to here: the transactions shown, added up in date order down to this row; with several accounts, their combined total. The archive knows no opening balance: the total starts at €0.00 with the first transaction shown and is not the account&apos;s balance at the bank.</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Konto</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Betrag</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Saldo</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Empfänger</source>
        <translation>Payee</translation>
    </message>
    <message>
        <source>Verwendungszweck</source>
        <translation>Reference</translation>
    </message>
</context>
<context>
    <name>tolva::BrowserWindow</name>
    <message>
        <source>Archiv %1</source>
        <translation>Archive %1</translation>
    </message>
    <message>
        <source>Archiv %1 – Prüfung läuft …</source>
        <translation>Archive %1 – checking…</translation>
    </message>
    <message>
        <source>Siegel in Ordnung</source>
        <translation>seal intact</translation>
    </message>
    <message>
        <source>ohne Siegel</source>
        <translation>no seal</translation>
    </message>
    <message>
        <source>beschädigt: %1</source>
        <translation>damaged: %1</translation>
    </message>
    <message>
        <source>Das Archiv ist nicht mehr so, wie es geschrieben wurde: %1</source>
        <translation>The archive is no longer as it was written: %1</translation>
    </message>
    <message>
        <source>nicht lesbar</source>
        <translation>not readable</translation>
    </message>
    <message>
        <source>Das Archiv ist nicht vollständig lesbar: %1</source>
        <translation>The archive cannot be read completely: %1</translation>
    </message>
    <message>
        <source>nicht geprüft</source>
        <translation>not checked</translation>
    </message>
    <message>
        <source>Das Siegel wurde nicht geprüft: %1</source>
        <translation>The seal was not checked: %1</translation>
    </message>
    <message>
        <source>Archiv %1 – %2</source>
        <translation>Archive %1 – %2</translation>
    </message>
    <message>
        <source>%1: %2 Zeilen laut Siegel, %3 gelesen</source>
        <translation>%1: rows according to the seal: %2, read: %3</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>&amp;Suchen:</source>
        <translation>&amp;Search:</translation>
    </message>
    <message>
        <source>in Empfänger und Verwendungszweck</source>
        <translation>in payee and reference</translation>
    </message>
    <message>
        <source>Suchen in Empfänger und Verwendungszweck</source>
        <translation>Search in payee and reference</translation>
    </message>
    <message>
        <source>&amp;In allen Archiven suchen …</source>
        <translation>Search &amp;in All Archives…</translation>
    </message>
    <message>
        <source>Sucht den Text in der Datenbank und in allen Archiven des Ordners %1</source>
        <translation>Searches for the text in the database and in all archives of the folder %1</translation>
    </message>
    <message>
        <source>offen</source>
        <translation>any</translation>
    </message>
    <message>
        <source>Umsätze vom</source>
        <translation>Transactions from</translation>
    </message>
    <message>
        <source>Umsätze bis</source>
        <translation>Transactions up to</translation>
    </message>
    <message>
        <source>Betrag ab</source>
        <translation>Amount from</translation>
    </message>
    <message>
        <source>Betrag bis</source>
        <translation>Amount up to</translation>
    </message>
    <message>
        <source>vom</source>
        <translation>from</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Betrag</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Konten</source>
        <translation>Accounts</translation>
    </message>
    <message>
        <source>Konto</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Umsätze</source>
        <translation>Transactions</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Empfänger</source>
        <translation>Payee</translation>
    </message>
    <message>
        <source>Verwendungszweck</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Gesendete Aufträge</source>
        <translation>Sent orders</translation>
    </message>
    <message>
        <source>Ausführung</source>
        <translation>Execution date</translation>
    </message>
    <message>
        <source>Einzelaufträge</source>
        <translation>Items</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Bezeichnung</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Sammelaufträge</source>
        <translation>Batch orders</translation>
    </message>
    <message>
        <source>&amp;Umsätze</source>
        <translation>&amp;Transactions</translation>
    </message>
    <message>
        <source>&amp;Aufträge</source>
        <translation>&amp;Orders</translation>
    </message>
    <message>
        <source>Sa&amp;mmelaufträge</source>
        <translation>&amp;Batch Orders</translation>
    </message>
    <message>
        <source>&amp;Verlauf</source>
        <translation>&amp;History</translation>
    </message>
    <message>
        <source>Als &amp;CSV speichern …</source>
        <translation>Save As &amp;CSV…</translation>
    </message>
    <message>
        <source>&amp;Drucken …</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>Als &amp;PDF speichern …</source>
        <translation>Save As P&amp;DF…</translation>
    </message>
    <message>
        <source>&amp;Zurückholen …</source>
        <translation>&amp;Restore…</translation>
    </message>
    <message>
        <source>Holt die Daten des gewählten Kontos (bei „Alle Konten“: alle Daten) zurück in die Datenbank %1</source>
        <translation>Restores the data of the chosen account (with “All accounts”: all data) into the database %1</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Alle Konten</source>
        <translation>All accounts</translation>
    </message>
    <message>
        <source>(ohne Bank)</source>
        <translation>(no bank)</translation>
    </message>
    <message>
        <source>%1 Umsätze vom %2 bis %3, Summe %4</source>
        <translation>%1 transactions from %2 to %3, total %4</translation>
    </message>
    <message>
        <source>Konto %1</source>
        <translation>Account %1</translation>
    </message>
    <message>
        <source>%1 Umsätze, Summe %2</source>
        <translation>%1 transactions, total %2</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Die Datei %1 existiert bereits. Soll sie ersetzt werden?</source>
        <translation>The file %1 already exists. Do you want to replace it?</translation>
    </message>
    <message>
        <source>%1 Umsätze vom %2 bis %3, Summe %4</source>
        <comment>exactly one</comment>
        <translation>%1 transaction from %2 to %3, total %4</translation>
    </message>
    <message>
        <source>%1 Umsätze, Summe %2</source>
        <comment>exactly one</comment>
        <translation>%1 transaction, total %2</translation>
    </message>
</context>
<context>
    <name>tolva::ChartTab</name>
    <message>
        <source>Jahre</source>
        <translation>Years</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Eingänge</source>
        <translation>Money in</translation>
    </message>
    <message>
        <source>Ausgänge</source>
        <translation>Money out</translation>
    </message>
    <message>
        <source>Differenz</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>Der Verlauf kann nicht berechnet werden: %1</source>
        <translation>The history cannot be calculated: %1</translation>
    </message>
</context>
<context>
    <name>tolva::ChartWidget</name>
    <message>
        <source>Eingänge und Ausgänge je Monat</source>
        <translation>Money in and out per month</translation>
    </message>
    <message>
        <source>Wird berechnet …</source>
        <translation>Calculating…</translation>
    </message>
    <message>
        <source>Keine Umsätze für diese Auswahl.</source>
        <translation>No transactions for this selection.</translation>
    </message>
    <message>
        <source>1 Umsatz</source>
        <translation>1 transaction</translation>
    </message>
    <message>
        <source>%1 Umsätze</source>
        <translation>%1 transactions</translation>
    </message>
    <message>
        <source>%1: %2
Eingänge %3
Ausgänge %4
Differenz %5</source>
        <translation>%1: %2
Money in %3
Money out %4
Difference %5</translation>
    </message>
    <message>
        <source>Eingänge</source>
        <translation>Money in</translation>
    </message>
    <message>
        <source>Ausgänge</source>
        <translation>Money out</translation>
    </message>
    <message>
        <source>Differenz</source>
        <translation>Difference</translation>
    </message>
</context>
<context>
    <name>tolva::DateField</name>
    <message>
        <source>offen</source>
        <translation>any</translation>
    </message>
    <message>
        <source>Kein gültiges Datum</source>
        <translation>Not a valid date</translation>
    </message>
    <message>
        <source>TMJ</source>
        <comment>the letters for day, month and year in a date pattern</comment>
        <translation>DMY</translation>
    </message>
    <message>
        <source>%1, leer: offen</source>
        <translation>%1, empty: any</translation>
    </message>
</context>
<context>
    <name>tolva::FrmArchiv</name>
    <message>
        <source>Konten</source>
        <translation>Accounts</translation>
    </message>
    <message>
        <source>Die angekreuzten Konten werden archiviert.</source>
        <translation>The checked accounts will be archived.</translation>
    </message>
    <message>
        <source>Alle Daten älter als</source>
        <translation>All data older than</translation>
    </message>
    <message>
        <source>Neues Passwort</source>
        <translation>New password</translation>
    </message>
    <message>
        <source>Neues Passwort zur Kontrolle</source>
        <translation>Confirm new password</translation>
    </message>
    <message>
        <source>Archivdatei</source>
        <translation>Archive file</translation>
    </message>
    <message>
        <source>Archiv-Pfad</source>
        <translation>Archive folder</translation>
    </message>
    <message>
        <source>Archive im Archiv-Pfad</source>
        <translation>Archives in the archive folder</translation>
    </message>
    <message>
        <source>Inhalt des gewählten Archivs</source>
        <translation>Contents of the selected archive</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation>Task</translation>
    </message>
    <message>
        <source>Datenbereich</source>
        <translation>Data range</translation>
    </message>
    <message>
        <source>Passwort</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Archivieren</source>
        <translation>Archiving</translation>
    </message>
    <message>
        <source>Archiv anzeigen</source>
        <translation>View archive</translation>
    </message>
    <message>
        <source> &amp;Zurück</source>
        <translation> &amp;Back</translation>
    </message>
    <message>
        <source> &amp;Weiter</source>
        <translation> &amp;Next</translation>
    </message>
    <message>
        <source> Abbrechen</source>
        <translation> Cancel</translation>
    </message>
    <message>
        <source>Der Archivierungsassistent unterstützt Sie beim Archivieren Ihrer Daten</source>
        <translation>The archiving wizard helps you archive your data</translation>
    </message>
    <message>
        <source>Hier können Sie ein Archiv erstellen oder Daten aus einem Archiv anzeigen</source>
        <translation>Here you can create an archive or view data from an archive</translation>
    </message>
    <message>
        <source>Was möchten Sie tun?</source>
        <translation>What would you like to do?</translation>
    </message>
    <message>
        <source>Archiv erstellen</source>
        <translation>Create an archive</translation>
    </message>
    <message>
        <source>Daten aus einem Archiv anzeigen</source>
        <translation>View data from an archive</translation>
    </message>
    <message>
        <source>Bitte geben Sie an, welcher Datenbereich archiviert werden soll.</source>
        <translation>Please choose which data to archive.</translation>
    </message>
    <message>
        <source>archivieren</source>
        <translation>will be archived</translation>
    </message>
    <message>
        <source>Archivierte Daten aus Benutzer-Datenbank unwiderruflich entfernen</source>
        <translation>Permanently remove archived data from the user database</translation>
    </message>
    <message>
        <source>ACHTUNG:</source>
        <translation>WARNING:</translation>
    </message>
    <message>
        <source>Datensicherung vor der Archivierung erstellen (empfohlen)</source>
        <translation>Make a backup before archiving (recommended)</translation>
    </message>
    <message>
        <source>&amp;Ändern …</source>
        <translation>&amp;Change…</translation>
    </message>
    <message>
        <source>Einen anderen Ort für die Datensicherung dieses Laufs wählen</source>
        <translation>Choose another place for this run&apos;s backup</translation>
    </message>
    <message>
        <source>Datenbank ohne Passwort archivieren</source>
        <translation>Archive the database without a password</translation>
    </message>
    <message>
        <source>Datenbank mit bestehendem Passwort archivieren</source>
        <translation>Archive the database with its current password</translation>
    </message>
    <message>
        <source>Datenbank mit neuem Passwort archivieren</source>
        <translation>Archive the database with a new password</translation>
    </message>
    <message>
        <source>zur Kontrolle</source>
        <translation>to confirm</translation>
    </message>
    <message>
        <source>Bitte geben Sie den Namen der Datei an in die archiviert werden soll:</source>
        <translation>Please enter the name of the file to archive into:</translation>
    </message>
    <message>
        <source>Durchsuchen</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>Bitte wählen Sie den Archiv-Pfad</source>
        <translation>Please choose the archive folder</translation>
    </message>
    <message>
        <source>Datenbank Passwort</source>
        <translation>Database password</translation>
    </message>
    <message>
        <source>Bitte geben Sie das Passwort ein!</source>
        <translation>Please enter the password!</translation>
    </message>
    <message>
        <source>Die beide Passwörte stimmen nicht überein!</source>
        <translation>The two passwords do not match!</translation>
    </message>
    <message>
        <source>Daten archivieren</source>
        <translation>Archive Data</translation>
    </message>
    <message>
        <source>Konto</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Sie haben keine Konten eingerichtet.</source>
        <translation>You have not set up any accounts.</translation>
    </message>
    <message>
        <source> Starten</source>
        <translation> Start</translation>
    </message>
    <message>
        <source>Pfad für Archiv</source>
        <translation>Folder for the archive</translation>
    </message>
    <message>
        <source> &amp;Anzeigen</source>
        <translation> &amp;View</translation>
    </message>
    <message>
        <source>Wählen Sie das gewünschte Archiv aus und klicken Sie auf &apos;Anzeigen&apos;.</source>
        <translation>Select the archive you want and click “View”.</translation>
    </message>
    <message>
        <source>Im gewählten Verzeichnis wurden keine Archiv-Dateien gefunden.</source>
        <translation>No archive files were found in the chosen folder.</translation>
    </message>
    <message>
        <source>Typen unverträglich</source>
        <translation>Type mismatch</translation>
    </message>
    <message>
        <source>Archivierte Daten können während der Archivierung auch aus der Datenbank entfernt werden.</source>
        <translation>Archived data can also be removed from the database while archiving.</translation>
    </message>
    <message>
        <source>Bitte wählen Sie das Passwort mit dem die Datenbank geschützt werden soll:</source>
        <translation>Please choose the password that will protect the database:</translation>
    </message>
    <message>
        <source>Ist diese Option aktiviert werden alle Ihre Umsätze, gesendete Aufträge und Sammelaufträge vor diesem Datum aus der aktuellen Datenbank unwiderruflich gelöscht!</source>
        <translation>If this option is on, all your transactions, sent orders and batch orders before this date are permanently deleted from the current database!</translation>
    </message>
    <message>
        <source>Ein Fehler ist aufgetreten:<byte value="xd"/>
%1</source>
        <translation>An error occurred:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Archiv:FormLoad</source>
        <translation>Archiving</translation>
    </message>
    <message>
        <source>%1 - Archivierung von Daten</source>
        <translation>%1 – Data Archiving</translation>
    </message>
    <message>
        <source>%1Assistent.atp nicht gefunden!</source>
        <translation>%1Assistent.atp not found!</translation>
    </message>
    <message>
        <source>Archivierungs-Assistent</source>
        <translation>Archiving Wizard</translation>
    </message>
    <message>
        <source>Archiv:Fertig</source>
        <translation>Archiving</translation>
    </message>
    <message>
        <source>Ungültiger Prozeduraufruf oder ungültiges Argument</source>
        <translation>Invalid procedure call or argument</translation>
    </message>
    <message>
        <source>Die Datei %1 existiert nicht!<byte value="xd"/>
Bitte eine existierende Datei auswählen.</source>
        <translation>The file %1 does not exist!<byte value="xd"/>
Please choose an existing file.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>tolva::PasswordDialog</name>
    <message>
        <source>Passwort</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Das Archiv %1 ist mit einem Passwort geschützt.</source>
        <translation>The archive %1 is protected with a password.</translation>
    </message>
    <message>
        <source>&amp;Passwort:</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <source>Das Passwort ist falsch.</source>
        <translation>The password is wrong.</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>tolva::PlanView</name>
    <message>
        <source>Übersicht: was archiviert wird</source>
        <translation>Overview: what will be archived</translation>
    </message>
    <message>
        <source>Bank und Konto</source>
        <translation>Bank and account</translation>
    </message>
    <message>
        <source>Umsätze</source>
        <translation>Transactions</translation>
    </message>
    <message>
        <source>Zusätze</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Offene</source>
        <translation>Pending</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Orders</translation>
    </message>
    <message>
        <source>Sammel</source>
        <translation>Batch</translation>
    </message>
    <message>
        <source>Umsatz-Zusätze</source>
        <translation>Transaction extras</translation>
    </message>
    <message>
        <source>Offene Umsätze</source>
        <translation>Pending transactions</translation>
    </message>
    <message>
        <source>Gesendete Aufträge</source>
        <translation>Sent orders</translation>
    </message>
    <message>
        <source>Sammelaufträge (in Klammern ihre Einzelaufträge)</source>
        <translation>Batch orders (their items in parentheses)</translation>
    </message>
    <message>
        <source>Stichtag:</source>
        <translation>Cut-off date:</translation>
    </message>
    <message>
        <source>Archivdatei:</source>
        <translation>Archive file:</translation>
    </message>
    <message>
        <source>Entfernen:</source>
        <translation>Remove:</translation>
    </message>
    <message>
        <source>Sicherung:</source>
        <translation>Backup:</translation>
    </message>
    <message>
        <source>(ohne Bank)</source>
        <translation>(no bank)</translation>
    </message>
    <message>
        <source>Zusammen</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>ja – die archivierten Daten werden aus der Datenbank gelöscht</source>
        <translation>yes – the archived data will be deleted from the database</translation>
    </message>
    <message>
        <source>nein – die Datenbank bleibt, wie sie ist</source>
        <translation>no – the database stays as it is</translation>
    </message>
    <message>
        <source>keine – ohne Datensicherung</source>
        <translation>none – no backup</translation>
    </message>
    <message>
        <source>Die Übersicht kann nicht gezählt werden: %1</source>
        <translation>The overview could not be counted: %1</translation>
    </message>
    <message>
        <source>alle Daten vor dem %1</source>
        <translation>all data before %1</translation>
    </message>
</context>
<context>
    <name>tolva::RestoreDialog</name>
    <message>
        <source>Fortschritt in Prozent</source>
        <translation>Progress in percent</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Aus dem Archiv „%1“ in die Datenbank „%2“</source>
        <translation>From the archive “%1” into the database “%2”</translation>
    </message>
    <message>
        <source>Sollen diese Einträge unter neuen Nummern zurückgeholt werden, neben den Einträgen, die ihre Nummern jetzt tragen?</source>
        <translation>Do you want to restore these entries under new numbers, beside the entries that carry their numbers now?</translation>
    </message>
    <message>
        <source>Die Daten wurden erfolgreich zurückgeholt.</source>
        <translation>The data was restored successfully.</translation>
    </message>
    <message>
        <source>Zurückholen beendet</source>
        <translation>Restore Finished</translation>
    </message>
    <message>
        <source>Archiv zurückholen</source>
        <translation>Restore Archive</translation>
    </message>
</context>
<context>
    <name>tolva::SearchHitModel</name>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Konto</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Betrag</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Empfänger / Verwendungszweck</source>
        <translation>Payee / reference</translation>
    </message>
</context>
<context>
    <name>tolva::SearchWindow</name>
    <message>
        <source>In allen Archiven suchen</source>
        <translation>Search in All Archives</translation>
    </message>
    <message>
        <source>&amp;Suchen:</source>
        <translation>&amp;Search:</translation>
    </message>
    <message>
        <source>in Empfänger und Verwendungszweck</source>
        <translation>in payee and reference</translation>
    </message>
    <message>
        <source>Suchen in allen Archiven</source>
        <translation>Search in all archives</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Treffer</source>
        <translation>Hits</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Geben Sie einen Text ein, der in Empfänger oder Verwendungszweck vorkommt.</source>
        <translation>Enter a text that occurs in the payee or the reference.</translation>
    </message>
    <message>
        <source>Durchsucht: %1 von %2 …</source>
        <translation>Searched: %1 of %2…</translation>
    </message>
    <message>
        <source>mit Passwort</source>
        <translation>with a password</translation>
    </message>
    <message>
        <source>nicht lesbar</source>
        <translation>not readable</translation>
    </message>
    <message>
        <source>Übersprungen: %1</source>
        <translation>Skipped: %1</translation>
    </message>
    <message>
        <source>1 Datei</source>
        <translation>1 file</translation>
    </message>
    <message>
        <source>%1 Dateien</source>
        <translation>%1 files</translation>
    </message>
    <message>
        <source>Durchsucht werden die Umsätze in der Datenbank %1 und allen Archiven im Ordner %2.</source>
        <translation>Searching the transactions in the database %1 and in all archives in the folder %2.</translation>
    </message>
    <message>
        <source>Durchsucht werden die Umsätze in der Datenbank %1.</source>
        <translation>Searching the transactions in the database %1.</translation>
    </message>
    <message>
        <source>Durchsucht werden die Umsätze in allen Archiven im Ordner %1.</source>
        <translation>Searching the transactions in all archives in the folder %1.</translation>
    </message>
    <message>
        <source>Keine Treffer in %1.</source>
        <translation>No hits in %1.</translation>
    </message>
    <message>
        <source>%1 Treffer in %2 (nur die neuesten %1 werden gezeigt).</source>
        <translation>%1 hits in %2 (only the newest %1 are shown).</translation>
    </message>
    <message>
        <source>%1 Treffer in %2.</source>
        <comment>exactly one</comment>
        <translation>%1 hit in %2.</translation>
    </message>
    <message>
        <source>%1 Treffer in %2.</source>
        <translation>%1 hits in %2.</translation>
    </message>
</context>
<context>
    <name>tolva::SuiTabs</name>
    <message>
        <source>Schritte</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>Schritt %1 von %2: %3</source>
        <translation>Step %1 of %2: %3</translation>
    </message>
</context>
</TS>
