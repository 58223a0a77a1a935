#include "print/pdfseitendruck.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPdfDocument>
#include <QPrinter>
#include <QTemporaryFile>

#include <memory>

namespace {

// Sharp enough for paper; a page is rendered once per paint.
constexpr double Aufloesung = 300.0;

// The document read from a private file: loading from a file is synchronous.
std::unique_ptr<QPdfDocument> lade(const QByteArray& pdf, QTemporaryFile& tmp)
{
    if (pdf.isEmpty() || !tmp.open() || tmp.write(pdf) != pdf.size() || !tmp.flush())
        return nullptr;
    auto doc = std::make_unique<QPdfDocument>();
    if (doc->load(tmp.fileName()) != QPdfDocument::Error::None || doc->pageCount() < 1)
        return nullptr;
    return doc;
}

}  // namespace

bool PdfSeitenDruck::richteEin(QPrinter* printer, const QByteArray& pdf)
{
    QTemporaryFile tmp(QDir(QDir::tempPath()).filePath("belegwerk-XXXXXX.pdf"));
    const auto doc = lade(pdf, tmp);
    if (!doc)
        return false;
    printer->setFullPage(true);
    printer->setPageMargins(QMarginsF(0, 0, 0, 0));
    printer->setPageSize(QPageSize(doc->pagePointSize(0), QPageSize::Point));
    return true;
}

bool PdfSeitenDruck::drucke(QPrinter* printer, const QByteArray& pdf)
{
    QTemporaryFile tmp(QDir(QDir::tempPath()).filePath("belegwerk-XXXXXX.pdf"));
    const auto doc = lade(pdf, tmp);
    if (!doc)
        return false;
    QPainter p;
    if (!p.begin(printer))
        return false;
    for (int i = 0; i < doc->pageCount(); ++i) {
        if (i > 0 && !printer->newPage())
            return false;
        const QSizeF punkte = doc->pagePointSize(i);
        const QSize pixel = (punkte * Aufloesung / 72.0).toSize();
        const QImage bild = doc->render(i, pixel);
        if (bild.isNull())
            return false;
        const QRectF papier = printer->paperRect(QPrinter::DevicePixel);
        // Another paper chosen in the print dialog: the page keeps its proportions.
        p.drawImage(QRectF(QPointF(0, 0), punkte.scaled(papier.size(), Qt::KeepAspectRatio)), bild);
    }
    return p.end();
}
