#include "print/drucker.h"

#include "print/belegbetraege.h"
#include "print/laendercodes.h"
#include "print/seitensatz.h"
#include "print/steuer.h"
#include "records/codetabellen.h"
#include "records/dezimaltext.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

namespace {

const double mm = Seitensatz::mm;
// Space around the text of a table cell.
const double zellRand = 1.2 * mm;

QString datum(const QDateTime& d)
{
    return d.toString("dd.MM.yyyy");
}

}  // namespace

Drucker::Drucker(QObject* parent) : QObject(parent) {}

QString Drucker::standardMahntext()
{
    return Einstellung::standard(Einstellung::RechnungMahntext).toString();
}

QString Drucker::wert(Einstellung::Schluessel schluessel) const
{
    return Einstellung::text(schluessel, m_settings).trimmed();
}

QString Drucker::verbinde(const QStringList& teile, const QString& trenner)
{
    QStringList voll;
    for (const QString& t : teile)
        if (!t.trimmed().isEmpty())
            voll << t.trimmed();
    return voll.join(trenner);
}

QString Drucker::titelNachArt(const Auftrag& a, const QStringList& titel, const QString& muster)
{
    const QString t = titel.value(a.Typ, titel.first());
    if (a.Nr <= 0)
        return t;
    return muster.arg(a.belegNummer(), t);
}

Auftrag Drucker::druckfassung(const Auftrag& a)
{
    Auftrag d = a;
    if (a.Typ != Auftragsart::Gutschrift)
        return d;
    double summe = 0;
    for (const AuftragsLine& l : a.Zeilen)
        summe += l.Preis;
    if (summe >= 0)
        return d;
    for (AuftragsLine& l : d.Zeilen) {
        // -2 × 50.00 and 2 × -50.00 both print as 2 × 50.00.
        l.Preis = -l.Preis;
        if ((l.Preis < 0) != (l.Anzahl < 0))
            l.Anzahl = -l.Anzahl;
    }
    return d;
}

QDate Drucker::gueltigBis(const Auftrag& a) const
{
    const int tage = Einstellung::zahl(Einstellung::AngebotGueltigkeit, m_settings);
    return a.Eingang.date().addDays(qMax(0, tage));
}

QList<Drucker::Summenzeile> Drucker::steuerZeilen(const Belegbetraege& b, const Steuertexte& t)
{
    QList<Summenzeile> s;
    for (const Belegbetraege::Satzsumme& g : b.aufschluesselung()) {
        if (g.grund != Belegbetraege::Grund::Keiner) {
            s << Summenzeile{t.unversteuert, g.netto.zahl()};
            continue;
        }
        const QString p = Belegbetraege::prozentText(g.prozent);
        s << Summenzeile{t.basis.arg(p), g.netto.zahl()} << Summenzeile{t.steuer.arg(p), g.steuer.zahl()};
    }
    if (b.aufschluesselung().size() > 1)
        s << Summenzeile{t.nettoGesamt, b.netto().zahl()} << Summenzeile{t.steuerGesamt, b.steuer().zahl()};
    s << Summenzeile{t.brutto, b.brutto().zahl(), true};
    return s;
}

bool Drucker::mitEinheit(const Auftrag& a)
{
    for (const AuftragsLine& l : a.Zeilen)
        if (!l.Einheit.trimmed().isEmpty())
            return true;
    return false;
}

QStringList Drucker::empfaenger(const Kunde& k, const QString& landIso) const
{
    QStringList z{k.Firma.trimmed(), k.Name.trimmed(), k.Strasse.trimmed(),
                  verbinde({k.PLZ, k.Ort}, " ")};
    const QString land = k.Land.trimmed();
    const QString iso = Laendercodes::iso(land);
    // A name the table does not know is printed: the post must find the country.
    const bool ausland = iso.isEmpty() ? land.compare(wert(Einstellung::FirmaLand), Qt::CaseInsensitive) != 0
                                       : iso != landIso;
    if (!land.isEmpty() && ausland)
        z << land.toUpper();
    z.removeAll(QString());
    return z;
}

