#ifndef DRUCKERDE1_H
#define DRUCKERDE1_H

#include "print/drucker.h"

// The German invoice layout after DIN 5008 (form B), with the rows a German
// invoice must carry and the bank details at the foot of every page.
class DruckerDE1 : public Drucker
{
    Q_OBJECT

public:
    explicit DruckerDE1(QObject* parent = nullptr);

    // The return address above the window of the envelope, the recipient in it.
    Briefbogen briefbogen(const QSizeF& papier, const Auftrag& a) const override;

protected:
    Belegbetraege::Layout layout() const override;
    Blatt blatt(const QSizeF& papier, const Auftrag& a) const override;
    QString titel(const Auftrag& a) const override;
    QString bezugsMuster() const override;
    void einleitung(Seitensatz& satz, const Auftrag& a, const Blatt& b) const override;
    QList<Feld> felder() const override;
    Spalte spalte(Feld f, bool steuer) const override;
    Steuertexte steuertexte() const override;
    QList<Vermerk> vermerke(const Auftrag& a, const Belegbetraege& b) const override;
    QList<Vermerk> briefkopf() const override;
    // The return address above the window, then the recipient.
    QList<Vermerk> anschrift(const Auftrag& a) const override;
    QString seitenMuster() const override;

private:
    // The information block right of the address: dates, references, customer.
    QList<Vermerk> info(const Auftrag& a) const;
    // The foot's columns: company, tax numbers, bank.
    QList<QList<Vermerk>> fussSpalten() const;
};

#endif
