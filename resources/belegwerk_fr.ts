<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AuftragsAktionen</name>
    <message>
        <source>Anzeigen</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Kunden anzeigen</source>
        <translation>Afficher le client</translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>als PDF speichern</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>XML speichern</source>
        <translation>Enregistrer en XML</translation>
    </message>
    <message>
        <source>als Email senden</source>
        <translation>Envoyer par e-mail</translation>
    </message>
    <message>
        <source>Rechnung aus Angebot erstellen</source>
        <translation>Créer une facture à partir du devis</translation>
    </message>
    <message>
        <source>Gutschrift aus Rechnung erstellen</source>
        <translation>Créer un avoir à partir de la facture</translation>
    </message>
    <message>
        <source>Kundendaten anzeigen</source>
        <translation>Afficher les données du client</translation>
    </message>
    <message>
        <source>Zahlungen…</source>
        <translation>Règlements…</translation>
    </message>
    <message>
        <source>Mahnen…</source>
        <translation>Relancer…</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Auftragsart</source>
        <translation>Type de prestation</translation>
    </message>
    <message>
        <source>Zahlungsart</source>
        <translation>Mode de paiement</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>BestellNr</source>
        <translation>N° de commande</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Bemerkung</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Neue Rechnung</source>
        <translation>Nouvelle facture</translation>
    </message>
    <message>
        <source>Neuer Auftrag</source>
        <translation>Nouveau document</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Auftrag speichern</source>
        <translation>Enregistrer le document</translation>
    </message>
    <message>
        <source>Der Auftrag konnte nicht gespeichert werden und wurde nicht gedruckt.</source>
        <translation>Le document n&apos;a pas pu être enregistré et n&apos;a pas été imprimé.</translation>
    </message>
    <message>
        <source>Innergemeinschaftliche Lieferung: für die elektronische Rechnung fehlt %1.</source>
        <translation>Livraison intracommunautaire : il manque %1 pour la facture électronique.</translation>
    </message>
    <message>
        <source> und </source>
        <translation> et </translation>
    </message>
    <message>
        <source>leer: die Rechnungsanschrift</source>
        <translation>vide : l&apos;adresse de facturation</translation>
    </message>
    <message>
        <source>Lieferanschrift</source>
        <translation>Adresse de livraison</translation>
    </message>
</context>
<context>
    <name>AuftragsEditor</name>
    <message>
        <source>Aktualisieren</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Von</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>Bis</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Auftrag löschen</source>
        <translation>Supprimer le document</translation>
    </message>
    <message>
        <source>Wollen Sie diesen Auftrag wirklich permanent löschen?</source>
        <translation>Voulez-vous vraiment supprimer définitivement ce document ?</translation>
    </message>
    <message>
        <source>Der Auftrag konnte nicht gelöscht werden.</source>
        <translation>Le document n&apos;a pas pu être supprimé.</translation>
    </message>
    <message>
        <source>Aufträge exportieren</source>
        <translation>Exporter les documents</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>offen</source>
        <translation>non soldés</translation>
    </message>
    <message>
        <source>überfällig</source>
        <translation>en retard</translation>
    </message>
    <message>
        <source>Alle Arten</source>
        <translation>Tous les types</translation>
    </message>
    <message>
        <source>Jeder Status</source>
        <translation>Tous les statuts</translation>
    </message>
    <message>
        <source>Suche: Nummer, Kunde, Betrag</source>
        <translation>Recherche : numéro, client, montant</translation>
    </message>
    <message numerus="yes">
        <source>%n Aufträge: netto %1, brutto %2, offen %3</source>
        <translation>
            <numerusform>%n document : HT %1, TTC %2, reste dû %3</numerusform>
            <numerusform>%n documents : HT %1, TTC %2, reste dû %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Offen %1, überfällig %2</source>
        <translation>Reste dû %1, en retard %2</translation>
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
        <translation>Changer le statut</translation>
    </message>
    <message>
        <source>Der Status des Auftrags konnte nicht gespeichert werden.</source>
        <translation>Le statut du document n&apos;a pas pu être enregistré.</translation>
    </message>
</context>
<context>
    <name>AuftragsListenModell</name>
    <message>
        <source>Die Tabelle %1 fehlt.</source>
        <translation>La table %1 est absente.</translation>
    </message>
</context>
<context>
    <name>Ausstellung</name>
    <message>
        <source>Ausgestellt am %1 — Korrekturen nur über eine Gutschrift</source>
        <translation>Émis le %1 — corrections uniquement par un avoir</translation>
    </message>
</context>
<context>
    <name>BelegPdf</name>
    <message>
        <source>Die Rechnung wurde als einfache PDF-Datei geschrieben, nicht als elektronische Rechnung (Factur-X), denn es fehlt:
- %1

Bitte ergänzen Sie die Einstellungen oder den Kunden und speichern Sie die Rechnung erneut.</source>
        <translation>La facture a été écrite comme simple fichier PDF, et non comme facture électronique (Factur-X), car il manque :
- %1

Veuillez compléter les paramètres ou le client et enregistrer à nouveau la facture.</translation>
    </message>
    <message>
        <source>Nur Rechnungen und Gutschriften sind elektronische Rechnungen.</source>
        <translation>Seules les factures et les avoirs sont des factures électroniques.</translation>
    </message>
    <message>
        <source>Es fehlt:
- %1</source>
        <translation>Il manque :
- %1</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden.</source>
        <translation>Le fichier %1 n&apos;a pas pu être écrit.</translation>
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
            <numerusform>Veuillez saisir un nombre avec au plus %n décimale, avec une virgule ou un point, sans séparateur de milliers (p. ex. %1).</numerusform>
            <numerusform>Veuillez saisir un nombre avec au plus %n décimales, avec une virgule ou un point, sans séparateur de milliers (p. ex. %1).</numerusform>
        </translation>
    </message>
    <message>
        <source>Bitte eine Zahl von %1 bis %2 eingeben.</source>
        <translation>Veuillez saisir un nombre de %1 à %2.</translation>
    </message>
</context>
<context>
    <name>CiiAufbau</name>
    <message>
        <source>Frankreich</source>
        <translation>France</translation>
    </message>
    <message>
        <source>Rechnungsnummer (der Auftrag ist noch nicht gespeichert)</source>
        <translation>Numéro de facture (le document n&apos;est pas encore enregistré)</translation>
    </message>
    <message>
        <source>Rechnungsdatum</source>
        <translation>Date de facture</translation>
    </message>
    <message>
        <source>mindestens eine Position</source>
        <translation>au moins une ligne</translation>
    </message>
    <message>
        <source>Name der Firma (Einstellungen, Firma)</source>
        <translation>Nom de l&apos;entreprise (Paramètres, Entreprise)</translation>
    </message>
    <message>
        <source>Land der Firma</source>
        <translation>Pays de l&apos;entreprise</translation>
    </message>
    <message>
        <source>USt-IdNr. der Firma (Einstellungen, Firma)</source>
        <translation>N° de TVA de l&apos;entreprise (Paramètres, Entreprise)</translation>
    </message>
    <message>
        <source>Name oder Firma des Kunden</source>
        <translation>Nom ou raison sociale du client</translation>
    </message>
    <message>
        <source>Land des Kunden</source>
        <translation>Pays du client</translation>
    </message>
    <message>
        <source>Land des Kunden (&quot;%1&quot; ist kein bekanntes Land)</source>
        <translation>Pays du client (« %1 » n&apos;est pas un pays connu)</translation>
    </message>
    <message>
        <source>USt-IdNr. des Kunden</source>
        <translation>N° de TVA du client</translation>
    </message>
    <message>
        <source>IBAN der Firma (Zahlung per Überweisung)</source>
        <translation>IBAN de l&apos;entreprise (paiement par virement)</translation>
    </message>
    <message>
        <source>USt-IdNr. oder SIREN/Registernummer der Firma (Einstellungen, Firma)</source>
        <translation>N° de TVA ou SIREN/n° d&apos;immatriculation de l&apos;entreprise (Paramètres, Entreprise)</translation>
    </message>
    <message>
        <source>getrennte Rechnungen für nicht steuerbare und andere Positionen</source>
        <translation>des factures séparées pour les lignes hors du champ de la TVA et les autres lignes</translation>
    </message>
    <message>
        <source>Kreditkarte</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>EC-Karte</source>
        <translation>Carte bancaire</translation>
    </message>
    <message>
        <source>USt-IdNr. oder Steuernummer der Firma (Einstellungen, Firma)</source>
        <translation>N° de TVA ou n° fiscal de l&apos;entreprise (Paramètres, Entreprise)</translation>
    </message>
    <message>
        <source>SIREN der Firma, 9 Ziffern (Einstellungen, Firma)</source>
        <translation>SIREN de l&apos;entreprise, 9 chiffres (Paramètres, Entreprise)</translation>
    </message>
    <message>
        <source>Mahntext mit Verzugszinsen, Pauschale von 40 € und Skonto (Einstellungen, Rechnung)</source>
        <translation>Texte de relance avec pénalités de retard, indemnité forfaitaire de 40 € et escompte (Paramètres, Facture)</translation>
    </message>
    <message>
        <source>SIREN oder E-Rechnungsadresse des Kunden</source>
        <translation>SIREN ou adresse de facturation électronique du client</translation>
    </message>
    <message>
        <source>E-Rechnungsadresse oder E-Mail des Kunden</source>
        <translation>Adresse de facturation électronique ou e-mail du client</translation>
    </message>
    <message>
        <source>die Rechnung, die die Gutschrift berichtigt</source>
        <translation>la facture que l&apos;avoir rectifie</translation>
    </message>
    <message>
        <source>Telefon der Firma (Einstellungen, Firma)</source>
        <translation>Téléphone de l&apos;entreprise (Paramètres, Entreprise)</translation>
    </message>
    <message>
        <source>Email der Firma (Einstellungen, Firma)</source>
        <translation>E-mail de l&apos;entreprise (Paramètres, Entreprise)</translation>
    </message>
    <message>
        <source>PLZ und Ort der Firma (Einstellungen, Firma)</source>
        <translation>Code postal et ville de l&apos;entreprise (Paramètres, Entreprise)</translation>
    </message>
    <message>
        <source>PLZ und Ort des Kunden</source>
        <translation>Code postal et ville du client</translation>
    </message>
    <message>
        <source>PLZ und Ort der Lieferanschrift</source>
        <translation>Code postal et ville de l&apos;adresse de livraison</translation>
    </message>
    <message>
        <source>IBAN des Kunden (Zahlung per Bankeinzug)</source>
        <translation>IBAN du client (paiement par prélèvement)</translation>
    </message>
    <message>
        <source>Gläubiger-ID der Firma (Einstellungen, Firma; Zahlung per Bankeinzug)</source>
        <translation>Identifiant créancier SEPA de l&apos;entreprise (Paramètres, Entreprise ; paiement par prélèvement)</translation>
    </message>
