#ifndef MENUAUSWAHL_H
#define MENUAUSWAHL_H

#include <QStringList>
#include <QTimer>

// Picks an entry of the next context menu that the program runs with exec(),
// by its texts ({"Status setzen", "Bezahlt"} for a submenu entry), and records
// the menu's entries and which of them were enabled. An empty path closes the
// menu without a choice.
class MenuAuswahl
{
public:
    explicit MenuAuswahl(const QStringList& pfad);

    bool gezeigt = false;
    QStringList eintraege;
    QStringList aktiv;

private:
    void versuche();

    QStringList m_pfad;
    QTimer m_timer;
    int m_versuche = 0;
};

#endif
