#ifndef DRUCKER_H
#define DRUCKER_H

#include "records/auftrag.h"

#include <QObject>
#include <QSettings>
#include <QTextCharFormat>

class QPaintDevice;
class QPainter;
class QPrinter;
class QTextCursor;
class QTextDocument;
class QTextTable;

// Renders one order as the invoice layout "fr_1" on any printer device: paper,
// PDF or a preview widget's printer. The German layout derives from it, so a
// caller holding a Drucker* can use either.
class Drucker : public QObject
{
    Q_OBJECT

public:
    explicit Drucker(QObject* parent = nullptr);

    const Auftrag& auftrag() const { return m_auftrag; }

public slots:
    void setAuftrag(const Auftrag& a);
    void clear();
    // Paints all pages of the current order on printer; false when the device
    // could not be opened or a page could not be started.
    virtual bool print(QPrinter* printer);
    // New documents owned by this renderer; the caller may delete them.
    virtual QTextDocument* getDocument(QPrinter* printer = nullptr);
    QTextDocument* getDocument2(QPrinter* printer = nullptr);

protected:
    static QTextCharFormat schrift(double punkte, bool fett = false);
    // A new document with the logo registered as "data:logo.png".
    QTextDocument* neuesDokument();
    static void zelle(QTextTable* t, int zeile, int spalte, const QString& text,
                      const QTextCharFormat& format, bool rechts = false);
    // Device pixels per layout pixel: the documents are laid out at screen
    // resolution, so a high-resolution printer gets the same page, only finer.
    static double skalierung(QPaintDevice* geraet);
    // The resolution the documents are laid out in (the screen's, else 96).
    static double layoutDpi();
    // Ends the building of doc: closes the edit block, no margin round the page.
    static void abschliessen(QTextDocument* doc, QTextCursor& c);
    // Opens painter on printer, scaled to layout pixels, and gives the page
    // size in layout pixels; false (logged) when the device cannot be opened.
    bool beginne(QPainter& painter, QPrinter* printer, double& breite, double& hoehe) const;

    Auftrag m_auftrag;
    QSettings m_settings;

private:
    QTextDocument* dokumentKopf(const QString& titel, QTextCursor& cursor);
    QString zahlungsText() const;
    static void produktZelle(QTextTable* t, int zeile, const AuftragsLine& l);
    static void summenAbstand(QTextCursor& c);
    void zahlungsZeile(QTextTable* t, int zeile, int letzteSpalte);
};

#endif
