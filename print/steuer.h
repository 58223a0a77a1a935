#ifndef STEUER_H
#define STEUER_H

#include <QCoreApplication>
#include <QList>
#include <QSettings>
#include <QString>

// The tax settings. Stored line amounts are never converted; whether they are
// net or gross, the seller's country and the rates are read from the settings
// at every use; the amounts themselves follow in Belegbetraege.
class Steuer
{
    Q_DECLARE_TR_FUNCTIONS(Steuer)

public:
    enum Modus { Brutto = 0, Netto = 1, Keine = 2 };        // "Steuer/Typ"
    enum SatzWahl { SatzA = 0, SatzB = 1, Beide = 2, Keiner = 3 };  // "Steuer/Satz"

    static int modus(const QSettings& s = QSettings());     // "Steuer/Typ", default 0
    static int satzWahl(const QSettings& s = QSettings());  // "Steuer/Satz", default 0

    // The seller's country as ISO code: "Firma/Land" where it is set; unset,
    // "DE" for the German layout and "FR" for "fr_1", as each always assumed.
    static QString land(bool deutschesLayout, const QSettings& s = QSettings());
    // True when "Firma/Land" holds a value of its own.
    static bool landGesetzt(const QSettings& s = QSettings());
    // The rates of a country in percent, standard rate first: FR 20, 10, 5.5,
    // 2.1; DE 19, 7; empty for other countries.
    static QList<double> landesSaetze(const QString& iso);

    // Rate A or B in percent, the one reading of "Steuer/Satz A" and
    // "Steuer/Satz B": a stored value below 1 is a fraction (the settings page
    // stores 0.2), anything else percent; text, NaN, infinity and -100 % or
    // below read as 0. Never changed: the country's standard or reduced rate
    // once the country is set, else 19.6 % both in "fr_1" and 19 % / 7 % in
    // the German layout.
    static double prozentA(bool deutschesLayout, const QSettings& s = QSettings());
    static double prozentB(bool deutschesLayout, const QSettings& s = QSettings());
    // The store may be given, so one computation opens it once.
    // The rate of the selector in percent: B for 1, A for 0 or less, else 0.
    static double regelsatz(bool deutschesLayout, const QSettings& s = QSettings());
    // A stored rate read as percent (see prozentA).
    static double prozent(const QVariant& wert);

    // The VAT a product or a line can carry under the seller's law: the
    // country's rates (else rates A and B), zero-rated, exempt training.
    struct Wahl {
        QString kategorie;  // the code of a Steuerkategorie, as lines store it
        double satz = 0.0;
        QString text;  // "S 20 %", "E: steuerfreie Schulung"
    };
    static QList<Wahl> auswahl(bool deutschesLayout);
};

#endif
