#include "tests/support/bedienung.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

namespace {
template <typename T> T* attrappe(QWidget* w, const QString& grund)
{
    QTest::qFail(qPrintable(grund), __FILE__, __LINE__);
    auto* t = new T(w);
    t->hide();
    return t;
}
}  // namespace

QPushButton* knopf(QWidget* w, const QString& text)
{
    for (auto* b : w->findChildren<QPushButton*>())
        if (b->text() == text)
            return b;
    return attrappe<QPushButton>(w, QString("no button %1").arg(text));
}

QLineEdit* feld(QWidget* w, const QString& name)
{
    auto* f = w->findChild<QLineEdit*>(name);
    return f ? f : attrappe<QLineEdit>(w, QString("no field %1").arg(name));
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
    QElapsedTimer offen;
    QDialog* zuletzt = nullptr;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (d != zuletzt)
            offen.start();
        zuletzt = d;
        if (!d)
            return;
        if (d->property("gesehen").toBool()) {
            if (offen.elapsed() > 8000) {
                QTest::qFail(qPrintable(QString("dialog %1 stayed open unanswered")
                                            .arg(d->metaObject()->className())),
                             __FILE__, __LINE__);
                d->reject();
            }
            return;
        }
        d->setProperty("gesehen", true);
        geoeffnet << d->metaObject()->className();
        // Later, inside the dialog's own loop: this timer then keeps firing for the dialogs the handler opens.
        QTimer::singleShot(0, d, [d, handle] {
            if (handle)
                handle(d);
            else
                d->reject();
        });
    });
    timer.start(20);
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
