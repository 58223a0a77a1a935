<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AuftragsAktionen</name>
    <message>
        <source>Anzeigen</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Kunden anzeigen</source>
        <translation>Show customer</translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>als PDF speichern</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>XML speichern</source>
        <translation>Save XML</translation>
    </message>
    <message>
        <source>als Email senden</source>
        <translation>Send as e-mail</translation>
    </message>
    <message>
        <source>Rechnung aus Angebot erstellen</source>
        <translation>Create invoice from offer</translation>
    </message>
    <message>
        <source>Gutschrift aus Rechnung erstellen</source>
        <translation>Create credit note from invoice</translation>
    </message>
    <message>
        <source>Kundendaten anzeigen</source>
        <translation>Show customer data</translation>
    </message>
    <message>
        <source>Zahlungen…</source>
        <translation>Payments…</translation>
    </message>
    <message>
        <source>Mahnen…</source>
        <translation>Send reminder…</translation>
    </message>
</context>
<context>
    <name>AuftragsDialog</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Auftragsart</source>
        <translation>Service kind</translation>
    </message>
    <message>
        <source>Zahlungsart</source>
        <translation>Payment</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>BestellNr</source>
        <translation>Order ref.</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>Bemerkung</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>Neue Rechnung</source>
        <translation>New invoice</translation>
    </message>
    <message>
        <source>Neuer Auftrag</source>
        <translation>New order</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Auftrag speichern</source>
        <translation>Save order</translation>
    </message>
    <message>
        <source>Der Auftrag konnte nicht gespeichert werden und wurde nicht gedruckt.</source>
        <translation>The order could not be saved and was not printed.</translation>
    </message>
    <message>
        <source>Innergemeinschaftliche Lieferung: für die elektronische Rechnung fehlt %1.</source>
        <translation>Intra-community supply: %1 is missing for the electronic invoice.</translation>
    </message>
    <message>
        <source> und </source>
        <translation> and </translation>
    </message>
    <message>
        <source>leer: die Rechnungsanschrift</source>
        <translation>empty: the billing address</translation>
    </message>
    <message>
        <source>Lieferanschrift</source>
        <translation>Delivery address</translation>
    </message>
</context>
<context>
    <name>AuftragsEditor</name>
    <message>
        <source>Aktualisieren</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Von</source>
        <translation>From</translation>
    </message>
    <message>
        <source>Bis</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Auftrag löschen</source>
        <translation>Delete order</translation>
    </message>
    <message>
        <source>Wollen Sie diesen Auftrag wirklich permanent löschen?</source>
        <translation>Do you really want to delete this order permanently?</translation>
    </message>
    <message>
        <source>Der Auftrag konnte nicht gelöscht werden.</source>
        <translation>The order could not be deleted.</translation>
    </message>
    <message>
        <source>Aufträge exportieren</source>
        <translation>Export orders</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Orders</translation>
    </message>
    <message>
        <source>offen</source>
        <translation>open</translation>
    </message>
    <message>
        <source>überfällig</source>
        <translation>overdue</translation>
    </message>
    <message>
        <source>Alle Arten</source>
        <translation>All types</translation>
    </message>
    <message>
        <source>Jeder Status</source>
        <translation>Any status</translation>
    </message>
    <message>
        <source>Suche: Nummer, Kunde, Betrag</source>
        <translation>Search: number, customer, amount</translation>
    </message>
    <message numerus="yes">
        <source>%n Aufträge: netto %1, brutto %2, offen %3</source>
        <translation>
            <numerusform>%n order: net %1, gross %2, open %3</numerusform>
            <numerusform>%n orders: net %1, gross %2, open %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Offen %1, überfällig %2</source>
        <translation>Open %1, overdue %2</translation>
    </message>
</context>
<context>
    <name>AuftragsListe</name>
    <message>
        <source>%1 €</source>
        <translation>%1 €</translation>
    </message>
    <message>
        <source>Status setzen</source>
        <translation>Set status</translation>
    </message>
    <message>
        <source>Der Status des Auftrags konnte nicht gespeichert werden.</source>
        <translation>The status of the order could not be saved.</translation>
    </message>
</context>
<context>
    <name>AuftragsListenModell</name>
    <message>
        <source>Die Tabelle %1 fehlt.</source>
        <translation>The table %1 is missing.</translation>
    </message>
</context>
<context>
    <name>Ausstellung</name>
    <message>
        <source>Ausgestellt am %1 — Korrekturen nur über eine Gutschrift</source>
        <translation>Issued on %1 — corrections only by a credit note</translation>
    </message>
</context>
<context>
    <name>BelegPdf</name>
    <message>
        <source>Die Rechnung wurde als einfache PDF-Datei geschrieben, nicht als elektronische Rechnung (Factur-X), denn es fehlt:
- %1

Bitte ergänzen Sie die Einstellungen oder den Kunden und speichern Sie die Rechnung erneut.</source>
        <translation>The invoice was written as a plain PDF file, not as an electronic invoice (Factur-X), because the following is missing:
- %1

Please complete the settings or the customer and save the invoice again.</translation>
    </message>
    <message>
        <source>Nur Rechnungen und Gutschriften sind elektronische Rechnungen.</source>
        <translation>Only invoices and credit notes are electronic invoices.</translation>
    </message>
    <message>
        <source>Es fehlt:
- %1</source>
        <translation>Missing:
- %1</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden.</source>
        <translation>The file %1 could not be written.</translation>
    </message>
</context>
<context>
    <name>Belegbetraege</name>
    <message>
        <source>Steuerfreie innergemeinschaftliche Lieferung (§ 4 Nr. 1b UStG)</source>
        <translation>Steuerfreie innergemeinschaftliche Lieferung (§ 4 Nr. 1b UStG)</translation>
    </message>
    <message>
        <source>Steuerschuldnerschaft des Leistungsempfängers</source>
        <translation>Steuerschuldnerschaft des Leistungsempfängers</translation>
    </message>
    <message>
        <source>Steuerfreie Ausfuhrlieferung (§ 4 Nr. 1a UStG)</source>
        <translation>Steuerfreie Ausfuhrlieferung (§ 4 Nr. 1a UStG)</translation>
    </message>
    <message>
        <source>Nicht im Inland steuerbare Leistung</source>
        <translation>Nicht im Inland steuerbare Leistung</translation>
    </message>
    <message>
        <source>Gemäß § 19 UStG wird keine Umsatzsteuer berechnet.</source>
        <translation>Gemäß § 19 UStG wird keine Umsatzsteuer berechnet.</translation>
    </message>
    <message>
        <source>Steuerfrei nach § 4 Nr. 21 UStG</source>
        <translation>Steuerfrei nach § 4 Nr. 21 UStG</translation>
    </message>
    <message>
        <source>Nicht steuerbarer Innenumsatz</source>
        <translation>Nicht steuerbarer Innenumsatz</translation>
    </message>
    <message>
        <source>Exonération de TVA, article 262 ter I du CGI</source>
        <translation>Exonération de TVA, article 262 ter I du CGI</translation>
    </message>
    <message>
        <source>Autoliquidation</source>
        <translation>Autoliquidation</translation>
    </message>
    <message>
        <source>Exonération de TVA, article 262 I du CGI</source>
        <translation>Exonération de TVA, article 262 I du CGI</translation>
    </message>
    <message>
        <source>TVA non applicable, art. 259-1 du CGI</source>
        <translation>TVA non applicable, art. 259-1 du CGI</translation>
    </message>
    <message>
        <source>TVA non applicable, art. 293 B du CGI</source>
        <translation>TVA non applicable, art. 293 B du CGI</translation>
    </message>
    <message>
        <source>Exonération de TVA, article 261-4-4° a du CGI</source>
        <translation>Exonération de TVA, article 261-4-4° a du CGI</translation>
    </message>
    <message>
        <source>Opération interne, hors du champ de la TVA</source>
        <translation>Opération interne, hors du champ de la TVA</translation>
    </message>
</context>
<context>
    <name>Betrag</name>
    <message>
        <source>%1 €</source>
        <translation>%1 €</translation>
    </message>
</context>
<context>
    <name>BetragFeld</name>
    <message numerus="yes">
        <source>Bitte eine Zahl mit höchstens %n Nachkommastelle(n) eingeben, mit Komma oder Punkt, ohne Tausenderpunkte (z. B. %1).</source>
        <translation>
            <numerusform>Please enter a number with at most %n decimal, with a comma or a point, without thousands separators (e.g. %1).</numerusform>
            <numerusform>Please enter a number with at most %n decimals, with a comma or a point, without thousands separators (e.g. %1).</numerusform>
        </translation>
    </message>
    <message>
        <source>Bitte eine Zahl von %1 bis %2 eingeben.</source>
        <translation>Please enter a number from %1 to %2.</translation>
    </message>
</context>
<context>
    <name>CiiAufbau</name>
    <message>
        <source>Frankreich</source>
        <translation>Frankreich</translation>
    </message>
    <message>
        <source>Rechnungsnummer (der Auftrag ist noch nicht gespeichert)</source>
        <translation>Invoice number (the order has not been saved yet)</translation>
    </message>
    <message>
        <source>Rechnungsdatum</source>
        <translation>Invoice date</translation>
    </message>
    <message>
        <source>mindestens eine Position</source>
        <translation>at least one line item</translation>
    </message>
    <message>
        <source>Name der Firma (Einstellungen, Firma)</source>
        <translation>Company name (Settings, Company)</translation>
    </message>
    <message>
        <source>Land der Firma</source>
        <translation>Company country</translation>
    </message>
    <message>
        <source>USt-IdNr. der Firma (Einstellungen, Firma)</source>
        <translation>Company VAT ID (Settings, Company)</translation>
    </message>
    <message>
        <source>Name oder Firma des Kunden</source>
        <translation>Customer name or company</translation>
    </message>
    <message>
        <source>Land des Kunden</source>
        <translation>Customer country</translation>
    </message>
    <message>
        <source>Land des Kunden (&quot;%1&quot; ist kein bekanntes Land)</source>
        <translation>Customer country (&quot;%1&quot; is not a known country)</translation>
    </message>
    <message>
        <source>USt-IdNr. des Kunden</source>
        <translation>Customer VAT ID</translation>
    </message>
    <message>
        <source>IBAN der Firma (Zahlung per Überweisung)</source>
        <translation>Company IBAN (payment by bank transfer)</translation>
    </message>
    <message>
        <source>USt-IdNr. oder SIREN/Registernummer der Firma (Einstellungen, Firma)</source>
        <translation>Company VAT ID or SIREN/registration number (Settings, Company)</translation>
    </message>
    <message>
        <source>getrennte Rechnungen für nicht steuerbare und andere Positionen</source>
        <translation>separate invoices for lines outside the scope of VAT and other lines</translation>
    </message>
    <message>
        <source>Kreditkarte</source>
        <translation>Credit card</translation>
    </message>
    <message>
        <source>EC-Karte</source>
        <translation>Debit card</translation>
    </message>
    <message>
        <source>USt-IdNr. oder Steuernummer der Firma (Einstellungen, Firma)</source>
        <translation>Company VAT ID or tax number (Settings, Company)</translation>
    </message>
    <message>
        <source>SIREN der Firma, 9 Ziffern (Einstellungen, Firma)</source>
        <translation>Company SIREN, 9 digits (Settings, Company)</translation>
    </message>
    <message>
        <source>Mahntext mit Verzugszinsen, Pauschale von 40 € und Skonto (Einstellungen, Rechnung)</source>
        <translation>Reminder text with late payment interest, the fixed recovery fee of 40 € and the early payment discount (Settings, Invoice)</translation>
    </message>
    <message>
        <source>SIREN oder E-Rechnungsadresse des Kunden</source>
        <translation>Customer SIREN or e-invoicing address</translation>
    </message>
    <message>
        <source>E-Rechnungsadresse oder E-Mail des Kunden</source>
        <translation>Customer e-invoicing address or email</translation>
    </message>
    <message>
        <source>die Rechnung, die die Gutschrift berichtigt</source>
        <translation>the invoice that the credit note corrects</translation>
    </message>
    <message>
        <source>Telefon der Firma (Einstellungen, Firma)</source>
        <translation>Company phone (Settings, Company)</translation>
    </message>
    <message>
        <source>Email der Firma (Einstellungen, Firma)</source>
        <translation>Company email (Settings, Company)</translation>
    </message>
    <message>
        <source>PLZ und Ort der Firma (Einstellungen, Firma)</source>
        <translation>Company postcode and town (Settings, Company)</translation>
    </message>
    <message>
        <source>PLZ und Ort des Kunden</source>
        <translation>Customer postcode and town</translation>
    </message>
    <message>
        <source>PLZ und Ort der Lieferanschrift</source>
        <translation>Postcode and town of the delivery address</translation>
    </message>
    <message>
        <source>IBAN des Kunden (Zahlung per Bankeinzug)</source>
        <translation>Customer IBAN (payment by direct debit)</translation>
    </message>
    <message>
        <source>Gläubiger-ID der Firma (Einstellungen, Firma; Zahlung per Bankeinzug)</source>
        <translation>Company SEPA creditor ID (Settings, Company; payment by direct debit)</translation>
    </message>
