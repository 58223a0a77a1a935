#ifndef CIIAUFBAU_H
#define CIIAUFBAU_H

#include "print/belegbetraege.h"
#include "print/ciirechnung.h"
#include "records/auftrag.h"

#include <QCoreApplication>
#include <QStringList>

// The electronic form of an invoice or credit note: the CII data built from the
// same amounts as the printed page (Belegbetraege), the company data from the
// settings, and what keeps the invoice from being valid.
class CiiAufbau
{
    Q_DECLARE_TR_FUNCTIONS(CiiAufbau)

public:
    explicit CiiAufbau(const Auftrag& a);

    // True for the kinds of document that are electronic invoices
    // (invoice, credit note); delivery notes and offers are not.
    static bool elektronisch(const Auftrag& a);
    // What is missing for a valid invoice, one item per entry, in the user's
    // words ("USt-IdNr. der Firma"); empty when the invoice is valid.
    const QStringList& fehlt() const { return m_fehlt; }
    bool gueltig() const { return m_fehlt.isEmpty(); }
    const CiiRechnung& rechnung() const { return m_rechnung; }

    // An electronic address as typed: "scheme:id", an e-mail address, or a
    // French SIREN-based address; the scheme in *schema.
    static QString eAdresse(const QString& text, QString* schema);
    // True when the customer receives XRechnung (a German public buyer).
    static bool xrechnung(const Auftrag& a);

    // The VAT numbers an intra-community invoice needs and lacks (seller's,
    // buyer's); empty for every other tax case.
    const QStringList& fehlendeUstIds() const { return m_ustIds; }

private:
    // What the parts below share: the order, its amounts, the settings and
    // the tax case they make.
    struct Fall;

    void kopf(const Fall& f);
    void verkaeufer(const Fall& f);
    void kaeufer(const Fall& f);
    void lieferung(const Fall& f);
    void betraege(const Fall& f);
    void zahlung(const Fall& f);
    // What is missing, seller's items first.
    void pruefeVerkaeufer(const Fall& f);
    void pruefeEmpfang(const Fall& f);
    void pruefe(bool ok, const QString& was, bool ustId = false);

    CiiRechnung m_rechnung;
    QStringList m_fehlt;
    QStringList m_ustIds;
};

#endif
