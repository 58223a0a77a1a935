# Seed files for fuzz_odsleser: small spreadsheets, content.xml stored unpacked
# so that the mutations reach the XML.
import sys
import zipfile

kopf = ('<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
        'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
        'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"><office:body><office:spreadsheet>'
        '<table:table>')
fuss = '</table:table></office:spreadsheet></office:body></office:document-content>'
zeilen = [
    '<table:table-row><table:table-cell><text:p>Nr</text:p></table:table-cell>'
    '<table:table-cell><text:p>Preis</text:p></table:table-cell></table:table-row>'
    '<table:table-row><table:table-cell><text:p>P1</text:p></table:table-cell>'
    '<table:table-cell office:value-type="currency" office:value="99.9"><text:p>99,90 €</text:p>'
    '</table:table-cell></table:table-row>',
    '<table:table-row table:number-rows-repeated="3"><table:table-cell table:number-columns-repeated="4">'
    '<text:p>a<text:s text:c="3"/>b<text:tab/><text:line-break/></text:p><text:p>c</text:p>'
    '</table:table-cell><table:covered-table-cell/></table:table-row>'
    '<table:table-row table:number-rows-repeated="1048576"><table:table-cell '
    'table:number-columns-repeated="16384"/></table:table-row>',
    '<table:table-row><table:table-cell office:value-type="percentage" office:value="0.19"/>'
    '<table:table-cell><text:p><text:span>x</text:span>y<office:annotation><text:p>n</text:p>'
    '</office:annotation></text:p></table:table-cell></table:table-row>',
]
for i, z in enumerate(zeilen):
    for art in (zipfile.ZIP_STORED, zipfile.ZIP_DEFLATED):
        with zipfile.ZipFile(f'{sys.argv[1]}/seed{i}_{art}.ods', 'w', art) as f:
            f.writestr('mimetype', 'application/vnd.oasis.opendocument.spreadsheet')
            f.writestr('content.xml', kopf + z + fuss)