</context>
<context>
    <name>CodeTabellen</name>
    <message>
        <source>Rechnung</source>
        <translation>Invoice</translation>
    </message>
    <message>
        <source>Lieferschein</source>
        <translation>Delivery note</translation>
    </message>
    <message>
        <source>Gutschrift</source>
        <translation>Credit note</translation>
    </message>
    <message>
        <source>Angebot</source>
        <translation>Offer</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Cash</translation>
    </message>
    <message>
        <source>EC</source>
        <translation>Debit card</translation>
    </message>
    <message>
        <source>Überweisung</source>
        <translation>Bank transfer</translation>
    </message>
    <message>
        <source>Bankeinzug</source>
        <translation>Direct debit</translation>
    </message>
    <message>
        <source>Kreditkarte</source>
        <translation>Credit card</translation>
    </message>
    <message>
        <source>Scheck</source>
        <translation>Cheque</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Gespeichert</source>
        <translation>Saved</translation>
    </message>
    <message>
        <source>Gedruckt</source>
        <translation>Printed</translation>
    </message>
    <message>
        <source>Bezahlt</source>
        <translation>Paid</translation>
    </message>
    <message>
        <source>Versand</source>
        <translation>Shipped</translation>
    </message>
    <message>
        <source>Fertig</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Storniert</source>
        <translation>Cancelled</translation>
    </message>
    <message>
        <source>Schulung</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Produkte</source>
        <translation>Products</translation>
    </message>
    <message>
        <source>Kunde1</source>
        <translation>Customer 1</translation>
    </message>
    <message>
        <source>Kunde2</source>
        <translation>Customer 2</translation>
    </message>
    <message>
        <source>Kunde3</source>
        <translation>Customer 3</translation>
    </message>
    <message>
        <source>Intern</source>
        <translation>Internal</translation>
    </message>
    <message>
        <source>Dienstleistung</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Waren</source>
        <translation>Goods</translation>
    </message>
    <message>
        <source>Kosten</source>
        <translation>Costs</translation>
    </message>
    <message>
        <source>Sonstiges</source>
        <translation>Other</translation>
    </message>
</context>
<context>
    <name>DatabaseEditor</name>
    <message>
        <source>Datenbankdatei wählen</source>
        <translation>Choose database file</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Treiber</source>
        <translation>Driver</translation>
    </message>
    <message>
        <source>Datenbank</source>
        <translation>Database</translation>
    </message>
    <message>
        <source>User</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Passwort</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Die Datenbank wird beim Start geöffnet: Änderungen auf dieser Seite wirken erst beim nächsten Start des Programms.</source>
        <translation>The database is opened at startup: changes on this page only take effect the next time the program is started.</translation>
    </message>
    <message>
        <source>Bitte wählen Sie die Datenbankdatei aus.</source>
        <translation>Please choose the database file.</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>CA-Datei</source>
        <translation>CA file</translation>
    </message>
    <message>
        <source>Ordner der täglichen Datensicherung</source>
        <translation>Daily backup folder</translation>
    </message>
    <message>
        <source>Letzte Datensicherung</source>
        <translation>Last backup</translation>
    </message>
    <message>
        <source>noch keine</source>
        <translation>none yet</translation>
    </message>
    <message>
        <source>Die letzte automatische Datensicherung ist misslungen: %1</source>
        <translation>The last automatic backup failed: %1</translation>
    </message>
    <message>
        <source>Die Datenbankeinstellungen bleiben unverändert.</source>
        <translation>The database settings remain unchanged.</translation>
    </message>
</context>
<context>
    <name>Datenbank</name>
    <message>
        <source>Der Nummernversatz %1 = &quot;%2&quot; liegt nicht zwischen 0 und %3.</source>
        <translation>The numbering offset %1 = &quot;%2&quot; is not between 0 and %3.</translation>
    </message>
</context>
<context>
    <name>Datenpruefung</name>
    <message>
        <source>Die Datenbank ist nicht geöffnet: %1</source>
        <translation>The database is not open: %1</translation>
    </message>
    <message>
        <source>Unversehrtheit der Datenbankdatei</source>
        <translation>Integrity of the database file</translation>
    </message>
    <message>
        <source>Die Datenbankdatei ist beschädigt: %1</source>
        <translation>The database file is damaged: %1</translation>
    </message>
    <message>
        <source>Belegnummern ohne Doppel</source>
        <translation>No duplicate document numbers</translation>
    </message>
    <message>
        <source>Rechnungsnummer %1 (Dienst %2) ist %3-mal vergeben.</source>
        <translation>Invoice number %1 (service %2) is assigned %3 times.</translation>
    </message>
    <message>
        <source>Belegnummer %1 (Art %2) ist %3-mal vergeben.</source>
        <translation>Document number %1 (kind %2) is assigned %3 times.</translation>
    </message>
    <message>
        <source>Belegnummer %1 ist %2-mal vergeben.</source>
        <translation>Document number %1 is assigned %2 times.</translation>
    </message>
    <message>
        <source>Archiv der ausgestellten Belege</source>
        <translation>Archive of issued documents</translation>
    </message>
    <message>
        <source>Der ausgestellte Auftrag %1 fehlt im Belegarchiv.</source>
        <translation>The issued order %1 is missing from the document archive.</translation>
    </message>
    <message>
        <source>Der archivierte Beleg des Auftrags %1 stimmt nicht mit seiner Prüfsumme überein.</source>
        <translation>The archived document of order %1 does not match its checksum.</translation>
    </message>
</context>
<context>
    <name>Datensicherung</name>
    <message>
        <source>Die Datei %1 lässt sich nicht anlegen: %2</source>
        <translation>The file %1 cannot be created: %2</translation>
    </message>
    <message>
        <source>Die Datenbank lässt sich nicht öffnen: %1</source>
        <translation>The database cannot be opened: %1</translation>
    </message>
    <message>
        <source>Die Sicherung ist misslungen: %1</source>
        <translation>The backup failed: %1</translation>
    </message>
    <message>
        <source>Die Datei ist keine Datensicherung von Belegwerk.</source>
        <translation>The file is not a Belegwerk backup.</translation>
    </message>
    <message>
        <source>Die Datei lässt sich nicht lesen: %1</source>
        <translation>The file cannot be read: %1</translation>
    </message>
    <message>
        <source>Die Datei ist unvollständig: sie wurde abgeschnitten.</source>
        <translation>The file is incomplete: it has been truncated.</translation>
    </message>
    <message>
        <source>Die Datei lässt sich nicht öffnen: %1</source>
        <translation>The file cannot be opened: %1</translation>
    </message>
    <message>
        <source>Die Datei ist beschädigt: %1</source>
        <translation>The file is damaged: %1</translation>
    </message>
    <message>
        <source>Die Datensicherung hat ein Format, das dieses Programm nicht kennt (Version %1).</source>
        <translation>The backup has a format this program does not know (version %1).</translation>
    </message>
    <message>
        <source>Die Datei ist beschädigt: Tabellen oder Zeilen stimmen nicht mit dem Verzeichnis der Sicherung überein.</source>
        <translation>The file is damaged: tables or rows do not match the backup&apos;s index.</translation>
    </message>
    <message>
        <source>Die Prüfsumme stimmt nicht: der Inhalt der Datei wurde verändert oder ist beschädigt.</source>
        <translation>The checksum does not match: the file&apos;s content has been changed or is damaged.</translation>
    </message>
    <message>
        <source>Die bisherigen Daten ließen sich nicht sichern; nichts wurde geändert.</source>
        <translation>The current data could not be backed up; nothing was changed.</translation>
    </message>
    <message>
        <source>Die Wiederherstellung ist misslungen; nichts wurde geändert.</source>
        <translation>The restore failed; nothing was changed.</translation>
    </message>
    <message>
        <source>Die Zieldatenbank lässt sich nicht lesen: %1</source>
        <translation>The target database cannot be read: %1</translation>
    </message>
    <message>
        <source>Die Zieldatenbank ist nicht leer (Tabelle %1): es wird nichts übertragen.</source>
        <translation>The target database is not empty (table %1): nothing is transferred.</translation>
    </message>
    <message>
        <source>Die Übertragung ist misslungen; die Zieldatenbank ist unverändert.</source>
        <translation>The transfer failed; the target database is unchanged.</translation>
    </message>
    <message>
        <source>Die Datenbank lässt sich nicht wieder öffnen: %1</source>
        <translation>The database cannot be reopened: %1</translation>
    </message>