void Drucker::spaltenBreiten(QList<Spalte>& spalten, const QList<QStringList>& zeilen,
                             double gesamt, const QString& summe)
{
    const QFont kopf = Seitensatz::schrift(9, true);
    const QFont basis = Seitensatz::schrift(10);
    int rest = -1;
    double belegt = 0;
    for (int i = 0; i < spalten.size(); ++i) {
        Spalte& s = spalten[i];
        if (!s.rechts && s.hoechstens <= 0) {
            rest = i;
            continue;
        }
        double w = Seitensatz::breite(s.kopf, kopf);
        double inhalt = 0;
        for (const QStringList& z : zeilen)
            if (i < z.size())
                inhalt = qMax(inhalt, Seitensatz::breite(z[i], basis));
        if (!s.rechts)
            inhalt = qMin(inhalt, s.hoechstens);
        if (i + 1 == spalten.size())
            inhalt = qMax(inhalt, Seitensatz::breite(summe, basis));
        s.breite = qMax(w, inhalt) + 2 * zellRand + 1;
        if (s.rechts)
            s.breite = qMax(s.breite, 14 * mm);
        belegt += s.breite;
    }
    if (rest >= 0)
        spalten[rest].breite = qMax(20 * mm, gesamt - belegt);
}

void Drucker::tabelle(Seitensatz& satz, const QList<Spalte>& spalten,
                      const QList<QStringList>& zeilen, double links)
{
    const QFont kopf = Seitensatz::schrift(9, true);
    const QFont basis = Seitensatz::schrift(10);
    double rechts = links;
    for (const Spalte& s : spalten)
        rechts += s.breite;
    double kopfHoehe = 0;
    for (const Spalte& s : spalten)
        kopfHoehe = qMax(kopfHoehe, Seitensatz::hoehe(s.kopf, kopf, s.breite - 2 * zellRand));
    kopfHoehe += 2 * zellRand;
    satz.setTabellenkopf(kopfHoehe, [=](QPainter& p, double y) {
        double x = links;
        for (const Spalte& s : spalten) {
            Seitensatz::zeichne(p, x + zellRand, y + zellRand, s.breite - 2 * zellRand, s.kopf,
                                kopf, s.rechts ? Qt::AlignRight : Qt::AlignLeft);
            x += s.breite;
        }
        linie(p, links, rechts, y + kopfHoehe);
    });
    for (const QStringList& zeile : zeilen) {
        double h = 0;
        for (int i = 0; i < spalten.size() && i < zeile.size(); ++i)
            h = qMax(h, Seitensatz::hoehe(zeile[i], basis, spalten[i].breite - 2 * zellRand));
        satz.anfuegen(
            h + 2 * zellRand,
            [=](QPainter& p, double y) {
                double x = links;
                for (int i = 0; i < spalten.size() && i < zeile.size(); ++i) {
                    const Spalte& s = spalten[i];
                    Seitensatz::zeichne(p, x + zellRand, y + zellRand, s.breite - 2 * zellRand,
                                        zeile[i], basis, s.rechts ? Qt::AlignRight : Qt::AlignLeft);
                    x += s.breite;
                }
            },
            true);
    }
}

double Drucker::stapel(QPainter* p, double x, double y, double breite,
                       const QList<Vermerk>& vermerke)
{
    double h = 0;
    for (const Vermerk& v : vermerke) {
        if (p)
            Seitensatz::zeichne(*p, x, y + h, breite, v.text, v.font, Qt::AlignLeft, v.farbe);
        // An empty note leaves one line of space.
        h += v.text.isEmpty() ? QFontMetricsF(v.font).height()
                              : Seitensatz::hoehe(v.text, v.font, breite);
    }
    return h;
}

