#include "tests/support/bedienung.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

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

QStringList mitDialog(const std::function<void()>& befehl,
                      const std::function<void(QDialog*)>& handle)
{
    QStringList geoeffnet;
    QTimer timer;
    timer.setInterval(20);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d || d->property("gesehen").toBool())
            return;
        d->setProperty("gesehen", true);
        geoeffnet << d->metaObject()->className();
        if (handle)
            handle(d);
        else
            d->reject();
        timer.stop();
    });
    timer.start();
    befehl();
    return geoeffnet;
}

QStringList spalte(QTableView* v, int spalte)
{
    QStringList texte;
    for (int r = 0; r < v->model()->rowCount(); ++r)
        texte << v->model()->index(r, spalte).data().toString();
    texte.sort();
    return texte;
}

QPoint zeileMit(QTableView* v, int spalte, const QString& wert)
{
    for (int r = 0; r < v->model()->rowCount(); ++r)
        if (v->model()->index(r, spalte).data().toString() == wert)
            return v->visualRect(v->model()->index(r, 1)).center();
    return QPoint(-1, -1);
}
