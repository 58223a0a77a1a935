#include "windows/kundendialog.h"

#include "platform/einstellung.h"
#include "platform/interaktion.h"
#include "store/kundenstore.h"
#include "windows/eingabeschutz.h"
#include "windows/kundenwidget.h"
#include "windows/speicherhinweis.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

KundenDialog::KundenDialog(QWidget* parent) : QDialog(parent)
{
    m_form = new KundenWidget(this);
    m_okay = neuerKnopf(tr("Okay"));
    m_abbrechen = neuerKnopf(tr("Abbrechen"));
    m_zeigeRechnungen = neuerKnopf(tr("Zeige Rechnungen"));
    m_neueRechnung = neuerKnopf(tr("Neue Rechnung"));
    m_email = neuerKnopf(tr("Email"));

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(m_okay);
    knoepfe->addWidget(m_abbrechen);
    knoepfe->addSpacing(20);
    knoepfe->addWidget(m_zeigeRechnungen);
    knoepfe->addWidget(m_neueRechnung);
    knoepfe->addWidget(m_email);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_form);
    layout->addLayout(knoepfe);

    kunde_changed(false);
    // Closes only when the customer was stored; a refused number or a failed
    // write keeps everything the user typed.
    connect(m_okay, &QPushButton::pressed, this, [this] {
        if (save())
            accept();
    });
    connect(m_abbrechen, &QPushButton::pressed, this, &QDialog::reject);
    connect(m_neueRechnung, &QPushButton::pressed, this,
            qOverload<>(&KundenDialog::neueRechnung));
    connect(m_zeigeRechnungen, &QPushButton::pressed, this,
            qOverload<>(&KundenDialog::listRechnungen));
    connect(m_email, &QPushButton::pressed, this, &KundenDialog::sendEmail);
    connect(m_form, &KundenWidget::input_changed, this, &KundenDialog::kunde_changed);
    connect(m_form, &KundenWidget::changed, this, &KundenDialog::data_changed);
    setWindowTitle(tr("Neuer Kunde"));

    const QSize groesse = m_settings.value(Einstellung::fenster(staticMetaObject,
        Einstellung::Groesse)).toSize();
    if (groesse.isValid())
        resize(groesse);
}

KundenDialog::~KundenDialog()
{
    m_settings.setValue(Einstellung::fenster(staticMetaObject, Einstellung::Groesse), size());
}

QPushButton* KundenDialog::neuerKnopf(const QString& text)
{
    auto* knopf = new QPushButton(text, this);
    knopf->setAutoDefault(false);
    knopf->setDefault(false);
    return knopf;
}

void KundenDialog::setStore(KundenStore* store)
{
    m_store = store;
    m_form->setStore(store);
}

void KundenDialog::setReadOnly()
{
    m_readOnly = true;
    m_form->setEnabled(false);
    m_okay->setEnabled(false);
    m_zeigeRechnungen->setEnabled(false);
    m_neueRechnung->setEnabled(false);
}

void KundenDialog::setKunde(const Kunde& k)
{
    m_form->setKunde(k);
    setWindowTitle(tr("Kundendetails für %1").arg(k.Firma + " " + k.Name));
    m_modified = false;
}

void KundenDialog::reject()
{
    if (m_modified && !m_readOnly && !Eingabeschutz::verwerfen(this))
        return;
    QDialog::reject();
}

void KundenDialog::kunde_changed(bool ok)
{
    m_email->setEnabled(ok);
    // Read-only keeps its commands disabled whatever is loaded afterwards.
    ok = ok && !m_readOnly;
    m_okay->setEnabled(ok);
    m_zeigeRechnungen->setEnabled(ok);
    m_neueRechnung->setEnabled(ok);
}

void KundenDialog::data_changed()
{
    m_modified = true;
}

bool KundenDialog::save()
{
    if (m_readOnly)
        return true;
    if (!m_store) {
        qWarning() << "KundenDialog: no customer store";
        Interaktion::instance()->warning(this, tr("Kunde speichern"),
                                         tr("Der Kunde kann nicht gespeichert werden."));
        return false;
    }
    const Kunde k = m_form->kunde();
    return m_form->isNew() ? speichereNeu(k) : speichereAenderung(k);
}

bool KundenDialog::speichereAenderung(const Kunde& k)
{
    if (m_modified) {
        const auto antwort = Interaktion::instance()->question(
            this, tr("Kundenänderungen speichern"),
            tr("Sollen die Änderungen an diesem Kunden\nwirklich gespeichert werden?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        Speicherhinweis::Antwort weiter = Speicherhinweis::Aufgeben;
        if (antwort == QMessageBox::Yes
            && !Speicherhinweis::wiederhole(
                this, tr("Kundenänderungen speichern"),
                tr("Die Änderungen an diesem Kunden konnten nicht gespeichert werden."), m_store,
                [&] { return m_store->saveKunde(k); }, &weiter)) {
            if (weiter == Speicherhinweis::NeuLaden)
                setKunde(m_store->getKunde(k.Nr));
            return false;
        }
    }
    setKunde(k);
    return true;
}

bool KundenDialog::speichereNeu(Kunde k)
{
    const Kunde vorhanden = m_store->getKunde(k.Nr);
    qDebug() << "knr" << vorhanden.Nr;
    if (k.Nr != 0 && k.Nr == vorhanden.Nr) {
        Interaktion::instance()->warning(
            this, tr("Neuer Kunde"), tr("KundenNr bereits verwendet!\nDer Kunde wird nicht gespeichert"));
        auto* nummer = m_form->findChild<QLineEdit*>("KundenNr");
        nummer->setFocus(Qt::OtherFocusReason);
        nummer->selectAll();
        return false;
    }
    if (!Speicherhinweis::wiederhole(this, tr("Neuer Kunde"),
                                     tr("Der neue Kunde konnte nicht gespeichert werden."), m_store,
                                     [&] { return m_store->addKunde(k); }))
        return false;
    setKunde(k);
    return true;
}

std::optional<Kunde> KundenDialog::gespeicherterKunde()
{
    // A customer whose number was refused or whose write failed is not handed on.
    if (!save())
        return std::nullopt;
    const Kunde k = m_form->kunde();
    accept();
    return k;
}

void KundenDialog::neueRechnung()
{
    if (const auto k = gespeicherterKunde())
        emit neueRechnung(*k);
}

void KundenDialog::listRechnungen()
{
    if (const auto k = gespeicherterKunde())
        emit listRechnungen(*k);
}

void KundenDialog::sendEmail()
{
    if (const auto k = gespeicherterKunde())
        emit email(*k);
}
