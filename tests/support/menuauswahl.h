#ifndef MENUAUSWAHL_H
#define MENUAUSWAHL_H

#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>

class QAbstractItemView;
class QPoint;

// Picks an entry of the next context menu the program runs with exec() by its texts ({"Status setzen",
// "Bezahlt"} for a submenu entry) and records the enabled entries. An empty path closes it unchosen.
// A missing or disabled entry, or no menu within seconds, fails the test; from then on every menu and
// dialog that opens is closed, so no exec() waits for an answer.
class MenuAuswahl
{
public:
    explicit MenuAuswahl(const QStringList& pfad);

    bool gezeigt = false;
    QStringList aktiv;

private:
    void versuche();
    void gibAuf(const QString& grund);

    QStringList m_pfad;
    QTimer m_timer;
    QElapsedTimer m_seit;
    bool m_aufgegeben = false;
};

// Right-click on the view at p: chooses pfad in its menu and returns the enabled entries. No menu fails the test.
QStringList imMenu(QAbstractItemView* v, const QPoint& p, const QStringList& pfad = {});

#endif