void Drucker::summen(Seitensatz& satz, const QList<Summenzeile>& zeilen,
                     const QList<Vermerk>& vermerke, double links, double breite,
                     double spaltenBreite)
{
    const QFont basis = Seitensatz::schrift(10);
    const QFont fett = Seitensatz::schrift(12, true);
    // A bold total may be wider than the column above it: never wrap it.
    double betragBreite = spaltenBreite;
    for (const Summenzeile& z : zeilen)
        betragBreite = qMax(betragBreite, Seitensatz::breite(z.betrag, z.fett ? fett : basis) +
                                              2 * zellRand + 1);
    // Labels stand right-aligned left of the amount column, at most 70 mm wide.
    const double textBreite = qMin(70 * mm, breite - betragBreite);
    double h = zellRand;
    QList<double> hoehen;
    for (const Summenzeile& z : zeilen) {
        const QFont& f = z.fett ? fett : basis;
        hoehen << Seitensatz::hoehe(z.text, f, textBreite - 2 * zellRand) + 2 * zellRand;
        h += hoehen.last();
    }
    const double notizOben = h + 3 * mm;
    h = notizOben + stapel(nullptr, links, 0, breite, vermerke);
    const double rechts = links + breite;
    satz.anfuegen(h, [=](QPainter& p, double y) {
        linie(p, rechts - betragBreite - textBreite, rechts, y);
        double zy = y + zellRand;
        for (int i = 0; i < zeilen.size(); ++i) {
            const Summenzeile& z = zeilen[i];
            const QFont& f = z.fett ? fett : basis;
            Seitensatz::zeichne(p, rechts - betragBreite - textBreite + zellRand, zy + zellRand,
                                textBreite - 2 * zellRand, z.text, f, Qt::AlignRight);
            Seitensatz::zeichne(p, rechts - betragBreite + zellRand, zy + zellRand,
                                betragBreite - 2 * zellRand, z.betrag, f, Qt::AlignRight);
            zy += hoehen[i];
        }
        stapel(&p, links, y + notizOben, breite, vermerke);
    });
}

void Drucker::absatz(Seitensatz& satz, const QString& text, const QFont& font, double links,
                     double breite)
{
    if (text.trimmed().isEmpty())
        return;
    satz.anfuegen(Seitensatz::hoehe(text, font, breite), [=](QPainter& p, double y) {
        Seitensatz::zeichne(p, links, y, breite, text, font);
    });
}

void Drucker::linie(QPainter& p, double x1, double x2, double y)
{
    p.save();
    p.setPen(QPen(Qt::black, 0.5 * 10));  // half a point
    p.drawLine(QPointF(x1, y), QPointF(x2, y));
    p.restore();
}

Belegbetraege::Layout Drucker::layout() const
{
    return Belegbetraege::Layout::Fr1;
}

QString Drucker::titel(const Auftrag& a) const
{
    // In the order of the document kinds.
    return titelNachArt(a, {tr("Facture"), tr("Bon de livraison"), tr("Avoir"), tr("Devis")},
                        tr("%2 Nº %1"));
}

QString Drucker::zahlungsWort(const Auftrag& a)
{
    static const char* const woerter[] = {
        QT_TR_NOOP("espèces"), QT_TR_NOOP("carte bancaire"), QT_TR_NOOP("virement"),
        QT_TR_NOOP("prélèvement"), QT_TR_NOOP("carte de crédit"), QT_TR_NOOP("chèque")};
    const int z = a.Zahlung;
    return z >= 0 && z < 6 ? tr(woerter[z]) : QString();
}

QList<Drucker::Vermerk> Drucker::briefkopf() const
{
    QList<Vermerk> v;
    const QFont klein = Seitensatz::schrift(9);
    const QString logo = wert(Einstellung::RechnungLogoText);
    if (!logo.isEmpty())
        v << Vermerk{logo, Seitensatz::schrift(7)};
    const QString firma = wert(Einstellung::FirmaFirma);
    if (!firma.isEmpty())
        v << Vermerk{firma, Seitensatz::schrift(14, true)};
    const QStringList zeilen{
        wert(Einstellung::FirmaStrasse), verbinde({wert(Einstellung::FirmaPLZ),
            wert(Einstellung::FirmaOrt)}, " "),
        wert(Einstellung::FirmaTel).isEmpty() ? QString() : tr("Tél. %1").arg(wert(Einstellung::FirmaTel)),
        wert(Einstellung::FirmaEmail).isEmpty() ? QString() : tr("E-mail: %1").arg(wert(Einstellung::FirmaEmail)),
        wert(Einstellung::FirmaURL).isEmpty() ? QString() : tr("URL: %1").arg(wert(Einstellung::FirmaURL)),
        wert(Einstellung::FirmaUStId).isEmpty() ? QString() : tr("N° TVA: %1").arg(wert(Einstellung::FirmaUStId))};
    const QString adresse = verbinde(zeilen, "\n");
    if (!adresse.isEmpty())
        v << Vermerk{adresse, klein};
    return v;
}

