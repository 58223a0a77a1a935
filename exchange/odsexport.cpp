#include "exchange/odsexport.h"

#include "exchange/tabellenquelle.h"
#include "exchange/tabellenzelle.h"
#include "exchange/zippaket.h"

#include <QTextStream>

namespace {

const char* const kopfTag =
    "<office:document-content"
    " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
    " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
    " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
    " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
    " xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\""
    " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\""
    " xmlns:xlink=\"http://www.w3.org/1999/xlink\""
    " xmlns:dc=\"http://purl.org/dc/elements/1.1/\""
    " xmlns:meta=\"urn:oasis:names:tc:opendocument:xmlns:meta:1.0\""
    " xmlns:number=\"urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0\""
    " xmlns:svg=\"urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0\""
    " xmlns:chart=\"urn:oasis:names:tc:opendocument:xmlns:chart:1.0\""
    " xmlns:dr3d=\"urn:oasis:names:tc:opendocument:xmlns:dr3d:1.0\""
    " xmlns:math=\"http://www.w3.org/1998/Math/MathML\""
    " xmlns:form=\"urn:oasis:names:tc:opendocument:xmlns:form:1.0\""
    " xmlns:script=\"urn:oasis:names:tc:opendocument:xmlns:script:1.0\""
    " xmlns:ooo=\"http://openoffice.org/2004/office\""
    " xmlns:ooow=\"http://openoffice.org/2004/writer\""
    " xmlns:oooc=\"http://openoffice.org/2004/calc\""
    " xmlns:dom=\"http://www.w3.org/2001/xml-events\""
    " xmlns:xforms=\"http://www.w3.org/2002/xforms\""
    " xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\""
    " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\""
    " office:version=\"1.0\"><office:scripts/>";

// The formats of the date cells ("ce1") and date-time cells ("ce2").
const char* const datumsStile =
    "<office:automatic-styles>"
    "<number:date-style style:name=\"N1\"><number:day number:style=\"long\"/>"
    "<number:text>.</number:text><number:month number:style=\"long\"/>"
    "<number:text>.</number:text><number:year number:style=\"long\"/></number:date-style>"
    "<number:date-style style:name=\"N2\"><number:day number:style=\"long\"/>"
    "<number:text>.</number:text><number:month number:style=\"long\"/>"
    "<number:text>.</number:text><number:year number:style=\"long\"/>"
    "<number:text> </number:text><number:hours number:style=\"long\"/>"
    "<number:text>:</number:text><number:minutes number:style=\"long\"/>"
    "<number:text>:</number:text><number:seconds number:style=\"long\"/></number:date-style>"
    "<style:style style:name=\"ce1\" style:family=\"table-cell\" style:data-style-name=\"N1\"/>"
    "<style:style style:name=\"ce2\" style:family=\"table-cell\" style:data-style-name=\"N2\"/>"
    "</office:automatic-styles>";

const char* const zeileAuf = "<table:table-row table:style-name=\"ro1\">\n";

void textZelle(QTextStream& out, const QString& text)
{
    out << "<table:table-cell office:value-type=\"string\"><text:p>"
        << TabellenZelle::xmlEscape(text) << "</text:p></table:table-cell>\n";
}

}  // namespace

bool OdsExport::schreibe(QAbstractItemModel* model, const QString& fileName,
                         const QList<int>& rows, bool verticalHeader)
{
    const TabellenQuelle quelle(model, rows, verticalHeader);
    ZipPaket zip(fileName);
    if (!zip.istOffen())
        return false;
    // OpenDocument wants "mimetype" first and uncompressed, so readers can sniff it.
    const bool ok =
        zip.eintrag(QStringLiteral("mimetype"),
                    [](QTextStream& out) { out << "application/vnd.oasis.opendocument.spreadsheet"; },
                    false)
        && zip.eintrag(QStringLiteral("META-INF/manifest.xml"),
                       [](QTextStream& out) {
                           out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                                  "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:"
                                  "opendocument:xmlns:manifest:1.0\">"
                                  "<manifest:file-entry manifest:media-type=\"application/"
                                  "vnd.oasis.opendocument.spreadsheet\" manifest:full-path=\"/\"/>"
                                  "<manifest:file-entry manifest:media-type=\"text/xml\" "
                                  "manifest:full-path=\"content.xml\"/>"
                                  "</manifest:manifest>";
                       })
        && zip.eintrag(QStringLiteral("content.xml"),
                       [&quelle](QTextStream& out) { content(out, quelle); });
    return ok && zip.abschliessen();
}

void OdsExport::content(QTextStream& out, const TabellenQuelle& quelle)
{
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" << kopfTag << datumsStile
        << "<office:body><office:spreadsheet><table:table table:name=\"Tabelle1\" "
           "table:style-name=\"ta1\" table:print=\"false\"><office:forms "
           "form:automatic-focus=\"false\" form:apply-design-mode=\"false\"/>";
    const int w = quelle.spalten();
    out << zeileAuf;
    for (int k = 0; k < w; ++k)
        textZelle(out, quelle.kopf(k));
    out << "</table:table-row>";
    for (int i = 0; i < quelle.zeilen(); ++i) {
        out << zeileAuf;
        for (int k = 0; k < w; ++k) {
            const TabellenZelle z = quelle.zelle(i, k);
            switch (z.art) {
            case TabellenZelle::Zahl:
                out << "<table:table-cell office:value-type=\"float\" office:value=\""
                    << TabellenZelle::zahlText(z.zahl) << "\"><text:p>"
                    << TabellenZelle::xmlEscape(z.text) << "</text:p></table:table-cell>\n";
                break;
            case TabellenZelle::Datum:
                out << "<table:table-cell table:style-name=\"ce1\" office:value-type=\"date\" "
                       "office:date-value=\""
                    << z.isoText().left(10) << "\"><text:p>" << z.anzeigeText()
                    << "</text:p></table:table-cell>\n";
                break;
            case TabellenZelle::DatumZeit:
                out << "<table:table-cell table:style-name=\"ce2\" office:value-type=\"date\" "
                       "office:date-value=\""
                    << z.isoText() << "\"><text:p>" << z.anzeigeText()
                    << "</text:p></table:table-cell>\n";
                break;
            case TabellenZelle::Text:
                textZelle(out, z.text);
                break;
            }
        }
        out << "</table:table-row>\n";
    }
    out << "</table:table></office:spreadsheet></office:body></office:document-content>";
}
