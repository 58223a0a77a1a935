#include "exchange/fortschritt.h"

#include <QCoreApplication>
#include <QProgressDialog>

Fortschritt::Fortschritt(QWidget* parent, const QString& titel)
    : m_dialog(std::make_unique<QProgressDialog>(titel, QProgressDialog::tr("Abbrechen"), 0, 0, parent))
{
    m_dialog->setWindowTitle(titel);
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(500);
    m_dialog->setAutoReset(false);
    m_dialog->setAutoClose(false);
}

Fortschritt::~Fortschritt() = default;

bool Fortschritt::melde(qint64 erledigt, qint64 gesamt)
{
    // QProgressDialog counts in int; files of more rows are shown in steps.
    const qint64 teiler = gesamt > 1000000 ? gesamt / 1000000 + 1 : 1;
    m_dialog->setMaximum(int(gesamt / teiler));
    m_dialog->setValue(int(qMin(erledigt, gesamt) / teiler));
    QCoreApplication::processEvents();
    return !m_dialog->wasCanceled();
}

Fortschritt::Meldung Fortschritt::meldung()
{
    return [this](qint64 erledigt, qint64 gesamt) { return melde(erledigt, gesamt); };
}

Fortschritt::Meldung Fortschritt::ohne()
{
    return [](qint64, qint64) { return true; };
}

Fortschritt::Meldung Fortschritt::merkend(const Meldung& weiter, bool& abgebrochen)
{
    return [weiter, &abgebrochen](qint64 erledigt, qint64 gesamt) {
        abgebrochen = weiter && !weiter(erledigt, gesamt);
        return !abgebrochen;
    };
}
