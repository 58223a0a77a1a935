#include "print/ciirechnung.h"

#include <QRegularExpression>
#include <QXmlStreamWriter>

#include <cmath>

namespace {

const char* const rsmNs = "urn:un:unece:uncefact:data:standard:CrossIndustryInvoice:100";
const char* const ramNs =
    "urn:un:unece:uncefact:data:standard:ReusableAggregateBusinessInformationEntity:100";
const char* const udtNs = "urn:un:unece:uncefact:data:standard:UnqualifiedDataType:100";
const char* const qdtNs = "urn:un:unece:uncefact:data:standard:QualifiedDataType:100";

QString prozentText(double p)
{
    return QString::number(p, 'f', 2);
}

// A unit price: net of the line over its quantity, never negative, at most
// four decimals, so a price of 1/3 cent steps reads back close to the line.
QString preisText(Betrag netto, double menge)
{
    const double m = menge == 0 ? 1.0 : std::fabs(menge);
    const double p = std::fabs(netto.euro()) / m;
    QString s = QString::number(p, 'f', 4);
    while (s.endsWith('0') && s.indexOf('.') < s.size() - 3)
        s.chop(1);
    return s;
}

class Schreiber
{
public:
    explicit Schreiber(QByteArray* ziel) : w(ziel) { w.setAutoFormatting(true); }