</context>
<context>
    <name>CodeTabellen</name>
    <message>
        <source>Rechnung</source>
        <translation>Facture</translation>
    </message>
    <message>
        <source>Lieferschein</source>
        <translation>Bon de livraison</translation>
    </message>
    <message>
        <source>Gutschrift</source>
        <translation>Avoir</translation>
    </message>
    <message>
        <source>Angebot</source>
        <translation>Devis</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>EC</source>
        <translation>Carte bancaire</translation>
    </message>
    <message>
        <source>Überweisung</source>
        <translation>Virement</translation>
    </message>
    <message>
        <source>Bankeinzug</source>
        <translation>Prélèvement</translation>
    </message>
    <message>
        <source>Kreditkarte</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>Scheck</source>
        <translation>Chèque</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Gespeichert</source>
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>Gedruckt</source>
        <translation>Imprimé</translation>
    </message>
    <message>
        <source>Bezahlt</source>
        <translation>Payé</translation>
    </message>
    <message>
        <source>Versand</source>
        <translation>Expédié</translation>
    </message>
    <message>
        <source>Fertig</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Storniert</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Schulung</source>
        <translation>Formation</translation>
    </message>
    <message>
        <source>Produkte</source>
        <translation>Produits</translation>
    </message>
    <message>
        <source>Kunde1</source>
        <translation>Client 1</translation>
    </message>
    <message>
        <source>Kunde2</source>
        <translation>Client 2</translation>
    </message>
    <message>
        <source>Kunde3</source>
        <translation>Client 3</translation>
    </message>
    <message>
        <source>Intern</source>
        <translation>Interne</translation>
    </message>
    <message>
        <source>Dienstleistung</source>
        <translation>Prestation de service</translation>
    </message>
    <message>
        <source>Waren</source>
        <translation>Marchandises</translation>
    </message>
    <message>
        <source>Kosten</source>
        <translation>Frais</translation>
    </message>
    <message>
        <source>Sonstiges</source>
        <translation>Divers</translation>
    </message>
</context>
<context>
    <name>DatabaseEditor</name>
    <message>
        <source>Datenbankdatei wählen</source>
        <translation>Choisir le fichier de base de données</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Treiber</source>
        <translation>Pilote</translation>
    </message>
    <message>
        <source>Datenbank</source>
        <translation>Base de données</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Passwort</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Hôte</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Die Datenbank wird beim Start geöffnet: Änderungen auf dieser Seite wirken erst beim nächsten Start des Programms.</source>
        <translation>La base de données est ouverte au démarrage : les modifications de cette page ne prennent effet qu&apos;au prochain démarrage du programme.</translation>
    </message>
    <message>
        <source>Bitte wählen Sie die Datenbankdatei aus.</source>
        <translation>Veuillez choisir le fichier de base de données.</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>CA-Datei</source>
        <translation>Fichier CA</translation>
    </message>
    <message>
        <source>Ordner der täglichen Datensicherung</source>
        <translation>Dossier de la sauvegarde quotidienne</translation>
    </message>
    <message>
        <source>Letzte Datensicherung</source>
        <translation>Dernière sauvegarde</translation>
    </message>
    <message>
        <source>noch keine</source>
        <translation>aucune pour l&apos;instant</translation>
    </message>
    <message>
        <source>Die letzte automatische Datensicherung ist misslungen: %1</source>
        <translation>La dernière sauvegarde automatique a échoué : %1</translation>
    </message>
    <message>
        <source>Die Datenbankeinstellungen bleiben unverändert.</source>
        <translation>Les paramètres de la base de données restent inchangés.</translation>
    </message>
</context>
<context>
    <name>Datenbank</name>
    <message>
        <source>Der Nummernversatz %1 = &quot;%2&quot; liegt nicht zwischen 0 und %3.</source>
        <translation>Le décalage de numérotation %1 = « %2 » n&apos;est pas compris entre 0 et %3.</translation>
    </message>
</context>
<context>
    <name>Datenpruefung</name>
    <message>
        <source>Die Datenbank ist nicht geöffnet: %1</source>
        <translation>La base de données n&apos;est pas ouverte : %1</translation>
    </message>
    <message>
        <source>Unversehrtheit der Datenbankdatei</source>
        <translation>Intégrité du fichier de base de données</translation>
    </message>
    <message>
        <source>Die Datenbankdatei ist beschädigt: %1</source>
        <translation>Le fichier de base de données est endommagé : %1</translation>
    </message>
    <message>
        <source>Belegnummern ohne Doppel</source>
        <translation>Numéros de document sans doublon</translation>
    </message>
    <message>
        <source>Rechnungsnummer %1 (Dienst %2) ist %3-mal vergeben.</source>
        <translation>Le numéro de facture %1 (service %2) est attribué %3 fois.</translation>
    </message>
    <message>
        <source>Belegnummer %1 (Art %2) ist %3-mal vergeben.</source>
        <translation>Le numéro de document %1 (type %2) est attribué %3 fois.</translation>
    </message>
    <message>
        <source>Belegnummer %1 ist %2-mal vergeben.</source>
        <translation>Le numéro de document %1 est attribué %2 fois.</translation>
    </message>
    <message>
        <source>Archiv der ausgestellten Belege</source>
        <translation>Archive des documents émis</translation>
    </message>
    <message>
        <source>Der ausgestellte Auftrag %1 fehlt im Belegarchiv.</source>
        <translation>Le document émis %1 manque dans l&apos;archive des documents.</translation>
    </message>
    <message>
        <source>Der archivierte Beleg des Auftrags %1 stimmt nicht mit seiner Prüfsumme überein.</source>
        <translation>Le document archivé %1 ne correspond pas à sa somme de contrôle.</translation>
    </message>
</context>
<context>
    <name>Datensicherung</name>
    <message>
        <source>Die Datei %1 lässt sich nicht anlegen: %2</source>
        <translation>Impossible de créer le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Die Datenbank lässt sich nicht öffnen: %1</source>
        <translation>Impossible d&apos;ouvrir la base de données : %1</translation>
    </message>
    <message>
        <source>Die Sicherung ist misslungen: %1</source>
        <translation>La sauvegarde a échoué : %1</translation>
    </message>
    <message>
        <source>Die Datei ist keine Datensicherung von Belegwerk.</source>
        <translation>Le fichier n&apos;est pas une sauvegarde de Belegwerk.</translation>
    </message>
    <message>
        <source>Die Datei lässt sich nicht lesen: %1</source>
        <translation>Impossible de lire le fichier : %1</translation>
    </message>
    <message>
        <source>Die Datei ist unvollständig: sie wurde abgeschnitten.</source>
        <translation>Le fichier est incomplet : il a été tronqué.</translation>
    </message>
    <message>
        <source>Die Datei lässt sich nicht öffnen: %1</source>
        <translation>Impossible d&apos;ouvrir le fichier : %1</translation>
    </message>
    <message>
        <source>Die Datei ist beschädigt: %1</source>
        <translation>Le fichier est endommagé : %1</translation>
    </message>
    <message>
        <source>Die Datensicherung hat ein Format, das dieses Programm nicht kennt (Version %1).</source>
        <translation>La sauvegarde a un format que ce programme ne connaît pas (version %1).</translation>
    </message>
    <message>
        <source>Die Datei ist beschädigt: Tabellen oder Zeilen stimmen nicht mit dem Verzeichnis der Sicherung überein.</source>
        <translation>Le fichier est endommagé : les tables ou les lignes ne correspondent pas à l&apos;index de la sauvegarde.</translation>
    </message>
    <message>
        <source>Die Prüfsumme stimmt nicht: der Inhalt der Datei wurde verändert oder ist beschädigt.</source>
        <translation>La somme de contrôle ne correspond pas : le contenu du fichier a été modifié ou est endommagé.</translation>
    </message>
    <message>
        <source>Die bisherigen Daten ließen sich nicht sichern; nichts wurde geändert.</source>
        <translation>Les données actuelles n&apos;ont pas pu être sauvegardées ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Die Wiederherstellung ist misslungen; nichts wurde geändert.</source>
        <translation>La restauration a échoué ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Die Zieldatenbank lässt sich nicht lesen: %1</source>
        <translation>Impossible de lire la base de données cible : %1</translation>
    </message>
    <message>
        <source>Die Zieldatenbank ist nicht leer (Tabelle %1): es wird nichts übertragen.</source>
        <translation>La base de données cible n&apos;est pas vide (table %1) : rien n&apos;est transféré.</translation>
    </message>
    <message>
        <source>Die Übertragung ist misslungen; die Zieldatenbank ist unverändert.</source>
        <translation>Le transfert a échoué ; la base de données cible est inchangée.</translation>
    </message>
    <message>
        <source>Die Datenbank lässt sich nicht wieder öffnen: %1</source>
        <translation>Impossible de rouvrir la base de données : %1</translation>
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
        <translation>Abandonner les modifications ?</translation>
    </message>
    <message>
        <source>Ihre Eingaben sind nicht gespeichert. Wollen Sie sie verwerfen?</source>
        <translation>Vos saisies ne sont pas enregistrées. Voulez-vous les abandonner ?</translation>
    </message>
