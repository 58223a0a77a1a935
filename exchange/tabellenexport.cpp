#include "exchange/tabellenexport.h"

#include "platform/interaktion.h"
#include "platform/speicherdatei.h"
#include "exchange/odsexport.h"
#include "exchange/tabellenquelle.h"
#include "exchange/tabellenzelle.h"
#include "exchange/xlsxexport.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QDebug>
#include <QRegularExpression>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <functional>

namespace {

// Quoted CSV field; inner quotes doubled so the value and the columns survive.
// A text a spreadsheet would take for a formula gets a leading apostrophe, so
// opening the file never runs what a customer's data holds; numbers stay as they are.
QString csvFeld(const QVariant& wert)
{
    QString f = wert.toString();
    static const QString formelAnfang = QStringLiteral("=+-@\t\r");
    if (!f.isEmpty() && formelAnfang.contains(f.front())
        && TabellenZelle::aus(wert).art != TabellenZelle::Zahl)
        f.prepend(QLatin1Char('\''));
    f.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + f + QLatin1Char('"');
}

// Opens a SpeicherDatei, lets schreibe fill it through a text stream and commits
// it only when everything was written, so no partial file replaces the target.
bool schreibeTextdatei(const QString& fileName, bool textModus,
                       const std::function<void(QTextStream&)>& schreibe)
{
    SpeicherDatei datei(fileName);
    QIODevice::OpenMode modus = QIODevice::WriteOnly;
    if (textModus)
        modus |= QIODevice::Text;
    if (!datei.open(modus)) {
        qWarning() << "cannot open" << fileName << datei.errorString();
        return false;
    }
    QTextStream out(&datei);
    out.setEncoding(QStringConverter::Utf8);
    schreibe(out);
    out.flush();
    if (out.status() != QTextStream::Ok) {
        datei.cancelWriting();
        qWarning() << "error writing" << fileName << datei.errorString();
        return false;
    }
    if (!datei.commit()) {
        qWarning() << "cannot save" << fileName << datei.errorString();
        return false;
    }
    return true;
}

// The rows of model that rows chooses, written by schreibe into fileName.
bool schreibeTabelle(QAbstractItemModel* model, const QString& fileName, const QList<int>& rows,
                     bool verticalHeader, bool textModus,
                     const std::function<void(QTextStream&, const TabellenQuelle&)>& schreibe)
{
    if (!model)
        return false;
    const TabellenQuelle quelle(model, rows, verticalHeader);
    return schreibeTextdatei(fileName, textModus, [&](QTextStream& out) { schreibe(out, quelle); });
}

}  // namespace

bool exportCSV(QAbstractItemModel* model, const QString& fileName, QList<int> rows,
               bool verticalHeader)
{
    return schreibeTabelle(model, fileName, rows, verticalHeader, true,
                           [](QTextStream& out, const TabellenQuelle& quelle) {
        const int w = quelle.spalten();
        for (int k = 0; k < w; ++k)
            out << (k ? ";" : "") << csvFeld(quelle.kopf(k));
        out << '\n';
        for (int i = 0; i < quelle.zeilen(); ++i) {
            for (int k = 0; k < w; ++k)
                out << (k ? ";" : "") << csvFeld(quelle.wert(i, k));
            out << '\n';
        }
    });
}

