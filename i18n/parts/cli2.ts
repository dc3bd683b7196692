<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
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
</context>
<context>
    <name>CancelOnSignals</name>
    <message>
        <source>Signal %1</source>
        <translation>signal %1</translation>
    </message>
    <message>
        <source>Der Lauf wurde abgebrochen. Die Benutzer-Datenbank ist unverändert.</source>
        <translation>The run was cancelled. The user database is unchanged.</translation>
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
        <translation>Invalid account number &quot;%1&quot; in --accounts.</translation>
    </message>
    <message>
        <source>--accounts nennt kein Konto.</source>
        <translation>--accounts names no account.</translation>
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
        <translation>Archive data</translation>
    </message>
    <message>
        <source>Lauf: %1 ms, davon Siegel: %2 ms</source>
        <translation>Run: %1 ms, of which the seal: %2 ms</translation>
    </message>
    <message>
        <source>Erstellt ein Archiv, wie &quot;Starten&quot; im Assistenten.</source>
        <translation>Creates an archive, like &quot;Start&quot; in the wizard.</translation>
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
        <source>DATEI</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>das Archiv (&quot;.aba&quot; wird angehängt, wenn es fehlt)</source>
        <translation>the archive (&quot;.aba&quot; is added when it is missing)</translation>
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
        <translation>tells on standard error how long the run, and the seal within it, took</translation>
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
        <translation>Made in %1 s</translation>
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
        <translation>creates an archive (like &quot;Start&quot; in the wizard)</translation>
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
(made the first time).

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
&quot;tolva-archiv help COMMAND&quot; or &quot;tolva-archiv COMMAND --help&quot; shows the options of a command.
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
        <source>PFAD</source>
        <translation>PATH</translation>
    </message>
    <message>
        <source>die Benutzer-Datenbank</source>
        <translation>the user database</translation>
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
        <translation>would restore</translation>
    </message>
    <message>
        <source>zurückgeholt</source>
        <translation>were restored</translation>
    </message>
    <message>
        <source>schon da</source>
        <translation>already there</translation>
    </message>
    <message>
        <source>seitdem geändert</source>
        <translation>changed since then</translation>
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
        <source>PFAD</source>
        <translation>PATH</translation>
    </message>
    <message>
        <source>die Benutzer-Datenbank</source>
        <translation>the user database</translation>
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
        <translation>The restore was cancelled. The user database is unchanged.</translation>
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
    <name>SurveyCommand</name>
    <message>
        <source>Zeigt, welche Konten Daten vor dem Stichtag haben (wie Seite 5 des Assistenten).</source>
        <translation>Shows which accounts have data before the cut-off date (like page 5 of the wizard).</translation>
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
        <source>nur diese Konten (sonst alle)</source>
        <translation>only these accounts (else all)</translation>
    </message>
    <message>
        <source>gibt das Ergebnis als JSON aus</source>
        <translation>prints the result as JSON</translation>
    </message>
    <message>
        <source>nennt auf stderr, wie lange Suche und Übersicht gedauert haben</source>
        <translation>tells on stderr how long the search and the summary took</translation>
    </message>
    <message>
        <source>Suche %1 ms, Übersicht %2 ms</source>
        <translation>Search %1 ms, summary %2 ms</translation>
    </message>
    <message>
        <source>Konto-ID	Konto	Bank	Umsätze	Zusätze	Offene	Aufträge	Sammelaufträge	Einzelaufträge</source>
        <translation>Account ID	Account	Bank	Transactions	Supplements	Pending	Orders	Batch orders	Items</translation>
    </message>
    <message>
        <source>Zusammen</source>
        <translation>Total</translation>
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
</TS>
