#ifndef ZEICHENPRUEFUNG_H
#define ZEICHENPRUEFUNG_H

#include "records/auftrag.h"

#include <QCoreApplication>
#include <QStringList>

// Characters of an order that no installed font can show: the page would
// print an empty box in their place, on a document that cannot be changed.
class Zeichenpruefung
{
    Q_DECLARE_TR_FUNCTIONS(Zeichenpruefung)

public:
    // One line per place holding such characters ("Zeile 2: U+10FFFD"),
    // empty when every character can be shown.
    static QStringList fehlende(const Auftrag& a);
};

#endif
