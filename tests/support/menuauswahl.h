#ifndef MENUAUSWAHL_H
#define MENUAUSWAHL_H

#include <QStringList>
#include <QTimer>

// Picks an entry of the next context menu the program runs with exec() by its texts ({"Status setzen",
// "Bezahlt"} for a submenu entry) and records the enabled entries. An empty path closes it unchosen.
class MenuAuswahl
{
public:
    explicit MenuAuswahl(const QStringList& pfad);

    bool gezeigt = false;
    QStringList aktiv;

private:
    void versuche();

    QStringList m_pfad;
    QTimer m_timer;
    int m_versuche = 0;
};

#endif
