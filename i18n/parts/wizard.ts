<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
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
    <name>HbArchiv</name>
    <message>
        <source>Archivierungs-Assistent</source>
        <translation>Archiving wizard</translation>
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
    <name>WindowApi</name>
    <message>
        <source>Archiv</source>
        <translation>Archive</translation>
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
    <name>tolva::FrmArchiv</name>
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
        <source>Archivdatei</source>
        <translation>Archive file</translation>
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
        <source>Ist diese Option aktiviert werden alle Ihre Umsätze, gesendete Aufträge und Sammelaufträge vor diesem Datum aus der aktuellen Datenbank unwiderruflich gelöscht!</source>
        <translation>If this option is on, all your transactions, sent orders and batch orders before this date are permanently deleted from the current database!</translation>
    </message>
    <message>
        <source>Typen unverträglich</source>
        <translation>Type mismatch</translation>
    </message>
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
        <source>Archivierte Daten können während der Archivierung auch aus der Datenbank entfernt werden.</source>
        <translation>Archived data can also be removed from the database while archiving.</translation>
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
        <source>Bitte wählen Sie das Passwort mit dem die Datenbank geschützt werden soll:</source>
        <translation>Please choose the password that will protect the database:</translation>
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
        <translation>Archive data</translation>
    </message>
    <message>
        <source>Ein Fehler ist aufgetreten:<byte value="xd"/>
%1</source>
        <translation>An error occurred:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Archiv:FormLoad</source>
        <translation>Archive:FormLoad</translation>
    </message>
    <message>
        <source>%1 - Archivierung von Daten</source>
        <translation>%1 - Data archiving</translation>
    </message>
    <message>
        <source>%1Assistent.atp nicht gefunden!</source>
        <translation>%1Assistent.atp not found!</translation>
    </message>
    <message>
        <source>Archivierungs-Assistent</source>
        <translation>Archiving wizard</translation>
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
        <source>Archiv:Fertig</source>
        <translation>Archive:Done</translation>
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
        <source>Pfad für Archiv</source>
        <translation>Folder for the archive</translation>
    </message>
    <message>
        <source> &amp;Anzeigen</source>
        <translation> &amp;View</translation>
    </message>
    <message>
        <source>Wählen Sie das gewünschte Archiv aus und klicken Sie auf &apos;Anzeigen&apos;.</source>
        <translation>Select the archive you want and click &apos;View&apos;.</translation>
    </message>
    <message>
        <source>Im gewählten Verzeichnis wurden keine Archiv-Dateien gefunden.</source>
        <translation>No archive files were found in the chosen folder.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
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
        <translation>Batch orders (in brackets: their items)</translation>
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
        <source>Die Übersicht kann nicht gezählt werden: %1</source>
        <translation>The overview could not be counted: %1</translation>
    </message>
    <message>
        <source>alle Daten vor dem %1</source>
        <translation>all data before %1</translation>
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