</context>
<context>
    <name>Drucker</name>
    <message>
        <source>Date: %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>Devis</source>
        <translation>Devis</translation>
    </message>
    <message>
        <source>%2 Nº %1</source>
        <translation>%2 Nº %1</translation>
    </message>
    <message>
        <source>carte de crédit</source>
        <translation>carte de crédit</translation>
    </message>
    <message>
        <source>A payer par %1</source>
        <translation>A payer par %1</translation>
    </message>
    <message>
        <source>Payé par %1 - %2</source>
        <translation>Payé par %1 - %2</translation>
    </message>
    <message>
        <source>Payé</source>
        <translation>Payé</translation>
    </message>
    <message>
        <source>Réf. Produit</source>
        <translation>Réf. Produit</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Quant.</source>
        <translation>Quant.</translation>
    </message>
    <message>
        <source>Base TVA %1%</source>
        <translation>Base TVA %1%</translation>
    </message>
    <message>
        <source>TVA %1%</source>
        <translation>TVA %1%</translation>
    </message>
    <message>
        <source>Total TTC</source>
        <translation>Total TTC</translation>
    </message>
    <message>
        <source>Total €</source>
        <translation>Total €</translation>
    </message>
    <message>
        <source>TVA</source>
        <translation>TVA</translation>
    </message>
    <message>
        <source>n° de client: %1</source>
        <translation>n° de client: %1</translation>
    </message>
    <message>
        <source>En cas de retard de paiement, une pénalité égale à trois fois le taux d&apos;intérêt légal sera exigible, ainsi qu&apos;une indemnité forfaitaire pour frais de recouvrement de 40 €. Pas d&apos;escompte pour paiement anticipé.</source>
        <translation>En cas de retard de paiement, une pénalité égale à trois fois le taux d&apos;intérêt légal sera exigible, ainsi qu&apos;une indemnité forfaitaire pour frais de recouvrement de 40 €. Pas d&apos;escompte pour paiement anticipé.</translation>
    </message>
    <message>
        <source>Bon de livraison</source>
        <translation>Bon de livraison</translation>
    </message>
    <message>
        <source>Tél. %1</source>
        <translation>Tél. %1</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>E-mail: %1</translation>
    </message>
    <message>
        <source>URL: %1</source>
        <translation>URL: %1</translation>
    </message>
    <message>
        <source>N° TVA: %1</source>
        <translation>N° TVA: %1</translation>
    </message>
    <message>
        <source>SIREN %1</source>
        <translation>SIREN %1</translation>
    </message>
    <message>
        <source>RCS %1</source>
        <translation>RCS %1</translation>
    </message>
    <message>
        <source>N° TVA %1</source>
        <translation>N° TVA %1</translation>
    </message>
    <message>
        <source>IBAN %1</source>
        <translation>IBAN %1</translation>
    </message>
    <message>
        <source>BIC %1</source>
        <translation>BIC %1</translation>
    </message>
    <message>
        <source>Payé - %1</source>
        <translation>Payé - %1</translation>
    </message>
    <message>
        <source>A payer</source>
        <translation>A payer</translation>
    </message>
    <message>
        <source>Date d&apos;échéance: %1</source>
        <translation>Date d&apos;échéance: %1</translation>
    </message>
    <message>
        <source>Page %1 / %2</source>
        <translation>Page %1 / %2</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Prix unit. HT €</source>
        <translation>Prix unit. HT €</translation>
    </message>
    <message>
        <source>Total HT €</source>
        <translation>Total HT €</translation>
    </message>
    <message>
        <source>Total HT non soumis à TVA</source>
        <translation>Total HT non soumis à TVA</translation>
    </message>
    <message>
        <source>Total HT</source>
        <translation>Total HT</translation>
    </message>
    <message>
        <source>Total TVA</source>
        <translation>Total TVA</translation>
    </message>
    <message>
        <source>Facture</source>
        <translation>Facture</translation>
    </message>
    <message>
        <source>Avoir</source>
        <translation>Avoir</translation>
    </message>
    <message>
        <source>espèces</source>
        <translation>espèces</translation>
    </message>
    <message>
        <source>carte bancaire</source>
        <translation>carte bancaire</translation>
    </message>
    <message>
        <source>virement</source>
        <translation>virement</translation>
    </message>
    <message>
        <source>prélèvement</source>
        <translation>prélèvement</translation>
    </message>
    <message>
        <source>chèque</source>
        <translation>chèque</translation>
    </message>
    <message>
        <source>SIREN: %1</source>
        <translation>SIREN: %1</translation>
    </message>
    <message>
        <source>Date de livraison ou d&apos;exécution : %1</source>
        <translation>Date de livraison ou d&apos;exécution : %1</translation>
    </message>
    <message>
        <source>Votre commande : %1</source>
        <translation>Votre commande : %1</translation>
    </message>
    <message>
        <source>Adresse de livraison :</source>
        <translation>Adresse de livraison :</translation>
    </message>
    <message>
        <source>Opération : livraison de biens</source>
        <translation>Opération : livraison de biens</translation>
    </message>
    <message>
        <source>Opération : prestation de services</source>
        <translation>Opération : prestation de services</translation>
    </message>
    <message>
        <source>Opération : livraison de biens et prestation de services</source>
        <translation>Opération : livraison de biens et prestation de services</translation>
    </message>
    <message>
        <source>Option pour le paiement de la taxe d&apos;après les débits</source>
        <translation>Option pour le paiement de la taxe d&apos;après les débits</translation>
    </message>
    <message>
        <source>Montant à rembourser ou à déduire : %1 €</source>
        <translation>Montant à rembourser ou à déduire : %1 €</translation>
    </message>
    <message>
        <source>Devis valable jusqu&apos;au %1</source>
        <translation>Devis valable jusqu&apos;au %1</translation>
    </message>
    <message>
        <source>Bon pour accord (date, nom et signature du client) :</source>
        <translation>Bon pour accord (date, nom et signature du client) :</translation>
    </message>
    <message>
        <source>Avoir sur facture %1 du %2</source>
        <translation>Avoir sur facture %1 du %2</translation>
    </message>
    <message>
        <source>Unité</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Prix unit. €</source>
        <translation>Prix unit. €</translation>
    </message>
</context>
<context>
    <name>DruckerDE1</name>
    <message>
        <source>Datum: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Rechnung</source>
        <translation>Rechnung</translation>
    </message>
    <message>
        <source>Menge</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Produkt</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>Preis €</source>
        <translation>Preis €</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>BLZ %1</source>
        <translation>BLZ %1</translation>
    </message>
    <message>
        <source>Konto-Nr. %1</source>
        <translation>Konto-Nr. %1</translation>
    </message>
    <message>
        <source>Bankverbindung:</source>
        <translation>Bankverbindung:</translation>
    </message>
    <message>
        <source>Lieferschein</source>
        <translation>Lieferschein</translation>
    </message>
    <message>
        <source>Angebot</source>
        <translation>Angebot</translation>
    </message>
    <message>
        <source>%2 Nr. %1</source>
        <translation>%2 Nr. %1</translation>
    </message>
    <message>
        <source>Tel. %1</source>
        <translation>Tel. %1</translation>
    </message>
    <message>
        <source>E-Mail: %1</source>
        <translation>E-Mail: %1</translation>
    </message>
    <message>
        <source>Lieferdatum: %1</source>
        <translation>Lieferdatum: %1</translation>
    </message>
    <message>
        <source>Kunden-Nr.: %1</source>
        <translation>Kunden-Nr.: %1</translation>
    </message>
    <message>
        <source>Steuer-Nr.: %1</source>
        <translation>Steuer-Nr.: %1</translation>
    </message>
    <message>
        <source>USt-IdNr.: %1</source>
        <translation>USt-IdNr.: %1</translation>
    </message>
    <message>
        <source>IBAN: %1</source>
        <translation>IBAN: %1</translation>
    </message>
    <message>
        <source>BIC: %1</source>
        <translation>BIC: %1</translation>
    </message>
    <message>
        <source>Netto €</source>
        <translation>Netto €</translation>
    </message>
    <message>
        <source>MwSt %1 %</source>
        <translation>MwSt %1 %</translation>
    </message>
    <message>
        <source>Betrag dankend erhalten.</source>
        <translation>Betrag dankend erhalten.</translation>
    </message>
    <message>
        <source>Zahlbar ohne Abzug bis %1.</source>
        <translation>Zahlbar ohne Abzug bis %1.</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>USt.</source>
        <translation>USt.</translation>
    </message>
    <message>
        <source>Netto ohne USt.</source>
        <translation>Netto ohne USt.</translation>
    </message>
    <message>
        <source>Netto %1 %</source>
        <translation>Netto %1 %</translation>
    </message>
    <message>
        <source>Netto gesamt</source>
        <translation>Netto gesamt</translation>
    </message>
    <message>
        <source>MwSt gesamt</source>
        <translation>MwSt gesamt</translation>
    </message>
    <message>
        <source>Rechnungskorrektur</source>
        <translation>Rechnungskorrektur</translation>
    </message>
    <message>
        <source>Gültig bis: %1</source>
        <translation>Gültig bis: %1</translation>
    </message>
    <message>
        <source>Ihre Bestellung: %1</source>
        <translation>Ihre Bestellung: %1</translation>
    </message>
    <message>
        <source>Korrektur zur Rechnung %1 vom %2</source>
        <translation>Korrektur zur Rechnung %1 vom %2</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Einzelpreis netto €</source>
        <translation>Einzelpreis netto €</translation>
    </message>
    <message>
        <source>Einzelpreis €</source>
        <translation>Einzelpreis €</translation>
    </message>
    <message>
        <source>Erstattungs- bzw. Verrechnungsbetrag: %1 €</source>
        <translation>Erstattungs- bzw. Verrechnungsbetrag: %1 €</translation>
    </message>
    <message>
        <source>Dieses Angebot gilt bis %1.</source>
        <translation>Dieses Angebot gilt bis %1.</translation>
    </message>
    <message>
        <source>Auftrag erteilt (Datum, Name, Unterschrift):</source>
        <translation>Auftrag erteilt (Datum, Name, Unterschrift):</translation>
    </message>
    <message>
        <source>Lieferanschrift:</source>
        <translation>Lieferanschrift:</translation>
    </message>
</context>
<context>
    <name>Eingabeschutz</name>
    <message>
        <source>Änderungen verwerfen?</source>
        <translation>Discard changes?</translation>
    </message>
    <message>
        <source>Ihre Eingaben sind nicht gespeichert. Wollen Sie sie verwerfen?</source>
        <translation>Your input has not been saved. Do you want to discard it?</translation>
    </message>
</context>
<context>
    <name>Einstellungen</name>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Steuer</source>
        <translation>Tax</translation>
    </message>
    <message>
        <source>Rechnung</source>
        <translation>Invoice</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Company</translation>
    </message>
    <message>
        <source>Datenbank</source>
        <translation>Database</translation>
    </message>
</context>
<context>
    <name>EinstellungsDatei</name>
    <message>
        <source>Einstellungen exportieren</source>
        <translation>Export settings</translation>
    </message>
    <message>
        <source>Einstellungen importieren</source>
        <translation>Import settings</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden.</source>
        <translation>The file %1 could not be written.</translation>
    </message>
    <message>
        <source>Die Datei enthält alle Einstellungen, auch das Passwort der Datenbank im Klartext. Sie wird nur für Sie lesbar gespeichert.

Einstellungen mit dem Passwort exportieren?</source>
        <translation>The file contains all settings, including the database password in plain text. It is saved so that only you can read it.

Export settings including the password?</translation>
    </message>
    <message>
        <source>Einstellungen (*.ini)</source>
        <translation>Settings (*.ini)</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden.</source>
        <translation>The file %1 could not be read.</translation>
    </message>
    <message>
        <source>Dieser Wert wurde nicht übernommen.</source>
        <translation>This value was not taken over.</translation>
    </message>
    <message>
        <source>Es wurde nichts übernommen.</source>
        <translation>Nothing was taken over.</translation>
    </message>
    <message>
        <source>(wird gelöscht und beim nächsten Start erfragt)</source>
        <translation>(will be deleted and asked for at the next start)</translation>
    </message>
    <message>
        <source>Die Datei ändert keine Einstellung.</source>
        <translation>The file changes no setting.</translation>
    </message>
    <message>
        <source>Diese Einstellungen werden geändert:</source>
        <translation>These settings will be changed:</translation>
    </message>
    <message>
        <source>Unbekannt, nicht übernommen:</source>
        <translation>Unknown, not taken over:</translation>
    </message>
    <message>
        <source>Übernehmen?</source>
        <translation>Take over?</translation>
    </message>
</context>
<context>
    <name>FirmaEditor</name>
    <message>
        <source>Firma</source>
        <translation>Company</translation>
    </message>
    <message>
        <source>Strasse</source>
        <translation>Street</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>City</translation>
    </message>
    <message>
        <source>Tel</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>BLZ</source>
        <translation>Bank code</translation>
    </message>
    <message>
        <source>Konto</source>
        <translation>Account no.</translation>
    </message>
    <message>
        <source>SteuerNr</source>
        <translation>Tax no.</translation>
    </message>
    <message>
        <source>UStId</source>
        <translation>VAT ID</translation>
    </message>
    <message>
        <source>Rechtsform, Kapital</source>
        <translation>Legal form, capital</translation>
    </message>
    <message>
        <source>z. B. SARL au capital de 10 000 €</source>
        <translation>e.g. SARL au capital de 10 000 €</translation>
    </message>
    <message>
        <source>SIREN/SIRET</source>
        <translation>SIREN/SIRET</translation>
    </message>
    <message>
        <source>RCS</source>
        <translation>RCS</translation>
    </message>
    <message>
        <source>IBAN</source>
        <translation>IBAN</translation>
    </message>
    <message>
        <source>BIC</source>
        <translation>BIC</translation>
    </message>
    <message>
        <source>Land</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>z. B. Frankreich, Deutschland</source>
        <translation>e.g. France, Germany</translation>
    </message>
    <message>
        <source>Ansprechpartner</source>
        <translation>Contact person</translation>
    </message>
    <message>
        <source>E-Rechnungsadresse</source>
        <translation>E-invoicing address</translation>
    </message>
    <message>
        <source>leer: die SIREN</source>
        <translation>empty: the SIREN</translation>
    </message>
    <message>
        <source>z. B. 27/123/45678</source>
        <translation>e.g. 27/123/45678</translation>
    </message>
    <message>
        <source>z. B. FR12345678901</source>
        <translation>e.g. FR12345678901</translation>
    </message>
    <message>
        <source>z. B. 123 456 789 (9 oder 14 Ziffern)</source>
        <translation>e.g. 123 456 789 (9 or 14 digits)</translation>
    </message>
    <message>
        <source>z. B. RCS Lyon B 123 456 789</source>
        <translation>e.g. RCS Lyon B 123 456 789</translation>
    </message>
    <message>
        <source>Gläubiger-ID</source>
        <translation>SEPA creditor ID</translation>
    </message>
    <message>
        <source>für Lastschriften, z. B. DE98ZZZ09999999999</source>
        <translation>for direct debits, e.g. DE98ZZZ09999999999</translation>
    </message>
