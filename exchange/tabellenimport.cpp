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

// The columns read: of the product file, and of the external program's product and customer lists.
namespace ProduktDatei {
enum Spalte { Nr, Name, Preis, Desc, Typ };
}
namespace VdaProdukt {
enum Spalte { Nr = 0, Name = 2, Preis = 19 };
}
namespace VdaKunde {
enum Spalte { Firma = 0, Nr = 1, Typ = 2, Name = 3, Strasse = 4, Strasse2 = 5, PLZ = 7, Ort = 8, Land = 9,
              Steuernummer = 10, Tel2 = 12, Tel = 13, Fax = 14, Email = 15, Seit = 16, Bemerkung = 17 };
}

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

// Takes x into liste unless its number nr stands in this file already or,
// as imStore says, in the store; a number taken counts as skipped.
template <typename T, typename N, typename F>
void nimmNeu(QList<T>& liste, QSet<N>& nummern, const T& x, const N& nr, bool mitNummer, F imStore,
             ImportBericht& bericht)
{
    if (mitNummer && (nummern.contains(nr) || imStore())) {
        ++bericht.uebersprungen;
        return;
    }
    nummern.insert(nr);
    liste.append(x);
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
    const bool gelesen = jedeZeile(tabelle, {ProduktDatei::Nr, ProduktDatei::Name, ProduktDatei::Preis, ProduktDatei::Desc,
                                                  ProduktDatei::Typ},
                                   bericht, weiter, [&](const Zeile& z) {
        const QString nr = z.text(ProduktDatei::Nr);
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
        if (hat(ProduktDatei::Name))
            p.Name = z.text(ProduktDatei::Name);
        if (hat(ProduktDatei::Preis))
            p.Preis = z.zahl(ProduktDatei::Preis);
        if (hat(ProduktDatei::Desc))
            p.Desc = z.text(ProduktDatei::Desc);
        if (hat(ProduktDatei::Typ))
            p.Typ = z.ganzzahl(ProduktDatei::Typ);
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
    const bool gelesen = jedeZeile(tabelle, {VdaProdukt::Nr, VdaProdukt::Name, VdaProdukt::Preis}, bericht, weiter,
                                   [&](const Zeile& z) {
        const Produkt p(z.text(VdaProdukt::Nr), z.text(VdaProdukt::Name), z.zahl(VdaProdukt::Preis));
        // A product that exists is left as it is; the store would refuse it anyway.
        nimmNeu(produkte, nummern, p, p.Nr, !p.Nr.isEmpty(),
                [&] { return !store->getProdukt(p.Nr).Nr.isEmpty(); }, bericht);
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
    using namespace VdaKunde;
    const QList<int> spalten{Firma, Nr, Typ, Name, Strasse, Strasse2, PLZ, Ort, Land, Steuernummer, Tel2, Tel, Fax,
                             Email, Seit, Bemerkung};
    const bool gelesen = jedeZeile(tabelle, spalten, bericht, weiter, [&](const Zeile& z) {
        Kunde k;
        k.Firma = z.text(Firma);
        k.Nr = z.ganzzahl(Nr);
        k.Typ = z.ganzzahl(Typ);
        k.Name = z.text(Name);
        k.Strasse = z.text(Strasse) + QLatin1Char('\n') + z.text(Strasse2);
        k.PLZ = z.text(PLZ);
        k.Ort = z.text(Ort);
        k.Land = z.text(Land);
        k.Steuernummer = z.text(Steuernummer);
        k.Tel2 = z.text(Tel2);
        k.Tel = z.text(Tel);
        k.Fax = z.text(Fax);
        k.Email = z.text(Email);
        k.Seit = QDate::fromString(z.text(Seit), QStringLiteral("dd.MM.yyyy"));
        k.Bemerkung = z.text(Bemerkung);
        qDebug() << "importKundenVDA" << k.Nr << k.Seit;
        nimmNeu(kunden, nummern, k, k.Nr, k.Nr > 0, [&] { return store->getKunde(k.Nr).Nr == k.Nr; }, bericht);
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