bool exportXLS(QAbstractItemModel* model, const QString& fileName, QList<int> rows,
               bool verticalHeader)
{
    return schreibeTabelle(model, fileName, rows, verticalHeader, false,
                           [](QTextStream& out, const TabellenQuelle& quelle) {
        out << "<?xml version=\"1.0\"?>\n"
               "<?mso-application progid=\"Excel.Sheet\"?>\n"
               "<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\" "
               "xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
               "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
               "xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\" "
               "xmlns:html=\"http://www.w3.org/TR/REC-html40\">\n"
               // The formats of the date and date-time cells.
               "<Styles><Style ss:ID=\"d\"><NumberFormat ss:Format=\"dd.mm.yyyy\"/></Style>"
               "<Style ss:ID=\"dz\"><NumberFormat ss:Format=\"dd.mm.yyyy hh:mm:ss\"/></Style>"
               "</Styles>"
               "<Worksheet ss:Name=\"Tabelle1\"><Table>";
        const int w = quelle.spalten();
        out << "<Row>";
        for (int k = 0; k < w; ++k)
            out << "<Cell><Data ss:Type=\"String\">" << TabellenZelle::xmlEscape(quelle.kopf(k))
                << "</Data></Cell>";
        out << "</Row>";
        for (int i = 0; i < quelle.zeilen(); ++i) {
            out << "<Row>";
            for (int k = 0; k < w; ++k) {
                const TabellenZelle z = quelle.zelle(i, k);
                switch (z.art) {
                case TabellenZelle::Zahl:
                    out << "<Cell><Data ss:Type=\"Number\">" << TabellenZelle::zahlText(z.zahl);
                    break;
                case TabellenZelle::Datum:
                case TabellenZelle::DatumZeit:
                    out << "<Cell ss:StyleID=\"" << (z.art == TabellenZelle::Datum ? "d" : "dz")
                        << "\"><Data ss:Type=\"DateTime\">"
                        << z.isoText() << ".000";
                    break;
                case TabellenZelle::Text:
                    out << "<Cell><Data ss:Type=\"String\">" << TabellenZelle::xmlEscape(z.text);
                    break;
                }
                out << "</Data></Cell>";
            }
            out << "</Row>";
        }
        out << "</Table></Worksheet></Workbook>";
    });
}

bool exportODS(QAbstractItemModel* model, const QString& fileName, QList<int> rows,
               bool verticalHeader)
{
    return model && OdsExport::schreibe(model, fileName, rows, verticalHeader);
}

bool exportXLSX(QAbstractItemModel* model, const QString& fileName, QList<int> rows,
                bool verticalHeader)
{
    return model && XlsxExport::schreibe(model, fileName, rows, verticalHeader);
}

bool exportTabelle(QWidget* parent, const QString& caption, QAbstractItemModel* model)
{
    QString filter;
    QString fileName = Interaktion::instance()->getSaveFileName(
        parent, caption, QString(),
        QCoreApplication::translate(
            "TabellenExport",
            "Open Document ( *.ods );;Excel 2007+ (*.xlsx);;Excel ( *.xls);;CSV (*.csv)"),
        &filter);
    if (fileName.isEmpty())
        return false;
    // Only the name itself counts: a dot in a folder name is no extension.
    // A name without one gets the ending of the chosen filter.
    if (!QFileInfo(fileName).fileName().contains(QLatin1Char('.'))) {
        const QRegularExpressionMatch endung = QRegularExpression("\\*(\\.\\w+)").match(filter);
        fileName += endung.hasMatch() ? endung.captured(1) : QLatin1String(".xlsx");
    }

    const QString endung = QFileInfo(fileName).suffix().toLower();
    bool geschrieben = false;
    if (endung == QLatin1String("ods"))
        geschrieben = exportODS(model, fileName);
    else if (endung == QLatin1String("xls"))
        geschrieben = exportXLS(model, fileName);
    else if (endung == QLatin1String("xlsx"))
        geschrieben = exportXLSX(model, fileName);
    else if (endung == QLatin1String("csv"))
        geschrieben = exportCSV(model, fileName);
    else {
        Interaktion::instance()->warning(
            parent, caption,
            QCoreApplication::translate("TabellenExport",
                                        "Die Datei \"%1\" wurde nicht geschrieben: unbekanntes "
                                        "Format. Bitte .ods, .xlsx, .xls oder .csv wählen.")
                .arg(QDir::toNativeSeparators(fileName)));
        return false;
    }
    if (!geschrieben)
        Interaktion::instance()->warning(
            parent, caption,
            QCoreApplication::translate("TabellenExport",
                                        "Die Datei \"%1\" konnte nicht geschrieben werden.")
                .arg(QDir::toNativeSeparators(fileName)));
    return geschrieben;
}
