#ifndef PRINTPREVIEW_H
#define PRINTPREVIEW_H

#include <QDialog>

class QLabel;
class QPrinter;
class QPrintPreviewWidget;
class QSpinBox;
class QToolButton;

// The print preview of one order: print, save as PDF, move between pages, zoom.
// Printing and saving are left to the owner, which prints and saves orders
// the same way from everywhere.
class PrintPreview : public QDialog
{
    Q_OBJECT

public:
    PrintPreview(QPrinter* printer, QWidget* parent);

    QPrintPreviewWidget* vorschau() const { return m_vorschau; }
    QSpinBox* seite() const { return m_seite; }

signals:
    void paintRequested(QPrinter* printer);
    void drucken();
    void pdfSpeichern();

private:
    void zeigeSeiten();

    QPrintPreviewWidget* m_vorschau;
    QSpinBox* m_seite;
    QLabel* m_anzahl;
    QToolButton* m_erste;
    QToolButton* m_vorige;
    QToolButton* m_naechste;
    QToolButton* m_letzte;
};

#endif