QList<Drucker::Vermerk> Drucker::anschrift(const Auftrag& a) const
{
    QList<Vermerk> v;
    QFont absender = Seitensatz::schrift(8, true);
    absender.setUnderline(true);
    const QString zeile = verbinde(
        {wert(Einstellung::FirmaFirma), wert(Einstellung::FirmaStrasse),
         verbinde({wert(Einstellung::FirmaPLZ), wert(Einstellung::FirmaOrt)}, " ")},
        " - ");
    if (!zeile.isEmpty())
        v << Vermerk{zeile, absender};
    const QFont fett = Seitensatz::schrift(10, true);
    const Kunde& k = a.Kunde;
    v << Vermerk{empfaenger(k, Steuer::land(false, m_settings)).join("\n"), fett};
    v << Vermerk{QString(), fett};
    v << Vermerk{tr("n° de client: %1").arg(k.Nr), fett};
    if (!k.Steuernummer.trimmed().isEmpty())
        v << Vermerk{tr("N° TVA: %1").arg(k.Steuernummer.trimmed()), fett};
    // The SIREN identifies a French business customer.
    const QString iso = Laendercodes::iso(k.Land);
    if (!k.Siren.trimmed().isEmpty() && !k.Firma.trimmed().isEmpty() && (iso.isEmpty() || iso == "FR"))
        v << Vermerk{tr("SIREN: %1").arg(k.Siren.trimmed()), fett};
    return v;
}

QStringList Drucker::angaben(const Auftrag& a) const
{
    QStringList z;
    // The date of supply: the delivery date, else the date of the document.
    const QDateTime lieferung = a.Lieferung.isValid() ? a.Lieferung : a.Eingang;
    if (a.Typ != Auftragsart::Angebot && lieferung.isValid())
        z << tr("Date de livraison ou d'exécution : %1").arg(datum(lieferung));
    if (!a.BestellNr.isEmpty())
        z << tr("Votre commande : %1").arg(a.BestellNr);
    return z;
}

QStringList Drucker::mentionen(const Auftrag& a) const
{
    QStringList m;
    const QString ziel = a.Lieferanschrift.trimmed();
    if (!ziel.isEmpty() && ziel != empfaenger(a.Kunde, Steuer::land(false, m_settings)).join("\n"))
        m << tr("Adresse de livraison :") + "\n" + ziel;
    if (a.Typ != Auftragsart::Rechnung && a.Typ != Auftragsart::Gutschrift)
        return m;
    switch (a.leistungsart()) {
    case Auftrag::Leistungsart::Waren: m << tr("Opération : livraison de biens"); break;
    case Auftrag::Leistungsart::Dienste: m << tr("Opération : prestation de services"); break;
    case Auftrag::Leistungsart::Beides:
        m << tr("Opération : livraison de biens et prestation de services");
        break;
    }
    if (Einstellung::schalter(Einstellung::SteuerDebits, m_settings))
        m << tr("Option pour le paiement de la taxe d'après les débits");
    return m;
}

QList<Drucker::Vermerk> Drucker::fuss(const Auftrag& a) const
{
    QList<Vermerk> v;
    const QFont klein = Seitensatz::schrift(7);
    const QString text =
        wert(a.Dienst == Auftrag::Schulung ? Einstellung::RechnungFoot : Einstellung::RechnungFoot2);
    if (!text.isEmpty())
        v << Vermerk{text, klein};
    auto mit = [this](const char* muster, Einstellung::Schluessel schluessel) {
        const QString w = wert(schluessel);
        // "RCS Lyon B 123" typed whole is not prefixed a second time.
        const QString vorsatz = tr(muster).section(' ', 0, 0);
        if (w.startsWith(vorsatz + ' ', Qt::CaseInsensitive))
            return w;
        return w.isEmpty() ? QString() : tr(muster).arg(w);
    };
    const QString recht = verbinde(
        {wert(Einstellung::FirmaFirma), wert(Einstellung::FirmaRechtsform),
         mit(QT_TR_NOOP("SIREN %1"), Einstellung::FirmaSIREN), mit(QT_TR_NOOP("RCS %1"), Einstellung::FirmaRCS),
         mit(QT_TR_NOOP("N° TVA %1"), Einstellung::FirmaUStId)},
        " - ");
    if (!recht.isEmpty())
        v << Vermerk{recht, klein};
    const QString bank = verbinde(
        {mit(QT_TR_NOOP("IBAN %1"), Einstellung::FirmaIBAN), mit(QT_TR_NOOP("BIC %1"), Einstellung::FirmaBIC)},
        " - ");
    if (!bank.isEmpty())
        v << Vermerk{bank, klein};
    return v;
}

