<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AuftragsDialog</name>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftragsart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zahlungsart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BestellNr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bemerkung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neue Rechnung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neuer Auftrag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftrag speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Auftrag konnte nicht gespeichert werden und wurde nicht gedruckt.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AuftragsEditor</name>
    <message>
        <source>Aktualisieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Von</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunden anzeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>als PDF speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>als Email senden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rechnung aus Angebot erstellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gutschrift aus Rechnung erstellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kundendaten anzeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftrag löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wollen Sie diesen Auftrag wirklich permanent löschen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Auftrag konnte nicht gelöscht werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufträge exportieren</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AuftragsListe</name>
    <message>
        <source>%1 €</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status setzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Status des Auftrags konnte nicht gespeichert werden.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
    <name>Drucker</name>
    <message>
        <source>LogoText</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;Atelier Belegwerk&lt;/h2&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12 rue des Exemples
69001 Lyon France
Tel. 04 00 00 00 00
Fax: 04 00 00 00 01
Ust.Id.Nr: FR00000000000
E-mail: contact@exemple.fr
URL: www.exemple.fr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note de crédit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%2 Nº %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paiement en espèces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>carte EC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transfert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>débit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>carte de crédit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chèques</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A payer par %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payé par %1 - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facture Matériel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Réf. Produit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quant.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prix Net €</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TVA %1% €</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prix €</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base TVA %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TVA %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total TTC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facture Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C.TVA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total €</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exonération TVA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sous-total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TVA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuß</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Livraisons Intracommunautaires
Art. 262 ter, 1-1° du CGi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2 - %3 %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n° de client: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UstId-Nr: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DruckerDE1</name>
    <message>
        <source>LogoText</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2 - %3 %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rechnung Nr.%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rechnung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Produkt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MwSt €</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preis €</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MwSt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuß</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLZ %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konto-Nr. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steuer-Nr: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ust-Id: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bankverbindung:</source>
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
    <name>KundenAuftragsDialog</name>
    <message>
        <source>Neue Rechnung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rechnungen für KundenNr %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>als PDF speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>als Email senden</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KundenDialog</name>
    <message>
        <source>Okay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeige Rechnungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neue Rechnung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neuer Kunde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kundendetails für %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunde speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Kunde kann nicht gespeichert werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kundenänderungen speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sollen die Änderungen an diesem Kunden
wirklich gespeichert werden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Änderungen an diesem Kunden konnten nicht gespeichert werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KundenNr bereits verwendet!
Der Kunde wird nicht gespeichert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der neue Kunde konnte nicht gespeichert werden.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KundenEditor</name>
    <message>
        <source>Alle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeige Rechnungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neue Rechnung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email schreiben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunden exportieren</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KundenWidget</name>
    <message>
        <source>KundenNr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strasse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLZ/Ort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Land</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tel1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tel2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IBAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BIC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steuer Nr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bemerkung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frankreich</source>
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
    <message>
        <source>Auftragsadmin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Belegwerk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vendora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Produkte importieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunden importieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aktuelle Ansicht exportieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Produkte exportieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einstellungen exportieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftragsdaten exportieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kundedaten exportieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einstellungen importieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftragsdaten importieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kundendaten importieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunde zu KundenNr anzeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftrag zu RechungsNr anzeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftrag zu BestellNr anzeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Produkte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Qt</source>
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
    <message>
        <source>Drucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Auftrag konnte nicht gedruckt werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Auftrag wurde gedruckt, aber der Status &quot;Gedruckt&quot; konnte nicht gespeichert werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftrag%1.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftrag als PDF speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF ( *.pdf )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>als Email senden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zu diesem Kunden ist keine Emailaddresse bekannt!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ihr Auftrag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftrag speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Auftrag konnte nicht gespeichert werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunden anzeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte geben sie die Kundennummer ein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftrag anzeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte geben sie die Bestellnummer ein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Auftrag mit BestellNr %1 gefunden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es wurden folgende Aufträge gefunden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte geben sie die Auftragsnummer ein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeige Auftrag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftrag mit der Nummer %1 nicht gefunden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftrag auswählen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es wurden mehrere Aufträge mit dieser Nummer gefunden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Über Belegwerk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Belegwerk

Kunden, Produkte, Rechnungen, Lieferscheine, Gutschriften und Angebote für kleine Betriebe.

Copyright © 2026 die Belegwerk-Entwickler.</source>
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
    <name>ProdukteWidget</name>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 €</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unbekanntes Produkt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unbekanntes Produkt!
Bitte geben sie die Preis an.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prozente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geben Sie den Prozentsatz ein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>entfernen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preis ändern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menge ändern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Komentar ändern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte geben sie den neuen Preis an.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte geben sie den neuen Komentar ein.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte geben sie die neue Menge an.</source>
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