</context>
<context>
    <name>Firmenhinweis</name>
    <message>
        <source>&amp;Firmendaten eingeben…</source>
        <translation>Enter &amp;company data…</translation>
    </message>
    <message>
        <source>Bitte tragen Sie zuerst die Daten Ihrer Firma ein: Name, Anschrift und Bankverbindung stehen im Briefkopf jeder Rechnung.</source>
        <translation>Please enter your company data first: name, address and bank details appear in the letterhead of every invoice.</translation>
    </message>
</context>
<context>
    <name>FormatedDateTimeDelegate</name>
    <message>
        <source>Date not set</source>
        <translation>Date not set</translation>
    </message>
</context>
<context>
    <name>ImportBericht</name>
    <message>
        <source>%1 Kunden importiert, %2 übersprungen</source>
        <translation>%1 customers imported, %2 skipped</translation>
    </message>
    <message>
        <source>%1 Aufträge importiert, %2 übersprungen</source>
        <translation>%1 orders imported, %2 skipped</translation>
    </message>
    <message>
        <source>%1 Produkte importiert, %2 aktualisiert, %3 übersprungen</source>
        <translation>%1 products imported, %2 updated, %3 skipped</translation>
    </message>
    <message>
        <source>Die Datei ist fehlerhaft und wurde nur bis Zeile %1 gelesen: %2</source>
        <translation>The file is faulty and was only read up to line %1: %2</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht gelesen werden: %1</source>
        <translation>The file could not be read: %1</translation>
    </message>
    <message>
        <source>Gelesen: %1, gespeichert: %2, bereits vorhanden: %3, abgelehnt: %4.</source>
        <translation>Read: %1, saved: %2, already present: %3, rejected: %4.</translation>
    </message>
    <message>
        <source>Abgelehnte Datensätze hat die Datenbank nicht angenommen; sie stehen im Protokoll.</source>
        <translation>Rejected records were not accepted by the database; they are listed in the log.</translation>
    </message>
    <message>
        <source>… und %1 weitere</source>
        <translation>… and %1 more</translation>
    </message>
    <message>
        <source>Import abgebrochen, nichts gespeichert</source>
        <translation>Import cancelled, nothing stored</translation>
    </message>
    <message>
        <source>Nicht gespeichert:</source>
        <translation>Not stored:</translation>
    </message>
    <message>
        <source>Übersprungen, weil die Nummer schon vergeben ist:</source>
        <translation>Skipped because the number is taken already:</translation>
    </message>
</context>
<context>
    <name>KundenAuftragsDialog</name>
    <message>
        <source>Neue Rechnung</source>
        <translation>New invoice</translation>
    </message>
    <message>
        <source>Rechnungen für KundenNr %1</source>
        <translation>Invoices of customer no. %1</translation>
    </message>
    <message>
        <source>Rechnungen für %1</source>
        <translation>Invoices for %1</translation>
    </message>
</context>
<context>
    <name>KundenDialog</name>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Zeige Rechnungen</source>
        <translation>Show invoices</translation>
    </message>
    <message>
        <source>Neue Rechnung</source>
        <translation>New invoice</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Neuer Kunde</source>
        <translation>New customer</translation>
    </message>
    <message>
        <source>Kundendetails für %1</source>
        <translation>Customer details for %1</translation>
    </message>
    <message>
        <source>Kunde speichern</source>
        <translation>Save customer</translation>
    </message>
    <message>
        <source>Der Kunde kann nicht gespeichert werden.</source>
        <translation>The customer cannot be saved.</translation>
    </message>
    <message>
        <source>Kundenänderungen speichern</source>
        <translation>Save customer changes</translation>
    </message>
    <message>
        <source>Sollen die Änderungen an diesem Kunden
wirklich gespeichert werden?</source>
        <translation>Do you really want to save
the changes to this customer?</translation>
    </message>
    <message>
        <source>Die Änderungen an diesem Kunden konnten nicht gespeichert werden.</source>
        <translation>The changes to this customer could not be saved.</translation>
    </message>
    <message>
        <source>KundenNr bereits verwendet!
Der Kunde wird nicht gespeichert</source>
        <translation>Customer number already in use!
The customer is not saved</translation>
    </message>
    <message>
        <source>Der neue Kunde konnte nicht gespeichert werden.</source>
        <translation>The new customer could not be saved.</translation>
    </message>
</context>
<context>
    <name>KundenEditor</name>
    <message>
        <source>Alle</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Anzeigen</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Zeige Rechnungen</source>
        <translation>Show invoices</translation>
    </message>
    <message>
        <source>Neue Rechnung</source>
        <translation>New invoice</translation>
    </message>
    <message>
        <source>Email schreiben</source>
        <translation>Write e-mail</translation>
    </message>
    <message>
        <source>Kunden exportieren</source>
        <translation>Export customers</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Customers</translation>
    </message>
</context>
<context>
    <name>KundenStatDialog</name>
    <message>
        <source>Kundenstatistik</source>
        <translation>Customer statistics</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Anzeigen</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Zeige Rechnungen</source>
        <translation>Show invoices</translation>
    </message>
    <message>
        <source>Neue Rechnung</source>
        <translation>New invoice</translation>
    </message>
    <message>
        <source>Email schreiben</source>
        <translation>Write e-mail</translation>
    </message>
    <message>
        <source>Statistik Exportieren</source>
        <translation>Export statistics</translation>
    </message>
    <message>
        <source>KundenNr</source>
        <translation>Customer no.</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Company</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>City</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>T&amp;yp</source>
        <translation>T&amp;ype</translation>
    </message>
</context>
<context>
    <name>KundenWidget</name>
    <message>
        <source>KundenNr</source>
        <translation>Customer no.</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Company</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Strasse</source>
        <translation>Street</translation>
    </message>
    <message>
        <source>PLZ/Ort</source>
        <translation>Postcode/Town</translation>
    </message>
    <message>
        <source>Land</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Tel1</source>
        <translation>Phone 1</translation>
    </message>
    <message>
        <source>Tel2</source>
        <translation>Phone 2</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>IBAN</source>
        <translation>IBAN</translation>
    </message>
    <message>
        <source>BIC</source>
        <translation>BIC</translation>
    </message>
    <message>
        <source>Steuer Nr</source>
        <translation>Tax no.</translation>
    </message>
    <message>
        <source>Bemerkung</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>Frankreich</source>
        <translation>France</translation>
    </message>
    <message>
        <source>Deutschland</source>
        <translation>Germany</translation>
    </message>
    <message>
        <source>Firma oder Name fehlt.</source>
        <translation>Company or name missing.</translation>
    </message>
    <message>
        <source>Strasse fehlt.</source>
        <translation>Street missing.</translation>
    </message>
    <message>
        <source>PLZ fehlt.</source>
        <translation>Postcode missing.</translation>
    </message>
    <message>
        <source>Die PLZ hat in %1 fünf Ziffern.</source>
        <translation>In %1 the postcode has five digits.</translation>
    </message>
    <message>
        <source>Die PLZ besteht aus bis zu 10 Buchstaben, Ziffern, Leerzeichen oder Bindestrichen.</source>
        <translation>The postcode consists of up to 10 letters, digits, blanks or hyphens.</translation>
    </message>
    <message>
        <source>Ort fehlt.</source>
        <translation>Town missing.</translation>
    </message>
    <message>
        <source>Land fehlt.</source>
        <translation>Country missing.</translation>
    </message>
    <message>
        <source>9 Ziffern, französische Firmenkunden</source>
        <translation>9 digits, French business customers</translation>
    </message>
    <message>
        <source>leer: die SIREN</source>
        <translation>empty: the SIREN</translation>
    </message>
    <message>
        <source>nur für XRechnung an öffentliche Auftraggeber</source>
        <translation>only for XRechnung to public-sector buyers</translation>
    </message>
    <message>
        <source>SIREN</source>
        <translation>SIREN</translation>
    </message>
    <message>
        <source>E-Rechnungsadresse</source>
        <translation>E-invoicing address</translation>
    </message>
    <message>
        <source>Leitweg-ID</source>
        <translation>Leitweg-ID</translation>
    </message>
    <message>
        <source>leer: die Rechnungsanschrift</source>
        <translation>empty: the billing address</translation>
    </message>
    <message>
        <source>Lieferanschrift</source>
        <translation>Delivery address</translation>
    </message>
</context>
<context>
    <name>MahnDialog</name>
    <message>
        <source>nur diese Rechnung</source>
        <translation>this invoice only</translation>
    </message>
    <message>
        <source>alle überfälligen Rechnungen des Kunden</source>
        <translation>all of the customer&apos;s overdue invoices</translation>
    </message>
    <message>
        <source>Mahnen</source>
        <translation>Send reminder</translation>
    </message>
    <message>
        <source>Rechnungen</source>
        <translation>Invoices</translation>
    </message>
    <message>
        <source>Mahnstufe</source>
        <translation>Reminder level</translation>
    </message>
    <message>
        <source>Vorschau</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>als PDF speichern</source>
        <translation>save as PDF</translation>
    </message>
    <message>
        <source>als Email senden</source>
        <translation>send by e-mail</translation>
    </message>
    <message>
        <source>%1 vom %2: %3 offen, %4 Tage überfällig, Mahnstufe %5</source>
        <translation>%1 of %2: %3 open, %4 days overdue, level %5</translation>
    </message>
    <message>
        <source>Die Rechnung ist nicht überfällig oder ist bezahlt.</source>
        <translation>The invoice is not overdue or is paid.</translation>
    </message>
</context>
<context>
    <name>Mahnung</name>
    <message>
        <source>Zahlungserinnerung</source>
        <translation>Zahlungserinnerung</translation>
    </message>
    <message>
        <source>Mahnung</source>
        <translation>Mahnung</translation>
    </message>
    <message>
        <source>Relance</source>
        <translation>Relance</translation>
    </message>
    <message>
        <source>Mise en demeure de payer</source>
        <translation>Mise en demeure de payer</translation>
    </message>
    <message>
        <source>Sehr geehrte Damen und Herren,

sicher ist Ihrer Aufmerksamkeit entgangen, dass die folgenden Rechnungen noch nicht beglichen sind. Bitte überweisen Sie den Betrag von %1 € bis zum %2.</source>
        <translation>Sehr geehrte Damen und Herren,

sicher ist Ihrer Aufmerksamkeit entgangen, dass die folgenden Rechnungen noch nicht beglichen sind. Bitte überweisen Sie den Betrag von %1 € bis zum %2.</translation>
    </message>
    <message>
        <source>Sehr geehrte Damen und Herren,

trotz unserer Zahlungserinnerung sind die folgenden Rechnungen noch offen. Bitte überweisen Sie den Gesamtbetrag von %1 € einschließlich Verzugszinsen und Kosten bis spätestens %2.</source>
        <translation>Sehr geehrte Damen und Herren,

