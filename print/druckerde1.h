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

public slots:
    bool print(QPrinter* printer) override;

private:
    QString titel() const;
    QList<Vermerk> briefkopf() const;
    QList<Vermerk> anschrift() const;
    QList<Vermerk> info() const;
    QList<QList<Vermerk>> fuss() const;
};

#endif
