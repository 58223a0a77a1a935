#include "exchange/tabellenimport.h"

#include "exchange/odsleser.h"
#include "platform/interaktion.h"
#include "records/kunde.h"
#include "records/produkt.h"
#include "store/kundenstore.h"
#include "store/produktstore.h"

#include <QDebug>
#include <QDir>
#include <QHash>
#include <QLocale>
#include <QSet>
#include <QStandardItemModel>

#include <climits>
#include <cmath>
#include <functional>
#include <memory>

namespace {

// The cells of one row: texts as shown, numbers as the sheet holds them.
class Zeile
{
public:
    Zeile(QAbstractItemModel* m, int row) : m_model(m), m_row(row) {}

    QString text(int spalte) const
    {
        return m_model->data(m_model->index(m_row, spalte)).toString();
    }
    // The cell's number; the shown text only where the sheet holds none ("99,90 €"
    // or "1.255" would read differently in every locale).
    double zahl(int spalte) const
    {
        const QVariant wert = m_model->data(m_model->index(m_row, spalte), OdsLeser::WertRolle);
        return wert.isValid() ? wert.toDouble() : TabellenImport::zahl(text(spalte));
    }
    // A number shown with decimals ("501.00") is still the whole number it shows.
    int ganzzahl(int spalte) const
    {
        const double d = zahl(spalte);
        return d == std::trunc(d) && std::abs(d) <= INT_MAX ? int(d) : 0;
    }
    bool leer(const QList<int>& spalten) const
    {
        for (const int k : spalten)
            if (!text(k).trimmed().isEmpty())
                return false;
        return true;
    }

private:
    QAbstractItemModel* m_model;
    int m_row;
};

// Passes every row with text in spalten to lies; false when the user cancelled.
bool jedeZeile(QAbstractItemModel* tabelle, const QList<int>& spalten, ImportBericht& bericht,
               const Fortschritt::Meldung& weiter, const std::function<void(const Zeile&)>& lies)
{
    const int zeilen = tabelle ? tabelle->rowCount() : 0;
    for (int row = 0; row < zeilen; ++row) {
        if (row % 256 == 0 && !weiter(row, zeilen))
            return false;
        const Zeile z(tabelle, row);
        if (z.leer(spalten))
            continue;
        ++bericht.gelesen;
        lies(z);
    }
    return true;
}

// Counts what the store did with the records of one bulk write.
void zaehle(ImportBericht& bericht, bool geschrieben, const QList<bool>& neu, const QList<bool>& ok)
{
    // A transaction that failed as a whole refused every record.
    for (qsizetype i = 0; i < neu.size(); ++i) {
        if (!geschrieben || !ok.value(i))
            ++bericht.abgelehnt;
        else if (neu.at(i))
            ++bericht.gespeichert;
        else
            ++bericht.aktualisiert;
    }
}

ImportBericht abgebrochen(ImportBericht bericht)
{
    bericht.gelesen = 0;
    bericht.uebersprungen = 0;
    bericht.abgebrochen = true;
    return bericht;
}

// Stores the products; neu tells which to add, the rest are saved.
ImportBericht schreibe(ImportBericht bericht, ProduktStore* store, const QList<Produkt>& produkte,
                       const QList<bool>& neu, const Fortschritt::Meldung& weiter)
{
    bool abbruch = false;
    QList<bool> ok;
    const bool geschrieben = store->schreibeProdukte(produkte, neu, ok, Fortschritt::merkend(weiter, abbruch));
    if (abbruch)
        return abgebrochen(bericht);
    zaehle(bericht, geschrieben, neu, ok);
    return bericht;
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

bool TabellenImport::bestaetigt(QWidget* parent, const ImportBericht& bericht, qsizetype neu)
{
    if (neu <= maxOhneFrage)
        return true;
    const QString anzahl = QLocale().toString(neu);
    const QString text = bericht.art == ImportBericht::Kunden
                             ? tr("Die Datei enthält %1 neue Kunden. Sollen sie alle angelegt werden?").arg(anzahl)
                             : tr("Die Datei enthält %1 neue Produkte. Sollen sie alle angelegt werden?").arg(anzahl);
    return Interaktion::instance()->question(parent, tr("Importieren"), text) == QMessageBox::Yes;
}

ImportBericht TabellenImport::produkte(QAbstractItemModel* tabelle, ProduktStore* store, QWidget* parent,
                                       const Fortschritt::Meldung& weiter)
{
    ImportBericht bericht(ImportBericht::Produkte);
    // The reader gives every title of the header row a tool tip, a column beyond them none.
    const auto hat = [tabelle](int k) {
        return tabelle->headerData(k, Qt::Horizontal, Qt::ToolTipRole).isValid();
    };
    QList<Produkt> produkte;
    QList<bool> neu;
    QHash<QString, qsizetype> zuletzt;  // number -> its latest write in produkte
    const bool gelesen = jedeZeile(tabelle, {0, 1, 2, 3, 4}, bericht, weiter, [&](const Zeile& z) {
        const QString nr = z.text(0);
        if (nr.isEmpty()) {
            ++bericht.uebersprungen;
            return;
        }
        // A number met before in this file changes what that row wrote.
        const auto frueher = zuletzt.constFind(nr);
        Produkt p = frueher != zuletzt.cend() ? produkte.at(*frueher) : store->getProdukt(nr);
        const bool istNeu = frueher == zuletzt.cend() && p.Nr.isEmpty();
        if (istNeu) {
            p = Produkt();
            p.Nr = nr;
        }
        if (hat(1))
            p.Name = z.text(1);
        if (hat(2))
            p.Preis = z.zahl(2);
        if (hat(3))
            p.Desc = z.text(3);
        if (hat(4))
            p.Typ = z.ganzzahl(4);
        zuletzt.insert(nr, produkte.size());
        produkte.append(p);
        neu.append(istNeu);
    });
    if (!gelesen || !bestaetigt(parent, bericht, neu.count(true)))
        return abgebrochen(bericht);
    return schreibe(bericht, store, produkte, neu, weiter);
}

ImportBericht TabellenImport::produkteVDA(QAbstractItemModel* tabelle, ProduktStore* store, QWidget* parent,
                                          const Fortschritt::Meldung& weiter)
{
    ImportBericht bericht(ImportBericht::Produkte);
    QList<Produkt> produkte;
    QSet<QString> nummern;  // of this file
    const bool gelesen = jedeZeile(tabelle, {0, 2, 19}, bericht, weiter, [&](const Zeile& z) {
        const Produkt p(z.text(0), z.text(2), z.zahl(19));
        // A product that exists is left as it is; the store would refuse it anyway.
        if (!p.Nr.isEmpty() && (nummern.contains(p.Nr) || !store->getProdukt(p.Nr).Nr.isEmpty())) {
            ++bericht.uebersprungen;
            return;
        }
        nummern.insert(p.Nr);
        produkte.append(p);
    });
    if (!gelesen || !bestaetigt(parent, bericht, produkte.size()))
        return abgebrochen(bericht);
    return schreibe(bericht, store, produkte, QList<bool>(produkte.size(), true), weiter);
}

ImportBericht TabellenImport::kundenVDA(QAbstractItemModel* tabelle, KundenStore* store, QWidget* parent,
                                        const Fortschritt::Meldung& weiter)
{
    ImportBericht bericht(ImportBericht::Kunden);
    QList<Kunde> kunden;
    QSet<int> nummern;  // of this file
    const QList<int> spalten{0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 12, 13, 14, 15, 16, 17};
    const bool gelesen = jedeZeile(tabelle, spalten, bericht, weiter, [&](const Zeile& z) {
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
        if (k.Nr > 0 && (nummern.contains(k.Nr) || store->getKunde(k.Nr).Nr == k.Nr)) {
            ++bericht.uebersprungen;
            return;
        }
        nummern.insert(k.Nr);
        kunden.append(k);
    });
    if (!gelesen || !bestaetigt(parent, bericht, kunden.size()))
        return abgebrochen(bericht);
    bool abbruch = false;
    QList<bool> ok;
    const bool geschrieben = store->addKunden(kunden, ok, Fortschritt::merkend(weiter, abbruch));
    if (abbruch)
        return abgebrochen(bericht);
    zaehle(bericht, geschrieben, QList<bool>(kunden.size(), true), ok);
    return bericht;
}

QString TabellenImport::ausDatei(
    QWidget* parent, const QString& titel,
    const std::function<ImportBericht(QAbstractItemModel*, const Fortschritt::Meldung&)>& importiere)
{
    const QString datei = Interaktion::instance()->getOpenFileName(parent, titel);
    if (datei.isEmpty())
        return QString();
    Fortschritt fortschritt(parent, titel);
    bool abbruch = false;
    QString fehler;
    const std::unique_ptr<QStandardItemModel> tabelle(
        readODS(datei, &fehler, Fortschritt::merkend(fortschritt.meldung(), abbruch)));
    if (!fehler.isEmpty()) {
        Interaktion::instance()->warning(parent, titel, fehler);
        return tr("Nichts importiert");
    }
    if (abbruch)
        return abgebrochen(ImportBericht()).statusText();
    const ImportBericht bericht = importiere(tabelle.get(), fortschritt.meldung());
    if (bericht.fehlerhaft())
        Interaktion::instance()->warning(parent, titel,
                                         QDir::toNativeSeparators(datei) + QLatin1String(":\n")
                                             + bericht.fehlerText());
    return bericht.statusText();
}

QString TabellenImport::importProdukte(QWidget* parent, ProduktStore* store)
{
    return ausDatei(parent, tr("Produkte importieren"), [store, parent](QAbstractItemModel* t, const auto& w) {
        return produkte(t, store, parent, w);
    });
}

QString TabellenImport::importProdukteVDA(QWidget* parent, ProduktStore* store)
{
    return ausDatei(parent, tr("Vendora Produkte importieren"),
                    [store, parent](QAbstractItemModel* t, const auto& w) { return produkteVDA(t, store, parent, w); });
}

QString TabellenImport::importKundenVDA(QWidget* parent, KundenStore* store)
{
    return ausDatei(parent, tr("Vendora Kunden importieren"),
                    [store, parent](QAbstractItemModel* t, const auto& w) { return kundenVDA(t, store, parent, w); });
}
