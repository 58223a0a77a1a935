#include "tests/support/bedienung.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

QPushButton* knopf(QWidget* w, const QString& text)
{
    for (auto* b : w->findChildren<QPushButton*>())
        if (b->text() == text)
            return b;
    qFatal("no button %s", qPrintable(text));
}

QLineEdit* feld(QWidget* w, const QString& name)
{
    auto* f = w->findChild<QLineEdit*>(name);
    if (!f)
        qFatal("no field %s", qPrintable(name));
    return f;
}

void tippe(QWidget* w, const QString& name, const QString& text)
{
    QLineEdit* f = feld(w, name);
    f->clear();
    QTest::keyClicks(f, text);
}

bool zeige(QWidget* w)
{
    w->show();
    w->activateWindow();
    return QTest::qWaitForWindowActive(w);
}

QString liesDatei(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
