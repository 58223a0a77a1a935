#ifndef DRUCKERDE1_H
#define DRUCKERDE1_H

#include "print/drucker.h"

// The German invoice layout after DIN 5008 (form B), with the rows a German
// invoice must carry and the bank details at the foot of every page.
class DruckerDE1 : public Drucker
{
    Q_OBJECT
    friend class Mahnung;

public:
    explicit DruckerDE1(QObject* parent = nullptr);

    bool print(QPrinter* printer, const Auftrag& a) const override;

private:
    static QString titel(const Auftrag& a);
    QList<Vermerk> briefkopf() const;
    QList<Vermerk> anschrift(const Auftrag& a) const;
    QList<Vermerk> info(const Auftrag& a) const;
    QList<QList<Vermerk>> fuss() const;
};

#endif