</context>
<context>
    <name>Einstellungen</name>
    <message>
        <source>Einstellungen</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Steuer</source>
        <translation>TVA</translation>
    </message>
    <message>
        <source>Rechnung</source>
        <translation>Facture</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Entreprise</translation>
    </message>
    <message>
        <source>Datenbank</source>
        <translation>Base de données</translation>
    </message>
</context>
<context>
    <name>EinstellungsDatei</name>
    <message>
        <source>Einstellungen exportieren</source>
        <translation>Exporter les paramètres</translation>
    </message>
    <message>
        <source>Einstellungen importieren</source>
        <translation>Importer les paramètres</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden.</source>
        <translation>Le fichier %1 n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Die Datei enthält alle Einstellungen, auch das Passwort der Datenbank im Klartext. Sie wird nur für Sie lesbar gespeichert.

Einstellungen mit dem Passwort exportieren?</source>
        <translation>Le fichier contient tous les paramètres, y compris le mot de passe de la base de données en clair. Il est enregistré lisible par vous seul.

Exporter les paramètres avec le mot de passe ?</translation>
    </message>
    <message>
        <source>Einstellungen (*.ini)</source>
        <translation>Paramètres (*.ini)</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden.</source>
        <translation>Le fichier %1 n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>Dieser Wert wurde nicht übernommen.</source>
        <translation>Cette valeur n&apos;a pas été reprise.</translation>
    </message>
    <message>
        <source>Es wurde nichts übernommen.</source>
        <translation>Rien n&apos;a été repris.</translation>
    </message>
    <message>
        <source>(wird gelöscht und beim nächsten Start erfragt)</source>
        <translation>(sera supprimé et demandé au prochain démarrage)</translation>
    </message>
    <message>
        <source>Die Datei ändert keine Einstellung.</source>
        <translation>Le fichier ne modifie aucun paramètre.</translation>
    </message>
    <message>
        <source>Diese Einstellungen werden geändert:</source>
        <translation>Ces paramètres seront modifiés :</translation>
    </message>
    <message>
        <source>Unbekannt, nicht übernommen:</source>
        <translation>Inconnus, non repris :</translation>
    </message>
    <message>
        <source>Übernehmen?</source>
        <translation>Reprendre ?</translation>
    </message>
</context>
<context>
    <name>FirmaEditor</name>
    <message>
        <source>Firma</source>
        <translation>Entreprise</translation>
    </message>
    <message>
        <source>Strasse</source>
        <translation>Rue</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Tel</source>
        <translation>Téléphone</translation>
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
        <translation>Banque</translation>
    </message>
    <message>
        <source>BLZ</source>
        <translation>Code banque</translation>
    </message>
    <message>
        <source>Konto</source>
        <translation>N° de compte</translation>
    </message>
    <message>
        <source>SteuerNr</source>
        <translation>N° fiscal</translation>
    </message>
    <message>
        <source>UStId</source>
        <translation>N° de TVA</translation>
    </message>
    <message>
        <source>Rechtsform, Kapital</source>
        <translation>Forme juridique, capital</translation>
    </message>
    <message>
        <source>z. B. SARL au capital de 10 000 €</source>
        <translation>p. ex. SARL au capital de 10 000 €</translation>
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
        <translation>Pays</translation>
    </message>
    <message>
        <source>z. B. Frankreich, Deutschland</source>
        <translation>p. ex. France, Allemagne</translation>
    </message>
    <message>
        <source>Ansprechpartner</source>
        <translation>Personne à contacter</translation>
    </message>
    <message>
        <source>E-Rechnungsadresse</source>
        <translation>Adresse de facturation électronique</translation>
    </message>
    <message>
        <source>leer: die SIREN</source>
        <translation>vide : le SIREN</translation>
    </message>
    <message>
        <source>z. B. 27/123/45678</source>
        <translation>p. ex. 27/123/45678</translation>
    </message>
    <message>
        <source>z. B. FR12345678901</source>
        <translation>p. ex. FR12345678901</translation>
    </message>
    <message>
        <source>z. B. 123 456 789 (9 oder 14 Ziffern)</source>
        <translation>p. ex. 123 456 789 (9 ou 14 chiffres)</translation>
    </message>
    <message>
        <source>z. B. RCS Lyon B 123 456 789</source>
        <translation>p. ex. RCS Lyon B 123 456 789</translation>
    </message>
    <message>
        <source>Gläubiger-ID</source>
        <translation>Identifiant créancier SEPA</translation>
    </message>
    <message>
        <source>für Lastschriften, z. B. DE98ZZZ09999999999</source>
        <translation>pour les prélèvements, p. ex. DE98ZZZ09999999999</translation>
    </message>
</context>
<context>
    <name>Firmenhinweis</name>
    <message>
        <source>&amp;Firmendaten eingeben…</source>
        <translation>&amp;Saisir les données de l&apos;entreprise…</translation>
    </message>
    <message>
        <source>Bitte tragen Sie zuerst die Daten Ihrer Firma ein: Name, Anschrift und Bankverbindung stehen im Briefkopf jeder Rechnung.</source>
        <translation>Veuillez d&apos;abord saisir les données de votre entreprise : le nom, l&apos;adresse et les coordonnées bancaires figurent dans l&apos;en-tête de chaque facture.</translation>
    </message>
</context>
<context>
    <name>FormatedDateTimeDelegate</name>
    <message>
        <source>Date not set</source>
        <translation>Date non définie</translation>
    </message>
</context>
<context>
    <name>ImportBericht</name>
    <message>
        <source>%1 Kunden importiert, %2 übersprungen</source>
        <translation>%1 clients importés, %2 ignorés</translation>
    </message>
    <message>
        <source>%1 Aufträge importiert, %2 übersprungen</source>
        <translation>%1 documents importés, %2 ignorés</translation>
    </message>
    <message>
        <source>%1 Produkte importiert, %2 aktualisiert, %3 übersprungen</source>
        <translation>%1 produits importés, %2 mis à jour, %3 ignorés</translation>
    </message>
    <message>
        <source>Die Datei ist fehlerhaft und wurde nur bis Zeile %1 gelesen: %2</source>
        <translation>Le fichier est défectueux et n&apos;a été lu que jusqu&apos;à la ligne %1 : %2</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht gelesen werden: %1</source>
        <translation>Le fichier n&apos;a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>Gelesen: %1, gespeichert: %2, bereits vorhanden: %3, abgelehnt: %4.</source>
        <translation>Lus : %1, enregistrés : %2, déjà présents : %3, refusés : %4.</translation>
    </message>
    <message>
        <source>Abgelehnte Datensätze hat die Datenbank nicht angenommen; sie stehen im Protokoll.</source>
        <translation>Les enregistrements refusés n&apos;ont pas été acceptés par la base de données ; ils figurent dans le journal.</translation>
    </message>
    <message>
        <source>… und %1 weitere</source>
        <translation>… et %1 de plus</translation>
    </message>
    <message>
        <source>Import abgebrochen, nichts gespeichert</source>
        <translation>Importation annulée, rien enregistré</translation>
    </message>
    <message>
        <source>Nicht gespeichert:</source>
        <translation>Non enregistrés :</translation>
    </message>
    <message>
        <source>Übersprungen, weil die Nummer schon vergeben ist:</source>
        <translation>Ignorés parce que le numéro est déjà attribué :</translation>
    </message>
</context>
<context>
    <name>KundenAuftragsDialog</name>
    <message>
        <source>Neue Rechnung</source>
        <translation>Nouvelle facture</translation>
    </message>
    <message>
        <source>Rechnungen für KundenNr %1</source>
        <translation>Factures du client n° %1</translation>
    </message>
    <message>
        <source>Rechnungen für %1</source>
        <translation>Factures de %1</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Zeige Rechnungen</source>
        <translation>Afficher les factures</translation>
    </message>
    <message>
        <source>Neue Rechnung</source>
        <translation>Nouvelle facture</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Neuer Kunde</source>
        <translation>Nouveau client</translation>
    </message>
    <message>
        <source>Kundendetails für %1</source>
        <translation>Détails du client %1</translation>
    </message>
    <message>
        <source>Kunde speichern</source>
        <translation>Enregistrer le client</translation>
    </message>
    <message>
        <source>Der Kunde kann nicht gespeichert werden.</source>
        <translation>Le client ne peut pas être enregistré.</translation>
    </message>
    <message>
        <source>Kundenänderungen speichern</source>
        <translation>Enregistrer les modifications du client</translation>
    </message>
    <message>
        <source>Sollen die Änderungen an diesem Kunden
wirklich gespeichert werden?</source>
        <translation>Voulez-vous vraiment enregistrer
les modifications de ce client ?</translation>
    </message>
    <message>
        <source>Die Änderungen an diesem Kunden konnten nicht gespeichert werden.</source>
        <translation>Les modifications de ce client n&apos;ont pas pu être enregistrées.</translation>
    </message>
    <message>
        <source>KundenNr bereits verwendet!
Der Kunde wird nicht gespeichert</source>
        <translation>N° de client déjà utilisé !
Le client n&apos;est pas enregistré</translation>
    </message>
    <message>
        <source>Der neue Kunde konnte nicht gespeichert werden.</source>
        <translation>Le nouveau client n&apos;a pas pu être enregistré.</translation>
    </message>
