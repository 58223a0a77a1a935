#ifndef AUFTRAGSAKTIONEN_H
#define AUFTRAGSAKTIONEN_H

#include "records/auftrag.h"
#include "records/auftragsbefehl.h"

#include <QList>
#include <QObject>

class QAction;
class QMenu;

// One QAction per order command, enabled by the rule for the order a view
// last selected. Every menu that offers order commands takes its entries from
// here; a triggered entry reports the command with that order.
class AuftragsAktionen : public QObject
{
    Q_OBJECT

public:
    explicit AuftragsAktionen(QObject* parent = nullptr);

    QAction* aktion(AuftragsBefehl b) const;
    // Makes a the order the commands act on and enables what it allows.
    void waehle(const Auftrag& a);
    const Auftrag& auftrag() const { return m_auftrag; }
    // Appends the actions of befehle to menu, in that order.
    void fuelle(QMenu* menu, const QList<AuftragsBefehl>& befehle) const;

signals:
    void befohlen(AuftragsBefehl b, const Auftrag& a);

private:
    QList<QAction*> m_aktionen;  // indexed by AuftragsBefehl
    Auftrag m_auftrag;
};

#endif
