#include "windows/auftragsliste.h"

#include "platform/interaktion.h"
#include "delegates/formateddatetimedelegate.h"
#include "delegates/formateddoubledelegate.h"
#include "delegates/stringlistdelegate.h"
#include "records/codetabellen.h"
#include "store/auftragsstore.h"
#include "windows/auftragsaktionen.h"
#include "windows/spaltentitel.h"

#include <QCoreApplication>

#include <algorithm>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QSettings>
#include <QSqlTableModel>
#include <QTableView>

int AuftragsListe::spalte(QTableView* view, const char* name)
{
    const auto* model = qobject_cast<const QSqlTableModel*>(view->model());
    return model ? model->fieldIndex(QString::fromLatin1(name)) : -1;
}

void AuftragsListe::richteEin(QTableView* view, QWidget* parent)
{
    view->setSortingEnabled(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setAlternatingRowColors(true);
    auto* summe = new FormatedDoubleDelegate(QCoreApplication::translate("AuftragsListe", "%1 €"), 2);
    summe->setParent(parent);
    auto* eingang = new FormatedDateTimeDelegate("dd.MM.yyyy hh:mm:ss");
    eingang->setParent(parent);
    view->setItemDelegateForColumn(Summe, summe);
    view->setItemDelegateForColumn(Eingang, eingang);
    // The amounts and the due date of the order list, where its model has them.
    for (const char* betrag : {"Brutto", "Offen"}) {
        if (spalte(view, betrag) >= 0)
            view->setItemDelegateForColumn(spalte(view, betrag), summe);
    }
    for (const char* datum : {"Faellig", "Gemahnt"}) {
        if (spalte(view, datum) < 0)
            continue;
        auto* tag = new FormatedDateTimeDelegate("dd.MM.yyyy");
        tag->setParent(parent);
        view->setItemDelegateForColumn(spalte(view, datum), tag);
    }
    if (spalte(view, "Ausgestellt") >= 0) {
        auto* ausgestellt = new FormatedDateTimeDelegate("dd.MM.yyyy hh:mm");
        ausgestellt->setParent(parent);
        view->setItemDelegateForColumn(spalte(view, "Ausgestellt"), ausgestellt);
    }
    view->setItemDelegateForColumn(Status, new StringListDelegate(CodeTabellen::auftragsStatus(), parent));
    view->setItemDelegateForColumn(Typ,
                                   new StringListDelegate(CodeTabellen::auftragsarten(), parent));
    view->setItemDelegateForColumn(Zahlung, new StringListDelegate(CodeTabellen::zahlungsarten(), parent));
    view->setItemDelegateForColumn(Dienst,
                                   new StringListDelegate(CodeTabellen::dienstTypen(), parent));
}

void AuftragsListe::setzeSpalten(QTableView* view, QSettings& settings, const QString& key)
{
    view->setColumnWidth(Nr, 50);
    // Wide enough for the title, which the narrower column cut off.
    const QString titel = view->model() ? view->model()->headerData(AuftragsNr, Qt::Horizontal).toString()
                                        : QString();
    view->setColumnWidth(AuftragsNr, std::max(80, view->fontMetrics().horizontalAdvance(titel) + 24));
    view->setColumnWidth(Ort, 50);
    // Wide enough for "dd.MM.yyyy hh:mm:ss", which 50 pixels cut off.
    view->setColumnWidth(Eingang, view->fontMetrics().horizontalAdvance("00.00.0000 00:00:00 ") + 12);
    // The last column takes what the window gives beyond the others.
    view->horizontalHeader()->setStretchLastSection(true);
    const QByteArray state = settings.value(key).toByteArray();
    if (!state.isEmpty())
        view->horizontalHeader()->restoreState(state);
}

void AuftragsListe::ersetzeModel(QTableView* view, QSqlTableModel*& current, QSqlTableModel* neu)
{
    QItemSelectionModel* auswahl = view->selectionModel();
    Spaltentitel::setze(neu);
    view->setModel(neu);
    // setModel() leaves the old selection model to the caller.
    if (auswahl && auswahl != view->selectionModel())
        delete auswahl;
    delete current;
    current = neu;
}

int AuftragsListe::nrUnter(QTableView* view, const QPoint& p, int spalte)
{
    const QModelIndex index = view->indexAt(p);
    if (!index.isValid())
        return 0;
    return index.sibling(index.row(), spalte).data().toInt();
}

QMenu* AuftragsListe::statusMenu(QMenu* menu, int letzter)
{
    QMenu* sub = menu->addMenu(QCoreApplication::translate("AuftragsListe", "Status setzen"));
    const QStringList namen = CodeTabellen::auftragsStatus();
    for (int s = AuftragsStatus::Gespeichert; s <= letzter && s < namen.size(); ++s)
        sub->addAction(namen.at(s))->setData(s);
    return sub;
}

void AuftragsListe::setzeStatus(AuftragsStore* store, Auftrag a, int status, QWidget* parent)
{
    if (!store)
        return;
    a.Status = status;
    // An order deleted meanwhile comes back as a default record.
    if (a.Nr < 1 || !store->saveAuftrag(a))
        Interaktion::instance()->warning(
            parent, QCoreApplication::translate("AuftragsListe", "Status setzen"),
            QCoreApplication::translate("AuftragsListe",
                                        "Der Status des Auftrags konnte nicht gespeichert werden."));
}

void AuftragsListe::kontextMenu(QTableView* view, const QPoint& p, AuftragsStore* store,
                                AuftragsAktionen* aktionen, const QList<AuftragsBefehl>& befehle,
                                int letzterStatus)
{
    const int nr = nrUnter(view, p);
    if (nr <= 0 || !store)
        return;
    const Auftrag a = store->getAuftrag(nr);
    aktionen->waehle(a);
    QMenu menu(view);
    aktionen->fuelle(&menu, befehle);
    QMenu* status = statusMenu(&menu, letzterStatus);
    // The order commands answer through their actions while the menu runs.
    QAction* gewaehlt = menu.exec(view->viewport()->mapToGlobal(p));
    if (gewaehlt && status->actions().contains(gewaehlt))
        setzeStatus(store, a, gewaehlt->data().toInt(), view);
}
