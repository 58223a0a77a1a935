#include "print/printpreview.h"

#include <QHBoxLayout>
#include <QPrintPreviewWidget>
#include <QToolButton>
#include <QVBoxLayout>

PrintPreview::PrintPreview(QPrinter* printer, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Vorschau"));
    setMinimumSize(600, 800);

    m_vorschau = new QPrintPreviewWidget(printer, this);
    auto* plus = new QToolButton(this);
    plus->setText("+");
    auto* minus = new QToolButton(this);
    minus->setText("-");

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(plus);
    knoepfe->addWidget(minus);
    knoepfe->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addLayout(knoepfe);
    layout->addWidget(m_vorschau);

    m_vorschau->fitToWidth();
    connect(m_vorschau, &QPrintPreviewWidget::paintRequested, this, &PrintPreview::paintRequested);
    connect(plus, &QToolButton::clicked, m_vorschau, [this] { m_vorschau->zoomIn(); });
    connect(minus, &QToolButton::clicked, m_vorschau, [this] { m_vorschau->zoomOut(); });
}
