<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
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
        <translation>Total up to here: the transactions shown, added up in date order down to this row; with several accounts, their combined total. The archive knows no opening balance: the total starts at €0.00 with the first transaction shown and is not the account's balance at the bank.</translation>
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
        <translation>Save as &amp;CSV…</translation>
    </message>
    <message>
        <source>&amp;Drucken …</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>Als &amp;PDF speichern …</source>
        <translation>Save as P&amp;DF…</translation>
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
        <comment>exactly one</comment>
        <translation>%1 transaction from %2 to %3, total %4</translation>
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
        <comment>exactly one</comment>
        <translation>%1 transaction, total %2</translation>
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
        <source>TMJ</source>
        <comment>the letters for day, month and year in a date pattern</comment>
        <translation>DMY</translation>
    </message>
    <message>
        <source>offen</source>
        <translation>any</translation>
    </message>
    <message>
        <source>Kein gültiges Datum</source>
        <translation>Not a valid date</translation>
    </message>
    <message>
        <source>%1, leer: offen</source>
        <translation>%1, empty: any</translation>
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
    <name>tolva::RestoreDialog</name>
    <message>
        <source>Archiv zurückholen</source>
        <translation>Restore Archive</translation>
    </message>
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
        <source>1 Datei</source>
        <translation>1 file</translation>
    </message>
    <message>
        <source>%1 Dateien</source>
        <translation>%1 files</translation>
    </message>
    <message>
        <source>Durchsucht werden die Umsätze in der Datenbank %1 und allen Archiven im Ordner %2.</source>
        <translation>Searches the transactions in the database %1 and in all archives in the folder %2.</translation>
    </message>
    <message>
        <source>Durchsucht werden die Umsätze in der Datenbank %1.</source>
        <translation>Searches the transactions in the database %1.</translation>
    </message>
    <message>
        <source>Durchsucht werden die Umsätze in allen Archiven im Ordner %1.</source>
        <translation>Searches the transactions in all archives in the folder %1.</translation>
    </message>
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
</context>
</TS>
