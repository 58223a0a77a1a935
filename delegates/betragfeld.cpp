#include "delegates/betragfeld.h"

#include "records/dezimaltext.h"

#include <QCoreApplication>

BetragFeld::BetragFeld(QWidget* parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::textChanged, this, &BetragFeld::zeigeHinweis);
    connect(this, &QLineEdit::editingFinished, this, &BetragFeld::schreibeGelesen);
}

void BetragFeld::setFormat(int stellen, const QString& einheit, qint64 min, qint64 max)
{
    m_stellen = stellen;
    m_einheit = einheit;
    m_min = min;
    m_max = max;
    zeigeHinweis();
}

std::optional<qint64> BetragFeld::wert() const
{
    if (!hinweis().isEmpty())
        return std::nullopt;
    return leseDezimal(text(), m_stellen, m_einheit);
}

void BetragFeld::setWert(qint64 wert)
{
    setText(dezimalText(wert, m_stellen));
}

std::optional<Betrag> BetragFeld::betrag() const
{
    const std::optional<qint64> w = wert();
    if (!w)
        return std::nullopt;
    return Betrag::ausCent(*w);
}

void BetragFeld::setBetrag(Betrag b)
{
    setWert(b.cent());
}

QString BetragFeld::hinweis() const
{
    if (text().trimmed().isEmpty())
        return QString();
    return pruefe(text(), m_stellen, m_einheit, m_min, m_max);
}

QString BetragFeld::pruefeBetrag(const QString& text, Betrag min, Betrag max)
{
    return pruefe(text, 2, QStringLiteral("€"), min.cent(), max.cent());
}

QString BetragFeld::pruefe(const QString& text, int stellen, const QString& einheit, qint64 min,
                           qint64 max)
{
    const std::optional<qint64> w = leseDezimal(text, stellen, einheit);
    if (!w)
        return QCoreApplication::translate(
                   "BetragFeld", "Bitte eine Zahl mit höchstens %n Nachkommastelle(n) eingeben, "
                                 "mit Komma oder Punkt, ohne Tausenderpunkte (z. B. %1).",
                   nullptr, stellen)
            .arg(stellen > 0 ? "24," + QString("9").repeated(stellen) : QString("24"));
    if (*w < min || *w > max)
        return QCoreApplication::translate("BetragFeld", "Bitte eine Zahl von %1 bis %2 eingeben.")
            .arg(dezimalText(min, stellen), dezimalText(max, stellen));
    return QString();
}

void BetragFeld::zeigeHinweis()
{
    const QString h = hinweis();
    setStyleSheet(h.isEmpty() ? QString() : QStringLiteral("border: 1px solid #c00000;"));
    setToolTip(h);
}

void BetragFeld::schreibeGelesen()
{
    // What is read is shown as it is kept: "24,9" becomes "24.90".
    if (const std::optional<qint64> w = wert())
        setWert(*w);
}
