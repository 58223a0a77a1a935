#include "app/mainwindow.h"
#include "app/programmstart.h"
#include "platform/einstellung.h"
#include "settings/databaseeditor.h"
#include "settings/einstellungen.h"
#include "tests/support/bedienung.h"
#include "tests/support/menubefehl.h"
#include "tests/support/pdfseiten.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"

#include <QtSql>
#include <QtTest>
#include <QtWidgets>

// The settings dialog, the settings file, its export and import, and the table of keys.
class TestEinstellungen : public QObject
{
    Q_OBJECT

    Testumgebung env;
    SkriptInteraktion dialoge;

    // The field named by the key: its user property (text, value, check state or current text).
    static QVariant wert(QWidget* d, const QString& key)
    {
        QWidget* f = d->findChild<QWidget*>(key);
        return f ? f->metaObject()->userProperty().read(f) : QVariant();
    }
    static void setze(QWidget* d, const QString& key, const QVariant& v)
    {
        QWidget* f = d->findChild<QWidget*>(key);
        QVERIFY2(f && f->metaObject()->userProperty().write(f, v), qPrintable(key));
    }
    static void ok(QWidget* d, QDialogButtonBox::StandardButton b = QDialogButtonBox::Ok)
    {
        QTest::mouseClick(d->findChild<QDialogButtonBox*>()->button(b), Qt::LeftButton);
    }
    static QVariantMap alle()
    {
        QSettings s;
        QVariantMap m;
        for (const QString& k : s.allKeys())
            m[k] = s.value(k);
        return m;
    }
private slots:
    void init()
    {
        env.neueDatenbank();
        env.leereEinstellungen();
        dialoge.vergiss();
    }