</context>
<context>
    <name>KundenEditor</name>
    <message>
        <source>Alle</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Anzeigen</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Zeige Rechnungen</source>
        <translation>Afficher les factures</translation>
    </message>
    <message>
        <source>Neue Rechnung</source>
        <translation>Nouvelle facture</translation>
    </message>
    <message>
        <source>Email schreiben</source>
        <translation>Écrire un e-mail</translation>
    </message>
    <message>
        <source>Kunden exportieren</source>
        <translation>Exporter les clients</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Clients</translation>
    </message>
</context>
<context>
    <name>KundenStatDialog</name>
    <message>
        <source>Kundenstatistik</source>
        <translation>Statistiques clients</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Anzeigen</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Zeige Rechnungen</source>
        <translation>Afficher les factures</translation>
    </message>
    <message>
        <source>Neue Rechnung</source>
        <translation>Nouvelle facture</translation>
    </message>
    <message>
        <source>Email schreiben</source>
        <translation>Écrire un e-mail</translation>
    </message>
    <message>
        <source>Statistik Exportieren</source>
        <translation>Exporter les statistiques</translation>
    </message>
    <message>
        <source>KundenNr</source>
        <translation>N° client</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Entreprise</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation>Nombre</translation>
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
        <translation>N° client</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Entreprise</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Strasse</source>
        <translation>Rue</translation>
    </message>
    <message>
        <source>PLZ/Ort</source>
        <translation>Code postal/Ville</translation>
    </message>
    <message>
        <source>Land</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Tel1</source>
        <translation>Téléphone 1</translation>
    </message>
    <message>
        <source>Tel2</source>
        <translation>Téléphone 2</translation>
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
        <translation>N° fiscal</translation>
    </message>
    <message>
        <source>Bemerkung</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Frankreich</source>
        <translation>France</translation>
    </message>
    <message>
        <source>Deutschland</source>
        <translation>Allemagne</translation>
    </message>
    <message>
        <source>Firma oder Name fehlt.</source>
        <translation>Il manque l&apos;entreprise ou le nom.</translation>
    </message>
    <message>
        <source>Strasse fehlt.</source>
        <translation>Il manque la rue.</translation>
    </message>
    <message>
        <source>PLZ fehlt.</source>
        <translation>Il manque le code postal.</translation>
    </message>
    <message>
        <source>Die PLZ hat in %1 fünf Ziffern.</source>
        <translation>En %1, le code postal a cinq chiffres.</translation>
    </message>
    <message>
        <source>Die PLZ besteht aus bis zu 10 Buchstaben, Ziffern, Leerzeichen oder Bindestrichen.</source>
        <translation>Le code postal comporte jusqu&apos;à 10 lettres, chiffres, espaces ou traits d&apos;union.</translation>
    </message>
    <message>
        <source>Ort fehlt.</source>
        <translation>Il manque la ville.</translation>
    </message>
    <message>
        <source>Land fehlt.</source>
        <translation>Il manque le pays.</translation>
    </message>
    <message>
        <source>9 Ziffern, französische Firmenkunden</source>
        <translation>9 chiffres, clients professionnels français</translation>
    </message>
    <message>
        <source>leer: die SIREN</source>
        <translation>vide : le SIREN</translation>
    </message>
    <message>
        <source>nur für XRechnung an öffentliche Auftraggeber</source>
        <translation>uniquement pour XRechnung aux acheteurs publics</translation>
    </message>
    <message>
        <source>SIREN</source>
        <translation>SIREN</translation>
    </message>
    <message>
        <source>E-Rechnungsadresse</source>
        <translation>Adresse de facturation électronique</translation>
    </message>
    <message>
        <source>Leitweg-ID</source>
        <translation>Leitweg-ID</translation>
    </message>
    <message>
        <source>leer: die Rechnungsanschrift</source>
        <translation>vide : l&apos;adresse de facturation</translation>
    </message>
    <message>
        <source>Lieferanschrift</source>
        <translation>Adresse de livraison</translation>
    </message>
</context>
<context>
    <name>MahnDialog</name>
    <message>
        <source>nur diese Rechnung</source>
        <translation>cette facture seulement</translation>
    </message>
    <message>
        <source>alle überfälligen Rechnungen des Kunden</source>
        <translation>toutes les factures échues du client</translation>
    </message>
    <message>
        <source>Mahnen</source>
        <translation>Relancer</translation>
    </message>
    <message>
        <source>Rechnungen</source>
        <translation>Factures</translation>
    </message>
    <message>
        <source>Mahnstufe</source>
        <translation>Niveau de relance</translation>
    </message>
    <message>
        <source>Vorschau</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>als PDF speichern</source>
        <translation>enregistrer en PDF</translation>
    </message>
    <message>
        <source>als Email senden</source>
        <translation>envoyer par e-mail</translation>
    </message>
    <message>
        <source>%1 vom %2: %3 offen, %4 Tage überfällig, Mahnstufe %5</source>
        <translation>%1 du %2 : %3 dû, %4 jours de retard, niveau %5</translation>
    </message>
    <message>
        <source>Die Rechnung ist nicht überfällig oder ist bezahlt.</source>
        <translation>La facture n&apos;est pas échue ou est payée.</translation>
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
        <translation>Clients</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>Auftragsadmin</source>
        <translation>Administration des documents</translation>
    </message>
    <message>
        <source>Produkte exportieren</source>
        <translation>Exporter les produits</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Der Auftrag konnte nicht gedruckt werden.</source>
        <translation>Le document n&apos;a pas pu être imprimé.</translation>
    </message>
    <message>
        <source>Der Auftrag wurde gedruckt, aber der Status &quot;Gedruckt&quot; konnte nicht gespeichert werden.</source>
        <translation>Le document a été imprimé, mais le statut « Imprimé » n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>Auftrag%1.pdf</source>
        <translation>Document%1.pdf</translation>
    </message>
    <message>
        <source>Auftrag als PDF speichern</source>
        <translation>Enregistrer le document en PDF</translation>
    </message>
    <message>
        <source>PDF ( *.pdf )</source>
        <translation>PDF ( *.pdf )</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden.</source>
        <translation>Le fichier %1 n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>als Email senden</source>
        <translation>Envoyer par e-mail</translation>
    </message>
    <message>
        <source>Zu diesem Kunden ist keine Emailaddresse bekannt!</source>
        <translation>Aucune adresse e-mail n&apos;est connue pour ce client !</translation>
    </message>
    <message>
        <source>Ihr Auftrag</source>
        <translation>Votre document</translation>
    </message>
    <message>
        <source>Auftrag speichern</source>
        <translation>Enregistrer le document</translation>
    </message>
    <message>
        <source>Der Auftrag konnte nicht gespeichert werden.</source>
        <translation>Le document n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>Kunden anzeigen</source>
        <translation>Afficher le client</translation>
    </message>
    <message>
        <source>Bitte geben sie die Kundennummer ein</source>
        <translation>Veuillez saisir le numéro de client</translation>
    </message>
    <message>
        <source>Auftrag anzeigen</source>
        <translation>Afficher le document</translation>
    </message>
    <message>
        <source>Bitte geben sie die Bestellnummer ein</source>
        <translation>Veuillez saisir le numéro de commande</translation>
    </message>
    <message>
        <source>Kein Auftrag mit BestellNr %1 gefunden</source>
        <translation>Aucun document avec le n° de commande %1</translation>
    </message>
    <message>
        <source>Es wurden folgende Aufträge gefunden.</source>
        <translation>Les documents suivants ont été trouvés.</translation>
    </message>
    <message>
        <source>Bitte geben sie die Auftragsnummer ein</source>
        <translation>Veuillez saisir le numéro du document</translation>
    </message>
    <message>
        <source>Zeige Auftrag</source>
        <translation>Afficher le document</translation>
    </message>
    <message>
        <source>Auftrag mit der Nummer %1 nicht gefunden</source>
        <translation>Document numéro %1 introuvable</translation>
    </message>
    <message>
        <source>Auftrag auswählen</source>
        <translation>Choisir le document</translation>
    </message>
    <message>
        <source>Es wurden mehrere Aufträge mit dieser Nummer gefunden.</source>
        <translation>Plusieurs documents portent ce numéro.</translation>
    </message>
    <message>
        <source>Über Belegwerk</source>
        <translation>À propos de Belegwerk</translation>
    </message>
    <message>
        <source>Belegwerk

Kunden, Produkte, Rechnungen, Lieferscheine, Gutschriften und Angebote für kleine Betriebe.

Copyright © 2026 die Belegwerk-Entwickler.</source>
        <translation>Belegwerk

Clients, produits, factures, bons de livraison, avoirs et devis pour les petites entreprises.

