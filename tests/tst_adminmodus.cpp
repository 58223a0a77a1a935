#include "app/mainwindow.h"
#include "tests/support/testumgebung.h"

#include <QTabWidget>
#include <QtTest>

namespace {

// The application's own arguments: the program name and the switch under test.
// Qt reads them again at every arguments() call, so each case can set its switch.
char programm[] = "belegwerk";
char schalter[32] = "";
int argc = 2;
char* argv[] = {programm, schalter, nullptr};

}  // namespace

// The administrator mode is chosen by the exact switch "--admin".
class TestAdminmodus : public QObject
{
    Q_OBJECT

private slots:
    void adminTab_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<bool>("admin");
        QTest::newRow("--admin") << "--admin" << true;
        QTest::newRow("capital A") << "--Admin" << false;
    }

    void adminTab()
    {
        QFETCH(QString, eingabe);
        QFETCH(bool, admin);
        qstrncpy(schalter, eingabe.toLatin1().constData(), sizeof schalter);
        Testumgebung env;
        env.neueDatenbank();
        MainWindow w;
        QCOMPARE(w.tabs()->count(), admin ? 3 : 2);
        const QImage icon = QIcon(":/printer_admin_icon.png").pixmap(32).toImage();
        QVERIFY(!icon.isNull());
        QCOMPARE(w.windowIcon().pixmap(32).toImage() == icon, admin);
    }
};

int main(int testArgc, char* testArgv[])
{
    QApplication app(argc, argv);
    TestAdminmodus test;
    return QTest::qExec(&test, testArgc, testArgv);
}

#include "tst_adminmodus.moc"
