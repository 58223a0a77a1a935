#ifndef MAHNUNG_H
#define MAHNUNG_H

#include "records/auftrag.h"
#include "records/betrag.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QSettings>
#include <QString>

class QPrinter;
class Seitensatz;

// The payment reminder for overdue invoices of one customer: a letter on the
// letterhead of the chosen layout listing each invoice with its open amount,
// days overdue and late-payment interest, the fee of the level and the total
// due. Rates and fees follow the law of the country the settings name and are
// read at every call.
class Mahnung
{
    Q_DECLARE_TR_FUNCTIONS(Mahnung)

public:
    static constexpr int hoechsteStufe = 3;

    struct Posten {
        Auftrag rechnung;
        Betrag offen;
    };
    struct Schreiben {
        QList<Posten> posten;  // of one customer; the first one's address is printed
        int stufe = 1;
        QDate datum;
    };

    // "DE" or "FR": "Mahnung/Regel", unset the seller's country (Germany: "DE", else "FR").
    static QString regel(const QSettings& s = QSettings());
    // "Mahnung/Basiszins": the German base rate or the French legal rate, in percent.
    static double basiszins(const QSettings& s = QSettings());
    // The points added to the base rate for businesses or for consumers.
    static double aufschlag(bool unternehmen, const QSettings& s = QSettings());
    // A business customer: one with a company name or a VAT id.
    static bool unternehmen(const Kunde& k);
    // Late-payment interest owed by k, in percent a year: in Germany base
    // rate + 9 points for businesses, + 5 for consumers (§ 288 BGB); in France
    // three times the legal rate for businesses (Code de commerce L441-10),
    // the legal rate for consumers; plus what the settings add.
    static double zinssatz(const Kunde& k, const QSettings& s = QSettings());
    // The fee of level stufe ("Mahnung/Gebuehr1..3"); businesses only.
    static Betrag gebuehr(int stufe, const Kunde& k, const QSettings& s = QSettings());
    // offen × prozent / 100 × tage / 365, rounded to cents once.
    static Betrag zinsen(Betrag offen, double prozent, int tage);
    // Days from the due date to am; 0 when not overdue.
    static int tageUeberfaellig(const Auftrag& rechnung, const QDate& am);
    // The document's title of level stufe in the German or the French layout.
    static QString titel(int stufe, bool deutsch);

    // Paints the letter s on printer in the layout of "Rechnung/Layout";
    // false when there is nothing to remind of or the device failed.
    bool print(QPrinter* printer, const Schreiben& s) const;
    // The letter as a PDF file; empty on failure.
    QByteArray pdf(const Schreiben& s) const;

private:
    static void inhalt(Seitensatz& satz, const Schreiben& s, bool deutsch, double links,
                       double breite);
    static QString anrede(const Schreiben& s, bool deutsch, Betrag summe);
};

#endif
