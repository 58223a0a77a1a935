#include "tests/support/menubefehl.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

bool menuBefehl(QMainWindow& w, const QStringList& pfad)
{
    QList<QAction*> aktionen = w.menuBar()->actions();
    for (int i = 0; i < pfad.size(); ++i) {
        QAction* gefunden = nullptr;
        for (QAction* a : aktionen)
            if (a->text() == pfad.at(i))
                gefunden = a;
        if (!gefunden || !gefunden->isEnabled())
            return false;
        if (i + 1 == pfad.size()) {
            gefunden->trigger();
            return true;
        }
        if (!gefunden->menu())
            return false;
        aktionen = gefunden->menu()->actions();
    }
    return false;
}