trotz unserer Zahlungserinnerung sind die folgenden Rechnungen noch offen. Bitte überweisen Sie den Gesamtbetrag von %1 € einschließlich Verzugszinsen und Kosten bis spätestens %2.</translation>
    </message>
    <message>
        <source>Madame, Monsieur,

Sauf erreur de notre part, les factures ci-dessous restent impayées à ce jour. Nous vous remercions de bien vouloir nous régler la somme de %1 € avant le %2.</source>
        <translation>Madame, Monsieur,

Sauf erreur de notre part, les factures ci-dessous restent impayées à ce jour. Nous vous remercions de bien vouloir nous régler la somme de %1 € avant le %2.</translation>
    </message>
    <message>
        <source>Madame, Monsieur,

Malgré notre précédente relance, les factures ci-dessous restent impayées. Par la présente, nous vous mettons en demeure de nous régler la somme de %1 €, pénalités de retard et indemnité de recouvrement comprises, avant le %2.</source>
        <translation>Madame, Monsieur,

Malgré notre précédente relance, les factures ci-dessous restent impayées. Par la présente, nous vous mettons en demeure de nous régler la somme de %1 €, pénalités de retard et indemnité de recouvrement comprises, avant le %2.</translation>
    </message>
    <message>
        <source>Rechnung</source>
        <translation>Rechnung</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Fällig</source>
        <translation>Fällig</translation>
    </message>
    <message>
        <source>Offen €</source>
        <translation>Offen €</translation>
    </message>
    <message>
        <source>Tage</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Zinsen €</source>
        <translation>Zinsen €</translation>
    </message>
    <message>
        <source>Facture</source>
        <translation>Facture</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Échéance</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Montant dû €</source>
        <translation>Montant dû €</translation>
    </message>
    <message>
        <source>Jours de retard</source>
        <translation>Jours de retard</translation>
    </message>
    <message>
        <source>Intérêts €</source>
        <translation>Intérêts €</translation>
    </message>
    <message>
        <source>Offene Beträge</source>
        <translation>Offene Beträge</translation>
    </message>
    <message>
        <source>Total des factures impayées</source>
        <translation>Total des factures impayées</translation>
    </message>
    <message>
        <source>Verzugszinsen %1 % p. a.</source>
        <translation>Verzugszinsen %1 % p. a.</translation>
    </message>
    <message>
        <source>Pénalités de retard %1 % l&apos;an</source>
        <translation>Pénalités de retard %1 % l&apos;an</translation>
    </message>
    <message>
        <source>Mahnkosten</source>
        <translation>Mahnkosten</translation>
    </message>
    <message>
        <source>Indemnité forfaitaire pour frais de recouvrement</source>
        <translation>Indemnité forfaitaire pour frais de recouvrement</translation>
    </message>
    <message>
        <source>Zu zahlen</source>
        <translation>Zu zahlen</translation>
    </message>
    <message>
        <source>Total à payer</source>
        <translation>Total à payer</translation>
    </message>
    <message>
        <source>Sollten Sie inzwischen gezahlt haben, betrachten Sie dieses Schreiben bitte als gegenstandslos.</source>
        <translation>Sollten Sie inzwischen gezahlt haben, betrachten Sie dieses Schreiben bitte als gegenstandslos.</translation>
    </message>
    <message>
        <source>Si votre règlement a été effectué entre-temps, nous vous prions de ne pas tenir compte de ce courrier.</source>
        <translation>Si votre règlement a été effectué entre-temps, nous vous prions de ne pas tenir compte de ce courrier.</translation>
    </message>
    <message>
        <source>Datum: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Date : %1</source>
        <translation>Date : %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Kunden</source>
        <translation>Customers</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Orders</translation>
    </message>
    <message>
        <source>Auftragsadmin</source>
        <translation>Order admin</translation>
    </message>
    <message>
        <source>Produkte exportieren</source>
        <translation>Export products</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Der Auftrag konnte nicht gedruckt werden.</source>
        <translation>The order could not be printed.</translation>
    </message>
    <message>
        <source>Der Auftrag wurde gedruckt, aber der Status &quot;Gedruckt&quot; konnte nicht gespeichert werden.</source>
        <translation>The order was printed, but the status &quot;Printed&quot; could not be saved.</translation>
    </message>
    <message>
        <source>Auftrag%1.pdf</source>
        <translation>Order%1.pdf</translation>
    </message>
    <message>
        <source>Auftrag als PDF speichern</source>
        <translation>Save order as PDF</translation>
    </message>
    <message>
        <source>PDF ( *.pdf )</source>
        <translation>PDF ( *.pdf )</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden.</source>
        <translation>The file %1 could not be written.</translation>
    </message>
    <message>
        <source>als Email senden</source>
        <translation>Send as e-mail</translation>
    </message>
    <message>
        <source>Zu diesem Kunden ist keine Emailaddresse bekannt!</source>
        <translation>No e-mail address is known for this customer!</translation>
    </message>
    <message>
        <source>Ihr Auftrag</source>
        <translation>Your order</translation>
    </message>
    <message>
        <source>Auftrag speichern</source>
        <translation>Save order</translation>
    </message>
    <message>
        <source>Der Auftrag konnte nicht gespeichert werden.</source>
        <translation>The order could not be saved.</translation>
    </message>
    <message>
        <source>Kunden anzeigen</source>
        <translation>Show customer</translation>
    </message>
    <message>
        <source>Bitte geben sie die Kundennummer ein</source>
        <translation>Please enter the customer number</translation>
    </message>
    <message>
        <source>Auftrag anzeigen</source>
        <translation>Show order</translation>
    </message>
    <message>
        <source>Bitte geben sie die Bestellnummer ein</source>
        <translation>Please enter the order reference</translation>
    </message>
    <message>
        <source>Kein Auftrag mit BestellNr %1 gefunden</source>
        <translation>No order with order reference %1 found</translation>
    </message>
    <message>
        <source>Es wurden folgende Aufträge gefunden.</source>
        <translation>The following orders were found.</translation>
    </message>
    <message>
        <source>Bitte geben sie die Auftragsnummer ein</source>
        <translation>Please enter the document number</translation>
    </message>
    <message>
        <source>Zeige Auftrag</source>
        <translation>Show order</translation>
    </message>
    <message>
        <source>Auftrag mit der Nummer %1 nicht gefunden</source>
        <translation>Order with number %1 not found</translation>
    </message>
    <message>
        <source>Auftrag auswählen</source>
        <translation>Choose order</translation>
    </message>
    <message>
        <source>Es wurden mehrere Aufträge mit dieser Nummer gefunden.</source>
        <translation>Several orders with this number were found.</translation>
    </message>
    <message>
        <source>Über Belegwerk</source>
        <translation>About Belegwerk</translation>
    </message>
    <message>
        <source>Belegwerk

Kunden, Produkte, Rechnungen, Lieferscheine, Gutschriften und Angebote für kleine Betriebe.

Copyright © 2026 die Belegwerk-Entwickler.</source>
        <translation>Belegwerk

Customers, products, invoices, delivery notes, credit notes and offers for small businesses.

Copyright © 2026 the Belegwerk developers.</translation>
    </message>
    <message>
        <source>Elektronische Rechnung</source>
        <translation>Electronic invoice</translation>
    </message>
    <message>
        <source>Rechnung als XML speichern</source>
        <translation>Save invoice as XML</translation>
    </message>
    <message>
        <source>Auftrag%1.xml</source>
        <translation>Auftrag%1.xml</translation>
    </message>
    <message>
        <source>XML ( *.xml )</source>
        <translation>XML ( *.xml )</translation>
    </message>
    <message>
        <source>Der Auftrag konnte nicht als PDF abgelegt werden.</source>
        <translation>The order could not be stored as a PDF.</translation>
    </message>
    <message>
        <source>Der Auftrag %1 wurde nicht gefunden.</source>
        <translation>Order %1 was not found.</translation>
    </message>
    <message>
        <source>&amp;Belegwerk</source>
        <translation>&amp;Belegwerk</translation>
    </message>
    <message>
        <source>&amp;Vendora</source>
        <translation>&amp;Vendora</translation>
    </message>
    <message>
        <source>&amp;Produkte importieren</source>
        <translation>Import &amp;products</translation>
    </message>
    <message>
        <source>&amp;Kunden importieren</source>
        <translation>Import &amp;customers</translation>
    </message>
    <message>
        <source>&amp;Exportieren</source>
        <translation>&amp;Export</translation>
    </message>
    <message>
        <source>&amp;Aktuelle Ansicht exportieren</source>
        <translation>Export &amp;current view</translation>
    </message>
    <message>
        <source>&amp;Produkte exportieren</source>
        <translation>Export &amp;products</translation>
    </message>
    <message>
        <source>&amp;Einstellungen exportieren</source>
        <translation>Export &amp;settings</translation>
    </message>
    <message>
        <source>Auf&amp;tragsdaten exportieren</source>
        <translation>Export &amp;order data</translation>
    </message>
    <message>
        <source>&amp;Kundedaten exportieren</source>
        <translation>Export customer &amp;data</translation>
    </message>
    <message>
        <source>&amp;Importieren</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>&amp;Einstellungen importieren</source>
        <translation>Import &amp;settings</translation>
    </message>
    <message>
        <source>&amp;Auftragsdaten importieren</source>
        <translation>Import &amp;order data</translation>
    </message>
    <message>
        <source>&amp;Kundendaten importieren</source>
        <translation>Import &amp;customer data</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Kunde</source>
        <translation>&amp;Customer</translation>
    </message>
    <message>
        <source>&amp;Neuer Kunde</source>
        <translation>&amp;New customer</translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation>&amp;Find</translation>
    </message>
    <message>
        <source>Kunde zu KundenNr &amp;anzeigen</source>
        <translation>&amp;Show customer by number</translation>
    </message>
    <message>
        <source>&amp;Auftrag</source>
        <translation>&amp;Order</translation>
    </message>
    <message>
        <source>&amp;Neuer Auftrag…</source>
        <translation>&amp;New order…</translation>
    </message>
    <message>
        <source>Auftrag zu &amp;RechungsNr anzeigen</source>
        <translation>Show order by &amp;document number</translation>
    </message>
    <message>
        <source>Auftrag zu &amp;BestellNr anzeigen</source>
        <translation>Show order by order &amp;reference</translation>
    </message>
    <message>
        <source>&amp;Statistik</source>
        <translation>&amp;Statistics</translation>
    </message>
    <message>
        <source>&amp;Kunden</source>
        <translation>&amp;Customers</translation>
    </message>
    <message>
        <source>&amp;Produkte</source>
        <translation>&amp;Products</translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>About &amp;Qt</translation>
    </message>
    <message>
        <source>Werkzeugleiste</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Neuer Auftrag</source>
        <translation>New order</translation>
    </message>
    <message>
        <source>Für welchen Kunden?</source>
        <translation>For which customer?</translation>
    </message>
    <message>
        <source>Zuerst einrichten
Einstellungen › Firma: Name, Anschrift, Bankverbindung und USt-IdNr. Ihrer Firma; sie stehen im Briefkopf jeder Rechnung. Einstellungen › Steuer: Steuerart und Steuersätze. Einstellungen › Produkte: Ihre Waren und Schulungen.

Rechnung schreiben
Kunde › Neuer Kunde (Strg+N) oder einen Kunden in der Liste wählen, dann „Neue Rechnung“ im Kontextmenü oder Auftrag › Neuer Auftrag (Strg+Umschalt+N). Positionen erfassen; „Drucken“ speichert den Auftrag, gibt ihm die nächste Nummer seiner Art und druckt ihn. Aus einem Angebot wird im Kontextmenü eine Rechnung.

Gutschrift
Im Reiter „Aufträge“ die Rechnung wählen: „Gutschrift aus Rechnung erstellen“.

Zahlungen
Ist eine Rechnung bezahlt, im Kontextmenü „Status setzen“ › „Bezahlt“ wählen.

