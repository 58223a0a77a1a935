#include "tests/support/menuauswahl.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>

MenuAuswahl::MenuAuswahl(const QStringList& pfad) : m_pfad(pfad)
{
    QObject::connect(&m_timer, &QTimer::timeout, [this] { versuche(); });
    m_timer.start(5);
    m_seit.start();
}

void MenuAuswahl::gibAuf(const QString& grund)
{
    if (!m_aufgegeben)
        QTest::qFail(qPrintable(grund), __FILE__, __LINE__);
    m_aufgegeben = true;
    for (int i = 0; i < 10 && QApplication::activePopupWidget(); ++i)
        QApplication::activePopupWidget()->close();
    for (int i = 0; i < 10 && QApplication::activeModalWidget(); ++i)
        QApplication::activeModalWidget()->close();
}

void MenuAuswahl::versuche()
{
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (m_aufgegeben)
        return gibAuf({});
    if (!menu) {
        if (m_seit.elapsed() > 5000)
            gibAuf("no context menu opened");
        return;
    }
    if (!gezeigt) {
        gezeigt = true;
        for (QAction* a : menu->actions())
            if (a->isEnabled())
                aktiv << a->text();
    }
    if (m_pfad.isEmpty()) {
        m_timer.stop();
        menu->close();
        return;
    }
    const QString text = m_pfad.takeFirst();
    for (QAction* a : menu->actions()) {
        if (a->text() != text)
            continue;
        if (!a->isEnabled())
            return gibAuf(QString("menu entry %1 is disabled").arg(text));
        menu->setActiveAction(a);
        if (a->menu()) {
            QTest::keyClick(menu, Qt::Key_Right);
            return;  // the submenu is the next active popup
        }
        m_timer.stop();
        QTest::keyClick(menu, Qt::Key_Return);
        return;
    }
    gibAuf(QString("no menu entry %1").arg(text));
}

QStringList imMenu(QAbstractItemView* v, const QPoint& p, const QStringList& pfad)
{
    MenuAuswahl wahl(pfad);
    emit v->customContextMenuRequested(p);
    if (!wahl.gezeigt)
        QTest::qFail("no context menu opened", __FILE__, __LINE__);
    return wahl.aktiv;
}
