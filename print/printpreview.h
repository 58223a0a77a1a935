#ifndef PRINTPREVIEW_H
#define PRINTPREVIEW_H

#include <QDialog>

class QPrinter;
class QPrintPreviewWidget;

// The print preview of one order, with zoom buttons.
class PrintPreview : public QDialog
{
    Q_OBJECT

public:
    PrintPreview(QPrinter* printer, QWidget* parent);

    QPrintPreviewWidget* vorschau() const { return m_vorschau; }

signals:
    void paintRequested(QPrinter* printer);

private:
    QPrintPreviewWidget* m_vorschau;
};

#endif