QList<Drucker::Vermerk> Drucker::zahlung(const Auftrag& a, const Belegbetraege& b) const
{
    QList<Vermerk> v;
    const QFont basis = Seitensatz::schrift(10);
    const QString wort = zahlungsWort(a);
    if (a.Typ == Auftragsart::Gutschrift) {
        v << Vermerk{tr("Montant à rembourser ou à déduire : %1 €").arg(b.brutto().zahl()),
                     Seitensatz::schrift(10, true)};
        return v;
    }
    if (a.Typ == Auftragsart::Angebot) {
        v << Vermerk{tr("Devis valable jusqu'au %1").arg(gueltigBis(a).toString("dd.MM.yyyy")), basis}
          << Vermerk{QString(), basis}
          << Vermerk{tr("Bon pour accord (date, nom et signature du client) :"), basis}
          << Vermerk{QString(), basis} << Vermerk{QString(), basis}
          << Vermerk{QStringLiteral("______________________________"), basis};
        return v;
    }
    if (a.Typ != Auftragsart::Rechnung)
        return v;
    if (b.bezahlt()) {
        const QString tag = a.Eingang.toString("dd-MM-yyyy");
        v << Vermerk{wort.isEmpty() ? tr("Payé - %1").arg(tag) : tr("Payé par %1 - %2").arg(wort, tag),
                     basis};
        v << Vermerk{tr("Payé"), Seitensatz::schrift(12, true), Qt::red};
        return v;
    }
    v << Vermerk{wort.isEmpty() ? tr("A payer") : tr("A payer par %1").arg(wort), basis};
    if (b.faelligAm().isValid())
        v << Vermerk{tr("Date d'échéance: %1").arg(b.faelligAm().toString("dd.MM.yyyy")), basis};
    // Late-payment terms are owed to business customers.
    if (!a.Kunde.Firma.trimmed().isEmpty()) {
        const QString mahn = Einstellung::text(Einstellung::RechnungMahntext, m_settings);
        if (!mahn.trimmed().isEmpty())
            v << Vermerk{mahn.trimmed(), Seitensatz::schrift(8)};
    }
    return v;
}

QString Drucker::bezugsMuster() const
{
    return tr("Avoir sur facture %1 du %2");
}

QList<Drucker::Feld> Drucker::felder() const
{
    return {Feld::Referenz, Feld::Beschreibung, Feld::Menge, Feld::Einheit, Feld::Einzelpreis, Feld::Satz,
            Feld::Netto};
}

Drucker::Spalte Drucker::spalte(Feld f, bool steuer) const
{
    switch (f) {
    case Feld::Referenz: return {tr("Réf. Produit"), false, 30 * mm};
    case Feld::Beschreibung: return {tr("Description")};
    case Feld::Menge: return {tr("Quant."), true};
    case Feld::Einheit: return {tr("Unité"), false, 20 * mm};
    case Feld::Einzelpreis: return {steuer ? tr("Prix unit. HT €") : tr("Prix unit. €"), true};
    case Feld::Satz: return {tr("TVA"), true};
    case Feld::Netto: break;
    }
    return {steuer ? tr("Total HT €") : tr("Total €"), true};
}

Drucker::Steuertexte Drucker::steuertexte() const
{
    return {tr("Total HT non soumis à TVA"), tr("Base TVA %1%"), tr("TVA %1%"), tr("Total HT"),
            tr("Total TVA"), tr("Total TTC")};
}

QList<Drucker::Vermerk> Drucker::vermerke(const Auftrag& a, const Belegbetraege& b) const
{
    QList<Vermerk> v;
    for (const QString& m : mentionen(a))
        v << Vermerk{m, Seitensatz::schrift(10)};
    return v << zahlung(a, b);
}

void Drucker::einleitung(Seitensatz& satz, const Auftrag& a, const Blatt& b) const
{
    absatz(satz, verbinde(angaben(a), "\n"), Seitensatz::schrift(10), b.links, b.breite);
    satz.abstand(2 * mm);
    absatz(satz, wert(Einstellung::RechnungHead), Seitensatz::schrift(10), b.links, b.breite);
    if (!a.Komentar.trimmed().isEmpty()) {
        satz.abstand(3 * mm);
        absatz(satz, a.Komentar, Seitensatz::schrift(10), b.links, b.breite);
    }
}

QString Drucker::seitenMuster() const
{
    return tr("Page %1 / %2");
}