Datensicherung
Alle Daten stehen in der Datenbank, ohne weitere Einstellung in der Datei belegwerk.db im Datenordner des Benutzers. Sichern Sie diese Datei regelmäßig bei geschlossenem Programm, dazu die Einstellungen (Belegwerk › Exportieren).</source>
        <translation>Set up first
Settings › Company: your company&apos;s name, address, bank details and VAT ID; they appear in the letterhead of every invoice. Settings › Tax: tax mode and rates. Settings › Products: your goods and training courses.

Writing an invoice
Customer › New customer (Ctrl+N) or pick a customer in the list, then “New invoice” in the context menu, or Order › New order (Ctrl+Shift+N). Enter the lines; “Print” saves the order, gives it the next number of its kind and prints it. An offer becomes an invoice through the context menu.

Credit note
In the “Orders” tab pick the invoice: “Create credit note from invoice”.

Payments
When an invoice is paid, choose “Set status” › “Paid” in the context menu.

Backup
All data lives in the database, without other settings in the file belegwerk.db in the user&apos;s data folder. Back this file up regularly while the program is closed, together with the settings (Belegwerk › Export).</translation>
    </message>
    <message>
        <source>Es konnte kein Email-Programm geöffnet werden. Bitte richten Sie eines als Standardprogramm für Emails ein.</source>
        <translation>No mail program could be opened. Please set one up as the default program for e-mail.</translation>
    </message>
    <message>
        <source>Der Kunde %1 wurde nicht gefunden.</source>
        <translation>Customer %1 was not found.</translation>
    </message>
    <message>
        <source>Daten&amp;sicherung erstellen</source>
        <translation>Create &amp;backup</translation>
    </message>
    <message>
        <source>Datensicherung &amp;wiederherstellen</source>
        <translation>&amp;Restore backup</translation>
    </message>
    <message>
        <source>Daten &amp;übertragen</source>
        <translation>&amp;Transfer data</translation>
    </message>
    <message>
        <source>Der Beleg konnte nicht erstellt werden.</source>
        <translation>The document could not be created.</translation>
    </message>
    <message>
        <source>Der Beleg konnte nicht ausgestellt werden; es wurde nichts ausgegeben.</source>
        <translation>The document could not be issued; nothing was output.</translation>
    </message>
    <message>
        <source>Der Beleg wurde ohne elektronische Rechnung ausgestellt.</source>
        <translation>The document was issued without an electronic invoice.</translation>
    </message>
    <message>
        <source>Keine installierte Schrift kann diese Zeichen darstellen; sie fehlen auf dem Beleg:
%1

Den Beleg trotzdem ausstellen?</source>
        <translation>No installed font can show these characters; they will be missing from the document:
%1

Issue the document anyway?</translation>
    </message>
    <message>
        <source>Mahnen</source>
        <translation>Send reminder</translation>
    </message>
    <message>
        <source>Mahnung%1.pdf</source>
        <translation>Reminder%1.pdf</translation>
    </message>
    <message>
        <source>Die Mahnung konnte nicht gedruckt werden.</source>
        <translation>The reminder could not be printed.</translation>
    </message>
    <message>
        <source>Mahnung als PDF speichern</source>
        <translation>Save reminder as PDF</translation>
    </message>
    <message>
        <source>Die Mahnung wurde ausgegeben, aber ihre Stufe konnte nicht gespeichert werden.</source>
        <translation>The reminder went out, but its level could not be stored.</translation>
    </message>
</context>
<context>
    <name>OdsLeser</name>
    <message>
        <source>Die Datei &quot;%1&quot; ist beschädigt und konnte nicht ganz gelesen werden.</source>
        <translation>The file &quot;%1&quot; is damaged and could not be read completely.</translation>
    </message>
    <message>
        <source>Die Tabelle der Datei &quot;%1&quot; ist größer als %2 MB und wird nicht gelesen.</source>
        <translation>The table of the file &quot;%1&quot; is larger than %2 MB and is not read.</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; hat eine Zelle mit mehr als %2 Zeichen und wird nicht gelesen.</source>
        <translation>The file &quot;%1&quot; has a cell of more than %2 characters and is not read.</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; ist fehlerhaft (Zeile %2: %3) und wird nicht gelesen.</source>
        <translation>The file &quot;%1&quot; is faulty (line %2: %3) and is not read.</translation>
    </message>
    <message>
        <source>Die Tabelle der Datei &quot;%1&quot; hat mehr als %2 Zellen und wird nicht gelesen.</source>
        <translation>The table of the file &quot;%1&quot; has more than %2 cells and is not read.</translation>
    </message>
</context>
<context>
    <name>PrintPreview</name>
    <message>
        <source>Vorschau</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>&amp;Drucken…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Als &amp;PDF speichern…</source>
        <translation>Save as &amp;PDF…</translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>Erste Seite</source>
        <translation>First page</translation>
    </message>
    <message>
        <source>Vorige Seite</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>Nächste Seite</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>Letzte Seite</source>
        <translation>Last page</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Vergrößern</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Verkleinern</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>von %1</source>
        <translation>of %1</translation>
    </message>
</context>
<context>
    <name>ProduktLineModel</name>
    <message>
        <source>Menge</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Produktnr.</source>
        <translation>Product no.</translation>
    </message>
    <message>
        <source>Produkt</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation>Gross</translation>
    </message>
</context>
<context>
    <name>ProduktStatDialog</name>
    <message>
        <source>Produktstatistik</source>
        <translation>Product statistics</translation>
    </message>
    <message>
        <source>Statistik Exportieren</source>
        <translation>Export statistics</translation>
    </message>
    <message>
        <source>ProduktNr</source>
        <translation>Product no.</translation>
    </message>
    <message>
        <source>Produkt</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>ProdukteDialog</name>
    <message>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Produkte</source>
        <translation>Products</translation>
    </message>
    <message>
        <source>Nr</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Preis</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>%1 €</source>
        <translation>%1 €</translation>
    </message>
    <message>
        <source>Dienstleistung</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Neues Produkt</source>
        <translation>New product</translation>
    </message>
    <message>
        <source>Bitte geben Sie eine Produktnummer ein.</source>
        <translation>Please enter a product number.</translation>
    </message>
    <message>
        <source>Das Produkt %1 konnte nicht angelegt werden. Gibt es die Nummer schon?</source>
        <translation>The product %1 could not be created. Does the number already exist?</translation>
    </message>
    <message>
        <source>entfernen</source>
        <translation>remove</translation>
    </message>
    <message>
        <source>Produkt entfernen</source>
        <translation>Remove product</translation>
    </message>
    <message>
        <source>Produkte entfernen</source>
        <translation>Remove products</translation>
    </message>
    <message>
        <source>Wollen Sie dieses Produkt wirklich permanent löschen</source>
        <translation>Do you really want to delete this product permanently</translation>
    </message>
    <message>
        <source>Wollen Sie diese Produkte wirklich permanent löschen</source>
        <translation>Do you really want to delete these products permanently</translation>
    </message>
    <message>
        <source>Die Änderung wurde nicht gespeichert; die Tabelle zeigt wieder den gespeicherten Wert.</source>
        <translation>The change was not stored; the table shows the stored value again.</translation>
    </message>
    <message>
        <source>Das Produkt %1 wurde nicht gelöscht.</source>
        <translation>The product %1 was not deleted.</translation>
    </message>
</context>
<context>
    <name>ProdukteWidget</name>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>%1 €</source>
        <translation>%1 €</translation>
    </message>
    <message>
        <source>Unbekanntes Produkt</source>
        <translation>Unknown product</translation>
    </message>
    <message>
        <source>Unbekanntes Produkt!
Bitte geben sie die Preis an.</source>
        <translation>Unknown product!
Please enter the price.</translation>
    </message>
    <message>
        <source>Prozente</source>
        <translation>Percent</translation>
    </message>
    <message>
        <source>Geben Sie den Prozentsatz ein</source>
        <translation>Enter the percentage</translation>
    </message>
    <message>
        <source>entfernen</source>
        <translation>remove</translation>
    </message>
    <message>
        <source>Preis ändern</source>
        <translation>Change price</translation>
    </message>
    <message>
        <source>Menge ändern</source>
        <translation>Change quantity</translation>
    </message>
    <message>
        <source>Komentar ändern</source>
        <translation>Change comment</translation>
    </message>
    <message>
        <source>Bitte geben sie den neuen Preis an.</source>
        <translation>Please enter the new price.</translation>
    </message>
    <message>
        <source>Bitte geben sie den neuen Komentar ein.</source>
        <translation>Please enter the new comment.</translation>
    </message>
    <message>
        <source>Bitte geben sie die neue Menge an.</source>
        <translation>Please enter the new quantity.</translation>
    </message>
    <message>
        <source>MwSt ändern</source>
        <translation>Change VAT</translation>
    </message>
    <message>
        <source>Umsatzsteuer der Zeile:</source>
        <translation>VAT of the line:</translation>
    </message>
    <message>
        <source>Einheit ändern</source>
        <translation>Change unit</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Eine Menge mit höchstens drei Nachkommastellen.</source>
        <translation>A quantity with at most three decimal places.</translation>
    </message>
    <message>
        <source>Stück</source>
        <translation>piece</translation>
    </message>
    <message>
        <source>Stunde</source>
        <translation>hour</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>day</translation>
    </message>
    <message>
        <source>pauschal</source>
        <translation>flat rate</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Datenbank</source>
        <translation>Database</translation>
    </message>
    <message>
        <source>Die Datenbank konnte nicht geöffnet werden:</source>
        <translation>The database could not be opened:</translation>
    </message>
    <message>
        <source>Alle Aufträge löschen</source>
        <translation>Delete all orders</translation>
    </message>
    <message>
        <source>Wollen sie wirklich unwiderruflich alle Aufträge löschen?</source>
        <translation>Do you really want to delete all orders irrevocably?</translation>
    </message>
    <message>
        <source>Die Datenbankdatei ist beschädigt. Sie wird nicht verändert; es kann nichts gespeichert werden.</source>
        <translation>The database file is damaged. It will not be changed; nothing can be saved.</translation>
    </message>
    <message>
        <source>Passwort für %1 auf %2:</source>
        <translation>Password for %1 on %2:</translation>
    </message>
    <message>
        <source>Datensicherung</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Die automatische Datensicherung ist misslungen:</source>
        <translation>The automatic backup failed:</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>RechnungsEditor</name>
    <message>
        <source>de</source>
        <translation>de</translation>
    </message>
    <message>
        <source>fr_1</source>
        <translation>fr_1</translation>
    </message>
    <message>
        <source> Tage</source>
        <translation> days</translation>
    </message>
    <message>
        <source>Kopf</source>
        <translation>Header</translation>
    </message>
    <message>
        <source>Fuß (Schulung)</source>
        <translation>Footer (training)</translation>
    </message>
    <message>
        <source>Fuß (Produkte)</source>
        <translation>Footer (products)</translation>
    </message>
    <message>
        <source>LogoText</source>
        <translation>Logo text</translation>
    </message>
    <message>
        <source>Drucker</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Zeige Druckerdialog</source>
        <translation>Show print dialog</translation>
    </message>
    <message>
        <source>Kopien</source>
        <translation>Copies</translation>
    </message>
    <message>
        <source>Produkt Offset</source>
        <translation>Product offset</translation>
    </message>
    <message>
        <source>Schulung Offset</source>
        <translation>Training offset</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Zahlungsziel</source>
        <translation>Payment term</translation>
    </message>
    <message>
        <source>Mahntext</source>
        <translation>Reminder text</translation>
    </message>
    <message>
        <source>Mit diesem Versatz wird keine Rechnung gespeichert; &quot;OK&quot; speichert den angezeigten Wert.</source>
        <translation>With this offset no invoice is stored; &quot;OK&quot; stores the value shown.</translation>
    </message>
    <message>
        <source>Präfix Rechnung Produkte</source>
        <translation>Prefix invoice products</translation>
    </message>
    <message>
        <source>Präfix Rechnung Schulung</source>
        <translation>Prefix invoice training</translation>
    </message>
    <message>
        <source>Präfix Gutschrift</source>
        <translation>Prefix credit note</translation>
    </message>
    <message>
        <source>Präfix Angebot</source>
        <translation>Prefix offer</translation>
    </message>
    <message>
        <source>Präfix Lieferschein</source>
        <translation>Prefix delivery note</translation>
    </message>
    <message>
        <source>Angebote gültig</source>
        <translation>Offers valid for</translation>
    </message>
    <message>
        <source>Mahnungen</source>
        <translation>Reminders</translation>
    </message>
    <message>
        <source>nach dem Land der Firma</source>
        <translation>by the company&apos;s country</translation>
    </message>
    <message>
        <source>Deutschland (§ 288 BGB)</source>
        <translation>Germany (§ 288 BGB)</translation>
    </message>
    <message>
        <source>Frankreich (Code de commerce L441-10)</source>
        <translation>France (Code de commerce L441-10)</translation>
    </message>
    <message>
        <source>Recht</source>
        <translation>Law</translation>
    </message>
    <message>
        <source>Basiszins</source>
        <translation>Base rate</translation>
    </message>
    <message>
        <source>Aufschlag Unternehmen</source>
        <translation>Surcharge businesses</translation>
    </message>
    <message>
        <source>Aufschlag Verbraucher</source>
        <translation>Surcharge consumers</translation>
    </message>
    <message>
        <source>Gebühr Stufe 1</source>
        <translation>Fee level 1</translation>
    </message>
    <message>
        <source>Gebühr Stufe 2</source>
        <translation>Fee level 2</translation>
    </message>
    <message>
        <source>Gebühr Stufe 3</source>
        <translation>Fee level 3</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source> €</source>
        <translation> €</translation>
    </message>
    <message>
        <source>Deutschland: der Basiszinssatz der Bundesbank (1,27 % ab 1. Juli 2025); Frankreich: der gesetzliche Zinssatz für Gläubiger, die beruflich handeln (2,76 % im 2. Halbjahr 2025). Beide ändern sich jedes Halbjahr: bitte aktuell halten.</source>
        <translation>Germany: the Bundesbank&apos;s base rate (1.27 % from 1 July 2025); France: the legal interest rate for professional creditors (2.76 % in the second half of 2025). Both change every six months: please keep them current.</translation>
    </message>
    <message>
        <source>Deutschland: 9 Prozentpunkte über dem Basiszins; Frankreich: das Dreifache des gesetzlichen Zinssatzes, zuzüglich dieses Aufschlags.</source>
        <translation>Germany: 9 points above the base rate; France: three times the legal interest rate, plus this surcharge.</translation>
    </message>
    <message>
        <source>Deutschland: 5 Prozentpunkte über dem Basiszins.</source>
        <translation>Germany: 5 points above the base rate.</translation>
    </message>
    <message>
        <source>Nur Unternehmen: die Pauschale von 40 € (§ 288 Abs. 5 BGB, Code de commerce D441-5).</source>
        <translation>Businesses only: the flat fee of 40 € (§ 288 (5) BGB, Code de commerce D441-5).</translation>
    </message>
