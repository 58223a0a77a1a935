#ifndef DRUCKERDE1_H
#define DRUCKERDE1_H

#include "print/drucker.h"

class QVariant;

// The German invoice layout after DIN 5008 (form B), with the rows a German
// invoice must carry and the bank details at the foot of every page.
class DruckerDE1 : public Drucker
{
    Q_OBJECT

public:
    explicit DruckerDE1(QObject* parent = nullptr);

    // A stored rate in percent: a value below 1 is a fraction (the settings
    // page stores 0.19), anything else already percent. Text, NaN, infinity
    // and rates of -100 % or below read as 0.
    static double prozent(const QVariant& wert);

    bool print(QPrinter* printer, const Auftrag& a) const override;

private:
    static QString titel(const Auftrag& a);
    QList<Vermerk> briefkopf() const;
    QList<Vermerk> anschrift(const Auftrag& a) const;
    QList<Vermerk> info(const Auftrag& a) const;
    QList<QList<Vermerk>> fuss() const;
};

#endif
