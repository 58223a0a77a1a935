#include "platform/einstellung.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace {

struct Eintrag {
    Einstellung::Schluessel schluessel;
    const char* name;
    QMetaType::Type typ;
    QVariant standard;  // invalid: unset reads as empty, 0 or false
};

using E = Einstellung;
using T = QMetaType;

// Indexed by the key: one entry per Einstellung::Schluessel, in its order.
const Eintrag tabelle[] = {
    {E::DatenbankTreiber, "Datenbank/Treiber", T::QString, QStringLiteral("QSQLITE")},
    {E::DatenbankName, "Datenbank/Name", T::QString, {}},  // computed: see standard()
    {E::DatenbankHost, "Datenbank/Host", T::QString, {}},
    {E::DatenbankUser, "Datenbank/User", T::QString, {}},
    {E::DatenbankPasswort, "Datenbank/Passwort", T::QString, {}},
    {E::DatenbankPort, "Datenbank/Port", T::Int, {}},
    {E::DatenbankSchluesselbund, "Datenbank/Schluesselbund", T::Bool, {}},
    // Seconds a shared database may take to connect, answer or grant a lock.
    {E::DatenbankZeitlimit, "Datenbank/Zeitlimit", T::Int, 10},
    // libpq's sslmode: disable, prefer, require or verify-full (checked against the CA file).
    {E::DatenbankSSL, "Datenbank/SSL", T::QString, QStringLiteral("prefer")},
    {E::DatenbankCA, "Datenbank/CA", T::QString, {}},
    {E::FirmaFirma, "Firma/Firma", T::QString, {}},
    {E::FirmaStrasse, "Firma/Strasse", T::QString, {}},
    {E::FirmaPLZ, "Firma/PLZ", T::QString, {}},
    {E::FirmaOrt, "Firma/Ort", T::QString, {}},
    {E::FirmaTel, "Firma/Tel", T::QString, {}},
    {E::FirmaEmail, "Firma/Email", T::QString, {}},
    // The seller's electronic invoicing address; empty: its SIREN serves.
    {E::FirmaEAdresse, "Firma/EAdresse", T::QString, {}},
    {E::FirmaKontakt, "Firma/Kontakt", T::QString, {}},  // the contact person
    {E::FirmaURL, "Firma/URL", T::QString, {}},
    {E::FirmaBank, "Firma/Bank", T::QString, {}},
    {E::FirmaBLZ, "Firma/BLZ", T::QString, {}},
    {E::FirmaKontoNr, "Firma/KontoNr", T::QString, {}},
    {E::FirmaSteuerNr, "Firma/SteuerNr", T::QString, {}},
    {E::FirmaUStId, "Firma/UStId", T::QString, {}},
    {E::FirmaRechtsform, "Firma/Rechtsform", T::QString, {}},
    {E::FirmaSIREN, "Firma/SIREN", T::QString, {}},
    {E::FirmaRCS, "Firma/RCS", T::QString, {}},
    {E::FirmaIBAN, "Firma/IBAN", T::QString, {}},
    {E::FirmaBIC, "Firma/BIC", T::QString, {}},
    {E::FirmaLand, "Firma/Land", T::QString, {}},  // translated: see standard()
    {E::SteuerTyp, "Steuer/Typ", T::Int, 0},
    {E::SteuerSatz, "Steuer/Satz", T::Int, 0},
    {E::SteuerSatzA, "Steuer/Satz A", T::Double, 0.196},  // a fraction
    {E::SteuerSatzB, "Steuer/Satz B", T::Double, 0.196},
    {E::ProdukteFilter, "Produkte/filter", T::Bool, false},
    {E::RechnungHead, "Rechnung/Head", T::QString, {}},
    {E::RechnungFoot, "Rechnung/Foot", T::QString, {}},
    {E::RechnungFoot2, "Rechnung/Foot2", T::QString, {}},
    {E::RechnungFooter, "Rechnung/Footer", T::QString, {}},
    {E::RechnungLogoText, "Rechnung/LogoText", T::QString, {}},
    {E::RechnungOffset1, "Rechnung/Offset1", T::Int, {}},
    {E::RechnungOffset2, "Rechnung/Offset2", T::Int, {}},
    {E::RechnungDruckerName, "Rechnung/DruckerName", T::QString, {}},
    {E::RechnungZeigeDialog, "Rechnung/ZeigeDialog", T::Bool, true},
    {E::RechnungCopies, "Rechnung/Copies", T::Int, 1},
    // Stored as the index (0 "de", 1 "fr_1"); older files may hold the name.
    {E::RechnungLayout, "Rechnung/Layout", T::Int, 1},
    {E::RechnungZahlungsziel, "Rechnung/Zahlungsziel", T::Int, 30},
    {E::RechnungMahntext, "Rechnung/Mahntext", T::QString, {}},  // translated: see standard()
    {E::MainWindowGeometry, "MainWindow/geometry", T::QByteArray, {}},
    {E::MainWindowState, "MainWindow/windowState", T::QByteArray, {}},
    // Prefixes of the document numbers, one per series, so that no two documents share one.
    {E::NummernRechnung1, "Nummern/Rechnung1", T::QString, QStringLiteral("FM")},
    {E::NummernRechnung0, "Nummern/Rechnung0", T::QString, QStringLiteral("FS")},
    {E::NummernGutschrift, "Nummern/Gutschrift", T::QString, QStringLiteral("AV")},
    {E::NummernAngebot, "Nummern/Angebot", T::QString, QStringLiteral("DE")},
    {E::NummernLieferschein, "Nummern/Lieferschein", T::QString, QStringLiteral("BL")},
    // The automatic daily backup: its folder, its last success, its last failure.
    {E::SicherungOrdner, "Sicherung/Ordner", T::QString, {}},  // computed: see standard()
    {E::SicherungLetzte, "Sicherung/Letzte", T::QString, {}},  // ISO 8601 date-time
    {E::SicherungFehler, "Sicherung/Fehler", T::QString, {}},
    // The seller's small-business franchise (art. 293 B CGI, § 19 UStG).
    {E::SteuerFranchise, "Steuer/Franchise", T::Bool, false},
    // Training is exempt; unset, as the layouts always had it: exempt in
    // "fr_1", taxed in the German layout.
    {E::SteuerSchulung, "Steuer/Schulung", T::Bool, {}},
    // The seller opted to pay VAT on debits (invoicing) rather than on receipts.
    {E::SteuerDebits, "Steuer/Debits", T::Bool, false},
    // An offer's validity in days after its date.
    {E::AngebotGueltigkeit, "Angebot/Gueltigkeit", T::Int, 30},
    // The SEPA creditor identifier that direct debits name.
    {E::FirmaGlaeubigerId, "Firma/GlaeubigerId", T::QString, {}},
    // Reminders: the country whose law sets the interest ("DE" or "FR"),
    // the base rate and the points added, in percent a year. Unset they
    // follow the seller's country: see Mahnung.
    {E::MahnungRegel, "Mahnung/Regel", T::QString, {}},
    {E::MahnungBasiszins, "Mahnung/Basiszins", T::Double, {}},
    {E::MahnungAufschlagUnternehmen, "Mahnung/Aufschlag Unternehmen", T::Double, {}},
    {E::MahnungAufschlagVerbraucher, "Mahnung/Aufschlag Verbraucher", T::Double, {}},
    // The fee of each reminder level in euros, charged to businesses; the
    // third is the 40 euros recovery fee both laws grant.
    {E::MahnungGebuehr1, "Mahnung/Gebuehr1", T::Double, 0.0},
    {E::MahnungGebuehr2, "Mahnung/Gebuehr2", T::Double, 0.0},
    {E::MahnungGebuehr3, "Mahnung/Gebuehr3", T::Double, 40.0},
};
static_assert(sizeof(tabelle) / sizeof(tabelle[0]) == E::Anzahl, "one entry per key");