</context>
<context>
    <name>SicherungsBefehle</name>
    <message>
        <source>Datensicherung (*%1);;Alle Dateien (*)</source>
        <translation>Backup (*%1);;All files (*)</translation>
    </message>
    <message>
        <source>Datensicherung erstellen</source>
        <translation>Create backup</translation>
    </message>
    <message>
        <source>Die Datensicherung %1 wurde geschrieben. Sie enthält:</source>
        <translation>The backup %1 has been written. It contains:</translation>
    </message>
    <message>
        <source>Datensicherung wiederherstellen</source>
        <translation>Restore backup</translation>
    </message>
    <message>
        <source>Die Datei wird nicht wiederhergestellt; nichts wurde geändert.</source>
        <translation>The file is not restored; nothing was changed.</translation>
    </message>
    <message>
        <source>Die Datensicherung vom %1 (Belegwerk %2) enthält:</source>
        <translation>The backup of %1 (Belegwerk %2) contains:</translation>
    </message>
    <message>
        <source>Alle jetzigen Daten werden durch sie ersetzt. Die jetzigen Daten werden vorher in %1 gesichert. Wiederherstellen?</source>
        <translation>All current data will be replaced by it. The current data is first backed up to %1. Restore?</translation>
    </message>
    <message>
        <source>Der Ordner %1 lässt sich nicht anlegen.</source>
        <translation>The folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>Die Daten wurden wiederhergestellt. Die vorigen Daten liegen in %1.</source>
        <translation>The data has been restored. The previous data is in %1.</translation>
    </message>
    <message>
        <source>Daten übertragen</source>
        <translation>Transfer data</translation>
    </message>
    <message>
        <source>SQLite-Datenbank (*.db);;Alle Dateien (*)</source>
        <translation>SQLite database (*.db);;All files (*)</translation>
    </message>
    <message>
        <source>Server der PostgreSQL-Datenbank:</source>
        <translation>PostgreSQL database server:</translation>
    </message>
    <message>
        <source>Name der Datenbank:</source>
        <translation>Database name:</translation>
    </message>
    <message>
        <source>Benutzer:</source>
        <translation>User:</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Die Zieldatenbank lässt sich nicht öffnen: %1</source>
        <translation>The target database cannot be opened: %1</translation>
    </message>
    <message>
        <source>Alle Daten wurden nach %1 übertragen. Um mit ihr zu arbeiten, stellen Sie sie in den Einstellungen als Datenbank ein.</source>
        <translation>All data has been transferred to %1. To work with it, set it as the database in the settings.</translation>
    </message>
</context>
<context>
    <name>Sicherungsplan</name>
    <message>
        <source>Der Ordner %1 lässt sich nicht anlegen.</source>
        <translation>The folder %1 cannot be created.</translation>
    </message>
</context>
<context>
    <name>Spaltentitel</name>
    <message>
        <source>Nr.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Belegnr.</source>
        <translation>Document no.</translation>
    </message>
    <message>
        <source>Kundennr.</source>
        <translation>Customer no.</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Company</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Street</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Town</translation>
    </message>
    <message>
        <source>Land</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>Telefon 2</source>
        <translation>Phone 2</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Bemerkung</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>IBAN</source>
        <translation>IBAN</translation>
    </message>
    <message>
        <source>BIC</source>
        <translation>BIC</translation>
    </message>
    <message>
        <source>Steuernummer</source>
        <translation>Tax number</translation>
    </message>
    <message>
        <source>Kunde seit</source>
        <translation>Customer since</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Lieferdatum</source>
        <translation>Delivery date</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Zahlungsart</source>
        <translation>Payment</translation>
    </message>
    <message>
        <source>Bestellnr.</source>
        <translation>Order ref.</translation>
    </message>
    <message>
        <source>Leistung</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Kommentar</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Preis</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>Beschreibung</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
</context>
<context>
    <name>Speicherhinweis</name>
    <message>
        <source>Die Datenbank wird gerade von einem anderen Programm benutzt. Bitte versuchen Sie es gleich noch einmal.</source>
        <translation>The database is currently being used by another program. Please try again in a moment.</translation>
    </message>
    <message>
        <source>Er wurde inzwischen an einem anderen Arbeitsplatz geändert oder gelöscht. Neu laden? Ihre Eingaben gehen dabei verloren.</source>
        <translation>It has been changed or deleted at another workstation in the meantime. Reload? Your entries will be lost.</translation>
    </message>
    <message>
        <source>Die Datenbankdatei ist beschädigt; es wird nichts geschrieben:</source>
        <translation>The database file is damaged; nothing will be written:</translation>
    </message>
    <message>
        <source>Die Liste konnte nicht gelesen werden:</source>
        <translation>The list could not be read:</translation>
    </message>
    <message>
        <source>Die Verbindung zur Datenbank war unterbrochen; es wurde nichts gespeichert.</source>
        <translation>The connection to the database was interrupted; nothing was saved.</translation>
    </message>
    <message>
        <source>Der Datenbankserver hat nicht rechtzeitig geantwortet; es wurde nichts gespeichert.</source>
        <translation>The database server did not answer in time; nothing was saved.</translation>
    </message>
    <message>
        <source>Die Verbindung zur Datenbank brach beim Abschluss ab; ob gespeichert wurde, ist unbekannt. Bitte prüfen Sie die Liste, bevor Sie es noch einmal eingeben.</source>
        <translation>The connection to the database broke off while finishing; it is unknown whether it was saved. Please check the list before you enter it again.</translation>
    </message>
</context>
<context>
    <name>SqlAuftragsStore</name>
    <message>
        <source>Ein Betrag oder die Summe ist keine endliche Zahl.</source>
        <translation>An amount or the total is not a finite number.</translation>
    </message>
    <message>
        <source>Ein Datum liegt nicht in den Jahren 1 bis 9999.</source>
        <translation>A date is not within the years 1 to 9999.</translation>
    </message>
    <message>
        <source>Es ist keine Belegnummer mehr frei.</source>
        <translation>No document number is left.</translation>
    </message>
    <message>
        <source>Die Belegnummer %1 liegt nicht zwischen 1 und %2.</source>
        <translation>The document number %1 is not between 1 and %2.</translation>
    </message>
    <message>
        <source>Die Belegnummer %1 ist schon vergeben: die Präfixe der Nummernkreise in den Einstellungen müssen sich unterscheiden.</source>
        <translation>The document number %1 is already taken: the prefixes of the number ranges in the settings must differ.</translation>
    </message>
    <message>
        <source>Der Beleg ist nicht gespeichert oder hat keine Datei.</source>
        <translation>The document is not saved or has no file.</translation>
    </message>
    <message>
        <source>Der Beleg %1 ist schon ausgestellt.</source>
        <translation>The document %1 has already been issued.</translation>
    </message>
    <message>
        <source>Der Beleg %1 ist ausgestellt und kann nicht gelöscht werden.</source>
        <translation>The document %1 has been issued and cannot be deleted.</translation>
    </message>
    <message>
        <source>Nur der letzte Beleg eines Nummernkreises kann gelöscht werden, damit keine Nummer fehlt; %1 ist es nicht.</source>
        <translation>Only the last document of a number range can be deleted, so that no number is missing; %1 is not.</translation>
    </message>
    <message numerus="yes">
        <source>%n ausgestellte Belege müssen aufbewahrt werden; es wurde nichts gelöscht.</source>
        <translation>
            <numerusform>%n issued document must be kept; nothing was deleted.</numerusform>
            <numerusform>%n issued documents must be kept; nothing was deleted.</numerusform>
        </translation>
    </message>
    <message>
        <source>Eine Zahlung hat keinen Betrag über 0, kein Datum oder gehört zu keiner Rechnung.</source>
        <translation>A payment has no amount above 0, no date, or belongs to no invoice.</translation>
    </message>
    <message>
        <source>Der Betrag einer Zahlung muss größer als 0 sein.</source>
        <translation>The amount of a payment must be greater than 0.</translation>
    </message>
    <message>
        <source>Die Zahlung hat kein gültiges Datum.</source>
        <translation>The payment has no valid date.</translation>
    </message>
    <message>
        <source>Zahlungen werden nur zu Rechnungen erfasst.</source>
        <translation>Payments are recorded only against invoices.</translation>
    </message>
    <message>
        <source>Die Rechnung ist storniert.</source>
        <translation>The invoice is cancelled.</translation>
    </message>
    <message>
        <source>Eine Mahnung braucht eine Stufe von 1 bis 3 und ein gültiges Datum.</source>
        <translation>A reminder needs a level from 1 to 3 and a valid date.</translation>
    </message>
    <message>
        <source>Die Rechnung %1 gibt es nicht.</source>
        <translation>There is no invoice %1.</translation>
    </message>