Drucker::Briefbogen Drucker::briefbogen(const QSizeF& papier, const Auftrag& a) const
{
    Briefbogen b;
    const double links = b.links = 20 * mm;
    const double rechts = b.rechts = papier.width() - 15 * mm;
    const QList<Vermerk> kopf = briefkopf();
    const QList<Vermerk> adresse = anschrift(a);
    const double adresseX = 100 * mm;
    const double adresseY = 40 * mm;
    const double kopfBreite = adresseX - links - 5 * mm;
    const double adresseBreite = rechts - adresseX;
    b.kopfUnten = qMax(15 * mm + stapel(nullptr, 0, 0, kopfBreite, kopf),
                       adresseY + stapel(nullptr, 0, 0, adresseBreite, adresse));
    b.kopf = [=](QPainter& p) {
        stapel(&p, links, 15 * mm, kopfBreite, kopf);
        stapel(&p, adresseX, adresseY, adresseBreite, adresse);
    };
    b.fuss = {fuss(a)};
    return b;
}

Drucker::Fusszeile Drucker::fusszeile(const Auftrag& a, const Briefbogen& bogen, double hoehe) const
{
    const double links = bogen.links;
    const double rechts = bogen.rechts;
    const double breite = rechts - links;
    const QList<Vermerk> unten = fuss(a);
    const QFont klein = Seitensatz::schrift(7);
    const double seitenZeile = QFontMetricsF(klein).height();
    const double fussOben = hoehe - 10 * mm - seitenZeile - stapel(nullptr, 0, 0, breite, unten) - 2 * mm;
    const QString muster = seitenMuster();
    return {fussOben - 4 * mm, [=](QPainter& p, int seite, int seiten) {
                linie(p, links, rechts, fussOben);
                const double h = stapel(&p, links, fussOben + 1.5 * mm, breite, unten);
                Seitensatz::zeichne(p, links, fussOben + 1.5 * mm + h, breite, muster.arg(seite).arg(seiten),
                                    klein, Qt::AlignRight);
            }};
}

Drucker::Fusszeile Drucker::spaltenFuss(const Briefbogen& bogen, double hoehe, const QFont& seitenSchrift) const
{
    const double links = bogen.links;
    const double rechts = bogen.rechts;
    const double breite = rechts - links;
    const QList<QList<Vermerk>> spalten = bogen.fuss;
    const double spalte = breite / qMax(1, int(spalten.size()));
    double fussHoehe = 0;
    for (const QList<Vermerk>& s : spalten)
        fussHoehe = qMax(fussHoehe, stapel(nullptr, 0, 0, spalte - 2 * mm, s));
    const double seitenZeile = QFontMetricsF(seitenSchrift).height();
    const double fussOben = hoehe - 10 * mm - fussHoehe;
    const QString muster = seitenMuster();
    return {fussOben - seitenZeile - 4 * mm, [=](QPainter& p, int seite, int seiten) {
                Seitensatz::zeichne(p, links, fussOben - seitenZeile - 1.5 * mm, breite,
                                    muster.arg(seite).arg(seiten), seitenSchrift, Qt::AlignRight);
                linie(p, links, rechts, fussOben);
                for (int i = 0; i < spalten.size(); ++i)
                    stapel(&p, links + i * spalte, fussOben + 1.5 * mm, spalte - 2 * mm, spalten[i]);
            }};
}

Drucker::Blatt Drucker::brief(const Briefbogen& bogen, const Fusszeile& fuss, const QString& titel,
                              const QString& datum)
{
    Blatt b;
    const double links = b.links = bogen.links;
    const double breite = b.breite = bogen.rechts - bogen.links;
    const QFont folgeTitel = Seitensatz::schrift(10, true);
    b.oben1 = bogen.kopfUnten + 10 * mm;
    b.oben = 15 * mm + Seitensatz::hoehe(titel, folgeTitel, breite) + 5 * mm;
    b.unten = fuss.unten;
    b.rahmen = [=](QPainter& p, int seite, int seiten) {
        if (seite == 1)
            bogen.kopf(p);
        else
            Seitensatz::zeichne(p, links, 15 * mm, breite, titel, folgeTitel);
        Seitensatz::zeichne(p, links, 15 * mm, breite, datum, Seitensatz::schrift(8), Qt::AlignRight);
        fuss.zeichnen(p, seite, seiten);
    };
    return b;
}