    void text(const char* name, const QString& wert) { w.writeTextElement(ramNs, name, xmlText(wert)); }
    // XML 1.0 has no place for C0 controls: a vertical tab (a typed line
    // break) becomes a line feed, the others go.
    static QString xmlText(QString t)
    {
        t.replace(QLatin1Char('\v'), QLatin1Char('\n'));
        t.remove(QRegularExpression("[\\x00-\\x08\\x0c\\x0e-\\x1f]"));
        return t;
    }
    void optional(const char* name, const QString& wert)
    {
        if (!wert.isEmpty())
            text(name, wert);
    }
    void auf(const char* name, const char* ns = ramNs) { w.writeStartElement(ns, name); }
    void zu() { w.writeEndElement(); }
    void mitAttribut(const char* name, const QString& wert, const char* attr, const QString& a)
    {
        auf(name);
        w.writeAttribute(attr, a);
        w.writeCharacters(wert);
        zu();
    }
    // A date in the format 102 (yyyyMMdd); the document reference takes its
    // string from the qualified data types, the other dates from the unqualified.
    void datum(const char* name, const QDate& d, const char* ns = udtNs)
    {
        auf(name);
        w.writeStartElement(ns, "DateTimeString");
        w.writeAttribute("format", "102");
        w.writeCharacters(d.toString("yyyyMMdd"));
        zu();
        zu();
    }
    // An element holding one text child.
    void umhuellt(const char* name, const char* kind, const QString& wert)
    {
        auf(name);
        text(kind, wert);
        zu();
    }
    void registrierung(const QString& id, const char* schema)
    {
        auf("SpecifiedTaxRegistration");
        mitAttribut("ID", id, "schemeID", schema);
        zu();
    }
    void partei(const char* name, const CiiRechnung::Partei& p)
    {
        auf(name);
        optional("ID", p.kennung);
        text("Name", p.name);
        if (!p.siren.isEmpty()) {
            auf("SpecifiedLegalOrganization");
            // ISO 6523 scheme: 0002 SIREN (9 digits), 0009 SIRET (14 digits).
            // A SIRET names its company by its first nine digits, the SIREN.
            const QString ziffern = QString(p.siren).remove(' ');
            if ((ziffern.size() == 9 || ziffern.size() == 14) && ziffern.toULongLong() > 0)
                mitAttribut("ID", ziffern.left(9), "schemeID", "0002");
            else
                text("ID", p.siren);
            zu();
        }
        if (!p.kontakt.isEmpty() || !p.telefon.isEmpty() || !p.email.isEmpty()) {
            auf("DefinedTradeContact");
            optional("PersonName", p.kontakt);
            if (!p.telefon.isEmpty())
                umhuellt("TelephoneUniversalCommunication", "CompleteNumber", p.telefon);
            if (!p.email.isEmpty())
                umhuellt("EmailURIUniversalCommunication", "URIID", p.email);
            zu();
        }
        adresse("PostalTradeAddress", p);
        if (!p.eAdresse.isEmpty()) {
            auf("URIUniversalCommunication");
            mitAttribut("URIID", p.eAdresse, "schemeID", p.eSchema);
            zu();
        }
        if (!p.ustId.isEmpty())
            registrierung(QString(p.ustId).remove(' '), "VA");
        else if (!p.steuerNr.isEmpty())
            registrierung(p.steuerNr, "FC");
        zu();
    }
    void adresse(const char* name, const CiiRechnung::Partei& p)
    {
        auf(name);
        optional("PostcodeCode", p.plz);
        optional("LineOne", p.strasse);
        optional("CityName", p.ort);
        text("CountryID", p.land);
        zu();
    }
    void kontext(const CiiRechnung& r)
    {
        auf("ExchangedDocumentContext", rsmNs);
        if (!r.prozess.isEmpty())
            umhuellt("BusinessProcessSpecifiedDocumentContextParameter", "ID", r.prozess);
        umhuellt("GuidelineSpecifiedDocumentContextParameter", "ID", r.spezifikation);
        zu();
    }
    void dokument(const CiiRechnung& r)
    {
        auf("ExchangedDocument", rsmNs);
        text("ID", r.nummer);
        text("TypeCode", QString::number(Belegtypcodes::code(r.typCode)));
        datum("IssueDateTime", r.datum);
        for (const CiiRechnung::Notiz& n : r.notizen) {
            auf("IncludedNote");
            text("Content", n.text);
            optional("SubjectCode", n.code);
            zu();
        }
        zu();
    }
    void position(const CiiRechnung::Position& p, int nr)
    {
        auf("IncludedSupplyChainTradeLineItem");
        umhuellt("AssociatedDocumentLineDocument", "LineID", QString::number(nr));
        auf("SpecifiedTradeProduct");
        optional("SellerAssignedID", p.produktNr);
        // A line without a name still needs one (item name is mandatory).
        text("Name", p.name.isEmpty() ? QStringLiteral("-") : p.name);
        optional("Description", p.beschreibung);
        zu();
        auf("SpecifiedLineTradeAgreement");
        umhuellt("NetPriceProductTradePrice", "ChargeAmount", preisText(p.netto, p.menge));
        zu();
        auf("SpecifiedLineTradeDelivery");
        mitAttribut("BilledQuantity", CiiRechnung::mengeText(p.menge), "unitCode", p.einheit);
        zu();
        auf("SpecifiedLineTradeSettlement");
        auf("ApplicableTradeTax");
        text("TypeCode", "VAT");
        text("CategoryCode", Steuerkategorien::code(p.kategorie));
        if (p.kategorie != Steuerkategorie::NichtSteuerbar)
            text("RateApplicablePercent", prozentText(p.prozent));
        zu();
        umhuellt("SpecifiedTradeSettlementLineMonetarySummation", "LineTotalAmount", p.netto.zahl());
        zu();
        zu();
    }
    void vereinbarung(const CiiRechnung& r)
    {
        auf("ApplicableHeaderTradeAgreement");
        optional("BuyerReference", r.kaeuferReferenz);
        partei("SellerTradeParty", r.verkaeufer);
        partei("BuyerTradeParty", r.kaeufer);
        if (!r.bestellNr.isEmpty())
            umhuellt("BuyerOrderReferencedDocument", "IssuerAssignedID", r.bestellNr);
        zu();
    }
    void lieferung(const CiiRechnung& r)
    {
        auf("ApplicableHeaderTradeDelivery");
        if (r.lieferort) {
            const CiiRechnung::Partei& an = r.lieferAn.land.isEmpty() ? r.kaeufer : r.lieferAn;
            auf("ShipToTradeParty");
            text("Name", an.name);
            adresse("PostalTradeAddress", an);
            zu();
        }
        if (r.lieferDatum.isValid()) {
            auf("ActualDeliverySupplyChainEvent");
            datum("OccurrenceDateTime", r.lieferDatum);
            zu();
        }
        zu();
    }
    void zahlungsmittel(const CiiRechnung& r)
    {
        auf("SpecifiedTradeSettlementPaymentMeans");
        text("TypeCode", QString::number(r.zahlungsmittel));
        optional("Information", r.zahlungsInfo);
        const QString konto = QString(r.iban).remove(' ');
        if (r.zahlungsmittel == CiiRechnung::Lastschrift && !konto.isEmpty()) {
            umhuellt("PayerPartyDebtorFinancialAccount", "IBANID", konto);
        } else if (r.zahlungsmittel == CiiRechnung::Ueberweisung) {
            umhuellt("PayeePartyCreditorFinancialAccount", "IBANID", konto);
            if (!r.bic.isEmpty())
                umhuellt("PayeeSpecifiedCreditorFinancialInstitution", "BICID", QString(r.bic).remove(' '));
        }
        zu();
    }
    void steuer(const CiiRechnung::Steuer& t)
    {
        auf("ApplicableTradeTax");
        text("CalculatedAmount", t.betrag.zahl());
        text("TypeCode", "VAT");
        optional("ExemptionReason", t.grund);
        text("BasisAmount", t.basis.zahl());
        text("CategoryCode", Steuerkategorien::code(t.kategorie));
        optional("ExemptionReasonCode", t.grundCode);
        optional("DueDateTypeCode", t.faelligCode);
        if (t.kategorie != Steuerkategorie::NichtSteuerbar)
            text("RateApplicablePercent", prozentText(t.prozent));
        zu();
    }
    void summen(const CiiRechnung& r)
    {
        auf("SpecifiedTradeSettlementHeaderMonetarySummation");
        text("LineTotalAmount", r.netto.zahl());
        text("TaxBasisTotalAmount", r.netto.zahl());
        mitAttribut("TaxTotalAmount", r.steuer.zahl(), "currencyID", "EUR");
        text("GrandTotalAmount", r.brutto.zahl());
        if (r.bezahlt != Betrag())
            text("TotalPrepaidAmount", r.bezahlt.zahl());
        text("DuePayableAmount", (r.brutto - r.bezahlt).zahl());
        zu();
    }
    void abrechnung(const CiiRechnung& r)
    {
        auf("ApplicableHeaderTradeSettlement");
        if (r.zahlungsmittel == CiiRechnung::Lastschrift)
            optional("CreditorReferenceID", r.glaeubigerId);
        text("InvoiceCurrencyCode", "EUR");
        if (r.zahlungsmittel != CiiRechnung::KeinZahlungsmittel)
            zahlungsmittel(r);
        for (const CiiRechnung::Steuer& t : r.steuern)
            steuer(t);
        if (r.faellig.isValid() || !r.zahlungsText.isEmpty()) {
            auf("SpecifiedTradePaymentTerms");
            optional("Description", r.zahlungsText);
            if (r.faellig.isValid())
                datum("DueDateDateTime", r.faellig);
            zu();
        }
        summen(r);
        if (!r.bezugNr.isEmpty()) {
            auf("InvoiceReferencedDocument");
            text("IssuerAssignedID", r.bezugNr);
            if (r.bezugDatum.isValid())
                datum("FormattedIssueDateTime", r.bezugDatum, qdtNs);
            zu();
        }
        zu();
    }

