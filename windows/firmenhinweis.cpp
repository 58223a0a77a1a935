#include "windows/firmenhinweis.h"

#include "platform/einstellung.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

Firmenhinweis::Firmenhinweis(QWidget* parent)
    : QFrame(parent), m_knopf(new QPushButton(tr("&Firmendaten eingeben…"), this))
{
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(255, 244, 206));
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);

    auto* text = new QLabel(tr("Bitte tragen Sie zuerst die Daten Ihrer Firma ein: Name, Anschrift "
                               "und Bankverbindung stehen im Briefkopf jeder Rechnung."), this);
    text->setWordWrap(true);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(text, 1);
    layout->addWidget(m_knopf);
    m_knopf->setAutoDefault(false);
    connect(m_knopf, &QPushButton::clicked, this, &Firmenhinweis::firmaEingeben);
    aktualisiere();
}

void Firmenhinweis::aktualisiere()
{
    const bool fehlt = Einstellung::text(Einstellung::FirmaFirma).trimmed().isEmpty()
                       || Einstellung::text(Einstellung::FirmaOrt).trimmed().isEmpty();
    setVisible(fehlt);
}
