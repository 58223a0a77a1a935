#include "print/facturxpdf.h"

// qpdf without its old smart pointer type.
#define POINTERHOLDER_TRANSITION 4

#include <QDateTime>
#include <QDebug>
#include <QRegularExpression>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFEFStreamObjectHelper.hh>
#include <qpdf/QPDFEmbeddedFileDocumentHelper.hh>
#include <qpdf/QPDFFileSpecObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>

const char* const FacturXPdf::dateiName = "factur-x.xml";

namespace {

const char* const fxSchema = R"(    <rdf:Description xmlns:fx="urn:factur-x:pdfa:CrossIndustryDocument:invoice:1p0#" rdf:about="" fx:DocumentType="INVOICE" fx:DocumentFileName="factur-x.xml" fx:Version="1.0" fx:ConformanceLevel="%1"/>
    <rdf:Description xmlns:pdfaExtension="http://www.aiim.org/pdfa/ns/extension/" xmlns:pdfaSchema="http://www.aiim.org/pdfa/ns/schema#" xmlns:pdfaProperty="http://www.aiim.org/pdfa/ns/property#" rdf:about="">
      <pdfaExtension:schemas>
        <rdf:Bag>
          <rdf:li rdf:parseType="Resource">
            <pdfaSchema:schema>Factur-X PDFA Extension Schema</pdfaSchema:schema>
            <pdfaSchema:namespaceURI>urn:factur-x:pdfa:CrossIndustryDocument:invoice:1p0#</pdfaSchema:namespaceURI>
            <pdfaSchema:prefix>fx</pdfaSchema:prefix>
            <pdfaSchema:property>
              <rdf:Seq>
                <rdf:li rdf:parseType="Resource">
                  <pdfaProperty:name>DocumentFileName</pdfaProperty:name>
                  <pdfaProperty:valueType>Text</pdfaProperty:valueType>
                  <pdfaProperty:category>external</pdfaProperty:category>
                  <pdfaProperty:description>The name of the embedded XML document</pdfaProperty:description>
                </rdf:li>
                <rdf:li rdf:parseType="Resource">
                  <pdfaProperty:name>DocumentType</pdfaProperty:name>
                  <pdfaProperty:valueType>Text</pdfaProperty:valueType>
                  <pdfaProperty:category>external</pdfaProperty:category>
                  <pdfaProperty:description>The type of the hybrid document in capital letters, e.g. INVOICE or ORDER</pdfaProperty:description>
                </rdf:li>
                <rdf:li rdf:parseType="Resource">
                  <pdfaProperty:name>Version</pdfaProperty:name>
                  <pdfaProperty:valueType>Text</pdfaProperty:valueType>
                  <pdfaProperty:category>external</pdfaProperty:category>
                  <pdfaProperty:description>The actual version of the standard applying to the embedded XML document</pdfaProperty:description>
                </rdf:li>
                <rdf:li rdf:parseType="Resource">
                  <pdfaProperty:name>ConformanceLevel</pdfaProperty:name>
                  <pdfaProperty:valueType>Text</pdfaProperty:valueType>
                  <pdfaProperty:category>external</pdfaProperty:category>
                  <pdfaProperty:description>The conformance level of the embedded XML document</pdfaProperty:description>
                </rdf:li>
              </rdf:Seq>
            </pdfaSchema:property>
          </rdf:li>
        </rdf:Bag>
      </pdfaExtension:schemas>
    </rdf:Description>
)";

// A PDF date of the moment, as the attachment's dates want it.
std::string pdfDatum()
{
    return QDateTime::currentDateTimeUtc().toString("'D:'yyyyMMddHHmmss'Z'").toStdString();
}

}  // namespace

