<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
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
    <name>SearchCommand</name>
    <message>
        <source>Sucht einen Text in den Umsätzen der Benutzer-Datenbank und aller Archive (ohne Unterschied von Groß- und Kleinschreibung und Umlauten).</source>
        <translation>Searches the transactions of the user database and of every archive for a text (ignoring case and umlauts).</translation>
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
        <translation>--sort takes datum, konto, betrag, empfaenger or zweck.</translation>
    </message>
    <message>
        <source>Erste Seite %1 ms</source>
        <translation>First screen %1 ms</translation>
    </message>
    <message>
        <source>, Stück %1 (Mitte) %2 ms</source>
        <translation>, piece %1 (middle) %2 ms</translation>
    </message>
    <message>
        <source>, Stück %1 %2 ms</source>
        <translation>, piece %1 %2 ms</translation>
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
        <translation>sorts by datum (date, the default), konto (account), betrag (amount), empfaenger (payee) or zweck (reference)</translation>
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
        <translation>reports on stderr how long the first screen and loading the 2nd, the 10th and the middle piece of the list took</translation>
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
One line per archive: “OK”, “without seal (N rows readable)” (an archive from before seals), what differs, “unreadable: …” or “not checked: …”.
Status: 0 all OK, 1 not all checked (password missing or wrong) or an error, 2 wrong usage, 3 readable but without seal, 4 damaged or unreadable.
With --salvage NEW.aba (one ARCHIVE): salvages what can still be read from the archive into a new archive with its own seal and names the salvaged and the lost rows per table. The damaged archive stays unchanged. Status: 0 nothing lost, 5 new archive written but rows lost, 6 nothing written, 1 password missing or wrong.</translation>
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
        <translation>the password tried on every archive that has one; “-”: the first line of standard input (TEXT is visible to other users; better --password-file or --password -). Without either, archives with a password are not checked.</translation>
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
        <translation>Give either ARCHIVE... or --folder FOLDER.</translation>
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
</TS>
