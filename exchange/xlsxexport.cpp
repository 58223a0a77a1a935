#include "exchange/xlsxexport.h"

#include "exchange/tabellenquelle.h"
#include "exchange/tabellenzelle.h"
#include "exchange/zippaket.h"

#include <QTextStream>

namespace {

const char* const deklaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
const char* const deklarationStandalone =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>";

const char* const contentTypes =
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Override PartName=\"/xl/theme/theme1.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.theme+xml\"/>"
    "<Override PartName=\"/xl/styles.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>"
    "<Default Extension=\"rels\" "
    "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/xl/workbook.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
    "<Override PartName=\"/docProps/app.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.extended-properties+xml\"/>"
    "<Override PartName=\"/xl/worksheets/sheet1.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
    "<Override PartName=\"/xl/sharedStrings.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml\"/>"
    "<Override PartName=\"/docProps/core.xml\" "
    "ContentType=\"application/vnd.openxmlformats-package.core-properties+xml\"/>"
    "</Types>";

const char* const appProps =
    "<Properties xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties\" "
    "xmlns:vt=\"http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes\">"
    "<TotalTime>0</TotalTime><Application>Microsoft Excel</Application>"
    "<DocSecurity>0</DocSecurity><ScaleCrop>false</ScaleCrop>"
    "<HeadingPairs><vt:vector size=\"2\" baseType=\"variant\">"
    "<vt:variant><vt:lpstr>Arbeitsblätter</vt:lpstr></vt:variant>"
    "<vt:variant><vt:i4>1</vt:i4></vt:variant></vt:vector></HeadingPairs>"
    "<TitlesOfParts><vt:vector size=\"1\" baseType=\"lpstr\"><vt:lpstr>Tabelle1</vt:lpstr>"
    "</vt:vector></TitlesOfParts><Company>Tavo Inc.</Company>"
    "<LinksUpToDate>false</LinksUpToDate><SharedDoc>false</SharedDoc>"
    "<HyperlinksChanged>false</HyperlinksChanged><AppVersion>12.0000</AppVersion></Properties>";

const char* const coreProps =
    "<cp:coreProperties "
    "xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
    "xmlns:dc=\"http://purl.org/dc/elements/1.1/\" xmlns:dcterms=\"http://purl.org/dc/terms/\" "
    "xmlns:dcmitype=\"http://purl.org/dc/dcmitype/\" "
    "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">"
    "<dc:creator>Tavo</dc:creator><cp:lastModifiedBy>Tavo</cp:lastModifiedBy>"
    "<dcterms:created xsi:type=\"dcterms:W3CDTF\">2009-10-27T17:12:59Z</dcterms:created>"
    "<dcterms:modified xsi:type=\"dcterms:W3CDTF\">2009-10-27T17:13:50Z</dcterms:modified>"
    "</cp:coreProperties>";

// The smallest theme the readers accept: colour, font and format schemes.
const char* const theme =
    "<a:theme xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
    "name=\"Office\"><a:themeElements>"
    "<a:clrScheme name=\"Office\">"
    "<a:dk1><a:sysClr val=\"windowText\" lastClr=\"000000\"/></a:dk1>"
    "<a:lt1><a:sysClr val=\"window\" lastClr=\"FFFFFF\"/></a:lt1>"
    "<a:dk2><a:srgbClr val=\"1F497D\"/></a:dk2><a:lt2><a:srgbClr val=\"EEECE1\"/></a:lt2>"
    "<a:accent1><a:srgbClr val=\"4F81BD\"/></a:accent1>"
    "<a:accent2><a:srgbClr val=\"C0504D\"/></a:accent2>"
    "<a:accent3><a:srgbClr val=\"9BBB59\"/></a:accent3>"
    "<a:accent4><a:srgbClr val=\"8064A2\"/></a:accent4>"
    "<a:accent5><a:srgbClr val=\"4BACC6\"/></a:accent5>"
    "<a:accent6><a:srgbClr val=\"F79646\"/></a:accent6>"
    "<a:hlink><a:srgbClr val=\"0000FF\"/></a:hlink>"
    "<a:folHlink><a:srgbClr val=\"800080\"/></a:folHlink></a:clrScheme>"
    "<a:fontScheme name=\"Office\">"
    "<a:majorFont><a:latin typeface=\"Cambria\"/><a:ea typeface=\"\"/><a:cs typeface=\"\"/>"
    "</a:majorFont>"
    "<a:minorFont><a:latin typeface=\"Calibri\"/><a:ea typeface=\"\"/><a:cs typeface=\"\"/>"
    "</a:minorFont></a:fontScheme>"
    "<a:fmtScheme name=\"Office\"><a:fillStyleLst>"
    "<a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill>"
    "<a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill>"
    "<a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill></a:fillStyleLst>"
    "<a:lnStyleLst>"
    "<a:ln w=\"9525\"><a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill></a:ln>"
    "<a:ln w=\"25400\"><a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill></a:ln>"
    "<a:ln w=\"38100\"><a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill></a:ln>"
    "</a:lnStyleLst>"
    "<a:effectStyleLst><a:effectStyle><a:effectLst/></a:effectStyle>"
    "<a:effectStyle><a:effectLst/></a:effectStyle><a:effectStyle><a:effectLst/></a:effectStyle>"
    "</a:effectStyleLst>"
    "<a:bgFillStyleLst>"
    "<a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill>"
    "<a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill>"
    "<a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill></a:bgFillStyleLst>"
    "</a:fmtScheme></a:themeElements><a:objectDefaults/><a:extraClrSchemeLst/></a:theme>";

// Cell format 0 is the default; 1 and 2 are the date and date-time formats the
// sheet's date cells and date columns refer to.
const char* const styles =
    "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
    "<numFmts count=\"2\"><numFmt numFmtId=\"164\" formatCode=\"dd.mm.yyyy\"/>"
    "<numFmt numFmtId=\"165\" formatCode=\"dd.mm.yyyy hh:mm:ss\"/></numFmts>"
    "<fonts count=\"1\"><font><sz val=\"11\"/><color theme=\"1\"/><name val=\"Calibri\"/>"
    "<family val=\"2\"/><scheme val=\"minor\"/></font></fonts>"
    "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
    "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
    "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
    "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/>"
    "</cellStyleXfs>"
    "<cellXfs count=\"3\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/>"
    "<xf numFmtId=\"164\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\" "
    "applyNumberFormat=\"1\"/>"
    "<xf numFmtId=\"165\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\" "
    "applyNumberFormat=\"1\"/></cellXfs>"
    "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>"
    "<dxfs count=\"0\"/>"
    "<tableStyles count=\"0\" defaultTableStyle=\"TableStyleMedium2\" "
    "defaultPivotStyle=\"PivotStyleLight16\"/></styleSheet>";

const char* const rels =
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId3\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
    "relationships/extended-properties\" Target=\"docProps/app.xml\"/>"
    "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/package/2006/"
    "relationships/metadata/core-properties\" Target=\"docProps/core.xml\"/>"
    "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
    "relationships/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";

const char* const workbookRels =
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId3\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
    "relationships/styles\" Target=\"styles.xml\"/>"
    "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
    "relationships/theme\" Target=\"theme/theme1.xml\"/>"
    "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
    "relationships/worksheet\" Target=\"worksheets/sheet1.xml\"/>"
    "<Relationship Id=\"rId4\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
    "relationships/sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>";

const char* const workbook =
    "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
    "<fileVersion appName=\"xl\" lastEdited=\"4\" lowestEdited=\"4\" rupBuild=\"4505\"/>"
    "<workbookPr defaultThemeVersion=\"124226\"/>"
    "<bookViews><workbookView xWindow=\"240\" yWindow=\"75\" windowWidth=\"24720\" "
    "windowHeight=\"12345\"/></bookViews>"
    "<sheets><sheet name=\"Tabelle1\" sheetId=\"1\" r:id=\"rId1\"/></sheets>"
    "<calcPr calcId=\"125725\"/></workbook>";

std::function<void(QTextStream&)> fest(const char* prolog, const char* inhalt)
{
    return [prolog, inhalt](QTextStream& out) { out << prolog << inhalt; };
}

}  // namespace

