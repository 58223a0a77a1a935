#include "print/belegpdf.h"

#include "platform/speicherdatei.h"
#include "print/ciiaufbau.h"
#include "print/drucker.h"
#include "print/facturxpdf.h"
#include "records/codetabellen.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryFile>

QByteArray BelegPdf::seiten(const Drucker* d, const Auftrag& a, bool pdfA)
{
    if (!d)
        return QByteArray();
    const QString titel = QString("%1 %2")
                              .arg(CodeTabellen::name(CodeTabellen::auftragsarten(), a.Typ))
                              .arg(a.belegNummer());
    return pdf([&](QPrinter* p) { return d->print(p, a); }, titel, pdfA);
}

QByteArray BelegPdf::pdf(const std::function<bool(QPrinter*)>& malen, const QString& titel, bool pdfA)
{
    // QPrinter writes only to a named file; the pages go through a private one.
    QTemporaryFile tmp(QDir(QDir::tempPath()).filePath("belegwerk-XXXXXX.pdf"));
    if (!tmp.open()) {
        qWarning() << "error writing PDF: no temporary file" << tmp.errorString();
        return QByteArray();
    }
    tmp.close();
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(tmp.fileName());
    printer.setCreator(QStringLiteral("Belegwerk"));
    printer.setDocName(titel);
    if (pdfA)
        printer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    if (!malen(&printer)) {
        qWarning() << "error writing PDF: the pages could not be drawn" << titel;
        return QByteArray();
    }
    QFile f(tmp.fileName());
    if (!f.open(QIODevice::ReadOnly)) {
        qWarning() << "error writing PDF: cannot read back" << f.fileName() << f.errorString();
        return QByteArray();
    }
    return f.readAll();
}

QString BelegPdf::hinweisText(const QStringList& fehlt)
{
    return tr("Die Rechnung wurde als einfache PDF-Datei geschrieben, nicht als elektronische "
              "Rechnung (Factur-X), denn es fehlt:\n- %1\n\nBitte ergänzen Sie die Einstellungen "
              "oder den Kunden und speichern Sie die Rechnung erneut.")
        .arg(fehlt.join("\n- "));
}

bool BelegPdf::schreiben(const Drucker* d, const Auftrag& a, const QString& datei, QString* hinweis)
{
    const QByteArray inhalt = BelegPdf::datei(d, a, hinweis);
    return !inhalt.isEmpty() && speichere(datei, inhalt);
}

QByteArray BelegPdf::datei(const Drucker* d, const Auftrag& a, QString* hinweis)
{
    if (hinweis)
        hinweis->clear();
    if (!CiiAufbau::elektronisch(a))
        return seiten(d, a, false);
    const CiiAufbau cii(a);
    if (!cii.gueltig()) {
        if (hinweis)
            *hinweis = hinweisText(cii.fehlt());
        return seiten(d, a, false);
    }
    const QByteArray pdfA = seiten(d, a, true);
    if (pdfA.isEmpty())
        return QByteArray();
    QString fehler;
    const QByteArray fx = FacturXPdf::einbetten(pdfA, cii.rechnung().xml(), &fehler);
    if (fx.isEmpty())
        qWarning() << "error writing Factur-X" << fehler;
    return fx;
}

QString BelegPdf::xmlHindernis(const Auftrag& a)
{
    if (!CiiAufbau::elektronisch(a))
        return tr("Nur Rechnungen und Gutschriften sind elektronische Rechnungen.");
    const CiiAufbau cii(a);
    return cii.gueltig() ? QString() : tr("Es fehlt:\n- %1").arg(cii.fehlt().join("\n- "));
}

bool BelegPdf::xmlSchreiben(const Auftrag& a, const QString& datei, QString* fehler)
{
    QString grund = xmlHindernis(a);
    if (grund.isEmpty() && !speichere(datei, CiiAufbau(a).rechnung().xml()))
        grund = tr("Die Datei %1 konnte nicht geschrieben werden.")
                    .arg(QDir::toNativeSeparators(datei));
    if (fehler)
        *fehler = grund;
    return grund.isEmpty();
}

bool BelegPdf::speichere(const QString& datei, const QByteArray& inhalt)
{
    // Written beside the target and moved into place when complete, so a
    // failure never leaves a half-written or stale file under that name.
    SpeicherDatei f(datei);
    if (!f.open(QIODevice::WriteOnly) || f.write(inhalt) != inhalt.size() || !f.commit()) {
        qWarning() << "cannot save" << datei << f.errorString();
        return false;
    }
    return true;
}
