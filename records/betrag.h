#ifndef BETRAG_H
#define BETRAG_H

#include <QString>
#include <QtGlobal>

#include <optional>

// An amount of money in whole cents. Built only by name, from cents or from
// euros through the one rounding below, and formatted in one place, so the
// line editor, the sum label, the documents and the e-invoice show the same
// cents.
class Betrag
{
public:
    Betrag() = default;  // 0.00

    static Betrag ausCent(qint64 cent);
    // Euros rounded half away from zero to whole cents; an amount typed as
    // 1.005 (stored as 1.00499…) rounds as written. Not finite: 0.
    static Betrag ausEuro(double euro);
    // Typed text: "," or "." as decimal mark, at most two decimals, optional
    // sign and trailing "€", no thousands separators; nothing when unreadable.
    static std::optional<Betrag> lies(const QString& text);

    qint64 cent() const { return m_cent; }
    double euro() const { return double(m_cent) / 100.0; }
    // "1234.50": "." as decimal mark, no grouping, "-" for negatives.
    QString zahl() const;
    // "1234.50 €".
    QString text() const;

    // satz × this amount (satz a fraction: 0.196 for 19.6 %), rounded as ausEuro.
    Betrag anteil(double satz) const;

    Betrag operator+(Betrag b) const { return ausCent(m_cent + b.m_cent); }
    Betrag operator-(Betrag b) const { return ausCent(m_cent - b.m_cent); }
    Betrag operator-() const { return ausCent(-m_cent); }
    Betrag& operator+=(Betrag b)
    {
        m_cent += b.m_cent;
        return *this;
    }
    Betrag& operator-=(Betrag b)
    {
        m_cent -= b.m_cent;
        return *this;
    }
    bool operator==(Betrag b) const { return m_cent == b.m_cent; }
    bool operator!=(Betrag b) const { return m_cent != b.m_cent; }
    bool operator<(Betrag b) const { return m_cent < b.m_cent; }
    bool operator<=(Betrag b) const { return m_cent <= b.m_cent; }
    bool operator>(Betrag b) const { return m_cent > b.m_cent; }
    bool operator>=(Betrag b) const { return m_cent >= b.m_cent; }

private:
    explicit Betrag(qint64 cent) : m_cent(cent) {}
    static Betrag rundeCent(double cent);

    qint64 m_cent = 0;
};

#endif
