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
    void datum(const char* name, const QDate& d)
    {
        auf(name);
        w.writeStartElement(udtNs, "DateTimeString");
        w.writeAttribute("format", "102");
        w.writeCharacters(d.toString("yyyyMMdd"));
        zu();
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
            if (!p.telefon.isEmpty()) {
                auf("TelephoneUniversalCommunication");
                text("CompleteNumber", p.telefon);
                zu();
            }
            if (!p.email.isEmpty()) {
                auf("EmailURIUniversalCommunication");
                text("URIID", p.email);
                zu();
            }
            zu();
        }
        adresse("PostalTradeAddress", p);
        if (!p.eAdresse.isEmpty()) {
            auf("URIUniversalCommunication");
            mitAttribut("URIID", p.eAdresse, "schemeID", p.eSchema);
            zu();
        }
        if (!p.ustId.isEmpty()) {
            auf("SpecifiedTaxRegistration");
            mitAttribut("ID", QString(p.ustId).remove(' '), "schemeID", "VA");
            zu();
        } else if (!p.steuerNr.isEmpty()) {
            auf("SpecifiedTaxRegistration");
            mitAttribut("ID", p.steuerNr, "schemeID", "FC");
            zu();
        }
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
    QXmlStreamWriter& w = s.w;
    w.writeStartDocument();
    w.writeNamespace(rsmNs, "rsm");
    w.writeNamespace(qdtNs, "qdt");
    w.writeNamespace(ramNs, "ram");
    w.writeNamespace(udtNs, "udt");
    s.auf("CrossIndustryInvoice", rsmNs);

    s.auf("ExchangedDocumentContext", rsmNs);
    if (!prozess.isEmpty()) {
        s.auf("BusinessProcessSpecifiedDocumentContextParameter");
        s.text("ID", prozess);
        s.zu();
    }
    s.auf("GuidelineSpecifiedDocumentContextParameter");
    s.text("ID", spezifikation);
    s.zu();
    s.zu();

    s.auf("ExchangedDocument", rsmNs);
    s.text("ID", nummer);
    s.text("TypeCode", QString::number(typCode));
    s.datum("IssueDateTime", datum);
    for (const Notiz& n : notizen) {
        s.auf("IncludedNote");
        s.text("Content", n.text);
        s.optional("SubjectCode", n.code);
        s.zu();
    }
    s.zu();

    s.auf("SupplyChainTradeTransaction", rsmNs);
    int nr = 0;
    for (const Position& p : positionen) {
        s.auf("IncludedSupplyChainTradeLineItem");
        s.auf("AssociatedDocumentLineDocument");
        s.text("LineID", QString::number(++nr));
        s.zu();
        s.auf("SpecifiedTradeProduct");
        s.optional("SellerAssignedID", p.produktNr);
        // A line without a name still needs one (item name is mandatory).
        s.text("Name", p.name.isEmpty() ? QStringLiteral("-") : p.name);
        s.optional("Description", p.beschreibung);
        s.zu();
        s.auf("SpecifiedLineTradeAgreement");
        s.auf("NetPriceProductTradePrice");
        s.text("ChargeAmount", preisText(p.netto, p.menge));
        s.zu();
        s.zu();
        s.auf("SpecifiedLineTradeDelivery");
        s.mitAttribut("BilledQuantity", mengeText(p.menge), "unitCode", p.einheit);
        s.zu();
        s.auf("SpecifiedLineTradeSettlement");
        s.auf("ApplicableTradeTax");
        s.text("TypeCode", "VAT");
        s.text("CategoryCode", p.kategorie);
        if (p.kategorie != "O")
            s.text("RateApplicablePercent", prozentText(p.prozent));
        s.zu();
        s.auf("SpecifiedTradeSettlementLineMonetarySummation");
        s.text("LineTotalAmount", p.netto.zahl());
        s.zu();
        s.zu();
        s.zu();
    }

    s.auf("ApplicableHeaderTradeAgreement");
    s.optional("BuyerReference", kaeuferReferenz);
    s.partei("SellerTradeParty", verkaeufer);
    s.partei("BuyerTradeParty", kaeufer);
    if (!bestellNr.isEmpty()) {
        s.auf("BuyerOrderReferencedDocument");
        s.text("IssuerAssignedID", bestellNr);
        s.zu();
    }
    s.zu();

    s.auf("ApplicableHeaderTradeDelivery");
    if (lieferort) {
        const Partei& an = lieferAn.land.isEmpty() ? kaeufer : lieferAn;
        s.auf("ShipToTradeParty");
        s.text("Name", an.name);
        s.adresse("PostalTradeAddress", an);
        s.zu();
    }
    if (lieferDatum.isValid()) {
        s.auf("ActualDeliverySupplyChainEvent");
        s.datum("OccurrenceDateTime", lieferDatum);
        s.zu();
    }
    s.zu();

    s.auf("ApplicableHeaderTradeSettlement");
    if (zahlungsmittel == Lastschrift)
        s.optional("CreditorReferenceID", glaeubigerId);
    s.text("InvoiceCurrencyCode", "EUR");
    if (zahlungsmittel != KeinZahlungsmittel) {
        s.auf("SpecifiedTradeSettlementPaymentMeans");
        s.text("TypeCode", QString::number(zahlungsmittel));
        s.optional("Information", zahlungsInfo);
        const QString konto = QString(iban).remove(' ');
        if (zahlungsmittel == Lastschrift && !konto.isEmpty()) {
            s.auf("PayerPartyDebtorFinancialAccount");
            s.text("IBANID", konto);
            s.zu();
        } else if (zahlungsmittel == Ueberweisung) {
            s.auf("PayeePartyCreditorFinancialAccount");
            s.text("IBANID", konto);
            s.zu();
            if (!bic.isEmpty()) {
                s.auf("PayeeSpecifiedCreditorFinancialInstitution");
                s.text("BICID", QString(bic).remove(' '));
                s.zu();
            }
        }
        s.zu();
    }
    for (const Steuer& t : steuern) {
        s.auf("ApplicableTradeTax");
        s.text("CalculatedAmount", t.betrag.zahl());
        s.text("TypeCode", "VAT");
        s.optional("ExemptionReason", t.grund);
        s.text("BasisAmount", t.basis.zahl());
        s.text("CategoryCode", t.kategorie);
        s.optional("ExemptionReasonCode", t.grundCode);
        s.optional("DueDateTypeCode", t.faelligCode);
        if (t.kategorie != "O")
            s.text("RateApplicablePercent", prozentText(t.prozent));
        s.zu();
    }
    if (faellig.isValid() || !zahlungsText.isEmpty()) {
        s.auf("SpecifiedTradePaymentTerms");
        s.optional("Description", zahlungsText);
        if (faellig.isValid())
            s.datum("DueDateDateTime", faellig);
        s.zu();
    }
    s.auf("SpecifiedTradeSettlementHeaderMonetarySummation");
    s.text("LineTotalAmount", netto.zahl());
    s.text("TaxBasisTotalAmount", netto.zahl());
    s.mitAttribut("TaxTotalAmount", steuer.zahl(), "currencyID", "EUR");
    s.text("GrandTotalAmount", brutto.zahl());
    if (bezahlt != Betrag())
        s.text("TotalPrepaidAmount", bezahlt.zahl());
    s.text("DuePayableAmount", (brutto - bezahlt).zahl());
    s.zu();
    if (!bezugNr.isEmpty()) {
        s.auf("InvoiceReferencedDocument");
        s.text("IssuerAssignedID", bezugNr);
        if (bezugDatum.isValid()) {
            s.auf("FormattedIssueDateTime");
            w.writeStartElement(qdtNs, "DateTimeString");
            w.writeAttribute("format", "102");
            w.writeCharacters(bezugDatum.toString("yyyyMMdd"));
            w.writeEndElement();
            s.zu();
        }
        s.zu();
    }
    s.zu();

    s.zu();  // SupplyChainTradeTransaction
    s.zu();  // CrossIndustryInvoice
    w.writeEndDocument();
    return ergebnis;
}
