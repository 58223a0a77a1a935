#ifndef AUFTRAGSSTORE_H
#define AUFTRAGSSTORE_H

#include "records/auftrag.h"
#include "records/auftragskennzahlen.h"
#include "records/zahlung.h"
#include "store/auftragsauswahl.h"
#include "store/speicherfehler.h"

#include <QDateTime>
#include <QObject>

#include <functional>

class QSqlTableModel;

// The order journal. Every write returns true exactly when it was committed.
class AuftragsStore : public QObject
{
    Q_OBJECT

public:
    explicit AuftragsStore(QObject* parent) : QObject(parent) {}

    // Told how far a long operation is (done of total); false cancels it.
    using Meldung = std::function<bool(qint64 erledigt, qint64 gesamt)>;
    // What addAuftraege did with one order.
    struct Verbleib
    {
        enum Art { Gespeichert, NummerVergeben, Abgelehnt };
        Art art = Gespeichert;
        QString grund;  // why it was refused
    };

    // Fills in record number, document number and status of a new order.
    [[nodiscard]] virtual bool addAuftrag(Auftrag& a) = 0;
    // Stores many new orders as addAuftrag does, all in one transaction, and
    // emits storeChanged() once. An order whose document number is taken in its
    // numbering (stored before or earlier in the list) is left out, and so is one
    // with a value the store refuses; verbleib gets one entry per order. When
    // meldung cancels or the database fails, nothing is stored, the orders are
    // as they were and the result is false.
    [[nodiscard]] virtual bool addAuftraege(QList<Auftrag>& liste, QList<Verbleib>& verbleib,
                                            const Meldung& meldung) = 0;
    // Rewrites a stored order. An issued one only moves its status on; any
    // other change is refused.
    [[nodiscard]] virtual bool saveAuftrag(const Auftrag& a) = 0;
    // Issues the stored order a (prepared by Ausstellung::vorbereiten): writes
    // it with its issue time, due date and status and archives datei, the
    // exact file issued, in one transaction. A credit note's invoice becomes
    // "Storniert" once the issued credit notes cover its gross; a part credited
    // lowers what is open. Refused for an order issued already.
    [[nodiscard]] virtual bool stelleAus(Auftrag& a, const QByteArray& datei) = 0;
    // The archived file of order nr; empty when it was never issued.
    virtual QByteArray archivierterBeleg(int nr) = 0;
    // How many documents are issued; -1 when the query failed.
    virtual int ausgestellteBelege() = 0;
    [[nodiscard]] virtual bool storniereAuftrag(int nr) = 0;
    virtual Auftrag getAuftrag(int nr) = 0;
    virtual QList<Auftrag> getAuftraegeByBestellNr(const QString& bestellNr) = 0;
    virtual QList<Auftrag> getAuftraegeByKunde(int kundenNr) = 0;
    virtual QList<Auftrag> getAuftraege(const QDateTime& von, const QDateTime& bis) = 0;
    virtual QList<Auftrag> getAuftraegeByAuftragsNr(int auftragsNr) = 0;
    // Every order, whatever its date (none, past or future).
    virtual QList<Auftrag> getAlleAuftraege() = 0;
    virtual QSqlTableModel* model() = 0;
    virtual QSqlTableModel* filterModel(const QDateTime& von, const QDateTime& bis) = 0;
    virtual QSqlTableModel* filterModel(int kundenNr) = 0;
    virtual int count() = 0;  // -1 when the query failed
    // Refused for an issued document and for one that is not the last of its
    // numbering series (its number is then used again), so no series has a gap.
    [[nodiscard]] virtual bool delAuftrag(int nr) = 0;

    // What the statistics need of the orders of getAuftraege(von, bis), in the
    // same order; lines only when mitZeilen. Stores that cannot do better
    // read whole orders.
    virtual QList<AuftragsKennzahlen> getAuftraegeFuerStatistik(const QDateTime& von,
                                                                const QDateTime& bis, bool mitZeilen)
    {
        QList<AuftragsKennzahlen> liste;
        for (const Auftrag& a : getAuftraege(von, bis)) {
            liste.append(AuftragsKennzahlen::aus(a));
            if (!mitZeilen)
                liste.last().Zeilen.clear();
        }
        return liste;
    }
    // True when a stored order holds a.AuftragsNr in the numbering of a: invoices
    // are numbered per kind of service, every other kind of document across both.
    virtual bool nummerVergeben(const Auftrag& a) = 0;

    // Payments against invoices. addZahlung refuses an amount of 0 or less, a
    // null date and an order that is not an invoice or is cancelled; it fills
    // in z.Nr. When nothing is open any more the invoice becomes "Bezahlt"; when
    // a removed payment opens a paid invoice again, it goes back to "Gedruckt"
    // (issued) or "Gespeichert".
    virtual bool addZahlung(Zahlung& z) = 0;
    virtual bool delZahlung(int nr) = 0;
    // The payments of invoice auftrag by date.
    virtual QList<Zahlung> getZahlungen(int auftrag) = 0;
    // Every payment, by invoice and date.
    virtual QList<Zahlung> getAlleZahlungen() = 0;
    virtual Offenposten offenposten(int auftrag) = 0;
    // The order list for w, read as the view scrolls; the caller owns it.
    virtual QSqlTableModel* listenModel(const Auftragsauswahl& w) = 0;
    // The sums of the rows listenModel(w) shows.
    virtual Auftragssummen summen(const Auftragsauswahl& w) = 0;

    // Records a reminder of level stufe (1 to 3) dated datum on each of the
    // invoices auftragsNummern, all or none; issued invoices take it too.
    [[nodiscard]] virtual bool setMahnung(const QList<int>& auftragsNummern, int stufe,
                                          const QDate& datum) = 0;

    // Why the last operation failed (Keiner after a success).
    virtual Speicherfehler letzterFehler() const { return {}; }
};

#endif