</context>
<context>
    <name>SqlKundenStore</name>
    <message>
        <source>Das Datum &quot;Kunde seit&quot; liegt nicht in den Jahren 1 bis 9999.</source>
        <translation>The &quot;Customer since&quot; date is not within the years 1 to 9999.</translation>
    </message>
    <message>
        <source>Der Kunde hat keine Kundennummer.</source>
        <translation>The customer has no customer number.</translation>
    </message>
    <message>
        <source>Es ist keine Kundennummer mehr frei.</source>
        <translation>No customer number is left.</translation>
    </message>
    <message>
        <source>Die Kundennummer %1 liegt nicht zwischen 1 und %2.</source>
        <translation>The customer number %1 is not between 1 and %2.</translation>
    </message>
</context>
<context>
    <name>SqlProduktStore</name>
    <message>
        <source>Der Preis ist keine endliche Zahl.</source>
        <translation>The price is not a finite number.</translation>
    </message>
    <message>
        <source>Die Produktnummer ist leer.</source>
        <translation>The product number is empty.</translation>
    </message>
</context>
<context>
    <name>StatistikDialog</name>
    <message>
        <source>Alle</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Berechnen</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>%1 €</source>
        <translation>%1 €</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Von</source>
        <translation>From</translation>
    </message>
    <message>
        <source>Bis</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Tabelle</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Diagramm</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>&amp;Art</source>
        <translation>&amp;Kind</translation>
    </message>
    <message>
        <source>&amp;Zahlung</source>
        <translation>&amp;Payment</translation>
    </message>
    <message>
        <source>S&amp;tatus</source>
        <translation>S&amp;tatus</translation>
    </message>
    <message>
        <source>Die Aufträge konnten nicht gelesen werden:
%1</source>
        <translation>The orders could not be read:
%1</translation>
    </message>
</context>
<context>
    <name>Steuer</name>
    <message>
        <source>Summe: %1 € ( %2 € )</source>
        <translation>Total: %1 € ( %2 € )</translation>
    </message>
    <message>
        <source>Summe: %1 €</source>
        <translation>Total: %1 €</translation>
    </message>
    <message>
        <source>S %1 %</source>
        <translation>S %1 %</translation>
    </message>
    <message>
        <source>Z 0 % (Nullsatz)</source>
        <translation>Z 0 % (zero rate)</translation>
    </message>
    <message>
        <source>E steuerfrei (Schulung)</source>
        <translation>E exempt (training)</translation>
    </message>
</context>
<context>
    <name>SteuerEditor</name>
    <message>
        <source>Nur passende Produkte anzeigen</source>
        <translation>Show matching products only</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Verwenden</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>MwSt Satz A</source>
        <translation>VAT rate A</translation>
    </message>
    <message>
        <source>MwSt Satz B</source>
        <translation>VAT rate B</translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation>Gross</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Keine</source>
        <translation>None</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Beide</source>
        <translation>Both</translation>
    </message>
    <message>
        <source>Keiner</source>
        <translation>Neither</translation>
    </message>
    <message>
        <source>Kleinunternehmer: keine Umsatzsteuer (§ 19 UStG, art. 293 B CGI)</source>
        <translation>Small business: no VAT (§ 19 UStG, art. 293 B CGI)</translation>
    </message>
    <message>
        <source>Schulungen sind steuerfrei (Bildungsträger)</source>
        <translation>Training courses are VAT-exempt (training provider)</translation>
    </message>
    <message>
        <source>Steuer nach vereinbarten Entgelten (option pour les débits)</source>
        <translation>Tax due on invoicing, accrual basis (option pour les débits)</translation>
    </message>
</context>
<context>
    <name>TabellenExport</name>
    <message>
        <source>Open Document ( *.ods );;Excel 2007+ (*.xlsx);;Excel ( *.xls);;CSV (*.csv)</source>
        <translation>OpenDocument ( *.ods );;Excel 2007+ (*.xlsx);;Excel ( *.xls);;CSV (*.csv)</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; wurde nicht geschrieben: unbekanntes Format. Bitte .ods, .xlsx, .xls oder .csv wählen.</source>
        <translation>The file &quot;%1&quot; was not written: unknown format. Please choose .ods, .xlsx, .xls or .csv.</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>The file &quot;%1&quot; could not be written.</translation>
    </message>
</context>
<context>
    <name>TabellenImport</name>
    <message>
        <source>Produkte importieren</source>
        <translation>Import products</translation>
    </message>
    <message>
        <source>Vendora Produkte importieren</source>
        <translation>Import Vendora products</translation>
    </message>
    <message>
        <source>Vendora Kunden importieren</source>
        <translation>Import Vendora customers</translation>
    </message>
    <message>
        <source>Die Datei enthält %1 neue Kunden. Sollen sie alle angelegt werden?</source>
        <translation>The file holds %1 new customers. Create them all?</translation>
    </message>
    <message>
        <source>Die Datei enthält %1 neue Produkte. Sollen sie alle angelegt werden?</source>
        <translation>The file holds %1 new products. Create them all?</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Nichts importiert</source>
        <translation>Nothing imported</translation>
    </message>
</context>
<context>
    <name>UmsatzDiagramm</name>
    <message>
        <source>Umsatz</source>
        <translation>Revenue</translation>
    </message>
    <message>
        <source>Umsatz in €</source>
        <translation>Revenue in €</translation>
    </message>
    <message>
        <source>Umsatz pro Monat</source>
        <translation>Revenue per month</translation>
    </message>
    <message>
        <source>Diagramm speichern</source>
        <translation>Save chart</translation>
    </message>
    <message>
        <source>PNG-Bild (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden.</source>
        <translation>The file %1 could not be written.</translation>
    </message>
    <message>
        <source>Als PNG speichern</source>
        <translation>Save as PNG</translation>
    </message>
</context>
<context>
    <name>Verbindung</name>
    <message>
        <source>Der Datenbanktreiber &quot;%1&quot; wird nicht unterstützt (nur %2).</source>
        <translation>The database driver &quot;%1&quot; is not supported (only %2).</translation>
    </message>
    <message>
        <source>Die Datenbankdatei %1 gehört einem anderen Benutzer (%2).</source>
        <translation>The database file %1 belongs to another user (%2).</translation>
    </message>
    <message>
        <source>Die Datenbankdatei %1 ist für andere Benutzer beschreibbar.</source>
        <translation>The database file %1 is writable by other users.</translation>
    </message>
    <message>
        <source>Das Zertifikat des Servers ist nicht von der CA-Datei &quot;%1&quot; bestätigt oder nicht für &quot;%2&quot; ausgestellt (SSL: %3).</source>
        <translation>The server&apos;s certificate is not confirmed by the CA file &quot;%1&quot; or not issued for &quot;%2&quot; (SSL: %3).</translation>
    </message>
</context>
<context>
    <name>XmlAustausch</name>
    <message>
        <source>Die Datei endet mitten in den Daten.</source>
        <translation>The file ends in the middle of the data.</translation>
    </message>
    <message>
        <source>Auftragsdaten exportieren</source>
        <translation>Export order data</translation>
    </message>
    <message>
        <source>Kundendaten exportieren</source>
        <translation>Export customer data</translation>
    </message>
    <message>
        <source>Daten (*.xml)</source>
        <translation>Data (*.xml)</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>The file &quot;%1&quot; could not be written.</translation>
    </message>
    <message>
        <source>Nichts exportiert</source>
        <translation>Nothing exported</translation>
    </message>
    <message>
        <source>%1 Aufträge exportiert</source>
        <translation>%1 orders exported</translation>
    </message>
    <message>
        <source>%1 Kunden exportiert</source>
        <translation>%1 customers exported</translation>
    </message>
    <message>
        <source>Auftragsdaten importieren</source>
        <translation>Import order data</translation>
    </message>
    <message>
        <source>Kundendaten importieren</source>
        <translation>Import customer data</translation>
    </message>
    <message>
        <source>%1 %2 ist keine mögliche Nummer</source>
        <translation>%1 %2 is not a possible number</translation>
    </message>
    <message>
        <source>%1 %2 ist kein mögliches Datum</source>
        <translation>%1 %2 is not a possible date</translation>
    </message>
    <message>
        <source>Kunde %1 (%2)</source>
        <translation>Customer %1 (%2)</translation>
    </message>
    <message>
        <source>Kunde ohne Nummer (%1)</source>
        <translation>Customer without number (%1)</translation>
    </message>
    <message>
        <source>Beleg der Art %1</source>
        <translation>Document of kind %1</translation>
    </message>
    <message>
        <source>%1 Nr. %2</source>
        <translation>%1 no. %2</translation>
    </message>
    <message>
        <source>%1 ohne Nummer</source>
        <translation>%1 without number</translation>
    </message>
    <message>
        <source>Die Datenbank hat den Import abgelehnt, kein Auftrag wurde gespeichert: %1</source>
        <translation>The database refused the import, no order was stored: %1</translation>
    </message>
    <message>
        <source>Die Datenbank hat den Import abgelehnt, kein Kunde wurde gespeichert: %1</source>
        <translation>The database refused the import, no customer was stored: %1</translation>
    </message>
    <message>
        <source>Zahlung %1 vom %2 ist keine mögliche Zahlung</source>
        <translation>Payment of %1 on %2 is not a possible payment</translation>
    </message>
</context>
<context>
    <name>ZahlungsDialog</name>
    <message>
        <source>Zahlungen zu %1</source>
        <translation>Payments for %1</translation>
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
        <source>Art</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>Referenz</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Erfassen</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Entfernen</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Brutto %1, bezahlt %2, gutgeschrieben %3, offen %4</source>
        <translation>Gross %1, paid %2, credited %3, open %4</translation>
    </message>
    <message>
        <source>Zahlung erfassen</source>
        <translation>Record payment</translation>
    </message>
    <message>
        <source>„%1“ ist kein Betrag in Euro mit höchstens zwei Nachkommastellen.</source>
        <translation>&quot;%1&quot; is not an amount in euros with at most two decimal places.</translation>
    </message>
    <message>
        <source>Der Betrag einer Zahlung muss größer als 0 sein.</source>
        <translation>The amount of a payment must be greater than 0.</translation>
    </message>
    <message>
        <source>Die Zahlung von %1 ist höher als der offene Betrag von %2. Trotzdem erfassen?</source>
        <translation>The payment of %1 exceeds the open amount of %2. Record it anyway?</translation>
    </message>
    <message>
        <source>Die Zahlung konnte nicht gespeichert werden.</source>
        <translation>The payment could not be saved.</translation>
    </message>
    <message>
        <source>Zahlung entfernen</source>
        <translation>Remove payment</translation>
    </message>
    <message>
        <source>Diese Zahlung wirklich entfernen?</source>
        <translation>Really remove this payment?</translation>
    </message>
    <message>
        <source>Die Zahlung konnte nicht entfernt werden.</source>
        <translation>The payment could not be removed.</translation>
    </message>
</context>
<context>
    <name>Zeichenpruefung</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Kunde, Firma</source>
        <translation>Customer, company</translation>
    </message>
    <message>
        <source>Kunde, Name</source>
        <translation>Customer, name</translation>
    </message>
    <message>
        <source>Kunde, Straße</source>
        <translation>Customer, street</translation>
    </message>
    <message>
        <source>Kunde, PLZ</source>
        <translation>Customer, postcode</translation>
    </message>
    <message>
        <source>Kunde, Ort</source>
        <translation>Customer, town</translation>
    </message>
    <message>
        <source>Kunde, Land</source>
        <translation>Customer, country</translation>
    </message>
    <message>
        <source>Kunde, USt-IdNr.</source>
        <translation>Customer, VAT id</translation>
    </message>
    <message>
        <source>BestellNr</source>
        <translation>Order reference</translation>
    </message>
    <message>
        <source>Lieferanschrift</source>
        <translation>Delivery address</translation>
    </message>
    <message>
        <source>Zeile %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>Bemerkung</source>
        <translation>Remark</translation>
    </message>
</context>
</TS>
