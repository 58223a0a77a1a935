#ifndef BETRAGFELD_H
#define BETRAGFELD_H

#include "records/betrag.h"

#include <QLineEdit>

#include <optional>

// The one input of amounts: money by default, or any fixed-point number such
// as a rate in percent. Takes "," or "." as decimal mark whatever the locale,
// no thousands separators; text it cannot read gets a red frame and the hint
// as tooltip and yields no value. After entry it shows the value it yields.
class BetragFeld : public QLineEdit
{
    Q_OBJECT

public:
    explicit BetragFeld(QWidget* parent = nullptr);

    // stellen decimals, an optional unit after the number, values from min to
    // max in units of the last decimal. Default: money, ±9999999.99 €.
    void setFormat(int stellen, const QString& einheit, qint64 min, qint64 max);

    // The value typed, in units of the last decimal; nothing when the text is
    // empty or unreadable.
    std::optional<qint64> wert() const;
    void setWert(qint64 wert);
    // The amount typed (money format); nothing when empty or unreadable.
    std::optional<Betrag> betrag() const;
    void setBetrag(Betrag b);

    // Why the text cannot be read; empty when it can (or is empty).
    QString hinweis() const;

    // Why text is no amount of money from min to max; empty when it is one.
    static QString pruefeBetrag(const QString& text, Betrag min = Betrag::ausCent(-999999999),
                                Betrag max = Betrag::ausCent(999999999));
    // The same for a number with stellen decimals and an optional unit.
    static QString pruefe(const QString& text, int stellen, const QString& einheit, qint64 min,
                          qint64 max);

private:
    void zeigeHinweis();
    void schreibeGelesen();

    int m_stellen = 2;
    QString m_einheit = QStringLiteral("€");
    qint64 m_min = -999999999;
    qint64 m_max = 999999999;
};

#endif
