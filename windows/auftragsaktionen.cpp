#include "windows/auftragsaktionen.h"

#include <QAction>
#include <QMenu>

AuftragsAktionen::AuftragsAktionen(QObject* parent) : QObject(parent)
{
    // In the order of AuftragsBefehl.
    const QStringList texte{tr("Anzeigen"),
                            tr("Kunden anzeigen"),
                            tr("Druckvorschau"),
                            tr("Drucken"),
                            tr("als PDF speichern"),
                            tr("XML speichern"),
                            tr("als Email senden"),
                            tr("Rechnung aus Angebot erstellen"),
                            tr("Gutschrift aus Rechnung erstellen"),
                            tr("Kundendaten anzeigen"),
                            tr("Zahlungen…"),
                            tr("Mahnen…")};
    for (int i = 0; i < texte.size(); ++i) {
        auto* a = new QAction(texte.at(i), this);
        const auto b = AuftragsBefehl(i);
        connect(a, &QAction::triggered, this, [this, b] { emit befohlen(b, m_auftrag); });
        m_aktionen << a;
    }
    waehle(Auftrag());
}

QAction* AuftragsAktionen::aktion(AuftragsBefehl b) const
{
    return m_aktionen.at(int(b));
}

void AuftragsAktionen::waehle(const Auftrag& a)
{
    m_auftrag = a;
    for (int i = 0; i < m_aktionen.size(); ++i)
        m_aktionen.at(i)->setEnabled(auftragsBefehlErlaubt(AuftragsBefehl(i), a));
}

void AuftragsAktionen::fuelle(QMenu* menu, const QList<AuftragsBefehl>& befehle) const
{
    for (AuftragsBefehl b : befehle)
        menu->addAction(aktion(b));
}
