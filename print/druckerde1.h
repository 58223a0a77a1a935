#ifndef DRUCKERDE1_H
#define DRUCKERDE1_H

#include "print/drucker.h"

class QVariant;

// The German invoice layout with the bank details at the foot of every page.
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
    QTextDocument* getDocument(QPrinter* printer = nullptr) override;
};

#endif
