#include "tests/support/bedienung.h"
#include "tests/support/menuauswahl.h"

#include <QtTest>
#include <QtWidgets>

// Cases the test support must end as a failure with its reason, quickly and without ending the program;
// each runs in a child process of this program.
class Faelle : public QObject
{
    Q_OBJECT

private slots:
    void falscherSlot() { RUFE(this, "gibtEsNicht"); }
    void offenerDialog() { mitDialog([] { QDialog().exec(); }, [](QDialog*) {}); }
    void fehlenderEintrag()
    {
        QMenu menu;
        menu.addAction("Anzeigen");
        MenuAuswahl wahl({"Drucken"});
        menu.exec(QPoint(10, 10));
    }
    void fehlenderKnopf()
    {
        QWidget w;
        knopf(&w, "Ok")->click();
    }
};

class TestTesthilfen : public QObject
{
    Q_OBJECT

private slots:
    void failsWithReason_data()
    {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<QString>("grund");
        QTest::newRow("renamed slot") << "falscherSlot" << "no such slot: this, \"gibtEsNicht\"";
        QTest::newRow("unanswered dialog") << "offenerDialog" << "dialog QDialog stayed open unanswered";
        QTest::newRow("missing menu entry") << "fehlenderEintrag" << "no menu entry Drucken";
        QTest::newRow("missing button") << "fehlenderKnopf" << "no button Ok";
    }
    void failsWithReason()
    {
        QFETCH(QString, fall);
        QFETCH(QString, grund);
        qputenv("BELEGWERK_TESTHILFEN_FALL", "1");  // inherited by the case's process
        QProcess p;
        p.start(QCoreApplication::applicationFilePath(), {fall});
        QVERIFY2(p.waitForFinished(60000), "the case hung");
        const QString aus = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 1 && aus.contains(grund),
                 qPrintable(aus + p.readAllStandardError()));
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Faelle faelle;
    TestTesthilfen test;
    const bool fall = qEnvironmentVariableIsSet("BELEGWERK_TESTHILFEN_FALL");
    return QTest::qExec(fall ? static_cast<QObject*>(&faelle) : &test, argc, argv);
}

#include "tst_testhilfen.moc"