Copyright © 2026 les développeurs de Belegwerk.</translation>
    </message>
    <message>
        <source>Elektronische Rechnung</source>
        <translation>Facture électronique</translation>
    </message>
    <message>
        <source>Rechnung als XML speichern</source>
        <translation>Enregistrer la facture en XML</translation>
    </message>
    <message>
        <source>Auftrag%1.xml</source>
        <translation>Document%1.xml</translation>
    </message>
    <message>
        <source>XML ( *.xml )</source>
        <translation>XML ( *.xml )</translation>
    </message>
    <message>
        <source>Der Auftrag konnte nicht als PDF abgelegt werden.</source>
        <translation>Le document n&apos;a pas pu être enregistré en PDF.</translation>
    </message>
    <message>
        <source>Der Auftrag %1 wurde nicht gefunden.</source>
        <translation>Le document %1 est introuvable.</translation>
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
        <translation>Importer les &amp;produits</translation>
    </message>
    <message>
        <source>&amp;Kunden importieren</source>
        <translation>Importer les &amp;clients</translation>
    </message>
    <message>
        <source>&amp;Exportieren</source>
        <translation>&amp;Exporter</translation>
    </message>
    <message>
        <source>&amp;Aktuelle Ansicht exportieren</source>
        <translation>Exporter la vue &amp;actuelle</translation>
    </message>
    <message>
        <source>&amp;Produkte exportieren</source>
        <translation>Exporter les &amp;produits</translation>
    </message>
    <message>
        <source>&amp;Einstellungen exportieren</source>
        <translation>Exporter les pa&amp;ramètres</translation>
    </message>
    <message>
        <source>Auf&amp;tragsdaten exportieren</source>
        <translation>Exporter les données des &amp;documents</translation>
    </message>
    <message>
        <source>&amp;Kundedaten exportieren</source>
        <translation>Exporter les données &amp;clients</translation>
    </message>
    <message>
        <source>&amp;Importieren</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>&amp;Einstellungen importieren</source>
        <translation>Importer les para&amp;mètres</translation>
    </message>
    <message>
        <source>&amp;Auftragsdaten importieren</source>
        <translation>Importer les données des &amp;documents</translation>
    </message>
    <message>
        <source>&amp;Kundendaten importieren</source>
        <translation>Importer les données &amp;clients</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Kunde</source>
        <translation>&amp;Client</translation>
    </message>
    <message>
        <source>&amp;Neuer Kunde</source>
        <translation>&amp;Nouveau client</translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>Kunde zu KundenNr &amp;anzeigen</source>
        <translation>&amp;Afficher le client par numéro</translation>
    </message>
    <message>
        <source>&amp;Auftrag</source>
        <translation>&amp;Document</translation>
    </message>
    <message>
        <source>&amp;Neuer Auftrag…</source>
        <translation>&amp;Nouveau document…</translation>
    </message>
    <message>
        <source>Auftrag zu &amp;RechungsNr anzeigen</source>
        <translation>Afficher le document par &amp;numéro</translation>
    </message>
    <message>
        <source>Auftrag zu &amp;BestellNr anzeigen</source>
        <translation>Afficher le document par n° de &amp;commande</translation>
    </message>
    <message>
        <source>&amp;Statistik</source>
        <translation>&amp;Statistiques</translation>
    </message>
    <message>
        <source>&amp;Kunden</source>
        <translation>&amp;Clients</translation>
    </message>
    <message>
        <source>&amp;Produkte</source>
        <translation>&amp;Produits</translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>À propos de &amp;Qt</translation>
    </message>
    <message>
        <source>Werkzeugleiste</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Neuer Auftrag</source>
        <translation>Nouveau document</translation>
    </message>
    <message>
        <source>Für welchen Kunden?</source>
        <translation>Pour quel client ?</translation>
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
        <translation>À configurer d&apos;abord
Paramètres › Entreprise : nom, adresse, coordonnées bancaires et n° de TVA de votre entreprise ; ils figurent dans l&apos;en-tête de chaque facture. Paramètres › TVA : mode de calcul et taux. Paramètres › Produits : vos marchandises et formations.

Écrire une facture
Client › Nouveau client (Ctrl+N) ou choisir un client dans la liste, puis « Nouvelle facture » dans le menu contextuel, ou Document › Nouveau document (Ctrl+Maj+N). Saisir les lignes ; « Imprimer » enregistre le document, lui donne le numéro suivant de son type et l&apos;imprime. Un devis devient une facture par le menu contextuel.

Avoir
Dans l&apos;onglet « Documents », choisir la facture : « Créer un avoir à partir de la facture ».

Paiements
Quand une facture est payée, choisir « Changer le statut » › « Payé » dans le menu contextuel.

Sauvegarde
Toutes les données sont dans la base de données, sans autre réglage dans le fichier belegwerk.db du dossier de données de l&apos;utilisateur. Sauvegardez ce fichier régulièrement, programme fermé, ainsi que les paramètres (Belegwerk › Exporter).</translation>
    </message>
    <message>
        <source>Es konnte kein Email-Programm geöffnet werden. Bitte richten Sie eines als Standardprogramm für Emails ein.</source>
        <translation>Aucun programme de messagerie n&apos;a pu être ouvert. Veuillez en définir un comme programme par défaut pour les e-mails.</translation>
    </message>
    <message>
        <source>Der Kunde %1 wurde nicht gefunden.</source>
        <translation>Le client %1 n&apos;a pas été trouvé.</translation>
    </message>
    <message>
        <source>Daten&amp;sicherung erstellen</source>
        <translation>Créer une &amp;sauvegarde</translation>
    </message>
    <message>
        <source>Datensicherung &amp;wiederherstellen</source>
        <translation>&amp;Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>Daten &amp;übertragen</source>
        <translation>&amp;Transférer les données</translation>
    </message>
    <message>
        <source>Der Beleg konnte nicht erstellt werden.</source>
        <translation>Le document n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>Der Beleg konnte nicht ausgestellt werden; es wurde nichts ausgegeben.</source>
        <translation>Le document n&apos;a pas pu être émis ; rien n&apos;a été produit.</translation>
    </message>
    <message>
        <source>Der Beleg wurde ohne elektronische Rechnung ausgestellt.</source>
        <translation>Le document a été émis sans facture électronique.</translation>
    </message>
    <message>
        <source>Keine installierte Schrift kann diese Zeichen darstellen; sie fehlen auf dem Beleg:
%1

Den Beleg trotzdem ausstellen?</source>
        <translation>Aucune police installée ne peut afficher ces caractères ; ils manqueront sur le document :
%1

Émettre le document malgré tout ?</translation>
    </message>
    <message>
        <source>Mahnen</source>
        <translation>Relancer</translation>
    </message>
    <message>
        <source>Mahnung%1.pdf</source>
        <translation>Relance%1.pdf</translation>
    </message>
    <message>
        <source>Die Mahnung konnte nicht gedruckt werden.</source>
        <translation>La relance n&apos;a pas pu être imprimée.</translation>
    </message>
    <message>
        <source>Mahnung als PDF speichern</source>
        <translation>Enregistrer la relance en PDF</translation>
    </message>
    <message>
        <source>Die Mahnung wurde ausgegeben, aber ihre Stufe konnte nicht gespeichert werden.</source>
        <translation>La relance a été émise, mais son niveau n&apos;a pas pu être enregistré.</translation>
    </message>
</context>
<context>
    <name>OdsLeser</name>
    <message>
        <source>Die Datei &quot;%1&quot; ist beschädigt und konnte nicht ganz gelesen werden.</source>
        <translation>Le fichier « %1 » est endommagé et n&apos;a pas pu être lu entièrement.</translation>
    </message>
    <message>
        <source>Die Tabelle der Datei &quot;%1&quot; ist größer als %2 MB und wird nicht gelesen.</source>
        <translation>Le tableau du fichier « %1 » dépasse %2 Mo et n&apos;est pas lu.</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; hat eine Zelle mit mehr als %2 Zeichen und wird nicht gelesen.</source>
        <translation>Le fichier « %1 » contient une cellule de plus de %2 caractères et n&apos;est pas lu.</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; ist fehlerhaft (Zeile %2: %3) und wird nicht gelesen.</source>
        <translation>Le fichier « %1 » est défectueux (ligne %2 : %3) et n&apos;est pas lu.</translation>
    </message>
    <message>
        <source>Die Tabelle der Datei &quot;%1&quot; hat mehr als %2 Zellen und wird nicht gelesen.</source>
        <translation>Le tableau du fichier « %1 » a plus de %2 cellules et n&apos;est pas lu.</translation>
    </message>
</context>
<context>
    <name>PrintPreview</name>
    <message>
        <source>Vorschau</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>&amp;Drucken…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Als &amp;PDF speichern…</source>
        <translation>Enregistrer en &amp;PDF…</translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>Erste Seite</source>
        <translation>Première page</translation>
    </message>
    <message>
        <source>Vorige Seite</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Nächste Seite</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Letzte Seite</source>
        <translation>Dernière page</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Vergrößern</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Verkleinern</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>von %1</source>
        <translation>sur %1</translation>
    </message>
</context>
<context>
    <name>ProduktLineModel</name>
    <message>
        <source>Menge</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Produktnr.</source>
        <translation>N° produit</translation>
    </message>
    <message>
        <source>Produkt</source>
        <translation>Produit</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>HT</translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation>TTC</translation>
    </message>
</context>
<context>
    <name>ProduktStatDialog</name>
    <message>
        <source>Produktstatistik</source>
        <translation>Statistiques produits</translation>
    </message>
    <message>
        <source>Statistik Exportieren</source>
        <translation>Exporter les statistiques</translation>
    </message>
    <message>
        <source>ProduktNr</source>
        <translation>N° produit</translation>
    </message>
    <message>
        <source>Produkt</source>
        <translation>Produit</translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation>Quantité</translation>
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
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Produkte</source>
        <translation>Produits</translation>
    </message>
    <message>
        <source>Nr</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Preis</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>%1 €</source>
        <translation>%1 €</translation>
    </message>
    <message>
        <source>Dienstleistung</source>
        <translation>Prestation de service</translation>
    </message>
    <message>
        <source>Neues Produkt</source>
        <translation>Nouveau produit</translation>
    </message>
    <message>
        <source>Bitte geben Sie eine Produktnummer ein.</source>
        <translation>Veuillez saisir un numéro de produit.</translation>
    </message>
    <message>
        <source>Das Produkt %1 konnte nicht angelegt werden. Gibt es die Nummer schon?</source>
        <translation>Le produit %1 n&apos;a pas pu être créé. Le numéro existe-t-il déjà ?</translation>
    </message>
    <message>
        <source>entfernen</source>
        <translation>retirer</translation>
    </message>
    <message>
        <source>Produkt entfernen</source>
        <translation>Retirer le produit</translation>
    </message>
    <message>
        <source>Produkte entfernen</source>
        <translation>Retirer les produits</translation>
    </message>
    <message>
        <source>Wollen Sie dieses Produkt wirklich permanent löschen</source>
        <translation>Voulez-vous vraiment supprimer définitivement ce produit</translation>
    </message>
    <message>
        <source>Wollen Sie diese Produkte wirklich permanent löschen</source>
        <translation>Voulez-vous vraiment supprimer définitivement ces produits</translation>
    </message>
    <message>
        <source>Die Änderung wurde nicht gespeichert; die Tabelle zeigt wieder den gespeicherten Wert.</source>
        <translation>La modification n&apos;a pas été enregistrée ; le tableau affiche à nouveau la valeur enregistrée.</translation>
    </message>
    <message>
        <source>Das Produkt %1 wurde nicht gelöscht.</source>
        <translation>Le produit %1 n&apos;a pas été supprimé.</translation>
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
        <translation>Produit inconnu</translation>
    </message>
    <message>
        <source>Unbekanntes Produkt!