Drucker::Blatt Drucker::blatt(const QSizeF& papier, const Auftrag& a) const
{
    const Briefbogen bogen = briefbogen(papier, a);
    return brief(bogen, fusszeile(a, bogen, papier.height()), titel(a), tr("Date: %1").arg(datum(a.Eingang)));
}

void Drucker::ueberschrift(Seitensatz& satz, const Auftrag& a, const Blatt& b) const
{
    absatz(satz, titel(a), Seitensatz::schrift(12, true), b.links, b.breite);
    if (a.Typ == Auftragsart::Gutschrift && !a.BezugBelegNr.isEmpty())
        absatz(satz, bezugsMuster().arg(a.BezugBelegNr, a.BezugDatum.toString("dd.MM.yyyy")),
               Seitensatz::schrift(10, true), b.links, b.breite);
    satz.abstand(2 * mm);
}

QString Drucker::zelle(Feld f, const AuftragsLine& l, const Belegbetraege::Zeile& z)
{
    switch (f) {
    case Feld::Referenz: return l.ProduktNr;
    case Feld::Beschreibung: return verbinde({l.Produkt, l.Komentar}, "\n");
    case Feld::Menge: return mengenText(l.Anzahl);
    case Feld::Einheit: return l.Einheit.trimmed();
    case Feld::Einzelpreis: return Belegbetraege::einzelpreis(z.einzelNetto, l.Anzahl, z.netto);
    case Feld::Satz:
        return z.grund == Belegbetraege::Grund::Keiner ? tr("%1 %").arg(Belegbetraege::prozentText(z.prozent))
                                                       : QStringLiteral("-");
    case Feld::Netto: break;
    }
    return z.netto.zahl();
}

double Drucker::positionen(Seitensatz& satz, const Auftrag& a, const Belegbetraege& b, const Blatt& bl) const
{
    // Lines show their net and rate; the VAT is computed per rate on the totals.
    // A delivery note shows what is delivered, no prices.
    const bool preise = a.Typ != Auftragsart::Lieferschein;
    const bool steuer = b.mitSteuer();
    const bool einheiten = mitEinheit(a);
    QList<Feld> gezeigt;
    QList<Spalte> spalten;
    for (Feld f : felder()) {
        const bool preisFeld = f == Feld::Einzelpreis || f == Feld::Satz || f == Feld::Netto;
        if ((f == Feld::Einheit && !einheiten) || (preisFeld && !preise) || (f == Feld::Satz && !steuer))
            continue;
        gezeigt << f;
        spalten << spalte(f, steuer);
    }
    QList<QStringList> zeilen;
    for (int i = 0; i < a.Zeilen.size(); ++i) {
        QStringList zeile;
        for (Feld f : gezeigt)
            zeile << zelle(f, a.Zeilen[i], b.zeilen()[i]);
        zeilen << zeile;
    }
    spaltenBreiten(spalten, zeilen, bl.breite, preise ? b.brutto().zahl() : QString());
    tabelle(satz, spalten, zeilen, bl.links);
    return spalten.last().breite;
}

void Drucker::schluss(Seitensatz& satz, const Auftrag& a, const Belegbetraege& b, const Blatt& bl,
                      double spaltenBreite) const
{
    if (a.Typ == Auftragsart::Lieferschein) {
        for (const Vermerk& v : vermerke(a, b))
            absatz(satz, v.text, v.font, bl.links, bl.breite);
        return;
    }
    QList<Vermerk> alle;
    for (const QString& g : b.gruende())
        alle << Vermerk{g, Seitensatz::schrift(10)};
    alle << vermerke(a, b);
    summen(satz, steuerZeilen(b, steuertexte()), alle, bl.links, bl.breite, spaltenBreite);
}

bool Drucker::print(QPrinter* printer, const Auftrag& auftrag) const
{
    if (!printer)
        return false;
    const Auftrag a = druckfassung(auftrag);
    const Belegbetraege b(a, layout());
    const Blatt bl = blatt(printer->pageLayout().fullRectPoints().size() * 10.0, a);
    Seitensatz satz(bl.oben1, bl.oben, bl.unten);
    ueberschrift(satz, a, bl);
    einleitung(satz, a, bl);
    satz.abstand(5 * mm);
    const double letzte = positionen(satz, a, b, bl);
    satz.abstand(4 * mm);
    schluss(satz, a, b, bl, letzte);
    return satz.drucke(printer, bl.rahmen);
}
