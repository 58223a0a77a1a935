<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CodeTabellen</name>
    <message>
        <source>Rechnung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lieferschein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gutschrift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angebot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Überweisung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bankeinzug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kreditkarte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scheck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gespeichert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gedruckt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bezahlt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fertig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storniert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schulung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Produkte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunde1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunde2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunde3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dienstleistung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kosten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sonstiges</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormatedDateTimeDelegate</name>
    <message>
        <source>Date not set</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Kunden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintPreview</name>
    <message>
        <source>Vorschau</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Datenbank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datenbank konnte nicht geöffnet werden:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle Aufträge löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wollen sie wirklich unwiderruflich alle Aufträge löschen?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Steuer</name>
    <message>
        <source>Summe: %1 € ( %2 € )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summe: %1 €</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