Bitte geben sie die Preis an.</source>
        <translation>Produit inconnu !
Veuillez indiquer le prix.</translation>
    </message>
    <message>
        <source>Prozente</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>Geben Sie den Prozentsatz ein</source>
        <translation>Saisissez le pourcentage</translation>
    </message>
    <message>
        <source>entfernen</source>
        <translation>retirer</translation>
    </message>
    <message>
        <source>Preis ändern</source>
        <translation>Modifier le prix</translation>
    </message>
    <message>
        <source>Menge ändern</source>
        <translation>Modifier la quantité</translation>
    </message>
    <message>
        <source>Komentar ändern</source>
        <translation>Modifier le commentaire</translation>
    </message>
    <message>
        <source>Bitte geben sie den neuen Preis an.</source>
        <translation>Veuillez indiquer le nouveau prix.</translation>
    </message>
    <message>
        <source>Bitte geben sie den neuen Komentar ein.</source>
        <translation>Veuillez saisir le nouveau commentaire.</translation>
    </message>
    <message>
        <source>Bitte geben sie die neue Menge an.</source>
        <translation>Veuillez indiquer la nouvelle quantité.</translation>
    </message>
    <message>
        <source>MwSt ändern</source>
        <translation>Modifier la TVA</translation>
    </message>
    <message>
        <source>Umsatzsteuer der Zeile:</source>
        <translation>TVA de la ligne :</translation>
    </message>
    <message>
        <source>Einheit ändern</source>
        <translation>Changer l&apos;unité</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Eine Menge mit höchstens drei Nachkommastellen.</source>
        <translation>Une quantité avec au plus trois décimales.</translation>
    </message>
    <message>
        <source>Stück</source>
        <translation>pièce</translation>
    </message>
    <message>
        <source>Stunde</source>
        <translation>heure</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>jour</translation>
    </message>
    <message>
        <source>pauschal</source>
        <translation>forfait</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Datenbank</source>
        <translation>Base de données</translation>
    </message>
    <message>
        <source>Die Datenbank konnte nicht geöffnet werden:</source>
        <translation>La base de données n&apos;a pas pu être ouverte :</translation>
    </message>
    <message>
        <source>Alle Aufträge löschen</source>
        <translation>Supprimer tous les documents</translation>
    </message>
    <message>
        <source>Wollen sie wirklich unwiderruflich alle Aufträge löschen?</source>
        <translation>Voulez-vous vraiment supprimer tous les documents de manière irréversible ?</translation>
    </message>
    <message>
        <source>Die Datenbankdatei ist beschädigt. Sie wird nicht verändert; es kann nichts gespeichert werden.</source>
        <translation>Le fichier de base de données est endommagé. Il ne sera pas modifié ; rien ne peut être enregistré.</translation>
    </message>
    <message>
        <source>Passwort für %1 auf %2:</source>
        <translation>Mot de passe de %1 sur %2 :</translation>
    </message>
    <message>
        <source>Datensicherung</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>Die automatische Datensicherung ist misslungen:</source>
        <translation>La sauvegarde automatique a échoué :</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
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
        <translation> jours</translation>
    </message>
    <message>
        <source>Kopf</source>
        <translation>En-tête</translation>
    </message>
    <message>
        <source>Fuß (Schulung)</source>
        <translation>Pied de page (formation)</translation>
    </message>
    <message>
        <source>Fuß (Produkte)</source>
        <translation>Pied de page (produits)</translation>
    </message>
    <message>
        <source>LogoText</source>
        <translation>Texte du logo</translation>
    </message>
    <message>
        <source>Drucker</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>Zeige Druckerdialog</source>
        <translation>Afficher la boîte de dialogue d&apos;impression</translation>
    </message>
    <message>
        <source>Kopien</source>
        <translation>Copies</translation>
    </message>
    <message>
        <source>Produkt Offset</source>
        <translation>Décalage produits</translation>
    </message>
    <message>
        <source>Schulung Offset</source>
        <translation>Décalage formation</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source>Zahlungsziel</source>
        <translation>Délai de paiement</translation>
    </message>
    <message>
        <source>Mahntext</source>
        <translation>Texte de relance</translation>
    </message>
    <message>
        <source>Mit diesem Versatz wird keine Rechnung gespeichert; &quot;OK&quot; speichert den angezeigten Wert.</source>
        <translation>Avec ce décalage, aucune facture n&apos;est enregistrée ; « OK » enregistre la valeur affichée.</translation>
    </message>
    <message>
        <source>Präfix Rechnung Produkte</source>
        <translation>Préfixe facture produits</translation>
    </message>
    <message>
        <source>Präfix Rechnung Schulung</source>
        <translation>Préfixe facture formation</translation>
    </message>
    <message>
        <source>Präfix Gutschrift</source>
        <translation>Préfixe avoir</translation>
    </message>
    <message>
        <source>Präfix Angebot</source>
        <translation>Préfixe devis</translation>
    </message>
    <message>
        <source>Präfix Lieferschein</source>
        <translation>Préfixe bon de livraison</translation>
    </message>
    <message>
        <source>Angebote gültig</source>
        <translation>Validité des devis</translation>
    </message>
    <message>
        <source>Mahnungen</source>
        <translation>Relances</translation>
    </message>
    <message>
        <source>nach dem Land der Firma</source>
        <translation>selon le pays de l&apos;entreprise</translation>
    </message>
    <message>
        <source>Deutschland (§ 288 BGB)</source>
        <translation>Allemagne (§ 288 BGB)</translation>
    </message>
    <message>
        <source>Frankreich (Code de commerce L441-10)</source>
        <translation>France (Code de commerce L441-10)</translation>
    </message>
    <message>
        <source>Recht</source>
        <translation>Droit</translation>
    </message>
    <message>
        <source>Basiszins</source>
        <translation>Taux de base</translation>
    </message>
    <message>
        <source>Aufschlag Unternehmen</source>
        <translation>Majoration entreprises</translation>
    </message>
    <message>
        <source>Aufschlag Verbraucher</source>
        <translation>Majoration consommateurs</translation>
    </message>
    <message>
        <source>Gebühr Stufe 1</source>
        <translation>Frais niveau 1</translation>
    </message>
    <message>
        <source>Gebühr Stufe 2</source>
        <translation>Frais niveau 2</translation>
    </message>
    <message>
        <source>Gebühr Stufe 3</source>
        <translation>Frais niveau 3</translation>
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
        <translation>Allemagne : le taux de base de la Bundesbank (1,27 % depuis le 1er juillet 2025) ; France : le taux de l&apos;intérêt légal pour les créanciers professionnels (2,76 % au second semestre 2025). Les deux changent chaque semestre : veuillez les tenir à jour.</translation>
    </message>
    <message>
        <source>Deutschland: 9 Prozentpunkte über dem Basiszins; Frankreich: das Dreifache des gesetzlichen Zinssatzes, zuzüglich dieses Aufschlags.</source>
        <translation>Allemagne : 9 points au-dessus du taux de base ; France : trois fois le taux de l&apos;intérêt légal, plus cette majoration.</translation>
    </message>
    <message>
        <source>Deutschland: 5 Prozentpunkte über dem Basiszins.</source>
        <translation>Allemagne : 5 points au-dessus du taux de base.</translation>
    </message>
    <message>
        <source>Nur Unternehmen: die Pauschale von 40 € (§ 288 Abs. 5 BGB, Code de commerce D441-5).</source>
        <translation>Entreprises seulement : l&apos;indemnité forfaitaire de 40 € (§ 288 al. 5 BGB, Code de commerce D441-5).</translation>
    </message>
</context>
<context>
    <name>SicherungsBefehle</name>
    <message>
        <source>Datensicherung (*%1);;Alle Dateien (*)</source>
        <translation>Sauvegarde (*%1);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Datensicherung erstellen</source>
        <translation>Créer une sauvegarde</translation>
    </message>
    <message>
        <source>Die Datensicherung %1 wurde geschrieben. Sie enthält:</source>
        <translation>La sauvegarde %1 a été écrite. Elle contient :</translation>
    </message>
    <message>
        <source>Datensicherung wiederherstellen</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>Die Datei wird nicht wiederhergestellt; nichts wurde geändert.</source>
        <translation>Le fichier n&apos;est pas restauré ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Die Datensicherung vom %1 (Belegwerk %2) enthält:</source>
        <translation>La sauvegarde du %1 (Belegwerk %2) contient :</translation>
    </message>
    <message>
        <source>Alle jetzigen Daten werden durch sie ersetzt. Die jetzigen Daten werden vorher in %1 gesichert. Wiederherstellen?</source>
        <translation>Toutes les données actuelles seront remplacées par celle-ci. Les données actuelles sont d&apos;abord sauvegardées dans %1. Restaurer ?</translation>
    </message>
    <message>
        <source>Der Ordner %1 lässt sich nicht anlegen.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>Die Daten wurden wiederhergestellt. Die vorigen Daten liegen in %1.</source>
        <translation>Les données ont été restaurées. Les données précédentes se trouvent dans %1.</translation>
    </message>
    <message>
        <source>Daten übertragen</source>
        <translation>Transférer les données</translation>
    </message>
    <message>
        <source>SQLite-Datenbank (*.db);;Alle Dateien (*)</source>
        <translation>Base de données SQLite (*.db);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Server der PostgreSQL-Datenbank:</source>
        <translation>Serveur de la base de données PostgreSQL :</translation>
    </message>
    <message>
        <source>Name der Datenbank:</source>
        <translation>Nom de la base de données :</translation>
    </message>
    <message>
        <source>Benutzer:</source>
        <translation>Utilisateur :</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Die Zieldatenbank lässt sich nicht öffnen: %1</source>
        <translation>Impossible d&apos;ouvrir la base de données cible : %1</translation>
    </message>
    <message>
        <source>Alle Daten wurden nach %1 übertragen. Um mit ihr zu arbeiten, stellen Sie sie in den Einstellungen als Datenbank ein.</source>
        <translation>Toutes les données ont été transférées vers %1. Pour travailler avec elle, choisissez-la comme base de données dans les paramètres.</translation>
    </message>