    QXmlStreamWriter w;
};

}  // namespace

QString CiiRechnung::mengeText(double menge)
{
    QString s = QString::number(menge, 'f', 4);
    while (s.endsWith('0'))
        s.chop(1);
    if (s.endsWith('.'))
        s.chop(1);
    return s == "-0" ? QStringLiteral("0") : s;
}

const char* CiiRechnung::xrechnung()
{
    return "urn:cen.eu:en16931:2017#compliant#urn:xeinkauf.de:kosit:xrechnung_3.0";
}

QByteArray CiiRechnung::xml() const
{
    QByteArray ergebnis;
    Schreiber s(&ergebnis);
    s.w.writeStartDocument();
    s.w.writeNamespace(rsmNs, "rsm");
    s.w.writeNamespace(qdtNs, "qdt");
    s.w.writeNamespace(ramNs, "ram");
    s.w.writeNamespace(udtNs, "udt");
    s.auf("CrossIndustryInvoice", rsmNs);
    s.kontext(*this);
    s.dokument(*this);
    s.auf("SupplyChainTradeTransaction", rsmNs);
    int nr = 0;
    for (const Position& p : positionen)
        s.position(p, ++nr);
    s.vereinbarung(*this);
    s.lieferung(*this);
    s.abrechnung(*this);
    s.zu();  // SupplyChainTradeTransaction
    s.zu();  // CrossIndustryInvoice
    s.w.writeEndDocument();
    return ergebnis;
}
