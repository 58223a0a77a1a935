#include "windows/spaltentitel.h"

#include "exchange/tabellenquelle.h"

#include <QAbstractItemModel>
#include <QHash>

void Spaltentitel::setze(QAbstractItemModel* model)
{
    if (!model)
        return;
    for (int c = 0; c < model->columnCount(); ++c) {
        QVariant name = model->headerData(c, Qt::Horizontal, TabellenQuelle::SpaltenName);
        if (!name.isValid()) {
            name = model->headerData(c, Qt::Horizontal, Qt::DisplayRole);
            model->setHeaderData(c, Qt::Horizontal, name, TabellenQuelle::SpaltenName);
        }
        model->setHeaderData(c, Qt::Horizontal, titel(name.toString()), Qt::DisplayRole);
    }
}

QString Spaltentitel::titel(const QString& spalte)
{
    // Column names of the tables kunden, auftrag and produkte.
    static const QHash<QString, const char*> titel = {
        {"Nr", QT_TR_NOOP("Nr.")},
        {"AuftragsNr", QT_TR_NOOP("Belegnr.")},
        {"KundenNr", QT_TR_NOOP("Kundennr.")},
        {"Firma", QT_TR_NOOP("Firma")},
        {"Name", QT_TR_NOOP("Name")},
        {"Strasse", QT_TR_NOOP("Straße")},
        {"PLZ", QT_TR_NOOP("PLZ")},
        {"Ort", QT_TR_NOOP("Ort")},
        {"Land", QT_TR_NOOP("Land")},
        {"Email", QT_TR_NOOP("E-Mail")},
        {"Tel", QT_TR_NOOP("Telefon")},
        {"Tel2", QT_TR_NOOP("Telefon 2")},
        {"Fax", QT_TR_NOOP("Fax")},
        {"Bemerkung", QT_TR_NOOP("Bemerkung")},
        {"Typ", QT_TR_NOOP("Art")},
        {"IBAN", QT_TR_NOOP("IBAN")},
        {"BIC", QT_TR_NOOP("BIC")},
        {"Steuernummer", QT_TR_NOOP("Steuernummer")},
        {"Seit", QT_TR_NOOP("Kunde seit")},
        {"Summe", QT_TR_NOOP("Summe")},
        {"Eingang", QT_TR_NOOP("Datum")},
        {"Lieferung", QT_TR_NOOP("Lieferdatum")},
        {"Status", QT_TR_NOOP("Status")},
        {"Zahlung", QT_TR_NOOP("Zahlungsart")},
        {"BestellNr", QT_TR_NOOP("Bestellnr.")},
        {"Dienst", QT_TR_NOOP("Leistung")},
        {"Komentar", QT_TR_NOOP("Kommentar")},
        {"Preis", QT_TR_NOOP("Preis")},
        {"Desc", QT_TR_NOOP("Beschreibung")},
        {"Version", QT_TR_NOOP("Version")},
    };
    const auto it = titel.constFind(spalte);
    return it == titel.constEnd() ? spalte : tr(it.value());
}
