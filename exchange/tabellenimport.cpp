#include "exchange/tabellenimport.h"

#include "exchange/odsleser.h"
#include "platform/interaktion.h"
#include "records/kunde.h"
#include "records/produkt.h"
#include "store/kundenstore.h"
#include "store/produktstore.h"

#include <QDebug>
#include <QLocale>
#include <QStandardItemModel>

#include <climits>
#include <cmath>
#include <functional>
#include <memory>

namespace {

// The cells of one row, read as the display values the imports convert.
class Zeile
{
public:
    Zeile(QAbstractItemModel* m, int row) : m_model(m), m_row(row) {}

    QString text(int spalte) const
    {
        return m_model->data(m_model->index(m_row, spalte)).toString();
    }
    // A number shown with decimals ("501.00") is still the whole number it shows.
    int ganzzahl(int spalte) const
    {
        const double d = TabellenImport::zahl(text(spalte));
        return d == std::trunc(d) && std::abs(d) <= INT_MAX ? int(d) : 0;
    }
    bool leer() const
    {
        for (int k = 0; k < m_model->columnCount(); ++k)
            if (!text(k).trimmed().isEmpty())
                return false;
        return true;
    }

private:
    QAbstractItemModel* m_model;
    int m_row;
};

// Runs store for every row that holds something.
ImportBericht jedeZeile(QAbstractItemModel* tabelle, ImportBericht::Art art,
                        const std::function<void(const Zeile&, ImportBericht&)>& speichere)
{
    ImportBericht bericht(art);
    if (!tabelle)
        return bericht;
    for (int row = 0; row < tabelle->rowCount(); ++row) {
        const Zeile z(tabelle, row);
        if (z.leer())
            continue;
        ++bericht.gelesen;
        speichere(z, bericht);
    }
    return bericht;
}

QString ausDatei(QWidget* parent, const QString& titel,
                 const std::function<ImportBericht(QAbstractItemModel*)>& importiere)
{
    const QString datei = Interaktion::instance()->getOpenFileName(parent, titel);
    if (datei.isEmpty())
        return QString();
    const std::unique_ptr<QStandardItemModel> tabelle(readODS(datei));
    return importiere(tabelle.get()).statusText();
}

}  // namespace

double TabellenImport::zahl(const QString& text)
{
    const QString t = text.trimmed();
    bool ok = false;
    const double d = QLocale().toDouble(t, &ok);
    if (ok)
        return d;
    const double c = QLocale::c().toDouble(t, &ok);
    return ok ? c : 0.0;
}

ImportBericht TabellenImport::produkte(QAbstractItemModel* tabelle, ProduktStore* store)
{
    return jedeZeile(tabelle, ImportBericht::Produkte, [store](const Zeile& z, ImportBericht& b) {
        Produkt p;
        p.Nr = z.text(0);
        p.Name = z.text(1);
        p.Preis = zahl(z.text(2));
        p.Desc = z.text(3);
        p.Typ = z.ganzzahl(4);
        if (p.Nr.isEmpty())
            ++b.uebersprungen;
        else if (store->getProdukt(p.Nr).Nr.isEmpty())
            b.neu(false, [&] { return store->addProdukt(p); });
        else if (store->saveProdukt(p))
            ++b.aktualisiert;
        else
            ++b.abgelehnt;
    });
}

ImportBericht TabellenImport::produkteVDA(QAbstractItemModel* tabelle, ProduktStore* store)
{
    return jedeZeile(tabelle, ImportBericht::Produkte, [store](const Zeile& z, ImportBericht& b) {
        const Produkt p(z.text(0), z.text(2), zahl(z.text(19)));
        // A product that exists is left as it is; the store would refuse it anyway.
        b.neu(!p.Nr.isEmpty() && !store->getProdukt(p.Nr).Nr.isEmpty(), [&] { return store->addProdukt(p); });
    });
}

ImportBericht TabellenImport::kundenVDA(QAbstractItemModel* tabelle, KundenStore* store)
{
    return jedeZeile(tabelle, ImportBericht::Kunden, [store](const Zeile& z, ImportBericht& b) {
        Kunde k;
        k.Firma = z.text(0);
        k.Nr = z.ganzzahl(1);
        k.Typ = z.ganzzahl(2);
        k.Name = z.text(3);
        k.Strasse = z.text(4) + QLatin1Char('\n') + z.text(5);
        k.PLZ = z.text(7);
        k.Ort = z.text(8);
        k.Land = z.text(9);
        k.Steuernummer = z.text(10);
        k.Tel2 = z.text(12);
        k.Tel = z.text(13);
        k.Fax = z.text(14);
        k.Email = z.text(15);
        k.Seit = QDate::fromString(z.text(16), QStringLiteral("dd.MM.yyyy"));
        k.Bemerkung = z.text(17);
        qDebug() << "importKundenVDA" << k.Nr << k.Seit;
        b.neu(k.Nr > 0 && store->getKunde(k.Nr).Nr == k.Nr, [&] { return store->addKunde(k); });
    });
}

QString TabellenImport::importProdukte(QWidget* parent, ProduktStore* store)
{
    return ausDatei(parent, tr("Produkte importieren"),
                    [store](QAbstractItemModel* t) { return produkte(t, store); });
}

QString TabellenImport::importProdukteVDA(QWidget* parent, ProduktStore* store)
{
    return ausDatei(parent, tr("Vendora Produkte importieren"),
                    [store](QAbstractItemModel* t) { return produkteVDA(t, store); });
}

QString TabellenImport::importKundenVDA(QWidget* parent, KundenStore* store)
{
    return ausDatei(parent, tr("Vendora Kunden importieren"),
                    [store](QAbstractItemModel* t) { return kundenVDA(t, store); });
}