QByteArray FacturXPdf::xmpFuerFacturX(const QByteArray& xmp, const QString& stufe)
{
    QString text = QString::fromUtf8(xmp);
    static const QRegularExpression attribut(R"(pdfaid:part\s*=\s*(["'])\d\1)");
    static const QRegularExpression element(R"(<pdfaid:part>\s*\d\s*</pdfaid:part>)");
    if (text.contains(attribut))
        text.replace(attribut, QStringLiteral("pdfaid:part=\"3\""));
    else if (text.contains(element))
        text.replace(element, QStringLiteral("<pdfaid:part>3</pdfaid:part>"));
    else
        return QByteArray();
    const int ende = text.lastIndexOf(QLatin1String("</rdf:RDF>"));
    if (ende < 0)
        return QByteArray();
    text.insert(ende, QString::fromUtf8(fxSchema).arg(stufe));
    return text.toUtf8();
}

QByteArray FacturXPdf::einbetten(const QByteArray& pdf, const QByteArray& xml, QString* fehler)
{
    // qpdf reports every failure by exception; none leaves this function.
    try {
        QPDF q;
        q.setSuppressWarnings(true);
        q.processMemoryFile("seiten.pdf", pdf.constData(), size_t(pdf.size()));
        QPDFObjectHandle root = q.getRoot();
        QPDFObjectHandle meta = root.getKey("/Metadata");
        if (!meta.isStream()) {
            if (fehler)
                *fehler = QStringLiteral("no XMP metadata in the pages");
            return QByteArray();
        }
        std::shared_ptr<Buffer> alt = meta.getStreamData(qpdf_dl_all);
        // The profile the XML names: XRechnung, else EN 16931.
        const bool xrechnung = xml.contains("#compliant#urn:xeinkauf.de:kosit:xrechnung_");
        const QByteArray neu = xmpFuerFacturX(
            QByteArray(reinterpret_cast<const char*>(alt->getBuffer()), qsizetype(alt->getSize())),
            xrechnung ? QStringLiteral("XRECHNUNG") : QStringLiteral("EN 16931"));
        if (neu.isEmpty()) {
            if (fehler)
                *fehler = QStringLiteral("the pages are not PDF/A");
            return QByteArray();
        }
        meta.replaceStreamData(neu.toStdString(), QPDFObjectHandle::newNull(),
                               QPDFObjectHandle::newNull());

        const std::string datum = pdfDatum();
        QPDFEFStreamObjectHelper datei =
            QPDFEFStreamObjectHelper::createEFStream(q, xml.toStdString());
        datei.setSubtype("text/xml").setCreationDate(datum).setModDate(datum);
        QPDFFileSpecObjectHelper anhang =
            QPDFFileSpecObjectHelper::createFileSpec(q, dateiName, datei);
        anhang.setDescription("Factur-X invoice");
        QPDFObjectHandle anhangObjekt = q.makeIndirectObject(anhang.getObjectHandle());
        anhangObjekt.replaceKey("/AFRelationship", QPDFObjectHandle::newName("/Alternative"));
        QPDFEmbeddedFileDocumentHelper(q).replaceEmbeddedFile(
            dateiName, QPDFFileSpecObjectHelper(anhangObjekt));
        QPDFObjectHandle af = QPDFObjectHandle::newArray();
        af.appendItem(anhangObjekt);
        root.replaceKey("/AF", af);

        QPDFWriter w(q);
        w.setOutputMemory();
        w.setMinimumPDFVersion("1.7");
        w.write();
        std::shared_ptr<Buffer> b = w.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char*>(b->getBuffer()), qsizetype(b->getSize()));
    } catch (const std::exception& e) {
        if (fehler)
            *fehler = QString::fromLocal8Bit(e.what());
    }
    return QByteArray();
}

QByteArray FacturXPdf::xmlAus(const QByteArray& pdf)
{
    try {
        QPDF q;
        q.setSuppressWarnings(true);
        q.processMemoryFile("beleg.pdf", pdf.constData(), size_t(pdf.size()));
        const auto anhang = QPDFEmbeddedFileDocumentHelper(q).getEmbeddedFile(dateiName);
        if (!anhang)
            return QByteArray();
        std::shared_ptr<Buffer> b = 
            anhang->getEmbeddedFileStream().getStreamData(qpdf_dl_all);
        return QByteArray(reinterpret_cast<const char*>(b->getBuffer()), qsizetype(b->getSize()));
    } catch (const std::exception& e) {
        qWarning() << "reading Factur-X" << e.what();
    }
    return QByteArray();
}