    // What a page shows for what is stored; "typed" rows are typed in and stored by OK first.
    void shownAndSaved_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("gespeichert");  // invalid: unset
        QTest::addColumn<QVariant>("angezeigt");
        QTest::addColumn<bool>("getippt");
        // Defaults the page turns into its own terms (names, per cent, a path), and the usual ones.
        const QVariantMap vorgaben{{"Steuer/Typ", "Brutto"}, {"Steuer/Satz", "A"}, {"Steuer/Satz A", 19.6},
            {"Rechnung/ZeigeDialog", true}, {"Rechnung/Layout", "fr_1"}, {"Rechnung/Zahlungsziel", 30},
            {"Datenbank/Name", QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/belegwerk.db"}};
        for (auto it = vorgaben.begin(); it != vorgaben.end(); ++it)
            QTest::newRow(qPrintable("unset " + it.key())) << it.key() << QVariant() << it.value() << false;
        // Printing understands the layout's name as well as the page's index.
        for (const QVariant& v : {QVariant("de_1"), QVariant("de"), QVariant(0), QVariant("fr_1")})
            QTest::newRow(qPrintable("layout " + v.toString()))
                << "Rechnung/Layout" << v << QVariant(v == "fr_1" ? "fr_1" : "de") << false;
        QTest::newRow("offset beyond the numbers") << "Rechnung/Offset1" << QVariant(2147483647) << QVariant(0)
                                                   << false;
        QTest::newRow("printer gone") << "Rechnung/DruckerName" << QVariant("weg") << QVariant("") << false;
        QTest::newRow("rate as fraction") << "Steuer/Satz B" << QVariant(0.07) << QVariant(7.0) << true;
        QTest::newRow("99 copies") << "Rechnung/Copies" << QVariant(99) << QVariant(99) << true;
        QTest::newRow("layout by index") << "Rechnung/Layout" << QVariant(1) << QVariant("fr_1") << true;
        QTest::newRow("lines kept") << "Rechnung/Head" << QVariant("L 1\nL 2") << QVariant("L 1\nL 2") << true;
        QTest::newRow("company typed") << "Firma/Strasse" << QVariant("1 rue Haute") << QVariant("1 rue Haute") << true;
    }

    void shownAndSaved()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, gespeichert);
        QFETCH(QVariant, angezeigt);
        QFETCH(bool, getippt);
        if (getippt) {
            Einstellungen d;
            setze(&d, key, angezeigt);
            ok(&d);
            QCOMPARE(QSettings().value(key).toString(), gespeichert.toString());
        } else if (gespeichert.isValid()) {
            QSettings().setValue(key, gespeichert);
        }
        Einstellungen d;
        QCOMPARE(wert(&d, key), angezeigt);
        const QLabel* hinweis = d.findChild<QLabel*>("offsetHinweis");
        QCOMPARE(hinweis && !hinweis->isHidden(), QTest::currentDataTag() == QByteArray("offset beyond the numbers"));
    }

    // Rates never changed follow the company's country, and stay unset when saved unchanged.
    void saetzeNachLand()
    {
        QSettings().setValue("Firma/Land", "Deutschland");
        Einstellungen d;
        QCOMPARE(QVariantList({wert(&d, "Steuer/Satz A"), wert(&d, "Steuer/Satz B")}), QVariantList({19.0, 7.0}));
        setze(&d, "Firma/Land", "France");
        ok(&d);
        QVERIFY(!QSettings().contains("Steuer/Satz A") && !QSettings().contains("Steuer/Satz B"));
        Einstellungen neu;
        QCOMPARE(QVariantList({wert(&neu, "Steuer/Satz A"), wert(&neu, "Steuer/Satz B")}), QVariantList({20.0, 10.0}));
    }

    // The file button follows the driver, stored or chosen; Cancel stores nothing.
    void fileButtonAndCancel()
    {
        QSettings().setValue("Datenbank/Treiber", "QPSQL");
        const QVariantMap vorher = alle();
        Einstellungen d;
        QToolButton* knopf = d.findChild<DatabaseEditor*>()->findChild<QToolButton*>();
        QVERIFY(!knopf->isEnabled());
        setze(&d, "Datenbank/Treiber", "QSQLITE");
        QVERIFY(knopf->isEnabled());
        setze(&d, "Datenbank/Treiber", "QPSQL");
        QVERIFY(!knopf->isEnabled());
        for (const char* key : {"Firma/Firma", "Steuer/Satz A", "Rechnung/Copies", "Datenbank/Host"})
            setze(&d, key, "42");
        ok(&d, QDialogButtonBox::Cancel);
        QCOMPARE(alle(), vorher);
    }

    void passwordStartUpAndSettingsFile()
    {
        const QString db = env.pfad("start.db");
        Einstellungen d;  // no secret store runs here: the key keeps the password
        setze(&d, "Datenbank/Name", db);
        setze(&d, "Datenbank/Passwort", "geheim");
        ok(&d);
        QSettings s;
        QCOMPARE(s.value("Datenbank/Passwort").toString(), QString("geheim"));
        Testumgebung::schliesseDatenbank();
        QVERIFY(Programmstart::openDatabase());
        QCOMPARE(QSqlDatabase::database().databaseName(), db);

        s.setValue("MainWindow/geometry", QByteArray("\x01\x00\xff", 3));
        MainWindow w;
        const QVariantMap vorher = alle();
        const QString ini = env.pfad("export.ini");
        RUFE(&w, "exportConfig");  // the question's default: no
        QVERIFY(dialoge.fragen.value(0).text.contains("Passwort"));
        QVERIFY(!QFileInfo::exists(ini) && dialoge.anzahl("getSaveFileName") == 0);
        dialoge.antworte(QMessageBox::Yes);
        dialoge.antworte(ini);
        RUFE(&w, "exportConfig");
        QCOMPARE(QFileInfo(ini).permissions() & 0x0077, QFileDevice::Permissions());
        const QString filter = dialoge.fragen.last().text;
        QVERIFY2(QDir::match(filter.section('(', 1).section(')', 0, 0), "belegwerk.ini"), qPrintable(filter));

        env.leereEinstellungen();
        s.setValue("Nur/hier", 7);
        QSettings(ini, QSettings::IniFormat).setValue("Rechnung/Offset1", "2147483647");  // refused
        dialoge.antworte(ini);
        dialoge.antworte(QMessageBox::Ok);
        QVERIFY(menuBefehl(w, {"Belegwerk", "Importieren", "Einstellungen importieren"}));
        QVariantMap danach = alle();
        QCOMPARE(danach.take("Nur/hier"), QVariant(7));
        QCOMPARE(danach.value("Rechnung/Offset1"), QVariant());
        danach["Rechnung/Offset1"] = vorher.value("Rechnung/Offset1");
        QCOMPARE(danach, vorher);
        QVERIFY(dialoge.fragen.last().text.contains("2147483647"));
    }

    // An imported file names the keys it changes and is applied on Ok only; it
    // cannot bring another driver, a file others can write, or take the stored
    // password to another server.
    void importChecksAndAsks_data()
    {
        QTest::addColumn<QVariantMap>("datei");
        QTest::addColumn<bool>("ok");          // Ok to the question, or the default (refused: not asked)
        QTest::addColumn<QString>("gesagt");   // part of the one message shown
        QTest::addColumn<QVariantMap>("danach");  // invalid: unset
        const QVariantMap host{{"Datenbank/Host", "fremd.example"}};
        QTest::newRow("host: password dropped") << host << true << "Datenbank/Passwort"
            << QVariantMap{{"Datenbank/Host", "fremd.example"}, {"Datenbank/Passwort", ""}};
        QTest::newRow("default cancels") << host << false << "Datenbank/Host"
            << QVariantMap{{"Datenbank/Host", "db.example"}, {"Datenbank/Passwort", "geheim"}};
        QTest::newRow("password of the file kept")
            << QVariantMap{{"Datenbank/Host", "fremd.example"}, {"Datenbank/Passwort", "neu"}} << true
            << "Datenbank/Host" << QVariantMap{{"Datenbank/Passwort", "neu"}};
        QTest::newRow("unknown key left out")
            << QVariantMap{{"Firma/Firma", "Roux"}, {"Fremd/Befehl", "x"}, {"Datenbank/Schluesselbund", true}}
            << true << "Fremd/Befehl"
            << QVariantMap{{"Firma/Firma", "Roux"}, {"Fremd/Befehl", QVariant()},
                           {"Datenbank/Schluesselbund", QVariant()}, {"Datenbank/Passwort", "geheim"}};
        QTest::newRow("driver of a library")
            << QVariantMap{{"Datenbank/Treiber", "QODBC"}, {"Datenbank/Name", "DRIVER=/tmp/evil.so"}} << false
            << "QODBC" << QVariantMap{{"Datenbank/Treiber", "QPSQL"}, {"Datenbank/Name", QVariant()}};
        QTest::newRow("file writable by others") << QVariantMap{{"Datenbank/Treiber", "QSQLITE"}} << false
                                                 << "beschreibbar" << QVariantMap{{"Datenbank/Treiber", "QPSQL"}};
    }

    void importChecksAndAsks()
    {
        QFETCH(QVariantMap, datei);
        QFETCH(bool, ok);
        QFETCH(QString, gesagt);
        QFETCH(QVariantMap, danach);
        PdfSeiten::setze(
            {{"Datenbank/Treiber", "QPSQL"}, {"Datenbank/Host", "db.example"}, {"Datenbank/Passwort", "geheim"}});
        const QString db = env.pfad("fremd.db");
        if (QString(QTest::currentDataTag()).startsWith("file")) {
            QVERIFY(QFile(db).open(QIODevice::WriteOnly));
            QVERIFY(QFile::setPermissions(db, QFileDevice::Permissions(0x6666)));
            datei["Datenbank/Name"] = db;
        }
        // A file of its own per row: the ini reader caches what it read under the name.
        const QString ini = env.pfad(QString(QTest::currentDataTag()) + ".ini");
        QSettings f(ini, QSettings::IniFormat);
        for (const auto& [key, wert] : datei.asKeyValueRange())
            f.setValue(key, wert);
        f.sync();
        dialoge.antworte(ini);
        if (ok)
            dialoge.antworte(QMessageBox::Ok);
        MainWindow w;
        QVERIFY(menuBefehl(w, {"Belegwerk", "Importieren", "Einstellungen importieren"}));
        QCOMPARE(dialoge.fragen.size(), 2);
        QVERIFY2(dialoge.fragen.last().text.contains(gesagt), qPrintable(dialoge.fragen.last().text));
        for (const auto& [key, wert] : danach.asKeyValueRange())
            QCOMPARE(QSettings().value(key), wert);
    }

    // Every key of the table: one name each, its default of its type, and a
    // value of its type read back alike from the store and from an ini file.
    void keyTable()
    {
        QSet<QString> namen;
        QSettings ini(env.pfad("belegwerk.ini"), QSettings::IniFormat);
        for (int i = 0; i < Einstellung::Anzahl; ++i) {
            const auto k = Einstellung::Schluessel(i);
            const QString name = Einstellung::name(k);
            QVERIFY2(!namen.contains(name), qPrintable(name));
            namen << name;
            const QMetaType typ(Einstellung::typ(k));
            const QVariant standard = Einstellung::standard(k);
            QVERIFY2(!standard.isValid() || standard.metaType() == typ, qPrintable(name));
            QCOMPARE(Einstellung::wert(k), standard);
            QVariant v = typ.id() == QMetaType::Double ? QVariant(0.055) : QVariant(QStringLiteral("7"));
            QVERIFY(v.convert(typ));
            Einstellung::setze(k, v);
            Einstellung::setze(k, v, ini);
        }
        ini.sync();
        QSettings gelesen(ini.fileName(), QSettings::IniFormat);
        for (int i = 0; i < Einstellung::Anzahl; ++i)
            QCOMPARE(Einstellung::wert(Einstellung::Schluessel(i), gelesen).toString(),
                     Einstellung::wert(Einstellung::Schluessel(i)).toString());
    }
};

QTEST_MAIN(TestEinstellungen)
#include "tst_einstellungen.moc"
