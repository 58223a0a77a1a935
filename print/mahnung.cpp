#include "print/mahnung.h"

#include "platform/einstellung.h"
#include "print/belegbetraege.h"
#include "print/belegpdf.h"
#include "print/drucker.h"
#include "print/layouts.h"
#include "print/seitensatz.h"
#include "print/steuer.h"

#include <QPageLayout>
#include <QPrinter>

#include <memory>

namespace {

const double mm = Seitensatz::mm;
// Days the customer is given to pay after the reminder's date.
const int frist = 10;

QString datum(const QDate& d)
{
    return d.toString("dd.MM.yyyy");
}

}  // namespace

QString Mahnung::regel(const QSettings& s)
{
    const QString r = Einstellung::text(Einstellung::MahnungRegel, s).trimmed().toUpper();
    if (r == "DE" || r == "FR")
        return r;
    return Steuer::land(Layouts::deutsch(), s) == "DE" ? QStringLiteral("DE") : QStringLiteral("FR");
}

double Mahnung::basiszins(const QSettings& s)
{
    const QVariant v = Einstellung::wert(Einstellung::MahnungBasiszins, s);
    if (v.isValid())
        return v.toDouble();
    // The German base rate from 1 July 2025; the French legal rate for
    // creditors acting in business, second half of 2025. Both change twice a year.
    return regel(s) == "DE" ? 1.27 : 2.76;
}

double Mahnung::aufschlag(bool unternehmen, const QSettings& s)
{
    const QVariant v = Einstellung::wert(
        unternehmen ? Einstellung::MahnungAufschlagUnternehmen : Einstellung::MahnungAufschlagVerbraucher, s);
    if (v.isValid())
        return v.toDouble();
    if (regel(s) == "DE")
        return unternehmen ? 9.0 : 5.0;
    return 0.0;
}

bool Mahnung::unternehmen(const Kunde& k)
{
    return !k.Firma.trimmed().isEmpty() || !k.Steuernummer.trimmed().isEmpty();
}

double Mahnung::zinssatz(const Kunde& k, const QSettings& s)
{
    const bool u = unternehmen(k);
    const double faktor = regel(s) == "FR" && u ? 3.0 : 1.0;
    return faktor * basiszins(s) + aufschlag(u, s);
}

Betrag Mahnung::gebuehr(int stufe, const Kunde& k, const QSettings& s)
{
    if (!unternehmen(k) || stufe < 1)
        return Betrag();
    const Einstellung::Schluessel gebuehren[] = {Einstellung::MahnungGebuehr1, Einstellung::MahnungGebuehr2,
                                                 Einstellung::MahnungGebuehr3};
    const double euro = Einstellung::dezimal(gebuehren[qMin(stufe, hoechsteStufe) - 1], s);
    return euro > 0 ? Betrag::ausEuro(euro) : Betrag();
}

Betrag Mahnung::zinsen(Betrag offen, double prozent, int tage)
{
    if (tage <= 0 || prozent <= 0 || offen <= Betrag())
        return Betrag();
    return offen.anteil(prozent / 100.0 * tage / 365.0);
}

int Mahnung::tageUeberfaellig(const Auftrag& rechnung, const QDate& am)
{
    if (!rechnung.Faellig.isValid() || !am.isValid())
        return 0;
    return int(qMax<qint64>(0, rechnung.Faellig.daysTo(am)));
}

QString Mahnung::titel(int stufe, bool deutsch)
{
    if (deutsch)
        return stufe <= 1 ? tr("Zahlungserinnerung") : tr("Mahnung");
    return stufe <= 1 ? tr("Relance") : tr("Mise en demeure de payer");
}

QString Mahnung::anrede(const Schreiben& s, bool deutsch, Betrag summe)
{
    const QString bis = datum(s.datum.addDays(frist));
    if (deutsch)
        return (s.stufe <= 1
                    ? tr("Sehr geehrte Damen und Herren,\n\nsicher ist Ihrer Aufmerksamkeit entgangen, "
                         "dass die folgenden Rechnungen noch nicht beglichen sind. Bitte überweisen Sie "
                         "den Betrag von %1 € bis zum %2.")
                    : tr("Sehr geehrte Damen und Herren,\n\ntrotz unserer Zahlungserinnerung sind die "
                         "folgenden Rechnungen noch offen. Bitte überweisen Sie den Gesamtbetrag von "
                         "%1 € einschließlich Verzugszinsen und Kosten bis spätestens %2."))
            .arg(summe.zahl(), bis);
    return (s.stufe <= 1
                ? tr("Madame, Monsieur,\n\nSauf erreur de notre part, les factures ci-dessous restent "
                     "impayées à ce jour. Nous vous remercions de bien vouloir nous régler la somme de "
                     "%1 € avant le %2.")
                : tr("Madame, Monsieur,\n\nMalgré notre précédente relance, les factures ci-dessous "
                     "restent impayées. Par la présente, nous vous mettons en demeure de nous régler la "
                     "somme de %1 €, pénalités de retard et indemnité de recouvrement comprises, avant "
                     "le %2."))
        .arg(summe.zahl(), bis);
}

