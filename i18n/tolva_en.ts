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
    <name>FileDialogs</name>
    <message>
        <source>Archive (*.aba)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1-Dateien (*.%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::AccountMappingDialog</name>
    <message>
        <source>Konten zuordnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Archiv enthält Einträge von Konten, die es selbst nicht enthält; es wurde vor der Version angelegt, die jedes Konto mitspeichert. Zu welchem Konto der Datenbank diese Einträge gehören, lässt sich nicht sicher sagen.

Wählen Sie für jedes Konto, wohin seine Einträge zurückgeholt werden, oder lassen Sie sie im Archiv.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nicht zurückholen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (Nummer %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konto %1 im Archiv (%2 %3):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zurückholen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::BookingModel</name>
    <message>
        <source>Konto %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summe bis hier: die gezeigten Umsätze in Datumsfolge bis zu dieser Zeile zusammengezählt, bei mehreren Konten ihre gemeinsame Summe. Das Archiv kennt keinen Anfangssaldo; die Summe beginnt mit dem ersten gezeigten Umsatz bei 0,00 € und ist nicht der Kontostand bei der Bank.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betrag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saldo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empfänger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verwendungszweck</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::BrowserWindow</name>
    <message>
        <source>Archiv %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archiv %1 – Prüfung läuft …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Siegel in Ordnung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ohne Siegel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>beschädigt: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Archiv ist nicht mehr so, wie es geschrieben wurde: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nicht lesbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Archiv ist nicht vollständig lesbar: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nicht geprüft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Siegel wurde nicht geprüft: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archiv %1 – %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 Zeilen laut Siegel, %3 gelesen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Suchen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in Empfänger und Verwendungszweck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suchen in Empfänger und Verwendungszweck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;In allen Archiven suchen …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sucht den Text in der Datenbank und in allen Archiven des Ordners %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>offen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Umsätze vom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Umsätze bis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betrag ab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betrag bis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betrag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Umsätze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empfänger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verwendungszweck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gesendete Aufträge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausführung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einzelaufträge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bezeichnung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sammelaufträge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Umsätze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aufträge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;mmelaufträge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verlauf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Als &amp;CSV speichern …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drucken …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Als &amp;PDF speichern …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zurückholen …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holt die Daten des gewählten Kontos (bei „Alle Konten“: alle Daten) zurück in die Datenbank %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle Konten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(ohne Bank)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Umsätze vom %2 bis %3, Summe %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konto %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Umsätze, Summe %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 existiert bereits. Soll sie ersetzt werden?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::ChartTab</name>
    <message>
        <source>Jahre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingänge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausgänge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Differenz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Verlauf kann nicht berechnet werden: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::ChartWidget</name>
    <message>
        <source>Eingänge und Ausgänge je Monat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wird berechnet …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Umsätze für diese Auswahl.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Umsatz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Umsätze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2
Eingänge %3
Ausgänge %4
Differenz %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingänge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausgänge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Differenz</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::DateField</name>
    <message>
        <source>offen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein gültiges Datum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TT.MM.JJJJ, leer: offen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::FrmArchiv</name>
    <message>
        <source>Konten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die angekreuzten Konten werden archiviert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle Daten älter als</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neues Passwort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neues Passwort zur Kontrolle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archivdatei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archiv-Pfad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive im Archiv-Pfad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inhalt des gewählten Archivs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datenbereich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archivieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archiv anzeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> &amp;Zurück</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> &amp;Weiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Archivierungsassistent unterstützt Sie beim Archivieren Ihrer Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hier können Sie ein Archiv erstellen oder Daten aus einem Archiv anzeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Was möchten Sie tun?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archiv erstellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daten aus einem Archiv anzeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte geben Sie an, welcher Datenbereich archiviert werden soll.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>archivieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archivierte Daten aus Benutzer-Datenbank unwiderruflich entfernen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACHTUNG:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datensicherung vor der Archivierung erstellen (empfohlen)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ändern …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einen anderen Ort für die Datensicherung dieses Laufs wählen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datenbank ohne Passwort archivieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datenbank mit bestehendem Passwort archivieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datenbank mit neuem Passwort archivieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zur Kontrolle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte geben Sie den Namen der Datei an in die archiviert werden soll:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Durchsuchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte wählen Sie den Archiv-Pfad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datenbank Passwort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte geben Sie das Passwort ein!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die beide Passwörte stimmen nicht überein!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daten archivieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein Fehler ist aufgetreten:<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Archivierung von Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assistent.atp nicht gefunden!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sie haben keine Konten eingerichtet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Starten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pfad für Archiv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> &amp;Anzeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wählen Sie das gewünschte Archiv aus und klicken Sie auf &apos;Anzeigen&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Im gewählten Verzeichnis wurden keine Archiv-Dateien gefunden.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::PasswordDialog</name>
    <message>
        <source>Passwort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Archiv %1 ist mit einem Passwort geschützt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Passwort:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Passwort ist falsch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ö&amp;ffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::PlanView</name>
    <message>
        <source>Übersicht: was archiviert wird</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank und Konto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Umsätze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zusätze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sammel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Umsatz-Zusätze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offene Umsätze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gesendete Aufträge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sammelaufträge (in Klammern ihre Einzelaufträge)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichtag:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archivdatei:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entfernen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sicherung:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(ohne Bank)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zusammen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Übersicht kann nicht gezählt werden: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alle Daten vor dem </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ja – die archivierten Daten werden aus der Datenbank gelöscht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nein – die Datenbank bleibt, wie sie ist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine – ohne Datensicherung</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::RestoreDialog</name>
    <message>
        <source>Fortschritt in Prozent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aus dem Archiv „%1“ in die Datenbank „%2“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sollen diese Einträge unter neuen Nummern zurückgeholt werden, neben den Einträgen, die ihre Nummern jetzt tragen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Daten wurden erfolgreich zurückgeholt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zurückholen beendet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::SearchHitModel</name>
    <message>
        <source>Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betrag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empfänger / Verwendungszweck</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::SearchWindow</name>
    <message>
        <source>In allen Archiven suchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Suchen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in Empfänger und Verwendungszweck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suchen in allen Archiven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>der Datenbank %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>allen Archiven im Ordner %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Durchsucht werden die Umsätze in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> und </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Treffer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geben Sie einen Text ein, der in Empfänger oder Verwendungszweck vorkommt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Durchsucht: %1 von %2 …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Treffer in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Treffer in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (nur die neuesten %1 werden gezeigt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mit Passwort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nicht lesbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Übersprungen: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::SuiTabs</name>
    <message>
        <source>Schritte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schritt %1 von %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
