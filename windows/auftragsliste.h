#ifndef AUFTRAGSLISTE_H
#define AUFTRAGSLISTE_H

#include "records/auftrag.h"
#include "records/auftragsbefehl.h"

#include <QStringList>

class AuftragsAktionen;
class AuftragsStore;
class QMenu;
class QPoint;
class QSettings;
class QSqlTableModel;
class QTableView;
class QWidget;

// What the order list and the customer's orders have in common: both show the
// store's table "auftrag" with the same column display and status commands.
class AuftragsListe
{
public:
    enum Spalte { Nr = 0, AuftragsNr = 1, KundenNr = 2, Ort = 7, Summe = 9, Eingang = 10,
                  Status = 12, Typ = 13, Zahlung = 14, Dienst = 16 };

    // The column of that name in view's model; -1 where there is none.
    static int spalte(QTableView* view, const char* name);
    // Sorting, whole rows, alternating colours and the column delegates,
    // created with parent as their parent; the issue date shows which
    // documents are issued and final.
    static void richteEin(QTableView* view, QWidget* parent);
    // The fixed widths, then the header state stored under key, if any.
    static void setzeSpalten(QTableView* view, QSettings& settings, const QString& key);
    // Puts model on view and deletes the model and selection it showed before.
    static void ersetzeModel(QTableView* view, QSqlTableModel*& current, QSqlTableModel* neu);
    // The record number of the row under p in view's coordinates; 0 for none.
    static int nrUnter(QTableView* view, const QPoint& p, int spalte = Nr);
    // The submenu "Status setzen" with the entries for status 1 to letzter.
    static QMenu* statusMenu(QMenu* menu, int letzter);
    // Sets the status of the fetched order a and writes it; warns when that failed.
    static void setzeStatus(AuftragsStore* store, Auftrag a, int status, QWidget* parent);
    // The context menu of the order under p: its commands from aktionen, then
    // the statuses up to letzterStatus, one chosen written at once. None below the rows.
    static void kontextMenu(QTableView* view, const QPoint& p, AuftragsStore* store, AuftragsAktionen* aktionen,
                            const QList<AuftragsBefehl>& befehle, int letzterStatus);
};

#endif
