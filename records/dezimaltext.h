#ifndef DEZIMALTEXT_H
#define DEZIMALTEXT_H

#include <QString>
#include <QtGlobal>

#include <optional>

// Fixed-point numbers as the user types them, whatever the locale: "," or "."
// as decimal mark (once), an optional sign, blanks around, an optional unit
// after the number ("€", "%"), no thousands separators and no exponent.
// The digits are read exactly, never through a double.

// The number in units of its last decimal (stellen 2: "24,9" is 2490);
// nothing when the text is empty, has more than stellen decimals or anything
// else the rule above does not allow.
std::optional<qint64> leseDezimal(const QString& text, int stellen, const QString& einheit = QString());

// wert in units of the stellen-th decimal as text: "." as decimal mark,
// exactly stellen decimals, no grouping, "-" for negatives ("-1234.50").
QString dezimalText(qint64 wert, int stellen);

// A quantity as shown: rounded to three decimals, without trailing zeros
// ("2", "1.5", "0.125").
QString mengenText(double anzahl);

#endif
