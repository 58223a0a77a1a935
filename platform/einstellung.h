#ifndef EINSTELLUNG_H
#define EINSTELLUNG_H

#include <QMetaType>
#include <QSettings>
#include <QString>
#include <QVariant>

// Every settings key of the program with its type and default, in one table.
// The accessors read the settings store at every call and keep nothing, so a
// value written anywhere is seen by the next read; readers and editors share
// one default. The store may be given (an ini file, a class's own member).
class Einstellung
{
public:
    enum Schluessel {
        DatenbankTreiber, DatenbankName, DatenbankHost, DatenbankUser, DatenbankPasswort,
        DatenbankPort, DatenbankSchluesselbund, DatenbankZeitlimit, DatenbankSSL, DatenbankCA,
        FirmaFirma, FirmaStrasse, FirmaPLZ, FirmaOrt, FirmaTel, FirmaEmail, FirmaEAdresse,
        FirmaKontakt, FirmaURL, FirmaBank,
        FirmaBLZ, FirmaKontoNr, FirmaSteuerNr, FirmaUStId, FirmaRechtsform, FirmaSIREN, FirmaRCS,
        FirmaIBAN, FirmaBIC, FirmaLand,
        SteuerTyp, SteuerSatz, SteuerSatzA, SteuerSatzB, ProdukteFilter,
        RechnungHead, RechnungFoot, RechnungFoot2, RechnungFooter, RechnungLogoText,
        RechnungOffset1, RechnungOffset2, RechnungDruckerName, RechnungZeigeDialog,
        RechnungCopies, RechnungLayout, RechnungZahlungsziel, RechnungMahntext,
        MainWindowGeometry, MainWindowState,
        NummernRechnung1, NummernRechnung0, NummernGutschrift, NummernAngebot, NummernLieferschein,
        SicherungOrdner, SicherungLetzte, SicherungFehler,
        SteuerFranchise, SteuerSchulung, SteuerDebits, AngebotGueltigkeit, FirmaGlaeubigerId,
        MahnungRegel, MahnungBasiszins, MahnungAufschlagUnternehmen, MahnungAufschlagVerbraucher,
        MahnungGebuehr1, MahnungGebuehr2, MahnungGebuehr3,
        Anzahl
    };
    // The keys a window forms from its class name.
    enum Fenster { Kopfzeile, Groesse };

    static QString name(Schluessel k);  // the key text in the store, e.g. "Steuer/Satz A"
    static QMetaType::Type typ(Schluessel k);
    // The default while the key is unset; invalid where an unset key reads as empty, 0 or false.
    static QVariant standard(Schluessel k);
    // klasse + "/header" (the list's column layout) or + "/size" (the dialog's size).
    static QString fenster(const QString& klasse, Fenster f);
    static QString fenster(const QMetaObject& klasse, Fenster f);

    static QVariant wert(Schluessel k, const QSettings& s = QSettings());
    static QString text(Schluessel k, const QSettings& s = QSettings());
    static int zahl(Schluessel k, const QSettings& s = QSettings());
    static double dezimal(Schluessel k, const QSettings& s = QSettings());
    static bool schalter(Schluessel k, const QSettings& s = QSettings());
    static QByteArray daten(Schluessel k, const QSettings& s = QSettings());

    static void setze(Schluessel k, const QVariant& v);
    static void setze(Schluessel k, const QVariant& v, QSettings& s);
};

#endif
