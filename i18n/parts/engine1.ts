<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>AccountRows</name>
    <message>
        <source>Die Tabelle Konten hat nicht die erwarteten Felder.</source>
        <translation>The table Konten does not have the expected fields.</translation>
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
        <translation>%1 of %2</translation>
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
    <message>
        <source>%1 Umsätze des Kontos %2 archiviert</source>
        <translation>%1 transactions of account %2 archived</translation>
    </message>
    <message>
        <source>%1 gesendete Aufträge archiviert</source>
        <translation>%1 sent orders archived</translation>
    </message>
    <message>
        <source>Die Tabelle SammelAufträge ist unvollständig.</source>
        <translation>The table SammelAufträge is incomplete.</translation>
    </message>
    <message>
        <source>%1 gesendete Sammelaufträge mit %2 Einzelaufträge archiviert</source>
        <translation>%1 sent batch orders with %2 items archived</translation>
    </message>
    <message>
        <source>%1 Kategorien archiviert</source>
        <translation>%1 categories archived</translation>
    </message>
    <message>
        <source>%1 Empfänger archiviert</source>
        <translation>%1 payees archived</translation>
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
        <translation>The archive template &quot;%1&quot; was not found.</translation>
    </message>
    <message>
        <source>Die Archivdatei</source>
        <translation>The archive file</translation>
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
        <translation>While removing from the user database, &quot;%1&quot; would have changed %2 entries instead of %3.</translation>
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
    <name>CreatePath</name>
    <message>
        <source>Ungültiger Pfad: &quot;%1&quot; beginnt nicht beim Wurzelverzeichnis.</source>
        <translation>Invalid path: &quot;%1&quot; does not start at the root folder.</translation>
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
    <message>
        <source>mit %1 Einzelaufträgen</source>
        <translation>with %1 items</translation>
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
        <source>Die Datei „%1“ gibt es bereits; eine Demo-Datenbank wird nur als neue Datei angelegt.</source>
        <translation>The file “%1” already exists; a demo database is only created as a new file.</translation>
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
    <name>Keying</name>
    <message>
        <source>Die Datenbank ist nicht geöffnet.</source>
        <translation>The database is not open.</translation>
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
    <name>RunArchive</name>
    <message>
        <source>Archiv:Fertig</source>
        <translation>Archive Done</translation>
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
    <message>
        <source>Die archivierten Daten werden aus der Datenbank entfernt, ohne dass vorher eine Datensicherung erstellt wird.<byte value="xd"/>
%1 Umsätze werden damit unwiderruflich gelöscht.<byte value="xd"/>
<byte value="xd"/>
Ohne Datensicherung fortfahren?</source>
        <translation>The archived data will be removed from the database without a backup being made first.<byte value="xd"/>
%1 transactions will be deleted for good.<byte value="xd"/>
<byte value="xd"/>
Continue without a backup?</translation>
    </message>
    <message>
        <source>Die archivierten Daten werden aus der Datenbank entfernt, ohne dass vorher eine Datensicherung erstellt wird.<byte value="xd"/>
Alle archivierten Umsätze werden damit unwiderruflich gelöscht.<byte value="xd"/>
<byte value="xd"/>
Ohne Datensicherung fortfahren?</source>
        <translation>The archived data will be removed from the database without a backup being made first.<byte value="xd"/>
All archived transactions will be deleted for good.<byte value="xd"/>
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
        <translation>The file name &quot;%1&quot; contains no folder.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist ein Ordner und kann kein Archiv aufnehmen.</source>
        <translation>&quot;%1&quot; is a folder and cannot hold an archive.</translation>
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
    <name>Survey</name>
    <message>
        <source>Die Abfrage „%1“ gibt keine Zeile zurück.</source>
        <translation>The query “%1” returns no row.</translation>
    </message>
    <message>
        <source>Die Kontenliste des Assistenten fehlt.</source>
        <translation>The wizard&apos;s account list is missing.</translation>
    </message>
    <message>
        <source>Es wurden Daten für %1 Institut(e) und 1 Konto( gefunden.<byte value="xd"/>
Um die Daten zu archivieren, klicken Sie auf &apos;Starten&apos;</source>
        <translation>Data was found for %1 bank(s) and 1 account.<byte value="xd"/>
To archive the data, click &apos;Start&apos;</translation>
    </message>
    <message>
        <source>Es wurden Daten für %1 Institut(e) und %2 Konten gefunden.<byte value="xd"/>
Um die Daten zu archivieren, klicken Sie auf &apos;Starten&apos;</source>
        <translation>Data was found for %1 bank(s) and %2 accounts.<byte value="xd"/>
To archive the data, click &apos;Start&apos;</translation>
    </message>
    <message>
        <source>Es wurden keine Daten vor dem %1 gefunden.</source>
        <translation>No data before %1 was found.</translation>
    </message>
</context>
<context>
    <name>TableChecksum</name>
    <message>
        <source>Die Tabelle %1 fehlt in der Datenbank.</source>
        <translation>The table %1 is missing from the database.</translation>
    </message>
</context>
</TS>