const Eintrag& eintrag(Einstellung::Schluessel k)
{
    Q_ASSERT(tabelle[k].schluessel == k);
    return tabelle[k];
}

// Defaults in the interface language; translated in the context of the class that printed them first.
const char* const frankreich = QT_TRANSLATE_NOOP("CiiAufbau", "Frankreich");
const char* const mahntext = QT_TRANSLATE_NOOP(
    "Drucker",
    "En cas de retard de paiement, une pénalité égale à trois fois le taux d'intérêt "
    "légal sera exigible, ainsi qu'une indemnité forfaitaire pour frais de recouvrement "
    "de 40 €. Pas d'escompte pour paiement anticipé.");

}  // namespace

QString Einstellung::name(Schluessel k)
{
    return QString::fromLatin1(eintrag(k).name);
}

QMetaType::Type Einstellung::typ(Schluessel k)
{
    return eintrag(k).typ;
}

QVariant Einstellung::standard(Schluessel k)
{
    switch (k) {
    case DatenbankName:
        return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
            .absoluteFilePath("belegwerk.db");
    case SicherungOrdner:
        return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
            .absoluteFilePath("sicherungen");
    case FirmaLand:
        return QCoreApplication::translate("CiiAufbau", frankreich);
    case RechnungMahntext:
        return QCoreApplication::translate("Drucker", mahntext);
    default:
        return eintrag(k).standard;
    }
}

QString Einstellung::fenster(const QString& klasse, Fenster f)
{
    return klasse + (f == Kopfzeile ? QStringLiteral("/header") : QStringLiteral("/size"));
}

QString Einstellung::fenster(const QMetaObject& klasse, Fenster f)
{
    return fenster(QString::fromLatin1(klasse.className()), f);
}

QVariant Einstellung::wert(Schluessel k, const QSettings& s)
{
    return s.value(name(k), standard(k));
}

QString Einstellung::text(Schluessel k, const QSettings& s)
{
    return wert(k, s).toString();
}

int Einstellung::zahl(Schluessel k, const QSettings& s)
{
    return wert(k, s).toInt();
}

double Einstellung::dezimal(Schluessel k, const QSettings& s)
{
    return wert(k, s).toDouble();
}

bool Einstellung::schalter(Schluessel k, const QSettings& s)
{
    return wert(k, s).toBool();
}

QByteArray Einstellung::daten(Schluessel k, const QSettings& s)
{
    return wert(k, s).toByteArray();
}

void Einstellung::setze(Schluessel k, const QVariant& v)
{
    QSettings s;
    setze(k, v, s);
}

void Einstellung::setze(Schluessel k, const QVariant& v, QSettings& s)
{
    s.setValue(name(k), v);
}