bool XlsxExport::schreibe(QAbstractItemModel* model, const QString& fileName,
                          const QList<int>& rows, bool verticalHeader)
{
    const TabellenQuelle quelle(model, rows, verticalHeader);
    XlsxExport xlsx(quelle);
    ZipPaket zip(fileName);
    if (!zip.istOffen())
        return false;
    const bool ok =
        zip.eintrag(QStringLiteral("[Content_Types].xml"), fest(deklarationStandalone, contentTypes))
        && zip.eintrag(QStringLiteral("docProps/app.xml"), fest(deklaration, appProps))
        && zip.eintrag(QStringLiteral("docProps/core.xml"), fest(deklaration, coreProps))
        && zip.eintrag(QStringLiteral("xl/theme/theme1.xml"), fest(deklaration, theme))
        && zip.eintrag(QStringLiteral("xl/styles.xml"), fest(deklaration, styles))
        && zip.eintrag(QStringLiteral("_rels/.rels"), fest(deklaration, rels))
        && zip.eintrag(QStringLiteral("xl/_rels/workbook.xml.rels"), fest(deklaration, workbookRels))
        && zip.eintrag(QStringLiteral("xl/workbook.xml"), fest(deklaration, workbook))
        && zip.eintrag(QStringLiteral("xl/worksheets/sheet1.xml"),
                       [&xlsx](QTextStream& out) { xlsx.sheet(out); })
        && zip.eintrag(QStringLiteral("xl/sharedStrings.xml"),
                       [&xlsx](QTextStream& out) { xlsx.sharedStrings(out); });
    return ok && zip.abschliessen();
}

