#include "app/mainwindow.h"
#include "records/codetabellen.h"
#include "store/auftragsstore.h"
#include "store/kundenstore.h"
#include "tests/support/bedienung.h"
#include "tests/support/pdfseiten.h"
#include "tests/support/programmlauf.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"

#include <QtTest>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

// Prints through a real CUPS server with a cups-pdf queue, the way an order
// reaches paper when the print dialog is switched off.
class TestCupsDruck : public QObject
{
    Q_OBJECT

    QTemporaryDir cupsDir;
    QProcess cupsd;
    QString socket;
    QDateTime beginn;

    QString pfad(const QString& name) const { return cupsDir.filePath(name); }

    // Every PDF cups-pdf wrote for us since the test began.
    QStringList neuePdfs() const
    {
        const passwd* pw = getpwuid(getuid());
        QStringList gefunden;
        for (const QString& ordner : {QString("/var/spool/cups-pdf/") + (pw ? pw->pw_name : ""),
                                      QString("/var/spool/cups-pdf/ANONYMOUS"),
                                      QString(pw ? pw->pw_dir : "") + "/PDF"})
            for (const QFileInfo& f : QDir(ordner).entryInfoList({"*.pdf"}, QDir::Files))
                if (f.lastModified() >= beginn)
                    gefunden << f.filePath();
        return gefunden;
    }

private slots:
    void initTestCase()
    {
        if (!QFileInfo::exists("/usr/sbin/cupsd") || !QFileInfo::exists("/usr/lib/cups/backend/cups-pdf"))
            QFAIL("CUPS or cups-pdf is not installed (scripts/setup.sh installs them)");
        if (getuid() != 0)
            QFAIL("this test starts its own cupsd and needs to run as root");
        QVERIFY(cupsDir.isValid());
        // Filters run as user lp and must reach the spool below this folder.
        QVERIFY(chmod(QFile::encodeName(cupsDir.path()).constData(), 0755) == 0);
        for (const char* d : {"etc/ppd", "spool/tmp", "cache", "state", "log"})
            QVERIFY(QDir().mkpath(pfad(d)));
        socket = pfad("cups.sock");
        QVERIFY(schreibeDatei(pfad("etc/cupsd.conf"),
                              QString("Listen %1\nLogLevel warn\nWebInterface No\nBrowsing Off\n"
                                      "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                      "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n"
                                      "</Policy>\n").arg(socket)));
        QVERIFY(schreibeDatei(pfad("etc/cups-files.conf"),
                              QString("ServerRoot %1\nRequestRoot %2\nTempDir %3\nCacheDir %4\nStateDir %5\n"
                                      "ErrorLog %6/error_log\nAccessLog %6/access_log\nPageLog %6/page_log\n"
                                      "SystemGroup root\nUser lp\nGroup lp\n")
                                  .arg(pfad("etc"), pfad("spool"), pfad("spool/tmp"), pfad("cache"), pfad("state"),
                                       pfad("log"))));
        for (const char* f : {"raw.convs", "raw.types"})
            QFile::copy(QString("/etc/cups/") + f, pfad(QString("etc/") + f));

        qputenv("CUPS_SERVER", socket.toLocal8Bit());
        cupsd.start("/usr/sbin/cupsd", {"-f", "-c", pfad("etc/cupsd.conf"), "-s",
                                        pfad("etc/cups-files.conf")});
        QVERIFY2(cupsd.waitForStarted(10000), "cupsd could not be started");
        QTRY_VERIFY2_WITH_TIMEOUT(lauf("lpstat", {"-r"}).contains("is running"),
                                  "cupsd did not come up", 15000);
        int rc = -1;
        const QString aus = lauf("lpadmin", {"-p", "belegwerktest", "-E", "-v", "cups-pdf:/belegwerktest", "-P",
                                             "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"}, &rc);
        QVERIFY2(rc == 0, qPrintable("lpadmin failed: " + aus));
        beginn = QDateTime::currentDateTime().addSecs(-1);
    }

    void cleanupTestCase()
    {
        for (const QString& f : neuePdfs())
            QFile::remove(f);
        cupsd.terminate();
        if (cupsd.state() != QProcess::NotRunning && !cupsd.waitForFinished(10000))
            cupsd.kill();
    }

    void printsOnTheConfiguredPrinterWithoutDialog()
    {
        Testumgebung env;
        env.neueDatenbank();
        SkriptInteraktion dialoge;
        PdfSeiten::setze({{"Rechnung/ZeigeDialog", false}, {"Rechnung/DruckerName", "belegwerktest"}});
        MainWindow w;

        Auftrag a = PdfSeiten::beispiel(1);
        a.AuftragsNr = 4242;
        QVERIFY(w.kundenStore()->addKunde(a.Kunde) && w.auftragsStore()->addAuftrag(a));

        RUFE(&w, "drucken", Q_ARG(Auftrag&, a));
        QVERIFY2(dialoge.fragen.isEmpty(), "no dialog may be shown");
        QCOMPARE(w.auftragsStore()->getAuftrag(a.Nr).Status, int(AuftragsStatus::Gedruckt));

        QTRY_VERIFY_WITH_TIMEOUT(!neuePdfs().isEmpty(), 60000);
        const QString pdf = neuePdfs().first();
        // cups-pdf names the file after the job's title (its text cannot be read
        // back: the queue's PostScript route drops the font encodings).
        QVERIFY2(QFileInfo(pdf).fileName().contains("Rechnung_FM4242"), qPrintable(pdf));
        // cups-pdf may still be writing: read the file until it is complete.
        QTRY_VERIFY2_WITH_TIMEOUT(lauf("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+1\\b")),
                                  "the invoice is one page", 20000);
    }
};

QTEST_MAIN(TestCupsDruck)
#include "tst_cupsdruck.moc"
