#ifndef ODSLESER_H
#define ODSLESER_H

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QXmlStreamReader>

#include <functional>

class QStandardItemModel;

// The table of an OpenDocument spreadsheet as a model of texts: the first row
// is the header, every further row one model row, all sheets one after the
// other; empty cells hold no item, numeric cells also their exact number (in
// OdsLeser::WertRolle). A file that is no such package gives an empty model; one
// that cannot be read whole, or beyond the bounds of OdsLeser, an empty model
// and in *fehler the reason, naming the file. weiter(done, total) is told the
// progress and cancels by returning false (an empty model, no fehler). The
// caller owns the model.
QStandardItemModel* readODS(const QString& fileName, QString* fehler = nullptr,
                            const std::function<bool(qint64, qint64)>& weiter = {});

// Reads content.xml row by row. Memory and time follow the cells that hold
// something: the runs of empty cells and rows that spreadsheet programs write
// up to their last column and row are counted, not built, and empty rows at
// the end are left out. A table beyond the bounds is refused before it is built.
class OdsLeser
{
    Q_DECLARE_TR_FUNCTIONS(OdsLeser)

public:
    // The cells a table may take in the model, header included.
    static constexpr qint64 maxZellen = 1000000;
    // The characters of one cell.
    static constexpr int maxZeichen = 100000;
    // The role of a float, currency or percentage cell's number ("office:value").
    static constexpr int WertRolle = Qt::UserRole;

    enum Fehler { Keiner, Xml, ZuVieleZellen, ZelleZuLang, Abgebrochen };

    explicit OdsLeser(QStandardItemModel* model) : m_model(model) {}

    // Reads the document; false when it stopped early (fehler() says why), the model then incomplete.
    // weiter is told the characters read of gesamt.
    bool lies(QXmlStreamReader& r, qint64 gesamt = 0, const std::function<bool(qint64, qint64)>& weiter = {});
    Fehler fehler() const { return m_fehler; }

private:
    struct Zelle
    {
        QString text;
        double wert = 0;
        bool hatWert = false;
    };

    // Reading goes on: no end, no XML error, no bound passed.
    bool laeuft(const QXmlStreamReader& r) const { return !r.atEnd() && !r.hasError() && m_fehler == Keiner; }
    QList<Zelle> leseZeile(QXmlStreamReader& r);
    Zelle leseZelle(QXmlStreamReader& r);
    QString zellText(QXmlStreamReader& r);
    // Passes the row, mal times, to the model; the first row read is the header.
    void zeilen(const QList<Zelle>& zellen, qint64 mal);

    QStandardItemModel* m_model;
    qint64 m_zeilen = 0;        // rows read, the header included
    int m_breite = 0;           // columns of the header
    qint64 m_leereZeilen = 0;   // empty rows not yet in the model: left out unless content follows
    Fehler m_fehler = Keiner;
};

#endif