</context>
<context>
    <name>Sicherungsplan</name>
    <message>
        <source>Der Ordner %1 lässt sich nicht anlegen.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
</context>
<context>
    <name>Spaltentitel</name>
    <message>
        <source>Nr.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Belegnr.</source>
        <translation>N° de document</translation>
    </message>
    <message>
        <source>Kundennr.</source>
        <translation>N° client</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Entreprise</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Rue</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Land</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Telefon 2</source>
        <translation>Téléphone 2</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Bemerkung</source>
        <translation>Remarque</translation>
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
        <translation>N° fiscal</translation>
    </message>
    <message>
        <source>Kunde seit</source>
        <translation>Client depuis</translation>
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
        <translation>Date de livraison</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>Zahlungsart</source>
        <translation>Mode de paiement</translation>
    </message>
    <message>
        <source>Bestellnr.</source>
        <translation>N° de commande</translation>
    </message>
    <message>
        <source>Leistung</source>
        <translation>Prestation</translation>
    </message>
    <message>
        <source>Kommentar</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Preis</source>
        <translation>Prix</translation>
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
        <translation>La base de données est utilisée par un autre programme. Veuillez réessayer dans un instant.</translation>
    </message>
    <message>
        <source>Er wurde inzwischen an einem anderen Arbeitsplatz geändert oder gelöscht. Neu laden? Ihre Eingaben gehen dabei verloren.</source>
        <translation>Il a été modifié ou supprimé entre-temps sur un autre poste. Recharger ? Vos saisies seront perdues.</translation>
    </message>
    <message>
        <source>Die Datenbankdatei ist beschädigt; es wird nichts geschrieben:</source>
        <translation>Le fichier de base de données est endommagé ; rien n&apos;est écrit :</translation>
    </message>
    <message>
        <source>Die Liste konnte nicht gelesen werden:</source>
        <translation>La liste n&apos;a pas pu être lue :</translation>
    </message>
    <message>
        <source>Die Verbindung zur Datenbank war unterbrochen; es wurde nichts gespeichert.</source>
        <translation>La connexion à la base de données a été interrompue ; rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Der Datenbankserver hat nicht rechtzeitig geantwortet; es wurde nichts gespeichert.</source>
        <translation>Le serveur de base de données n&apos;a pas répondu à temps ; rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Die Verbindung zur Datenbank brach beim Abschluss ab; ob gespeichert wurde, ist unbekannt. Bitte prüfen Sie die Liste, bevor Sie es noch einmal eingeben.</source>
        <translation>La connexion à la base de données a été coupée à la validation ; on ne sait pas si l&apos;enregistrement a eu lieu. Veuillez vérifier la liste avant de le saisir à nouveau.</translation>
    </message>
</context>
<context>
    <name>SqlAuftragsStore</name>
    <message>
        <source>Ein Betrag oder die Summe ist keine endliche Zahl.</source>
        <translation>Un montant ou le total n&apos;est pas un nombre fini.</translation>
    </message>
    <message>
        <source>Ein Datum liegt nicht in den Jahren 1 bis 9999.</source>
        <translation>Une date n&apos;est pas comprise entre les années 1 et 9999.</translation>
    </message>
    <message>
        <source>Es ist keine Belegnummer mehr frei.</source>
        <translation>Il n&apos;y a plus de numéro de document libre.</translation>
    </message>
    <message>
        <source>Die Belegnummer %1 liegt nicht zwischen 1 und %2.</source>
        <translation>Le numéro de document %1 n&apos;est pas compris entre 1 et %2.</translation>
    </message>
    <message>
        <source>Die Belegnummer %1 ist schon vergeben: die Präfixe der Nummernkreise in den Einstellungen müssen sich unterscheiden.</source>
        <translation>Le numéro de document %1 est déjà attribué : les préfixes des séries de numéros dans les paramètres doivent être différents.</translation>
    </message>
    <message>
        <source>Der Beleg ist nicht gespeichert oder hat keine Datei.</source>
        <translation>Le document n&apos;est pas enregistré ou n&apos;a pas de fichier.</translation>
    </message>
    <message>
        <source>Der Beleg %1 ist schon ausgestellt.</source>
        <translation>Le document %1 est déjà émis.</translation>
    </message>
    <message>
        <source>Der Beleg %1 ist ausgestellt und kann nicht gelöscht werden.</source>
        <translation>Le document %1 est émis et ne peut pas être supprimé.</translation>
    </message>
    <message>
        <source>Nur der letzte Beleg eines Nummernkreises kann gelöscht werden, damit keine Nummer fehlt; %1 ist es nicht.</source>
        <translation>Seul le dernier document d&apos;une série de numéros peut être supprimé, afin qu&apos;aucun numéro ne manque ; %1 ne l&apos;est pas.</translation>
    </message>
    <message numerus="yes">
        <source>%n ausgestellte Belege müssen aufbewahrt werden; es wurde nichts gelöscht.</source>
        <translation>
            <numerusform>%n document émis doit être conservé ; rien n&apos;a été supprimé.</numerusform>
            <numerusform>%n documents émis doivent être conservés ; rien n&apos;a été supprimé.</numerusform>
        </translation>
    </message>
    <message>
        <source>Eine Zahlung hat keinen Betrag über 0, kein Datum oder gehört zu keiner Rechnung.</source>
        <translation>Un règlement n&apos;a pas de montant supérieur à 0, n&apos;a pas de date ou ne se rapporte à aucune facture.</translation>
    </message>
    <message>
        <source>Der Betrag einer Zahlung muss größer als 0 sein.</source>
        <translation>Le montant d&apos;un règlement doit être supérieur à 0.</translation>
    </message>
    <message>
        <source>Die Zahlung hat kein gültiges Datum.</source>
        <translation>Le règlement n&apos;a pas de date valide.</translation>
    </message>
    <message>
        <source>Zahlungen werden nur zu Rechnungen erfasst.</source>
        <translation>Les règlements ne se saisissent que sur des factures.</translation>
    </message>
    <message>
        <source>Die Rechnung ist storniert.</source>
        <translation>La facture est annulée.</translation>
    </message>
    <message>
        <source>Eine Mahnung braucht eine Stufe von 1 bis 3 und ein gültiges Datum.</source>
        <translation>Une relance demande un niveau de 1 à 3 et une date valide.</translation>
    </message>
    <message>
        <source>Die Rechnung %1 gibt es nicht.</source>
        <translation>La facture %1 n&apos;existe pas.</translation>
    </message>
</context>
<context>
    <name>SqlKundenStore</name>
    <message>
        <source>Das Datum &quot;Kunde seit&quot; liegt nicht in den Jahren 1 bis 9999.</source>
        <translation>La date « Client depuis » n&apos;est pas comprise entre les années 1 et 9999.</translation>
    </message>
    <message>
        <source>Der Kunde hat keine Kundennummer.</source>
        <translation>Le client n&apos;a pas de numéro de client.</translation>
    </message>
    <message>
        <source>Es ist keine Kundennummer mehr frei.</source>
        <translation>Il n&apos;y a plus de numéro de client libre.</translation>
    </message>
    <message>
        <source>Die Kundennummer %1 liegt nicht zwischen 1 und %2.</source>
        <translation>Le numéro de client %1 n&apos;est pas compris entre 1 et %2.</translation>
    </message>
</context>
<context>
    <name>SqlProduktStore</name>
    <message>
        <source>Der Preis ist keine endliche Zahl.</source>
        <translation>Le prix n&apos;est pas un nombre fini.</translation>
    </message>
    <message>
        <source>Die Produktnummer ist leer.</source>
        <translation>Le numéro de produit est vide.</translation>
    </message>
</context>
<context>
    <name>StatistikDialog</name>
    <message>
        <source>Alle</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Berechnen</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Exporter</translation>
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
        <translation>Du</translation>
    </message>
    <message>
        <source>Bis</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Tabelle</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Diagramm</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>&amp;Art</source>
        <translation>Typ&amp;e</translation>
    </message>
    <message>
        <source>&amp;Zahlung</source>
        <translation>&amp;Paiement</translation>
    </message>
    <message>
        <source>S&amp;tatus</source>
        <translation>S&amp;tatut</translation>
    </message>
    <message>
        <source>Die Aufträge konnten nicht gelesen werden:
%1</source>
        <translation>Les commandes n&apos;ont pas pu être lues :
%1</translation>
    </message>
</context>
<context>
    <name>Steuer</name>
    <message>
        <source>Summe: %1 € ( %2 € )</source>
        <translation>Total : %1 € ( %2 € )</translation>
    </message>
    <message>
        <source>Summe: %1 €</source>
        <translation>Total : %1 €</translation>
    </message>
    <message>
        <source>S %1 %</source>
        <translation>S %1 %</translation>
    </message>
    <message>
        <source>Z 0 % (Nullsatz)</source>
        <translation>Z 0 % (taux zéro)</translation>
    </message>
    <message>
        <source>E steuerfrei (Schulung)</source>
        <translation>E exonéré (formation)</translation>
    </message>