void Mahnung::inhalt(Seitensatz& satz, const Schreiben& s, bool deutsch, double links, double breite)
{
    const Kunde& k = s.posten.first().rechnung.Kunde;
    const double prozent = zinssatz(k);
    QList<QStringList> zeilen;
    Betrag offen;
    Betrag zins;
    for (const Posten& p : s.posten) {
        const int tage = tageUeberfaellig(p.rechnung, s.datum);
        const Betrag z = zinsen(p.offen, prozent, tage);
        offen += p.offen;
        zins += z;
        zeilen << QStringList{p.rechnung.belegNummer(), datum(p.rechnung.Eingang.date()),
                              datum(p.rechnung.Faellig), p.offen.zahl(), QString::number(tage), z.zahl()};
    }
    const Betrag gebuehr = Mahnung::gebuehr(s.stufe, k);
    const Betrag summe = offen + zins + gebuehr;

    Drucker::absatz(satz, titel(s.stufe, deutsch), Seitensatz::schrift(12, true), links, breite);
    satz.abstand(5 * mm);
    Drucker::absatz(satz, anrede(s, deutsch, summe), Seitensatz::schrift(10), links, breite);
    satz.abstand(5 * mm);
    QList<Drucker::Spalte> spalten =
        deutsch ? QList<Drucker::Spalte>{{tr("Rechnung")}, {tr("Datum"), true}, {tr("Fällig"), true},
                                         {tr("Offen €"), true}, {tr("Tage"), true}, {tr("Zinsen €"), true}}
                : QList<Drucker::Spalte>{{tr("Facture")}, {tr("Date"), true}, {tr("Échéance"), true},
                                         {tr("Montant dû €"), true}, {tr("Jours de retard"), true},
                                         {tr("Intérêts €"), true}};
    Drucker::spaltenBreiten(spalten, zeilen, breite, summe.zahl());
    Drucker::tabelle(satz, spalten, zeilen, links);
    satz.abstand(4 * mm);

    const QString p = Belegbetraege::prozentText(prozent);
    QList<Drucker::Summenzeile> summen{
        {deutsch ? tr("Offene Beträge") : tr("Total des factures impayées"), offen.zahl()},
        {deutsch ? tr("Verzugszinsen %1 % p. a.").arg(p) : tr("Pénalités de retard %1 % l'an").arg(p),
         zins.zahl()}};
    if (gebuehr != Betrag())
        summen << Drucker::Summenzeile{deutsch ? tr("Mahnkosten")
                                               : tr("Indemnité forfaitaire pour frais de recouvrement"),
                                       gebuehr.zahl()};
    summen << Drucker::Summenzeile{deutsch ? tr("Zu zahlen") : tr("Total à payer"), summe.zahl(), true};
    const QString schluss =
        deutsch ? tr("Sollten Sie inzwischen gezahlt haben, betrachten Sie dieses Schreiben bitte als "
                     "gegenstandslos.")
                : tr("Si votre règlement a été effectué entre-temps, nous vous prions de ne pas tenir "
                     "compte de ce courrier.");
    Drucker::summen(satz, summen, {Drucker::Vermerk{schluss, Seitensatz::schrift(10)}}, links, breite,
                    spalten.last().breite);
}

bool Mahnung::print(QPrinter* printer, const Schreiben& s) const
{
    if (!printer || s.posten.isEmpty())
        return false;
    const bool deutsch = Layouts::deutsch();
    const std::unique_ptr<const Drucker> layout(Layouts::fuerLayout(nullptr));
    const QSizeF papier = printer->pageLayout().fullRectPoints().size() * 10.0;
    const Drucker::Briefbogen bogen = layout->briefbogen(papier, s.posten.first().rechnung);
    const QString datumText = (deutsch ? tr("Datum: %1") : tr("Date : %1")).arg(datum(s.datum));
    const Drucker::Blatt b =
        Drucker::brief(bogen, layout->spaltenFuss(bogen, papier.height(), Seitensatz::schrift(7)),
                       titel(s.stufe, deutsch), datumText);
    Seitensatz satz(b.oben1, b.oben, b.unten);
    inhalt(satz, s, deutsch, b.links, b.breite);
    return satz.drucke(printer, b.rahmen);
}

QByteArray Mahnung::pdf(const Schreiben& s) const
{
    const QString name = s.posten.isEmpty() ? QString() : s.posten.first().rechnung.belegNummer();
    return BelegPdf::pdf([&](QPrinter* p) { return print(p, s); },
                         QString("%1 %2").arg(titel(s.stufe, Layouts::deutsch()), name));
}