int XlsxExport::stringIndex(const QString& escaped)
{
    ++m_stringZellen;
    const auto it = m_index.constFind(escaped);
    if (it != m_index.constEnd())
        return it.value();
    const int i = int(m_strings.size());
    m_strings.append(escaped);
    m_index.insert(escaped, i);
    return i;
}

void XlsxExport::sheet(QTextStream& out)
{
    const int w = m_quelle.spalten();
    const int n = m_quelle.zeilen();
    QStringList namen;
    for (int k = 0; k < w; ++k)
        namen.append(TabellenZelle::columnName(k));
    const QString spans = QStringLiteral(" spans=\"1:%1\">\n").arg(w);

    out << deklaration << '\n'
        << "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
           "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">\n"
        << "<dimension ref=\"A1:" << TabellenZelle::columnName(w - 1) << n + 1 << "\"/>\n"
        << "<sheetViews><sheetView tabSelected=\"1\" workbookViewId=\"0\">\n"
        << "<selection activeCell=\"A1\" sqref=\"A1\"/>\n"
        << "</sheetView></sheetViews>\n"
        << "<sheetFormatPr baseColWidth=\"10\" defaultRowHeight=\"15\"/>\n";

    // Date columns get the date format also for rows added later.
    QString cols;
    for (int k = 0; k < w; ++k) {
        const TabellenZelle::Art art = m_quelle.spaltenArt(k);
        if (art == TabellenZelle::Datum || art == TabellenZelle::DatumZeit)
            cols += QStringLiteral("<col min=\"%1\" max=\"%1\" style=\"%2\" width=\"%3\"/>\n")
                        .arg(k + 1)
                        .arg(art == TabellenZelle::Datum ? 1 : 2)
                        .arg(art == TabellenZelle::Datum ? 12 : 19);
    }
    if (!cols.isEmpty())
        out << "<cols>\n" << cols << "</cols>\n";

    out << "<sheetData>\n<row r=\"1\"" << spans;
    for (int k = 0; k < w; ++k)
        out << "<c r=\"" << namen.at(k) << "1\" t=\"s\"><v>"
            << stringIndex(TabellenZelle::xmlEscape(m_quelle.kopf(k))) << "</v></c>\n";
    out << "</row>\n";

    for (int i = 0; i < n; ++i) {
        const int r = i + 2;
        out << "<row r=\"" << r << '"' << spans;
        for (int k = 0; k < w; ++k) {
            const TabellenZelle z = m_quelle.zelle(i, k);
            out << "<c r=\"" << namen.at(k) << r << '"';
            switch (z.art) {
            case TabellenZelle::Zahl:
                out << "><v>" << TabellenZelle::zahlText(z.zahl);
                break;
            case TabellenZelle::DatumZeit:
                out << " s=\"2\"><v>" << TabellenZelle::datumSerial(z.zeit.date()) << '.'
                    << TabellenZelle::zeitZiffern(z.zeit.time());
                break;
            case TabellenZelle::Datum:
                out << " s=\"1\"><v>" << TabellenZelle::datumSerial(z.zeit.date());
                break;
            case TabellenZelle::Text:
                out << " t=\"s\"><v>" << stringIndex(TabellenZelle::xmlEscape(z.text));
                break;
            }
            out << "</v></c>\n";
        }
        out << "</row>\n";
    }
    out << "</sheetData>\n"
        << "<pageMargins left=\"0.7\" right=\"0.7\" top=\"0.78740157499999996\" "
           "bottom=\"0.78740157499999996\" header=\"0.3\" footer=\"0.3\"/>\n"
        << "</worksheet>";
}

void XlsxExport::sharedStrings(QTextStream& out) const
{
    out << deklaration
        << "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" count=\""
        << m_stringZellen << "\" uniqueCount=\"" << m_strings.size() << "\">";
    for (const QString& s : m_strings) {
        // Without xml:space readers drop leading and trailing blanks.
        const bool rand = !s.isEmpty() && (s.front().isSpace() || s.back().isSpace());
        out << (rand ? "<si><t xml:space=\"preserve\">" : "<si><t>") << s << "</t></si>";
    }
    out << "</sst>";
}