</context>
<context>
    <name>SteuerEditor</name>
    <message>
        <source>Nur passende Produkte anzeigen</source>
        <translation>Afficher uniquement les produits correspondants</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Verwenden</source>
        <translation>Utiliser</translation>
    </message>
    <message>
        <source>MwSt Satz A</source>
        <translation>Taux de TVA A</translation>
    </message>
    <message>
        <source>MwSt Satz B</source>
        <translation>Taux de TVA B</translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation>TTC</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>HT</translation>
    </message>
    <message>
        <source>Keine</source>
        <translation>Aucune</translation>
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
        <translation>Les deux</translation>
    </message>
    <message>
        <source>Keiner</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Kleinunternehmer: keine Umsatzsteuer (§ 19 UStG, art. 293 B CGI)</source>
        <translation>Franchise en base : pas de TVA (§ 19 UStG, art. 293 B CGI)</translation>
    </message>
    <message>
        <source>Schulungen sind steuerfrei (Bildungsträger)</source>
        <translation>Les formations sont exonérées de TVA (organisme de formation)</translation>
    </message>
    <message>
        <source>Steuer nach vereinbarten Entgelten (option pour les débits)</source>
        <translation>Paiement de la taxe d&apos;après les débits (option pour les débits)</translation>
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
        <translation>Le fichier « %1 » n&apos;a pas été écrit : format inconnu. Veuillez choisir .ods, .xlsx, .xls ou .csv.</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>Le fichier « %1 » n&apos;a pas pu être écrit.</translation>
    </message>
</context>
<context>
    <name>TabellenImport</name>
    <message>
        <source>Produkte importieren</source>
        <translation>Importer les produits</translation>
    </message>
    <message>
        <source>Vendora Produkte importieren</source>
        <translation>Importer les produits Vendora</translation>
    </message>
    <message>
        <source>Vendora Kunden importieren</source>
        <translation>Importer les clients Vendora</translation>
    </message>
    <message>
        <source>Die Datei enthält %1 neue Kunden. Sollen sie alle angelegt werden?</source>
        <translation>Le fichier contient %1 nouveaux clients. Faut-il tous les créer ?</translation>
    </message>
    <message>
        <source>Die Datei enthält %1 neue Produkte. Sollen sie alle angelegt werden?</source>
        <translation>Le fichier contient %1 nouveaux produits. Faut-il tous les créer ?</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Nichts importiert</source>
        <translation>Rien importé</translation>
    </message>
</context>
<context>
    <name>UmsatzDiagramm</name>
    <message>
        <source>Umsatz</source>
        <translation>Chiffre d&apos;affaires</translation>
    </message>
    <message>
        <source>Umsatz in €</source>
        <translation>Chiffre d&apos;affaires en €</translation>
    </message>
    <message>
        <source>Umsatz pro Monat</source>
        <translation>Chiffre d&apos;affaires par mois</translation>
    </message>
    <message>
        <source>Diagramm speichern</source>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>PNG-Bild (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden.</source>
        <translation>Le fichier %1 n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Als PNG speichern</source>
        <translation>Enregistrer en PNG</translation>
    </message>
</context>
<context>
    <name>Verbindung</name>
    <message>
        <source>Der Datenbanktreiber &quot;%1&quot; wird nicht unterstützt (nur %2).</source>
        <translation>Le pilote de base de données « %1 » n&apos;est pas pris en charge (seulement %2).</translation>
    </message>
    <message>
        <source>Die Datenbankdatei %1 gehört einem anderen Benutzer (%2).</source>
        <translation>Le fichier de base de données %1 appartient à un autre utilisateur (%2).</translation>
    </message>
    <message>
        <source>Die Datenbankdatei %1 ist für andere Benutzer beschreibbar.</source>
        <translation>Le fichier de base de données %1 est accessible en écriture aux autres utilisateurs.</translation>
    </message>
    <message>
        <source>Das Zertifikat des Servers ist nicht von der CA-Datei &quot;%1&quot; bestätigt oder nicht für &quot;%2&quot; ausgestellt (SSL: %3).</source>
        <translation>Le certificat du serveur n&apos;est pas validé par le fichier CA « %1 » ou n&apos;est pas émis pour « %2 » (SSL : %3).</translation>
    </message>
</context>
<context>
    <name>XmlAustausch</name>
    <message>
        <source>Die Datei endet mitten in den Daten.</source>
        <translation>Le fichier se termine au milieu des données.</translation>
    </message>
    <message>
        <source>Auftragsdaten exportieren</source>
        <translation>Exporter les données des documents</translation>
    </message>
    <message>
        <source>Kundendaten exportieren</source>
        <translation>Exporter les données clients</translation>
    </message>
    <message>
        <source>Daten (*.xml)</source>
        <translation>Données (*.xml)</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>Le fichier « %1 » n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Nichts exportiert</source>
        <translation>Rien exporté</translation>
    </message>
    <message>
        <source>%1 Aufträge exportiert</source>
        <translation>%1 documents exportés</translation>
    </message>
    <message>
        <source>%1 Kunden exportiert</source>
        <translation>%1 clients exportés</translation>
    </message>
    <message>
        <source>Auftragsdaten importieren</source>
        <translation>Importer les données des documents</translation>
    </message>
    <message>
        <source>Kundendaten importieren</source>
        <translation>Importer les données clients</translation>
    </message>
    <message>
        <source>%1 %2 ist keine mögliche Nummer</source>
        <translation>%1 %2 n&apos;est pas un numéro possible</translation>
    </message>
    <message>
        <source>%1 %2 ist kein mögliches Datum</source>
        <translation>%1 %2 n&apos;est pas une date possible</translation>
    </message>
    <message>
        <source>Kunde %1 (%2)</source>
        <translation>Client %1 (%2)</translation>
    </message>
    <message>
        <source>Kunde ohne Nummer (%1)</source>
        <translation>Client sans numéro (%1)</translation>
    </message>
    <message>
        <source>Beleg der Art %1</source>
        <translation>Document de type %1</translation>
    </message>
    <message>
        <source>%1 Nr. %2</source>
        <translation>%1 n° %2</translation>
    </message>
    <message>
        <source>%1 ohne Nummer</source>
        <translation>%1 sans numéro</translation>
    </message>
    <message>
        <source>Die Datenbank hat den Import abgelehnt, kein Auftrag wurde gespeichert: %1</source>
        <translation>La base de données a refusé l&apos;importation, aucun document n&apos;a été enregistré : %1</translation>
    </message>
    <message>
        <source>Die Datenbank hat den Import abgelehnt, kein Kunde wurde gespeichert: %1</source>
        <translation>La base de données a refusé l&apos;importation, aucun client n&apos;a été enregistré : %1</translation>
    </message>
    <message>
        <source>Zahlung %1 vom %2 ist keine mögliche Zahlung</source>
        <translation>Le règlement de %1 du %2 n&apos;est pas un règlement possible</translation>
    </message>
</context>
<context>
    <name>ZahlungsDialog</name>
    <message>
        <source>Zahlungen zu %1</source>
        <translation>Règlements de %1</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Betrag</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Referenz</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Erfassen</source>
        <translation>Saisir</translation>
    </message>
    <message>
        <source>Entfernen</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Brutto %1, bezahlt %2, gutgeschrieben %3, offen %4</source>
        <translation>TTC %1, réglé %2, crédité %3, reste dû %4</translation>
    </message>
    <message>
        <source>Zahlung erfassen</source>
        <translation>Saisir un règlement</translation>
    </message>
    <message>
        <source>„%1“ ist kein Betrag in Euro mit höchstens zwei Nachkommastellen.</source>
        <translation>« %1 » n&apos;est pas un montant en euros avec au plus deux décimales.</translation>
    </message>
    <message>
        <source>Der Betrag einer Zahlung muss größer als 0 sein.</source>
        <translation>Le montant d&apos;un règlement doit être supérieur à 0.</translation>
    </message>
    <message>
        <source>Die Zahlung von %1 ist höher als der offene Betrag von %2. Trotzdem erfassen?</source>
        <translation>Le règlement de %1 dépasse le reste dû de %2. L&apos;enregistrer quand même ?</translation>
    </message>
    <message>
        <source>Die Zahlung konnte nicht gespeichert werden.</source>
        <translation>Le règlement n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>Zahlung entfernen</source>
        <translation>Supprimer le règlement</translation>
    </message>
    <message>
        <source>Diese Zahlung wirklich entfernen?</source>
        <translation>Voulez-vous vraiment supprimer ce règlement ?</translation>
    </message>
    <message>
        <source>Die Zahlung konnte nicht entfernt werden.</source>
        <translation>Le règlement n&apos;a pas pu être supprimé.</translation>
    </message>
</context>
<context>
    <name>Zeichenpruefung</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Kunde, Firma</source>
        <translation>Client, société</translation>
    </message>
    <message>
        <source>Kunde, Name</source>
        <translation>Client, nom</translation>
    </message>
    <message>
        <source>Kunde, Straße</source>
        <translation>Client, rue</translation>
    </message>
    <message>
        <source>Kunde, PLZ</source>
        <translation>Client, code postal</translation>
    </message>
    <message>
        <source>Kunde, Ort</source>
        <translation>Client, ville</translation>
    </message>
    <message>
        <source>Kunde, Land</source>
        <translation>Client, pays</translation>
    </message>
    <message>
        <source>Kunde, USt-IdNr.</source>
        <translation>Client, n° TVA</translation>
    </message>
    <message>
        <source>BestellNr</source>
        <translation>N° de commande</translation>
    </message>
    <message>
        <source>Lieferanschrift</source>
        <translation>Adresse de livraison</translation>
    </message>
    <message>
        <source>Zeile %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>Bemerkung</source>
        <translation>Remarque</translation>
    </message>
</context>
</TS>
