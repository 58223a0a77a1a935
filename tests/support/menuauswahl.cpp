#include "tests/support/menuauswahl.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>

MenuAuswahl::MenuAuswahl(const QStringList& pfad) : m_pfad(pfad)
{
    m_timer.setInterval(5);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { versuche(); });
    m_timer.start();
}

void MenuAuswahl::versuche()
{
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) {
        if (++m_versuche > 200)
            m_timer.stop();
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
        menu->setActiveAction(a);
        if (a->menu()) {
            QTest::keyClick(menu, Qt::Key_Right);
            return;  // the submenu is the next active popup
        }
        m_timer.stop();
        QTest::keyClick(menu, Qt::Key_Return);
        return;
    }
    m_timer.stop();
    menu->close();
}
