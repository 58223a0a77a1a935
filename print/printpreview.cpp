#include "print/printpreview.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QToolButton* knopf(QWidget* parent, const QString& text, const QString& tipp,
                   const QKeySequence& taste = {})
{
    auto* b = new QToolButton(parent);
    b->setText(text);
    b->setToolTip(tipp);
    b->setShortcut(taste);
    b->setAutoRaise(true);
    return b;
}

}  // namespace

PrintPreview::PrintPreview(QPrinter* printer, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Vorschau"));
    setMinimumSize(600, 800);

    m_vorschau = new QPrintPreviewWidget(printer, this);
    auto* drucken = knopf(this, tr("&Drucken…"), tr("Drucken"), QKeySequence::Print);
    auto* pdf = knopf(this, tr("Als &PDF speichern…"), tr("Als PDF speichern"), QKeySequence::Save);
    // Named so that scripts and tests find them.
    drucken->setObjectName(QStringLiteral("drucken"));
    pdf->setObjectName(QStringLiteral("pdf"));
    m_erste = knopf(this, QStringLiteral("|◀"), tr("Erste Seite"));
    m_vorige = knopf(this, QStringLiteral("◀"), tr("Vorige Seite"));
    m_naechste = knopf(this, QStringLiteral("▶"), tr("Nächste Seite"));
    m_letzte = knopf(this, QStringLiteral("▶|"), tr("Letzte Seite"));
    m_seite = new QSpinBox(this);
    m_seite->setRange(1, 1);
    m_seite->setToolTip(tr("Seite"));
    m_anzahl = new QLabel(this);
    auto* plus = knopf(this, QStringLiteral("+"), tr("Vergrößern"), QKeySequence::ZoomIn);
    auto* minus = knopf(this, QStringLiteral("-"), tr("Verkleinern"), QKeySequence::ZoomOut);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(drucken);
    knoepfe->addWidget(pdf);
    knoepfe->addSpacing(20);
    knoepfe->addWidget(m_erste);
    knoepfe->addWidget(m_vorige);
    knoepfe->addWidget(m_seite);
    knoepfe->addWidget(m_anzahl);
    knoepfe->addWidget(m_naechste);
    knoepfe->addWidget(m_letzte);
    knoepfe->addSpacing(20);
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
    connect(m_vorschau, &QPrintPreviewWidget::previewChanged, this, &PrintPreview::zeigeSeiten);
    connect(drucken, &QToolButton::clicked, this, &PrintPreview::drucken);
    connect(pdf, &QToolButton::clicked, this, &PrintPreview::pdfSpeichern);
    connect(m_erste, &QToolButton::clicked, m_vorschau, [this] { m_vorschau->setCurrentPage(1); });
    connect(m_vorige, &QToolButton::clicked, m_vorschau,
            [this] { m_vorschau->setCurrentPage(m_vorschau->currentPage() - 1); });
    connect(m_naechste, &QToolButton::clicked, m_vorschau,
            [this] { m_vorschau->setCurrentPage(m_vorschau->currentPage() + 1); });
    connect(m_letzte, &QToolButton::clicked, m_vorschau,
            [this] { m_vorschau->setCurrentPage(m_vorschau->pageCount()); });
    connect(m_seite, &QSpinBox::valueChanged, m_vorschau, &QPrintPreviewWidget::setCurrentPage);
    connect(plus, &QToolButton::clicked, m_vorschau, [this] { m_vorschau->zoomIn(); });
    connect(minus, &QToolButton::clicked, m_vorschau, [this] { m_vorschau->zoomOut(); });
}

void PrintPreview::zeigeSeiten()
{
    // Called after every repaint and scroll: page count and current page follow the view.
    const int anzahl = std::max(1, m_vorschau->pageCount());
    const int seite = std::clamp(m_vorschau->currentPage(), 1, anzahl);
    {
        const QSignalBlocker still(m_seite);
        m_seite->setRange(1, anzahl);
        m_seite->setValue(seite);
    }
    m_anzahl->setText(tr("von %1").arg(anzahl));
    m_erste->setEnabled(seite > 1);
    m_vorige->setEnabled(seite > 1);
    m_naechste->setEnabled(seite < anzahl);
    m_letzte->setEnabled(seite < anzahl);
}
