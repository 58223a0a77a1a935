#ifndef ODSLESER_H
#define ODSLESER_H

#include <QString>
#include <QStringList>

class QStandardItemModel;
class QXmlStreamReader;

// The table of an OpenDocument spreadsheet as a model of texts: the first row
// is the header, every further row one model row, all sheets one after the
// other; empty cells hold no item. A file that cannot be read gives an empty
// model; the caller owns it.
QStandardItemModel* readODS(const QString& fileName);

// Reads content.xml row by row. Memory and time follow the cells that hold
// something: the runs of empty cells and rows that spreadsheet programs write
// up to their last column and row are counted, not built.
class OdsLeser
{
public:
    explicit OdsLeser(QStandardItemModel* model) : m_model(model) {}

    void lies(QXmlStreamReader& r);

    // The displayed text of the cell whose start tag the reader stands on:
    // paragraphs joined by line feeds, spaces, tabs and line breaks included.
    static QString zellText(QXmlStreamReader& r);

private:
    QStringList leseZeile(QXmlStreamReader& r) const;
    void zeile(const QStringList& texte);

    QStandardItemModel* m_model;
    int m_zeilen = 0;   // rows passed to the model, the header included
    int m_breite = 0;   // columns of the header
};

#endif
