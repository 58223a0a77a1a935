#include "store/sqlauftragsstore.h"

#include "platform/einstellung.h"
#include "records/codetabellen.h"
#include "store/auftragslistenmodell.h"
#include "store/ausstellung.h"
#include "store/datenbank.h"
#include "store/listenmodell.h"
#include "store/sqlkundenstore.h"

#include <QDebug>
#include <QHash>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QVariant>

#include <map>
#include <optional>

namespace {

double summeDerZeilen(const Auftrag& a)
{
    double s = 0.0;
    for (const AuftragsLine& l : a.Zeilen)
        s += l.Preis;
    return s;
}

// Date-times are stored as ISO 8601 text (SQLite) or as timestamps
// (PostgreSQL); the text compares right with both, exactly at both ends.
QVariant isoText(const QDateTime& dt)
{
    return dt.isValid() ? QVariant(dt.toString(Qt::ISODate)) : QVariant();
}

void bindAuftragsZeile(QSqlQuery& q, const Auftrag& a)
{
    q.bindValue(":knr", a.Kunde.Nr);
    q.bindValue(":firma", a.Kunde.Firma);
    q.bindValue(":name", a.Kunde.Name);
    q.bindValue(":strasse", a.Kunde.Strasse);
    q.bindValue(":plz", a.Kunde.PLZ);
    q.bindValue(":ort", a.Kunde.Ort);
    q.bindValue(":bemerkung", a.Kunde.Bemerkung);
    q.bindValue(":summe", summeDerZeilen(a));
    q.bindValue(":eingang", isoText(a.Eingang));
    q.bindValue(":lieferung", isoText(a.Lieferung));
    q.bindValue(":status", a.Status);
    q.bindValue(":typ", a.Typ);
    q.bindValue(":zahl", a.Zahlung);
    q.bindValue(":bestell", a.BestellNr);
    q.bindValue(":dienst", a.Dienst);
    q.bindValue(":komentar", a.Komentar);
    q.bindValue(":lieferanschrift", a.Lieferanschrift);
}

Auftrag auftragFromQuery(const QSqlQuery& q)
{
    const QSqlRecord r = q.record();
    Auftrag a;
    a.Nr = r.value("Nr").toInt();
    a.Typ = r.value("Typ").toInt();
    a.Zahlung = r.value("Zahlung").toInt();
    a.Dienst = r.value("Dienst").toInt();
    // Older journals kept a number here, 0 for none.
    a.BestellNr = r.value("BestellNr").toString();
    if (a.BestellNr == QLatin1String("0"))
        a.BestellNr.clear();
    a.Status = r.value("Status").toInt();
    a.AuftragsNr = r.value("AuftragsNr").toInt();
    a.Summe = r.value("Summe").toDouble();
    a.Eingang = r.value("Eingang").toDateTime();
    a.Lieferung = r.value("Lieferung").toDateTime();
    a.Komentar = r.value("Komentar").toString();
    a.Lieferanschrift = r.value("Lieferanschrift").toString();
    a.BelegNr = r.value("BelegNr").toString();
    a.Ausgestellt = r.value("Ausgestellt").toDateTime();
    a.Faellig = r.value("Faellig").toDate();
    a.Mahnstufe = r.value("Mahnstufe").toInt();
    a.Gemahnt = r.value("Gemahnt").toDate();
    a.Bezug = r.value("Bezug").toInt();
    a.Kunde.Nr = r.value("KundenNr").toInt();
    a.Kunde.Firma = r.value("Firma").toString();
    a.Kunde.Name = r.value("Name").toString();
    a.Kunde.Strasse = r.value("Strasse").toString();
    a.Kunde.PLZ = r.value("PLZ").toString();
    a.Kunde.Ort = r.value("Ort").toString();
    a.Kunde.Bemerkung = r.value("Bemerkung").toString();
    return a;
}

// The columns of a line as zeileAus() reads them; the comment, which the
// statistics do not need, follows where asked for.
const char* const ZeilenSpalten =
    "l.[Auftrag],l.[Anzahl],l.[ProduktNr],l.[Produkt],l.[Preis],l.[Kategorie],l.[Satz],l.[Einheit]";

AuftragsLine zeileAus(const QSqlQuery& l, bool mitKommentar)
{
    AuftragsLine zeile;
    zeile.Anzahl = l.value(1).toDouble();
    zeile.ProduktNr = l.value(2).toString();
    zeile.Produkt = l.value(3).toString();
    zeile.Preis = l.value(4).toDouble();
    zeile.Kategorie = l.value(5).toString();
    zeile.Satz = l.value(6).toDouble();
    zeile.Einheit = l.value(7).toString();
    if (mitKommentar)
        zeile.Komentar = l.value(8).toString();
    return zeile;
}

// The type PostgreSQL reports for a column ("integer", "double precision").
QString spaltenTyp(const QSqlDatabase& db, const QString& tabelle, const QString& spalte)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("select data_type from information_schema.columns where "
                             "table_schema=current_schema() and table_name=:t and column_name=:s"));
    q.bindValue(QStringLiteral(":t"), tabelle);
    q.bindValue(QStringLiteral(":s"), spalte);
    return q.exec() && q.next() ? q.value(0).toString() : QString();
}

void bindZahlung(QSqlQuery& q, int auftrag, const Zahlung& z)
{
    q.bindValue(":auftrag", auftrag);
    q.bindValue(":datum", z.Datum.toString(Qt::ISODate));
    q.bindValue(":betrag", z.Betrag.euro());
    q.bindValue(":art", z.Art);
    q.bindValue(":referenz", z.Referenz);
}

const char* const insertLineStatement =
    "insert into auftragslines ([Auftrag],[Anzahl],[ProduktNr],[Produkt],[Preis],[Komentar],"
    "[Kategorie],[Satz],[Einheit]) values (:nr,:menge,:pnr,:produkt,:preis,:komentar,:kat,:satz,:einheit)";

// PostgreSQL: one insert of all the lines of an order, one round trip to the
// server where each line took one. Each line's placeholders are followed by
// its index ("_0"); the order's number is nr (a placeholder or an expression).
QString insertLinesStatement(int zeilen, const QString& nr)
{
    static const QRegularExpression platz(":(\\w+)");
    static const QRegularExpression nummer(":nr\\b");
    const QString zeile = insertLineStatement;
    const qsizetype werte = zeile.indexOf(" values ");
    QStringList tupel;
    for (int i = 0; i < zeilen; ++i)
        tupel << zeile.mid(werte + 8).replace(nummer, "$nr").replace(platz, QString(":\\1_%1").arg(i));
    return zeile.left(werte) + " values " + tupel.join(',').replace("$nr", nr);
}

// The snapshot and the lines of an order rewritten: the snapshot anew, the old lines deleted.
QString kundeAendern()
{
    return QString("update auftragskunden set [Nr]=:knr, %1 where [AuftragsNr]=:nr").arg(SqlKundenStore::Zuweisungen);
}
const char* const ZeilenLoeschen = "delete from auftragslines where [Auftrag]=:nr";

const char* const ZahlungEinfuegen = "insert into zahlungen ([Auftrag],[Datum],[Betrag],[Art],[Referenz]) "
                                     "values (:auftrag,:datum,:betrag,:art,:referenz)";

// Within the server's limit of placeholders.
constexpr qsizetype ZeilenJeAnweisung = 1000;

// Serialises the numbering of the programs sharing a PostgreSQL database; SQLite
// serialises every write transaction already.
const char* const NummernSperre = "select pg_advisory_xact_lock(1114841445)";

// Whether a stored order holds the document number of an order of kind typ:
// invoices are numbered per kind of service, every other kind of document
// across both. The kind is part of the text: a value bound for it would make
// SQLite plan the statement anew at every use (the unique indexes are partial).
QString vergebenStatement(const QSqlDatabase& db, int typ)
{
    return Datenbank::sql(db, QString("select 1 from auftrag where [Typ]=%1 and [AuftragsNr]=:nr%2 limit 1")
                                  .arg(typ)
                                  .arg(typ == Auftragsart::Rechnung ? " and [Dienst]=:dienst" : ""));
}

// The condition that selects the numbering series of a: invoices per kind of
// service, every other kind of document across both.
QString serie(const Auftrag& a)
{
    return a.Typ == Auftragsart::Rechnung ? QString("[Typ]=0 and [Dienst]=%1").arg(a.Dienst)
                                          : QString("[Typ]=%1").arg(a.Typ);
}

// Whether two orders agree in everything an issued document fixes.
bool gleicherInhalt(const Auftrag& x, const Auftrag& y)
{
    const auto kunde = [](const Kunde& k) {
        return QStringList{QString::number(k.Nr), k.Firma, k.Name, k.Strasse, k.Ort, k.Tel, k.Tel2,
                           k.Fax, k.Email, k.PLZ, k.Land, k.Bemerkung, k.IBAN, k.BIC,
                           k.Steuernummer, QString::number(k.Typ), k.Siren, k.EAdresse, k.LeitwegId, k.Lieferanschrift};
    };
    if (x.Typ != y.Typ || x.Dienst != y.Dienst || x.Zahlung != y.Zahlung || x.BestellNr != y.BestellNr
        || x.Komentar != y.Komentar || x.Lieferanschrift != y.Lieferanschrift || x.Eingang != y.Eingang || x.Lieferung != y.Lieferung
        || kunde(x.Kunde) != kunde(y.Kunde) || x.Zeilen.size() != y.Zeilen.size())
        return false;
    for (int i = 0; i < x.Zeilen.size(); ++i) {
        const AuftragsLine& l = x.Zeilen.at(i);
        const AuftragsLine& m = y.Zeilen.at(i);
        if (l.Anzahl != m.Anzahl || l.ProduktNr != m.ProduktNr || l.Produkt != m.Produkt
            || l.Preis != m.Preis || l.Komentar != m.Komentar || l.Einheit != m.Einheit)
            return false;
    }
    return true;
}

// The issued credit notes g of the invoice of the row read or written (auftrag.[Nr]).
const char* const Gutschriften =
    "from auftrag g where g.[Bezug]=auftrag.[Nr] and g.[Typ]=2 and g.[Ausgestellt] is not null";

// The parts of the amount owed on that invoice, as Offenposten holds them:
// its gross, its payments and its issued credit notes.
QStringList offenpostenTeile()
{
    return {"coalesce([Brutto],[Summe])",
            "coalesce((select sum(z.[Betrag]) from zahlungen z where z.[Auftrag]=auftrag.[Nr]),0)",
            QString("coalesce((select sum(coalesce(g.[Brutto],g.[Summe])) %1),0)").arg(Gutschriften)};
}

// What its column "Offen" keeps for the list's filters and sums: the first
// part less the others; 0 for an invoice cancelled without a credit note,
// null for every other kind of document.
QString offenAusdruck()
{
    return QString("case when [Typ]<>0 then null when [Status] in (6,-1) and not exists (select 1 %1) then 0 "
                   "else %2 end")
        .arg(Gutschriften, offenpostenTeile().join(" - "));
}

// offenAusdruck() for a new order of gross brutto: no credit note refers to it yet.
QVariant offenNeu(const Auftrag& a, const Betrag& brutto)
{
    if (a.Typ != Auftragsart::Rechnung)
        return QVariant();
    if (a.Status == AuftragsStatus::Storniert || a.Status < 0)
        return 0.0;
    Betrag offen = brutto;
    for (const Zahlung& z : a.Zahlungen)
        offen -= z.Betrag;
    return offen.euro();
}

// The fields storing a new order writes back, to undo a write that fails.
struct Nummerierung
{
    int nr, auftragsNr, status;
    QString belegNr;
};

QList<Nummerierung> nummerierung(const QList<Auftrag>& liste)
{
    QList<Nummerierung> n;
    n.reserve(liste.size());
    for (const Auftrag& a : liste)
        n.append({a.Nr, a.AuftragsNr, a.Status, a.BelegNr});
    return n;
}

void setzeNummerierung(Auftrag& a, const Nummerierung& n)
{
    a.Nr = n.nr;
    a.AuftragsNr = n.auftragsNr;
    a.Status = n.status;
    a.BelegNr = n.belegNr;
}

bool istVergeben(QSqlQuery& q, const Auftrag& a)
{
    q.bindValue(":nr", a.AuftragsNr);
    if (a.Typ == Auftragsart::Rechnung)
        q.bindValue(":dienst", a.Dienst);
    const bool vergeben = q.exec() && q.next();
    q.finish();
    return vergeben;
}

}  // namespace

// The statements that store a new order, prepared once for a whole run of
// orders. Each is prepared at its first use, in the order of use: on PostgreSQL
// one that cannot be prepared ends the transaction, and the failure must be
// reported by the step that needed it.
struct SqlAuftragsStore::Einfuegen
{
    explicit Einfuegen(const QSqlDatabase& db) : m_db(db) {}

    QSqlQuery& auftrag() { return bereit(m_auftrag, auftragText()); }
    QSqlQuery& kunde() { return bereit(m_kunde, kundeText); }
    QSqlQuery& zeile() { return bereit(m_zeile, insertLineStatement); }
    QSqlQuery& belegNr() { return bereit(m_belegNr, "select 1 from auftrag where [BelegNr]=:b"); }
    // PostgreSQL: the order row, its customer snapshot and its lines in one
    // statement, one round trip to the server where each row took one. The
    // lines' placeholders carry the line's index ("_0"), the snapshot's kind
    // is ":ktyp"; the record number is the order row's.
    // Null where the server refuses to prepare it; fehler then tells why.
    QSqlQuery* zusammen(int zeilen, QSqlError& fehler)
    {
        std::optional<QSqlQuery>& q = m_zusammen[zeilen];
        if (!q) {
            static const QRegularExpression typ(":typ\\b");
            const QString neu = "(select [Nr] from a)";
            QString text = "with a as (" + auftragText() + "), k as ("
                           + QString(kundeText).replace(":anr", neu).replace(typ, ":ktyp") + ")";
            if (zeilen > 0)
                text += ", l as (" + insertLinesStatement(zeilen, neu) + ")";
            q.emplace(m_db);
            if (!q->prepare(Datenbank::sql(m_db, text + " select [Nr] from a"))) {
                fehler = q->lastError();
                m_zusammen.erase(zeilen);
                return nullptr;
            }
        }
        return &*q;
    }
    QSqlQuery& zahlung()
    {
        return bereit(m_zahlung, ZahlungEinfuegen);
    }

private:
    QString auftragText() const
    {
        return QString(
            "insert into auftrag ([KundenNr],[Firma],[Name],[Strasse],[PLZ],[Ort],[Bemerkung],[Summe],"
            "[Eingang],[Lieferung],[Status],[Typ],[Zahlung],[BestellNr],[Dienst],[AuftragsNr],[Komentar],"
            "[BelegNr],[Bezug],[Lieferanschrift],[Netto],[Brutto],[Offen])"
            " values (:knr,:firma,:name,:strasse,:plz,:ort,:bemerkung,:summe,:eingang,:lieferung,:status,"
            ":typ,:zahl,:bestell,:dienst,:auftragsnr,:komentar,:belegnr,:bezug,:lieferanschrift,:netto,:brutto,"
            ":offen)%1")
            .arg(Datenbank::istPostgres(m_db) ? " returning [Nr]" : "");
    }
    static constexpr const char* kundeText =
        "insert into auftragskunden ([AuftragsNr],[Nr],[Firma],[Name],[Strasse],[Ort],[Email],"
        "[Tel],[Tel2],[Fax],[Typ],[PLZ],[Bemerkung],[IBAN],[BIC],[Steuernummer],[Land],[Siren],"
        "[EAdresse],[LeitwegId],[Lieferanschrift]) values "
        "(:anr,:nr,:firma,:name,:strasse,:ort,:email,:tel,:tel2,:fax,:typ,:plz,:bemerkung,:iban,"
        ":bic,:steuernummer,:land,:siren,:eadresse,:leitwegid,:lieferanschrift)";

    QSqlQuery& bereit(std::optional<QSqlQuery>& q, const QString& text)
    {
        if (!q) {
            q.emplace(m_db);
            q->prepare(Datenbank::sql(m_db, text));
        }
        return *q;
    }

    QSqlDatabase m_db;
    std::optional<QSqlQuery> m_auftrag;
    std::optional<QSqlQuery> m_kunde;
    std::optional<QSqlQuery> m_zeile;
    std::optional<QSqlQuery> m_belegNr;
    std::map<int, std::optional<QSqlQuery>> m_zusammen;  // by number of lines
    std::optional<QSqlQuery> m_zahlung;
};

SqlAuftragsStore::SqlAuftragsStore(QObject* parent, const QString& verbindung)
    : AuftragsStore(parent), m_db(QSqlDatabase::database(verbindung)), m_listen(m_db, "auftrag")
{
    connect(this, &SqlAuftragsStore::storeChanged, this, &SqlAuftragsStore::updateModel);
    Datenbank::folge(m_db, "auftrag", this, [this] { emit storeChanged(); });
}

namespace {

// The three tables of the first program version, with the columns added since.
void erzeugeJournal(QSqlDatabase& db)
{
    Datenbank::erzeugeTabelle(db, "auftrag",
        "[Nr] integer primary key,[AuftragsNr] int,[KundenNr] int,"
        "[Firma] varchar(255),[Name] varchar(255),[Strasse] varchar(255),[PLZ] varchar(10),"
        "[Ort] varchar(255),[Bemerkung] varchar(255),[Summe] double,[Eingang] DateTime,"
        "[Lieferung] DateTime,[Status] int,[Typ] int,[Zahlung] int,[BestellNr] varchar(255), [Dienst] int");
    Datenbank::ergaenzeSpalte(db, "auftrag", "Komentar", "text");
    Datenbank::erzeugeTabelle(db, "auftragslines",
        "[Nr] integer primary key,[Auftrag] int,[Anzahl] double,"
        "[ProduktNr] varchar(16),[Produkt] varchar(255),[Preis] double,[Komentar] text");
    Datenbank::erzeugeTabelle(db, "auftragskunden",
        "[AuftragsNr] integer primary key,[Nr] int,"
        "[Firma] varchar(255),[Name] varchar(255),[Strasse] varchar(255),[Ort] varchar(255),"
        "[Email] varchar(255),[Tel] varchar(255),[Tel2] varchar(255),[Fax] varchar(255),"
        "[PLZ] varchar(10),[Bemerkung] varchar(255),[Typ] integer,[IBAN] varchar(80),"
        "[BIC] varchar(80),[Steuernummer] varchar(80),[Seit] Date");
    // Added later.
    Datenbank::ergaenzeSpalte(db, "auftragskunden", "Land", "varchar(255)");
    Datenbank::ergaenzeSpalte(db, "auftrag", "Version", "int default 0");
    Datenbank::ergaenzeSpalte(db, "auftragslines", "Kategorie", "varchar(2)");
    Datenbank::ergaenzeSpalte(db, "auftragslines", "Satz", "double");
    // Quantities with decimals: SQLite keeps them in an int column as they are.
    Datenbank::ergaenzeSpalte(db, "auftragslines", "Einheit", "varchar(40)");
    if (Datenbank::istPostgres(db) && spaltenTyp(db, "auftragslines", "Anzahl") == "integer")
        Datenbank::aendereSchema(db, Datenbank::sql(db, "alter table auftragslines alter column "
                                                        "[Anzahl] type double"));
    // The order reference was a number; SQLite's integer column keeps text as it is.
    if (Datenbank::istPostgres(db) && spaltenTyp(db, "auftrag", "BestellNr") == "integer")
        Datenbank::aendereSchema(db, Datenbank::sql(db, "alter table auftrag alter column "
                                                        "[BestellNr] type varchar(255)"));
}

void erzeugeIndexe(QSqlDatabase& db)
{
    const char* const indexe[][2] = {
        {"auftragslines_auftrag", "create index auftragslines_auftrag on auftragslines([Auftrag])"},
        {"auftrag_eingang", "create index auftrag_eingang on auftrag([Eingang])"},
        {"auftrag_kundennr", "create index auftrag_kundennr on auftrag([KundenNr])"},
        {"auftrag_auftragsnr", "create index auftrag_auftragsnr on auftrag([AuftragsNr])"},
        // The numbering of every new order asks for these two maxima.
        {"auftrag_typ_nummer", "create index auftrag_typ_nummer on auftrag([Typ], [AuftragsNr])"},
        {"auftrag_dienst_nummer", "create index auftrag_dienst_nummer on auftrag([Dienst], [AuftragsNr])"},
        // No document number twice within its numbering, whatever goes wrong
        // elsewhere (fails, and is tried again at the next start, on a journal
        // that has such doubles).
        {"auftrag_art_eindeutig",
         "create unique index auftrag_art_eindeutig on auftrag([Typ], [AuftragsNr]) where [Typ]<>0"},
        {"auftrag_rechnung_eindeutig",
         "create unique index auftrag_rechnung_eindeutig on auftrag([Dienst], [AuftragsNr]) where [Typ]=0"},
    };
    for (const auto& i : indexe)
        Datenbank::erzeuge(db, i[0], Datenbank::sql(db, i[1]));
}

// Issued documents: the number as printed, the issue, the due date, the
// invoice a credit note corrects, and the exact files issued; payments and
// the amounts the order list filters and sums without computing them.
void erzeugeBelegteile(QSqlDatabase& db)
{
    Datenbank::ergaenzeSpalte(db, "auftrag", "BelegNr", "varchar(255)");
    Datenbank::ergaenzeSpalte(db, "auftrag", "Ausgestellt", "DateTime");
    Datenbank::ergaenzeSpalte(db, "auftrag", "Faellig", "Date");
    Datenbank::ergaenzeSpalte(db, "auftrag", "Bezug", "int default 0");
    Datenbank::ergaenzeSpalte(db, "auftrag", "Lieferanschrift", "text");
    for (const char* spalte : {"Siren", "EAdresse", "LeitwegId"})
        Datenbank::ergaenzeSpalte(db, "auftragskunden", spalte, "varchar(255)");
    Datenbank::ergaenzeSpalte(db, "auftragskunden", "Lieferanschrift", "text");
    for (const char* spalte : {"Netto", "Brutto", "Offen"})
        Datenbank::ergaenzeSpalte(db, "auftrag", spalte, "double");
    Datenbank::erzeugeTabelle(db, "zahlungen",
                              "[Nr] integer primary key,[Auftrag] int,[Datum] Date,[Betrag] double,"
                              "[Art] int,[Referenz] varchar(255)");
    Datenbank::erzeuge(db, "zahlungen_auftrag",
                       Datenbank::sql(db, "create index zahlungen_auftrag on zahlungen([Auftrag])"));
    // With the kind, or SQLite walks every credit note for each invoice's credits.
    Datenbank::erzeuge(db, "auftrag_bezug",
                       Datenbank::sql(db, "create index auftrag_bezug on auftrag([Bezug],[Typ])"));
    // The open and overdue invoices, a small part of the journal, with what their sums need.
    Datenbank::erzeuge(db, "auftrag_offen",
                       Datenbank::sql(db, "create index auftrag_offen on auftrag([Faellig],[Offen],[Netto],"
                                          "[Brutto],[Summe],[Status],[Typ]) where [Offen]>0.005"));
    Datenbank::erzeugeTabelle(db, "belegarchiv",
                              QString("[Auftrag] int primary key,[Zeit] varchar(32),[Sha256] varchar(64),[Datei] %1")
                                  .arg(Datenbank::istPostgres(db) ? "bytea" : "blob"));
}

}  // namespace

void SqlAuftragsStore::createTables()
{
    if (!Datenbank::sperrgrund(m_db).isEmpty())
        return;
    erzeugeJournal(m_db);
    erzeugeIndexe(m_db);
    erzeugeBelegteile(m_db);
    vergibBelegNrAlter();
    // Printed numbers are unique across the company (fails, and is tried again,
    // where equal prefixes gave doubles already).
    Datenbank::erzeuge(m_db, "auftrag_belegnr",
                       Datenbank::sql(m_db, "create unique index auftrag_belegnr on auftrag([BelegNr])"));
    // Reminders: not among the final columns, an issued invoice takes them.
    Datenbank::ergaenzeSpalte(m_db, "auftrag", "Mahnstufe", "int default 0");
    Datenbank::ergaenzeSpalte(m_db, "auftrag", "Gemahnt", "Date");
    erzeugeSchutz();
    // Postcodes of every country; the journal of an older program held five characters.
    for (const char* tabelle : {"auftrag", "auftragskunden"})
        Datenbank::erweitereSpalte(m_db, tabelle, "PLZ", 10);
    ergaenzeBetraege();
    m_listen.spaltenNeu("Version");
}

void SqlAuftragsStore::ergaenzeBetraege()
{
    // Orders stored before these columns were kept, by an older program, or
    // restored from such a backup. Net and gross only as the documents show
    // them: a store without its calculator leaves them to the next start.
    QSqlQuery q(m_db);
    if (!q.exec(Datenbank::sql(m_db, QString("select 1 from auftrag where ([Typ]=0 and [Offen] is null)%1 limit 1")
                                         .arg(m_rechner ? " or [Brutto] is null" : "")))
        || !q.next())
        return;
    q.finish();
    const QList<Auftrag> ohne = m_rechner ? auftraegeWhere("[Brutto] is null", {}) : QList<Auftrag>();
    Speicherfehler f;
    Datenbank::schreibe(m_db, f, "error completing Auftrag amounts", [&] {
        QSqlQuery u(m_db);
        u.prepare(Datenbank::sql(m_db, "update auftrag set [Netto]=:netto ,[Brutto]=:brutto where [Nr]=:nr"));
        for (const Auftrag& a : ohne) {
            bindBetraege(u, a);
            u.bindValue(":nr", a.Nr);
            if (!u.exec()) {
                qWarning() << "error completing Auftrag amounts" << u.lastError().text() << a.Nr;
                return false;
            }
        }
        // Every invoice: a gross added changes what its credit notes took off.
        QSqlQuery o(m_db);
        if (!o.exec(Datenbank::sql(m_db, "update auftrag set [Offen]=" + offenAusdruck() + " where [Typ]=0"))) {
            qWarning() << "error completing Auftrag amounts" << o.lastError().text();
            return false;
        }
        return true;
    });
}

bool SqlAuftragsStore::misslungen(const QSqlQuery& q)
{
    m_fehler = Datenbank::fehler(q.lastError());
    return false;
}

bool SqlAuftragsStore::naechsteNummer(Auftrag& a)
{
    QSqlQuery q(m_db);
    if (Datenbank::istPostgres(m_db) && !q.exec(NummernSperre)) {
        qWarning() << "error inserting Auftrag" << q.lastError().text() << a;
        return misslungen(q);
    }
    // Counted on from numbers in the range only: one imported beyond it (or
    // stored by an older program) neither overflows nor ends the numbering.
    // The numbers in the text: a prepared statement costs PostgreSQL two more
    // round trips (prepare, deallocate).
    const bool rechnung = a.Typ == Auftragsart::Rechnung;
    const QString frage = QString("select max([AuftragsNr]) from auftrag where %1 "
                                "and [AuftragsNr] between 1 and %2")
                            .arg(serie(a))
                            .arg(Datenbank::GroessteNummer);
    if (!q.exec(Datenbank::sql(m_db, frage))) {
        qWarning() << "error inserting Auftrag" << q.lastError().text() << q.lastQuery() << a;
        return misslungen(q);
    }
    const qint64 max = q.next() ? q.value(0).toLongLong() : 0;
    qint64 nr = max + 1;
    if (rechnung && max == 0 && (a.Dienst == Auftrag::Produkte || a.Dienst == Auftrag::Schulung)) {
        const Einstellung::Schluessel key = a.Dienst == Auftrag::Produkte
                                                ? Einstellung::RechnungOffset1
                                                : Einstellung::RechnungOffset2;
        const QVariant gespeichert = Einstellung::wert(key, m_settings);
        int offset = 0;
        const QString grund = Datenbank::pruefeOffset(Einstellung::name(key), gespeichert, &offset);
        if (!grund.isEmpty()) {
            qWarning() << "error inserting Auftrag: impossible numbering offset"
                       << Einstellung::name(key) << gespeichert.toString();
            m_fehler = {Speicherfehler::Ungueltig, grund};
            return false;
        }
        nr = offset + 1;
    }
    if (!Datenbank::nummerGueltig(nr)) {
        qWarning() << "error inserting Auftrag: no number left" << a;
        m_fehler = {Speicherfehler::Ungueltig, tr("Es ist keine Belegnummer mehr frei.")};
        return false;
    }
    a.AuftragsNr = int(nr);
    return true;
}

bool SqlAuftragsStore::pruefeWerte(const Auftrag& a)
{
    QString grund;
    bool endlich = Datenbank::gueltig(summeDerZeilen(a));
    for (const AuftragsLine& l : a.Zeilen)
        endlich = endlich && Datenbank::gueltig(l.Preis) && Datenbank::gueltig(l.Satz);
    if (!endlich)
        grund = tr("Ein Betrag oder die Summe ist keine endliche Zahl.");
    else if (!Datenbank::gueltig(a.Eingang) || !Datenbank::gueltig(a.Lieferung))
        grund = tr("Ein Datum liegt nicht in den Jahren 1 bis 9999.");
    else if (!SqlKundenStore::pruefeKunde(a.Kunde, m_fehler))
        return false;
    for (const Zahlung& z : a.Zahlungen)
        if (grund.isEmpty() && (a.Typ != Auftragsart::Rechnung || z.Betrag <= Betrag() || !z.Datum.isValid()
                                || !Datenbank::gueltig(z.Datum)))
            grund = tr("Eine Zahlung hat keinen Betrag über 0, kein Datum oder gehört zu keiner Rechnung.");
    if (grund.isEmpty())
        return true;
    qWarning() << "error storing Auftrag:" << Datenbank::Unmoeglich << a;
    m_fehler = {Speicherfehler::Ungueltig, grund};
    return false;
}

void SqlAuftragsStore::bindLine(QSqlQuery& q, const Auftrag& a, const AuftragsLine& l, const QString& index)
{
    // The names as literals: converting them at every bind costs more than storing a line.
    const auto n = [&index](const QString& name) { return index.isEmpty() ? name : name + index; };
    q.bindValue(n(QStringLiteral(":nr")), a.Nr);
    q.bindValue(n(QStringLiteral(":menge")), l.Anzahl);
    q.bindValue(n(QStringLiteral(":pnr")), l.ProduktNr);
    q.bindValue(n(QStringLiteral(":produkt")), l.Produkt);
    q.bindValue(n(QStringLiteral(":preis")), l.Preis);
    q.bindValue(n(QStringLiteral(":komentar")), l.Komentar);
    q.bindValue(n(QStringLiteral(":kat")), l.Kategorie);
    q.bindValue(n(QStringLiteral(":satz")), l.Satz);
    q.bindValue(n(QStringLiteral(":einheit")), l.Einheit);
}

bool SqlAuftragsStore::insertLines(const Auftrag& a, QSqlQuery& q)
{
    for (const AuftragsLine& l : a.Zeilen) {
        bindLine(q, a, l, QString());
        if (!q.exec()) {
            qWarning() << "error inserting Auftragline" << q.lastError().text() << q.lastQuery() << l;
            return misslungen(q);
        }
    }
    return true;
}

bool SqlAuftragsStore::insertAuftrag(Auftrag& a, Einfuegen& e)
{
    if (a.AuftragsNr > Datenbank::GroessteNummer) {
        qWarning() << "error inserting Auftrag:" << Datenbank::Unmoeglich << "- number" << a.AuftragsNr;
        m_fehler = {Speicherfehler::Ungueltig, tr("Die Belegnummer %1 liegt nicht zwischen 1 und %2.")
                                                   .arg(a.AuftragsNr)
                                                   .arg(Datenbank::GroessteNummer)};
        return false;
    }
    if (a.AuftragsNr <= 0 && !naechsteNummer(a))
        return false;
    // A new document is never issued yet; its printed number is fixed now.
    a.Ausgestellt = QDateTime();
    a.Faellig = QDate();
    a.BelegNr = Ausstellung::praefix(a, m_settings) + QString::number(a.AuftragsNr);
    QSqlQuery& b = e.belegNr();
    b.bindValue(":b", a.BelegNr);
    if (!b.exec())
        return misslungen(b);
    const bool doppelt = b.next();
    b.finish();
    if (doppelt) {
        qWarning() << "error inserting Auftrag: number taken" << a.BelegNr;
        return misslungen(tr("Die Belegnummer %1 ist schon vergeben: die Präfixe der Nummernkreise "
                             "in den Einstellungen müssen sich unterscheiden.")
                              .arg(a.BelegNr));
    }
    if (a.Status == AuftragsStatus::Neu)
        a.Status = AuftragsStatus::Gespeichert;
    if (Datenbank::istPostgres(m_db) && a.Zeilen.size() <= ZeilenJeAnweisung)
        return insertZusammen(a, e);

    QSqlQuery& q = e.auftrag();
    bindNeu(q, a);
    if (!q.exec()) {
        qWarning() << "error inserting Auftrag" << q.lastError().text() << q.lastQuery() << a;
        return misslungen(q);
    }
    a.Nr = Datenbank::istPostgres(m_db) ? (q.next() ? q.value(0).toInt() : 0) : q.lastInsertId().toInt();
    q.finish();

    QSqlQuery& k = e.kunde();
    k.bindValue(":anr", a.Nr);
    k.bindValue(":nr", a.Kunde.Nr);
    SqlKundenStore::bindKunde(k, a.Kunde, ":fax");
    if (!k.exec()) {
        qWarning() << "DB auftragskunden" << k.lastError().text() << k.lastQuery() << a.Kunde;
        return misslungen(k);
    }
    if (!a.Zeilen.isEmpty() && !insertLines(a, e.zeile()))
        return false;
    return insertZahlungen(a, e);
}

void SqlAuftragsStore::bindNeu(QSqlQuery& q, const Auftrag& a) const
{
    bindAuftragsZeile(q, a);
    q.bindValue(":auftragsnr", a.AuftragsNr);
    q.bindValue(":belegnr", a.BelegNr);
    q.bindValue(":bezug", a.Bezug);
    q.bindValue(":offen", offenNeu(a, bindBetraege(q, a).brutto));
}

bool SqlAuftragsStore::insertZusammen(Auftrag& a, Einfuegen& e)
{
    QSqlError fehler;
    QSqlQuery* z = e.zusammen(int(a.Zeilen.size()), fehler);
    if (z) {
        bindNeu(*z, a);
        z->bindValue(":nr", a.Kunde.Nr);
        SqlKundenStore::bindKunde(*z, a.Kunde, ":fax");
        z->bindValue(":typ", a.Typ);
        z->bindValue(":ktyp", a.Kunde.Typ);
        for (qsizetype i = 0; i < a.Zeilen.size(); ++i)
            bindLine(*z, a, a.Zeilen.at(i), QStringLiteral("_%1").arg(i));
        if (z->exec() && z->next()) {
            a.Nr = z->value(0).toInt();
            z->finish();
            return insertZahlungen(a, e);
        }
        fehler = z->lastError();
    }
    // Logged as the separate statements were, by the table the server names.
    const QString text = fehler.text();
    if (text.contains(QLatin1String("auftragslines")))
        qWarning() << "error inserting Auftragline" << text << a;
    else if (text.contains(QLatin1String("auftragskunden")))
        qWarning() << "DB auftragskunden" << text << a.Kunde;
    else
        qWarning() << "error inserting Auftrag" << text << a;
    m_fehler = Datenbank::fehler(fehler);
    return false;
}

bool SqlAuftragsStore::insertZahlungen(const Auftrag& a, Einfuegen& e)
{
    for (const Zahlung& z : a.Zahlungen) {
        QSqlQuery& p = e.zahlung();
        bindZahlung(p, a.Nr, z);
        if (!p.exec()) {
            qWarning() << "error inserting Zahlung" << p.lastError().text() << z;
            return misslungen(p);
        }
    }
    return true;
}

bool SqlAuftragsStore::addAuftrag(Auftrag& a)
{
    if (!pruefeWerte(a))
        return false;
    // A failed insert must not leave the caller with a numbered, saved order
    // that the database does not hold.
    const Nummerierung vorher = nummerierung({a}).first();
    if (!Datenbank::schreibe(m_db, m_fehler, "error inserting Auftrag", [&] {
            Einfuegen e(m_db);
            if (!insertAuftrag(a, e))
                return false;
            Datenbank::melde(m_db, "auftrag");
            return true;
        }, [&] {
            // The record number came from the key sequence before the commit:
            // no other order ever gets it, so it tells whether this one arrived.
            QSqlQuery q(m_db);
            return Datenbank::mitNummer(q, m_db, "select 1 from auftrag where [Nr]=:nr", a.Nr) && q.next();
        })) {
        setzeNummerierung(a, vorher);
        return false;
    }
    m_versionen.insert(a.Nr, 0);
    emit storeChanged();
    return true;
}

bool SqlAuftragsStore::insertAusListe(Auftrag& a, Einfuegen& e, QHash<int, QSqlQuery>& vergeben, Verbleib& v)
{
    auto frage = vergeben.find(a.Typ);
    if (a.AuftragsNr > 0 && frage == vergeben.end()) {
        frage = vergeben.insert(a.Typ, QSqlQuery(m_db));
        frage->prepare(vergebenStatement(m_db, a.Typ));
    }
    if (a.AuftragsNr > 0 && istVergeben(*frage, a)) {
        v.art = Verbleib::NummerVergeben;
    } else if (!pruefeWerte(a)) {
        v = {Verbleib::Abgelehnt, m_fehler.text};
        m_fehler = {};
    } else if (!insertAuftrag(a, e)) {
        return false;
    }
    return true;
}

bool SqlAuftragsStore::addAuftraege(QList<Auftrag>& liste, QList<Verbleib>& verbleib, const Meldung& meldung)
{
    const QList<Nummerierung> vorher = nummerierung(liste);
    QList<Verbleib> ergebnis;
    ergebnis.reserve(liste.size());
    const qint64 gesamt = liste.size();
    bool abgebrochen = false;
    const bool ok = Datenbank::schreibe(m_db, m_fehler, "error inserting Auftrag", [&] {
        Einfuegen e(m_db);
        QHash<int, QSqlQuery> vergeben;  // by kind of document
        for (qint64 i = 0; i < gesamt; ++i) {
            // The event loop runs now and then, not after every order: that would cost more than storing.
            if (i % 256 == 0 && meldung && !meldung(i, gesamt)) {
                abgebrochen = true;
                return false;
            }
            Verbleib v;
            if (!insertAusListe(liste[i], e, vergeben, v))
                return false;
            ergebnis.append(v);
        }
        if (meldung && !meldung(gesamt, gesamt)) {
            abgebrochen = true;
            return false;
        }
        Datenbank::melde(m_db, "auftrag");
        return true;
    });
    if (!ok) {
        for (qsizetype i = 0; i < liste.size(); ++i)
            setzeNummerierung(liste[i], vorher[i]);
        if (abgebrochen)
            m_fehler = {};
        return false;
    }
    verbleib = ergebnis;
    bool gespeichert = false;
    for (qsizetype i = 0; i < liste.size(); ++i) {
        if (ergebnis[i].art == Verbleib::Gespeichert) {
            m_versionen.insert(liste[i].Nr, 0);
            gespeichert = true;
        }
    }
    if (gespeichert)
        emit storeChanged();
    return true;
}

bool SqlAuftragsStore::updateAuftrag(const Auftrag& a)
{
    QSqlQuery q(m_db);
    const bool ok = aktualisiere(q, a,
        "[KundenNr]=:knr ,[Firma]=:firma ,[Name]=:name ,[Strasse]=:strasse ,"
        "[PLZ]=:plz ,[Ort]=:ort ,[Bemerkung]=:bemerkung ,[Summe]=:summe ,[Eingang]=:eingang ,"
        "[Lieferung]=:lieferung ,[Status]=:status ,[Typ]=:typ ,[Zahlung]=:zahl ,"
        "[BestellNr]=:bestell ,[Dienst]=:dienst ,[Komentar]=:komentar ,[Lieferanschrift]=:lieferanschrift ,"
        "[Netto]=:netto ,[Brutto]=:brutto",
        [this, &a](QSqlQuery& q) {
            bindAuftragsZeile(q, a);
            bindBetraege(q, a);
        });
    if (!ok || !rechneOffen(a.Nr))
        return false;

    if (Datenbank::istPostgres(m_db) && a.Zeilen.size() <= ZeilenJeAnweisung)
        return updateTeileZusammen(a);

    QSqlQuery k(m_db);
    k.prepare(Datenbank::sql(m_db, kundeAendern()));
    k.bindValue(":knr", a.Kunde.Nr);
    SqlKundenStore::bindKunde(k, a.Kunde, ":Fax");
    k.bindValue(":nr", a.Nr);
    if (!k.exec()) {
        qWarning() << "DB auftragskunden" << k.lastError().text() << k.lastQuery() << a.Kunde;
        return misslungen(k);
    }

    QSqlQuery d(m_db);
    if (!Datenbank::mitNummer(d, m_db, ZeilenLoeschen, a.Nr)) {
        qWarning() << "error deleting Auftragslines" << d.lastError().text() << a;
        return misslungen(d);
    }
    QSqlQuery zeile(m_db);
    zeile.prepare(Datenbank::sql(m_db, insertLineStatement));
    if (!insertLines(a, zeile))
        return false;
    Datenbank::melde(m_db, "auftrag");
    return true;
}

bool SqlAuftragsStore::updateTeileZusammen(const Auftrag& a)
{
    // Snapshot, old lines and new lines in one statement: the deletion
    // sees the lines as they were before it.
    QSqlQuery z(m_db);
    const bool bereit = z.prepare(Datenbank::sql(m_db, "with k as (" + kundeAendern() + "), d as ("
        + ZeilenLoeschen + ") "
        + (a.Zeilen.isEmpty() ? QString("select 1") : insertLinesStatement(int(a.Zeilen.size()), ":nr"))));
    if (bereit) {
        z.bindValue(":knr", a.Kunde.Nr);
        SqlKundenStore::bindKunde(z, a.Kunde, ":Fax");
        z.bindValue(":nr", a.Nr);
        for (qsizetype i = 0; i < a.Zeilen.size(); ++i)
            bindLine(z, a, a.Zeilen.at(i), QStringLiteral("_%1").arg(i));
        if (z.exec()) {
            Datenbank::melde(m_db, "auftrag");
            return true;
        }
    }
    // Logged as the separate statements were: a table the server does not
    // find stopped the deletion, the first of them to use the lines.
    const QString text = z.lastError().text();
    if (text.contains(QLatin1String("auftragskunden")))
        qWarning() << "DB auftragskunden" << text << a.Kunde;
    else if (!bereit)
        qWarning() << "error deleting Auftragslines" << text << a;
    else
        qWarning() << "error inserting Auftragline" << text << a;
    return misslungen(z);
}

bool SqlAuftragsStore::updateStatus(const Auftrag& a)
{
    QSqlQuery q(m_db);
    if (!aktualisiere(q, a, "[Status]=:status",
                      [&a](QSqlQuery& q) { q.bindValue(":status", a.Status); })
        || !rechneOffen(a.Nr))
        return false;
    Datenbank::melde(m_db, "auftrag");
    return true;
}

bool SqlAuftragsStore::aktualisiere(QSqlQuery& q, const Auftrag& a, const QString& spalten,
                                    const std::function<void(QSqlQuery&)>& binde)
{
    // Only an order read by this store can have been changed elsewhere since.
    const bool geprueft = m_versionen.contains(a.Nr);
    q.prepare(Datenbank::sql(m_db, QString("update auftrag set %1 ,[Version]=coalesce([Version],0)+1 "
                                           "where [Nr]=:nr%2")
                                       .arg(spalten, geprueft ? " and coalesce([Version],0)=:version" : "")));
    binde(q);
    q.bindValue(":nr", a.Nr);
    if (geprueft)
        q.bindValue(":version", m_versionen.value(a.Nr));
    if (!q.exec()) {
        qWarning() << "error updateing Auftrag" << q.lastError().text() << a;
        return misslungen(q);
    }
    if (geprueft && q.numRowsAffected() == 0) {
        qWarning() << "error updateing Auftrag:" << Datenbank::Geaendert << a.Nr;
        m_fehler = {Speicherfehler::Geaendert, QString()};
        return false;
    }
    return true;
}

bool SqlAuftragsStore::misslungen(const QString& grund)
{
    m_fehler = {Speicherfehler::Ungueltig, grund};
    return false;
}

bool SqlAuftragsStore::saveAuftrag(const Auftrag& a)
{
    if (!pruefeWerte(a))
        return false;
    // An issued document only moves its status on; reading it must not
    // forget which version the caller's copy came from.
    QSqlQuery f(m_db);
    const bool fest = Datenbank::mitNummer(f, m_db, "select [Ausgestellt] from auftrag where [Nr]=:nr", a.Nr)
                      && f.next() && !f.value(0).isNull();
    f.finish();
    if (fest) {
        const auto version = m_versionen.constFind(a.Nr);
        const std::optional<int> vorher =
            version == m_versionen.cend() ? std::nullopt : std::optional<int>(version.value());
        const Auftrag gespeichert = getAuftrag(a.Nr);
        if (vorher)
            m_versionen[a.Nr] = *vorher;
        else
            m_versionen.remove(a.Nr);
        if (!gleicherInhalt(a, gespeichert) || a.Status < AuftragsStatus::Gedruckt) {
            qWarning() << "error updateing Auftrag:" << Ausgestellt << a.Nr;
            return misslungen(Ausstellung::grund(gespeichert));
        }
    }
    if (!Datenbank::schreibe(m_db, m_fehler, "error updateing Auftrag",
                             [&] { return fest ? updateStatus(a) : updateAuftrag(a); }))
        return false;
    if (m_versionen.contains(a.Nr))
        m_versionen[a.Nr] += 1;
    emit storeChanged();
    return true;
}

bool SqlAuftragsStore::stelleAus(Auftrag& a, const QByteArray& datei)
{
    if (a.Nr < 1 || !a.Ausgestellt.isValid() || datei.isEmpty())
        return misslungen(tr("Der Beleg ist nicht gespeichert oder hat keine Datei."));
    if (!pruefeWerte(a))
        return false;
    const bool ok = Datenbank::schreibe(m_db, m_fehler, "error issuing Auftrag", [&] {
        QSqlQuery f(m_db);
        if (!Datenbank::mitNummer(f, m_db, "select [Ausgestellt] from auftrag where [Nr]=:nr", a.Nr))
            return misslungen(f);
        if (!f.next()) {
            m_fehler = {Speicherfehler::Geaendert, QString()};
            return false;
        }
        if (!f.value(0).isNull())
            return misslungen(tr("Der Beleg %1 ist schon ausgestellt.").arg(a.belegNummer()));
        f.finish();
        // Lines and snapshot first: once the row is issued, the database refuses them.
        if (!updateAuftrag(a))
            return false;
        QSqlQuery q(m_db);
        q.prepare(Datenbank::sql(m_db, "update auftrag set [Ausgestellt]=:zeit ,[Faellig]=:faellig "
                                       "where [Nr]=:nr and [Ausgestellt] is null"));
        q.bindValue(":zeit", isoText(a.Ausgestellt));
        q.bindValue(":faellig", a.Faellig.isValid() ? QVariant(a.Faellig.toString(Qt::ISODate)) : QVariant());
        q.bindValue(":nr", a.Nr);
        if (!q.exec())
            return misslungen(q);
        QSqlQuery archiv(m_db);
        archiv.prepare(Datenbank::sql(m_db, "insert into belegarchiv ([Auftrag],[Zeit],[Sha256],[Datei]) "
                                            "values (:nr,:zeit,:sha,:datei)"));
        archiv.bindValue(":nr", a.Nr);
        archiv.bindValue(":zeit", a.Ausgestellt.toString(Qt::ISODate));
        archiv.bindValue(":sha", Ausstellung::pruefsumme(datei));
        archiv.bindValue(":datei", datei);
        if (!archiv.exec()) {
            qWarning() << "error issuing Auftrag: archive" << archiv.lastError().text();
            return misslungen(archiv);
        }
        if (a.Typ == Auftragsart::Gutschrift && a.Bezug > 0 && !folgeGutschrift(a.Bezug))
            return false;
        Datenbank::melde(m_db, "auftrag");
        return true;
    });
    if (!ok)
        return false;
    if (m_versionen.contains(a.Nr))
        m_versionen[a.Nr] += 1;
    m_versionen.remove(a.Bezug);
    emit storeChanged();
    return true;
}

QByteArray SqlAuftragsStore::archivierterBeleg(int nr)
{
    QSqlQuery q(m_db);
    if (!Datenbank::mitNummer(q, m_db, "select [Datei] from belegarchiv where [Auftrag]=:nr", nr)) {
        m_fehler = Datenbank::fehler(q.lastError());
        return QByteArray();
    }
    m_fehler = {};
    return q.next() ? q.value(0).toByteArray() : QByteArray();
}

int SqlAuftragsStore::ausgestellteBelege()
{
    QSqlQuery q(m_db);
    if (!q.exec(Datenbank::sql(m_db, "select count(*) from auftrag where [Ausgestellt] is not null"))
        || !q.next()) {
        m_fehler = Datenbank::fehler(q.lastError());
        return -1;
    }
    return q.value(0).toInt();
}

bool SqlAuftragsStore::storniereAuftrag(int nr)
{
    const bool ok = Datenbank::schreibe(m_db, m_fehler, "error updateing Auftrag", [&] {
        QSqlQuery q(m_db);
        // A new version, so that a copy read before cannot undo the cancellation.
        if (!Datenbank::mitNummer(q, m_db, "update auftrag set [Status]=-1 ,[Version]=coalesce([Version],0)+1 "
                                           "where [Nr]=:nr", nr))
            return misslungen(q);
        if (!rechneOffen(nr))
            return false;
        Datenbank::melde(m_db, "auftrag");
        return true;
    });
    emit storeChanged();
    return ok;
}

namespace {

// Reads the parts of orders (lines, customer snapshots) by the statement text
// (for the driver already) bound to werte: teil(q, i) gets each row whose column schluessel holds the record
// number of the order at index i of position.
bool liesTeile(QSqlDatabase& db, const QString& text, const QVariantMap& werte, const QString& schluessel,
               const QHash<int, int>& position, const std::function<void(const QSqlQuery&, int)>& teil,
               QSqlError& fehler)
{
    QSqlQuery q(db);
    q.setForwardOnly(Datenbank::vorwaerts(db));
    q.prepare(text);
    Datenbank::binde(q, werte);
    if (!Datenbank::lies(db, q)) {
        fehler = q.lastError();
        return false;
    }
    const int spalte = q.record().indexOf(schluessel);
    while (q.next()) {
        const auto it = position.constFind(q.value(spalte).toInt());
        if (it != position.cend())
            teil(q, it.value());
    }
    return true;
}

}  // namespace

QList<Auftrag> SqlAuftragsStore::auftraegeWhere(const QString& where, const QVariantMap& werte)
{
    QList<Auftrag> liste;
    QHash<int, int> position;  // order Nr -> index in liste
    const QString bedingung = Datenbank::sql(m_db, where);

    QSqlQuery q(m_db);
    q.setForwardOnly(Datenbank::vorwaerts(m_db));
    q.prepare("select * from auftrag where " + bedingung);
    Datenbank::binde(q, werte);
    if (!Datenbank::lies(m_db, q, m_fehler))
        return liste;
    while (q.next()) {
        liste.append(auftragFromQuery(q));
        position.insert(liste.last().Nr, liste.size() - 1);
        m_versionen.insert(liste.last().Nr, q.value("Version").toInt());
    }
    if (liste.isEmpty())
        return liste;

    // Lines and snapshots of all these orders in one query each, instead of
    // two queries per order; the result is the same as reading order by order.
    // Orders without their lines or customer would look complete: none then.
    QSqlError fehler;
    const bool ok =
        liesTeile(m_db, Datenbank::sql(m_db, QString("select %1,l.[Komentar] from auftragslines l where l.[Auftrag] "
                                                     "in (select [Nr] from auftrag where %2) order by l.[Auftrag], l.[Nr]")
                                                 .arg(ZeilenSpalten))
                            .arg(bedingung),
                  werte, "Auftrag", position,
                  [&liste](const QSqlQuery& l, int i) { liste[i].Zeilen.append(zeileAus(l, true)); }, fehler)
        && liesTeile(m_db, Datenbank::sql(m_db, "select * from auftragskunden where [AuftragsNr] in (select [Nr] "
                                                "from auftrag where %1)").arg(bedingung),
                     werte, "AuftragsNr", position,
                     [&liste](const QSqlQuery& k, int i) { liste[i].Kunde = SqlKundenStore::kundeFromQuery(k); },
                     fehler);
    if (!ok) {
        m_fehler = Datenbank::fehler(fehler);
        return {};
    }
    ergaenzeBezuege(liste, bedingung, werte);
    return liste;
}

void SqlAuftragsStore::ergaenzeBezuege(QList<Auftrag>& liste, const QString& bedingung, const QVariantMap& werte)
{
    // Number and date of the invoices that credit notes correct.
    QHash<int, QList<int>> bezuege;  // invoice Nr -> positions
    for (int i = 0; i < liste.size(); ++i)
        if (liste.at(i).Bezug > 0)
            bezuege[liste.at(i).Bezug] << i;
    if (bezuege.isEmpty())
        return;
    QSqlQuery b(m_db);
    b.prepare(Datenbank::sql(m_db, "select [Nr],[BelegNr],[AuftragsNr],[Eingang] from auftrag where "
                                   "[Nr] in (select [Bezug] from auftrag where %1)")
                  .arg(bedingung));
    Datenbank::binde(b, werte);
    b.exec();
    while (b.next()) {
        const QString nummer = b.value(1).isNull() ? QString::number(b.value(2).toInt()) : b.value(1).toString();
        for (int i : bezuege.value(b.value(0).toInt())) {
            liste[i].BezugBelegNr = nummer;
            liste[i].BezugDatum = b.value(3).toDateTime().date();
        }
    }
}

Auftrag SqlAuftragsStore::getAuftrag(int nr)
{
    const QList<Auftrag> liste = auftraegeWhere("[Nr]=:nr", {{":nr", nr}});
    return liste.isEmpty() ? Auftrag() : liste.first();
}

QList<Auftrag> SqlAuftragsStore::getAuftraegeByBestellNr(const QString& bestellNr)
{
    return auftraegeWhere("[BestellNr]=:nr", {{":nr", bestellNr}});
}

QList<Auftrag> SqlAuftragsStore::getAuftraegeByKunde(int kundenNr)
{
    return auftraegeWhere("[KundenNr]=:nr", {{":nr", kundenNr}});
}

QList<Auftrag> SqlAuftragsStore::getAuftraege(const QDateTime& von, const QDateTime& bis)
{
    return auftraegeWhere("[Eingang]>=:von and [Eingang]<=:bis",
                          {{":von", isoText(von)}, {":bis", isoText(bis)}});
}

QList<Auftrag> SqlAuftragsStore::getAuftraegeByAuftragsNr(int auftragsNr)
{
    return auftraegeWhere("[AuftragsNr]=:auftragsnr", {{":auftragsnr", auftragsNr}});
}

QList<Auftrag> SqlAuftragsStore::getAlleAuftraege()
{
    return auftraegeWhere("1=1", {});
}

QSqlTableModel* SqlAuftragsStore::model()
{
    return m_listen.ganz();
}

QSqlTableModel* SqlAuftragsStore::filterModel(const QDateTime& von, const QDateTime& bis)
{
    // Whole calendar days, both included; a range on the column itself, so
    // that both the ISO texts and timestamps compare and the index serves.
    const QString tag("%1T00:00:00");
    return m_listen.behalte(new ListenModell(nullptr, m_db),
                            Datenbank::sql(m_db, "[Eingang]>='%1' and [Eingang]<'%2'")
                                .arg(tag.arg(von.date().toString(Qt::ISODate)),
                                     tag.arg(bis.date().addDays(1).toString(Qt::ISODate))),
                            m_fehler);
}

QSqlTableModel* SqlAuftragsStore::filterModel(int kundenNr)
{
    return m_listen.behalte(new ListenModell(nullptr, m_db), Datenbank::sql(m_db, "[KundenNr]=%1").arg(kundenNr),
                            m_fehler);
}

int SqlAuftragsStore::count()
{
    QSqlQuery q(m_db);
    if (!q.exec("select count(*) from auftrag") || !q.next()) {
        qWarning() << "Error" << q.lastError();
        m_fehler = Datenbank::fehler(q.lastError());
        return -1;
    }
    m_fehler = {};
    return q.value(0).toInt();
}

bool SqlAuftragsStore::nummerVergeben(const Auftrag& a)
{
    QSqlQuery q(m_db);
    q.prepare(vergebenStatement(m_db, a.Typ));
    return istVergeben(q, a);
}

bool SqlAuftragsStore::delAuftrag(int nr)
{
    static const char* const statements[][2] = {
        {"delete from auftrag where [Nr]=:nr", "error on delete Auftrag"},
        {"delete from auftragslines where [Auftrag]=:nr", "error on delete Auftragslines"},
        {"delete from auftragskunden where [AuftragsNr]=:nr", "error on delete Auftragskunden"},
        {"delete from zahlungen where [Auftrag]=:nr", "error on delete Zahlungen"},
    };
    const bool ok = Datenbank::schreibe(m_db, m_fehler, "error on delete Auftrag", [&] {
        // Under the numbering's lock, so that no number is given while the last is checked.
        QSqlQuery p(m_db);
        if (Datenbank::istPostgres(m_db) && !p.exec(NummernSperre))
            return misslungen(p);
        if (!Datenbank::mitNummer(p, m_db, "select [Typ],[Dienst],[AuftragsNr],[Ausgestellt],[BelegNr] "
                                           "from auftrag where [Nr]=:nr", nr))
            return misslungen(p);
        if (p.next()) {
            Auftrag a;
            a.Typ = p.value(0).toInt();
            a.Dienst = p.value(1).toInt();
            a.AuftragsNr = p.value(2).toInt();
            a.BelegNr = p.value(4).toString();
            if (!p.value(3).isNull()) {
                qWarning() << "error on delete Auftrag:" << Ausgestellt << nr;
                return misslungen(tr("Der Beleg %1 ist ausgestellt und kann nicht gelöscht werden.")
                                      .arg(a.belegNummer()));
            }
            QSqlQuery m(m_db);
            m.prepare(Datenbank::sql(m_db, "select max([AuftragsNr]) from auftrag where " + serie(a)
                                               + " and [AuftragsNr] between 1 and :groesste"));
            m.bindValue(":groesste", Datenbank::GroessteNummer);
            if (!m.exec())
                return misslungen(m);
            if (m.next() && Datenbank::nummerGueltig(a.AuftragsNr) && a.AuftragsNr < m.value(0).toInt()) {
                qWarning() << "error on delete Auftrag: not the last of its series" << nr;
                return misslungen(tr("Nur der letzte Beleg eines Nummernkreises kann gelöscht werden, "
                                     "damit keine Nummer fehlt; %1 ist es nicht.")
                                      .arg(a.belegNummer()));
            }
        }
        for (const auto& s : statements) {
            QSqlQuery q(m_db);
            if (!Datenbank::mitNummer(q, m_db, s[0], nr)) {
                qWarning() << s[1] << q.lastError().text();
                return misslungen(q);
            }
        }
        Datenbank::melde(m_db, "auftrag");
        return true;
    });
    if (!ok)
        return false;
    m_versionen.remove(nr);
    emit storeChanged();
    return true;
}

bool SqlAuftragsStore::deleteAll()
{
    // A model still reading auftrag holds the table; SQLite would refuse the
    // DROP ("database table is locked"). The models are read again afterwards.
    const int ausgestellt = ausgestellteBelege();
    if (ausgestellt != 0) {
        qWarning() << "error on drop table:" << Ausgestellt << "documents" << ausgestellt;
        if (ausgestellt > 0)
            misslungen(tr("%n ausgestellte Belege müssen aufbewahrt werden; es wurde nichts gelöscht.",
                          "", ausgestellt));
        return false;
    }
    m_listen.beende();
    const bool ok = Datenbank::schreibe(m_db, m_fehler, "error on drop table", [&] {
        for (const char* table : {"auftrag", "auftragslines", "auftragskunden", "zahlungen"}) {
            QSqlQuery q(m_db);
            if (!q.exec(QString("drop table %1").arg(table))) {
                qWarning() << "error on drop table" << q.lastError().text();
                return misslungen(q);
            }
        }
        Datenbank::melde(m_db, "auftrag");
        return true;
    });
    if (!ok) {
        updateModel();
        return false;
    }
    m_versionen.clear();
    createTables();
    m_listen.spaltenNeu();
    emit storeChanged();
    return true;
}

void SqlAuftragsStore::updateModel()
{
    m_listen.liesNeu();
}

namespace {

// The columns the statistics read of an order row, in this order: Nr, Typ,
// Zahlung, Status, Summe, Eingang, KundenNr, Firma, Name, PLZ, Ort, Dienst, Ausgestellt.
AuftragsKennzahlen kennzahlenAus(const QSqlQuery& q)
{
    AuftragsKennzahlen a;
    a.Nr = q.value(0).toInt();
    a.Typ = q.value(1).toInt();
    a.Zahlung = q.value(2).toInt();
    a.Status = q.value(3).toInt();
    a.Summe = q.value(4).toDouble();
    // The day is the start of the stored ISO text; a date-time in local
    // time would cost a time-zone look-up per order.
    a.Eingang = QDate::fromString(q.value(5).toString().left(10), Qt::ISODate);
    a.KundenNr = q.value(6).toInt();
    a.Firma = q.value(7).toString();
    a.Name = q.value(8).toString();
    a.PLZ = q.value(9).toString();
    a.Ort = q.value(10).toString();
    a.Dienst = q.value(11).toInt();
    a.Ausgestellt = !q.value(12).isNull();
    return a;
}

// The snapshot's customer: AuftragsNr, Nr, Firma, Name, PLZ, Ort, Typ, Land, Steuernummer.
void setzeStatistikKunde(AuftragsKennzahlen& a, const QSqlQuery& k)
{
    a.KundenNr = k.value(1).toInt();
    a.Firma = k.value(2).toString();
    a.Name = k.value(3).toString();
    a.PLZ = k.value(4).toString();
    a.Ort = k.value(5).toString();
    a.KundenTyp = k.value(6).toInt();
    a.Land = k.value(7).toString();
    a.Steuernummer = k.value(8).toString();
}

}  // namespace

// The same rows, in the same order and with the same range comparison as
// getAuftraege, but only the columns the statistics need: reading whole
// orders with every text of every line is what makes long ranges slow.
QList<AuftragsKennzahlen> SqlAuftragsStore::getAuftraegeFuerStatistik(const QDateTime& von,
                                                                     const QDateTime& bis,
                                                                     bool mitZeilen)
{
    const QString where = Datenbank::sql(m_db, "a.[Eingang]>=:von and a.[Eingang]<=:bis");
    const QVariantMap werte{{":von", isoText(von)}, {":bis", isoText(bis)}};
    QList<AuftragsKennzahlen> liste;
    QHash<int, int> position;  // order Nr -> index in liste

    QSqlQuery q(m_db);
    q.setForwardOnly(Datenbank::vorwaerts(m_db));
    q.prepare(Datenbank::sql(m_db, "select [Nr],[Typ],[Zahlung],[Status],[Summe],[Eingang],"
                                   "[KundenNr],[Firma],[Name],[PLZ],[Ort],[Dienst],[Ausgestellt] from auftrag a where ")
              + where);
    Datenbank::binde(q, werte);
    if (!Datenbank::lies(m_db, q, m_fehler))
        return liste;
    while (q.next()) {
        position.insert(q.value(0).toInt(), liste.size());
        liste.append(kennzahlenAus(q));
    }
    if (liste.isEmpty())
        return liste;

    // A join lets the database walk the range by Eingang and each order's
    // lines by the line index, instead of testing every line of the journal.
    // The snapshot replaces the customer of the order row, as in getAuftraege.
    QSqlError fehler;
    const bool ok =
        (!mitZeilen
         || liesTeile(m_db, Datenbank::sql(m_db, QString("select %1 from auftrag a join auftragslines l on "
                                                         "l.[Auftrag]=a.[Nr] where ").arg(ZeilenSpalten))
                                + where + Datenbank::sql(m_db, " order by a.[Eingang], a.[Nr], l.[Nr]"),
                      werte, "Auftrag", position,
                      [&liste](const QSqlQuery& l, int i) { liste[i].Zeilen.append(zeileAus(l, false)); }, fehler))
        && liesTeile(m_db, Datenbank::sql(m_db, "select k.[AuftragsNr],k.[Nr],k.[Firma],k.[Name],k.[PLZ],k.[Ort],"
                                                "k.[Typ],k.[Land],k.[Steuernummer] from auftrag a join "
                                                "auftragskunden k on k.[AuftragsNr]=a.[Nr] where ")
                               + where,
                     werte, "AuftragsNr", position,
                     [&liste](const QSqlQuery& k, int i) { setzeStatistikKunde(liste[i], k); }, fehler);
    if (!ok) {
        m_fehler = Datenbank::fehler(fehler);
        return {};
    }
    return liste;
}

void SqlAuftragsStore::vergibBelegNrAlter()
{
    // Orders stored before numbers had prefixes keep their number and get the
    // prefix of their series, so that the documents of all series differ.
    QSqlQuery q(m_db);
    if (!q.exec(Datenbank::sql(m_db, "select 1 from auftrag where [BelegNr] is null and [AuftragsNr]>0 "
                                     "and [Typ] is not null limit 1"))
        || !q.next())
        return;
    q.finish();
    const struct {
        const char* wo;
        int typ, dienst;
    } serien[] = {{"[Typ]=0 and [Dienst]=0", 0, 0},
                  {"[Typ]=0 and ([Dienst]<>0 or [Dienst] is null)", 0, 1},
                  {"[Typ]=2", 2, 0},
                  {"[Typ]=3", 3, 0},
                  {"[Typ] not in (0,2,3)", 1, 0}};
    Speicherfehler f;
    Datenbank::schreibe(m_db, f, "error numbering Auftrag", [&] {
        for (const auto& s : serien) {
            Auftrag a;
            a.Typ = s.typ;
            a.Dienst = s.dienst;
            QSqlQuery u(m_db);
            u.prepare(Datenbank::sql(m_db, QString("update auftrag set [BelegNr]=cast(:p as varchar(255)) || "
                                                   "cast([AuftragsNr] as varchar(20)) where [BelegNr] is null "
                                                   "and [AuftragsNr]>0 and %1").arg(s.wo)));
            u.bindValue(":p", Ausstellung::praefix(a, m_settings));
            if (!u.exec()) {
                qWarning() << "error numbering Auftrag" << u.lastError().text();
                return false;
            }
        }
        return true;
    });
}

namespace {

// PostgreSQL: functions and triggers refusing changes to the final columns fest.
void schuetzePostgres(QSqlDatabase& db, const QStringList& fest, const QString& fehler)
{
    QStringList neu, alt;
    for (const QString& s : fest) {
        neu << QString("new.\"%1\"").arg(s);
        alt << QString("old.\"%1\"").arg(s);
    }
    // Each function replaced only where its text differs.
    const QString funktionen[][2] = {
        {"belegwerk_auftrag_fest",
         QString(" begin if old.\"Ausgestellt\" is not null and (tg_op = 'DELETE' or new.\"Status\" < 2 "
                 "or row(%1) is distinct from row(%2)) then raise exception '%3'; end if; "
                 "if tg_op = 'DELETE' then return old; end if; return new; end ")
             .arg(neu.join(','), alt.join(','), fehler)},
        {"belegwerk_teil_fest",
         QString(" declare nr int; begin "
                 "if tg_op <> 'INSERT' then nr := (to_jsonb(old) ->> tg_argv[0])::int; "
                 "if exists (select 1 from auftrag where \"Nr\"=nr and \"Ausgestellt\" is not null) then "
                 "raise exception '%1'; end if; end if; "
                 "if tg_op <> 'DELETE' then nr := (to_jsonb(new) ->> tg_argv[0])::int; "
                 "if exists (select 1 from auftrag where \"Nr\"=nr and \"Ausgestellt\" is not null) then "
                 "raise exception '%1'; end if; return new; end if; return old; end ")
             .arg(fehler)},
        {"belegwerk_archiv_fest", QString(" begin raise exception '%1'; end ").arg(fehler)},
    };
    for (const auto& f : funktionen) {
        QSqlQuery q(db);
        q.prepare("select prosrc from pg_proc p join pg_namespace s on s.oid=p.pronamespace "
                  "where s.nspname=current_schema() and p.proname=:name");
        q.bindValue(":name", f[0]);
        if (q.exec() && q.next() && q.value(0).toString() == f[1])
            continue;
        Datenbank::aendereSchema(db, QString("create or replace function %1() returns trigger "
                                               "language plpgsql as $$%2$$").arg(f[0], f[1]));
    }
    const char* const ausloeser[][2] = {
        {"auftrag_fest", "create or replace trigger auftrag_fest before update or delete on auftrag "
                         "for each row execute function belegwerk_auftrag_fest()"},
        {"auftragslines_fest", "create or replace trigger auftragslines_fest before insert or update or delete "
                               "on auftragslines for each row execute function belegwerk_teil_fest('Auftrag')"},
        {"auftragskunden_fest", "create or replace trigger auftragskunden_fest before insert or update or delete "
                                "on auftragskunden for each row execute function belegwerk_teil_fest('AuftragsNr')"},
        {"belegarchiv_fest", "create or replace trigger belegarchiv_fest before update or delete on belegarchiv "
                             "for each row execute function belegwerk_archiv_fest()"},
    };
    for (const auto& t : ausloeser)
        Datenbank::erzeuge(db, t[0], t[1]);
}

// SQLite: triggers refusing changes to the final columns fest.
void schuetzeSqlite(QSqlDatabase& db, const QStringList& fest, const QString& fehler)
{
    QStringList geaendert = {"new.[Status] < 2"};
    for (const QString& s : fest)
        geaendert << QString("new.[%1] is not old.[%1]").arg(s);
    const QString abbruch = QString("begin select raise(abort, '%1'); end").arg(fehler);
    const QString ausgestellt("exists (select 1 from auftrag where [Nr]=%1 and [Ausgestellt] is not null)");
    QStringList anweisungen = {
        QString("create trigger if not exists auftrag_fest before update on auftrag when "
                "old.[Ausgestellt] is not null and (%1) %2").arg(geaendert.join(" or "), abbruch),
        QString("create trigger if not exists auftrag_fest_loeschen before delete on auftrag when "
                "old.[Ausgestellt] is not null %1").arg(abbruch),
        QString("create trigger if not exists belegarchiv_fest before update on belegarchiv %1").arg(abbruch),
        QString("create trigger if not exists belegarchiv_fest_loeschen before delete on belegarchiv %1")
            .arg(abbruch),
    };
    const QStringList teile[] = {{"auftragslines", "Auftrag"}, {"auftragskunden", "AuftragsNr"}};
    for (const QStringList& t : teile) {
        anweisungen << QString("create trigger if not exists %1_fest_neu before insert on %1 when %2 %3")
                           .arg(t[0], ausgestellt.arg("new.[" + t[1] + "]"), abbruch)
                    << QString("create trigger if not exists %1_fest_aendern before update on %1 when %2 or %3 %4")
                           .arg(t[0], ausgestellt.arg("new.[" + t[1] + "]"),
                                ausgestellt.arg("old.[" + t[1] + "]"), abbruch)
                    << QString("create trigger if not exists %1_fest_loeschen before delete on %1 when %2 %3")
                           .arg(t[0], ausgestellt.arg("old.[" + t[1] + "]"), abbruch);
    }
    // A guard made before a column joined the final ones is made anew.
    QSqlQuery alt(db);
    if (alt.exec("select sql from sqlite_master where type='trigger' and name='auftrag_fest'") && alt.next()
        && !alt.value(0).toString().contains(fest.last()))
        Datenbank::aendereSchema(db, "drop trigger auftrag_fest");
    static const QRegularExpression name(QStringLiteral("^create trigger if not exists (\\w+)"));
    for (const QString& a : anweisungen)
        Datenbank::erzeuge(db, name.match(a).captured(1), Datenbank::sql(db, a));
}

}  // namespace

void SqlAuftragsStore::erzeugeSchutz()
{
    // Everything of an issued document but its status (which only moves on)
    // is final; no program or tool sharing the database can change it.
    const QStringList fest = {"KundenNr", "Firma", "Name", "Strasse", "PLZ", "Ort", "Bemerkung",
                              "Summe", "Eingang", "Lieferung", "Typ", "Zahlung", "BestellNr",
                              "Dienst", "AuftragsNr", "Komentar", "BelegNr", "Ausgestellt",
                              "Faellig", "Bezug", "Lieferanschrift"};
    const QString fehler = QStringLiteral("belegwerk: Ausgestellt - der Beleg ist unveraenderlich");
    if (Datenbank::istPostgres(m_db))
        schuetzePostgres(m_db, fest, fehler);
    else
        schuetzeSqlite(m_db, fest, fehler);
}

void SqlAuftragsStore::setBetragsrechner(const std::function<Betraege(const Auftrag&)>& rechner)
{
    m_rechner = rechner;
}

SqlAuftragsStore::Betraege SqlAuftragsStore::bindBetraege(QSqlQuery& q, const Auftrag& a) const
{
    Betraege b;
    if (m_rechner) {
        b = m_rechner(a);
    } else {
        b.netto = Betrag::ausEuro(summeDerZeilen(a));
        b.brutto = b.netto;
    }
    q.bindValue(QStringLiteral(":netto"), b.netto.euro());
    q.bindValue(QStringLiteral(":brutto"), b.brutto.euro());
    return b;
}

namespace {

Zahlung zahlungFromQuery(const QSqlQuery& q)
{
    Zahlung z;
    z.Nr = q.value(0).toInt();
    z.Auftrag = q.value(1).toInt();
    z.Datum = QDate::fromString(q.value(2).toString().left(10), Qt::ISODate);
    z.Betrag = Betrag::ausEuro(q.value(3).toDouble());
    z.Art = q.value(4).isNull() ? -1 : q.value(4).toInt();
    z.Referenz = q.value(5).toString();
    return z;
}

}  // namespace

Offenposten SqlAuftragsStore::offenposten(int auftrag)
{
    Offenposten o;
    QSqlQuery q(m_db);
    q.prepare(Datenbank::sql(m_db, "select " + offenpostenTeile().join(',') + " from auftrag where [Nr]=:nr"));
    q.bindValue(":nr", auftrag);
    if (!Datenbank::lies(m_db, q, m_fehler))
        return o;
    if (q.next()) {
        o.brutto = Betrag::ausEuro(q.value(0).toDouble());
        o.bezahlt = Betrag::ausEuro(q.value(1).toDouble());
        o.gutgeschrieben = Betrag::ausEuro(q.value(2).toDouble());
    }
    return o;
}

QList<Zahlung> SqlAuftragsStore::getZahlungen(int auftrag)
{
    QList<Zahlung> liste;
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.prepare(Datenbank::sql(m_db, QString("select [Nr],[Auftrag],[Datum],[Betrag],[Art],[Referenz] from "
                                           "zahlungen%1 order by [Auftrag],[Datum],[Nr]")
                                       .arg(auftrag > 0 ? " where [Auftrag]=:nr" : "")));
    if (auftrag > 0)
        q.bindValue(":nr", auftrag);
    if (!Datenbank::lies(m_db, q, m_fehler))
        return liste;
    while (q.next())
        liste.append(zahlungFromQuery(q));
    return liste;
}

QList<Zahlung> SqlAuftragsStore::getAlleZahlungen()
{
    return getZahlungen(0);
}

bool SqlAuftragsStore::rechneOffen(int nr)
{
    QSqlQuery q(m_db);
    const QString rechne = "update auftrag set [Offen]=" + offenAusdruck() + " where [Nr]=:nr";
    if (!Datenbank::mitNummer(q, m_db, rechne, nr)) {
        qWarning() << "error updateing Auftrag: open amount" << q.lastError().text() << nr;
        return misslungen(q);
    }
    return true;
}

bool SqlAuftragsStore::folgeGutschrift(int nr)
{
    // Only credit notes covering the whole gross cancel the invoice; a part
    // credited leaves the rest to be paid.
    const Offenposten o = offenposten(nr);
    if (m_fehler.art != Speicherfehler::Keiner)
        return false;
    if (o.gutgeschrieben < o.brutto)
        return folgeZahlungen(nr);
    return setzeStatus(nr, AuftragsStatus::Storniert) && rechneOffen(nr);
}

bool SqlAuftragsStore::folgeZahlungen(int nr)
{
    if (!rechneOffen(nr))
        return false;
    QSqlQuery s(m_db);
    if (!Datenbank::mitNummer(s, m_db, "select [Status],[Ausgestellt],[Offen] from auftrag where [Nr]=:nr and [Typ]=0",
                              nr))
        return misslungen(s);
    if (!s.next())
        return true;
    const int status = s.value(0).toInt();
    const bool ausgestellt = !s.value(1).isNull();
    const Betrag offen = Betrag::ausEuro(s.value(2).toDouble());
    s.finish();
    int neu = status;
    if (offen <= Betrag() && status >= 0 && status < AuftragsStatus::Bezahlt)
        neu = AuftragsStatus::Bezahlt;
    else if (offen > Betrag() && status == AuftragsStatus::Bezahlt)
        neu = ausgestellt ? AuftragsStatus::Gedruckt : AuftragsStatus::Gespeichert;
    return neu == status || setzeStatus(nr, neu);
}

bool SqlAuftragsStore::setzeStatus(int nr, int neu)
{
    QSqlQuery u(m_db);
    u.prepare(Datenbank::sql(m_db, "update auftrag set [Status]=:status ,[Version]=coalesce([Version],0)+1 "
                                   "where [Nr]=:nr and [Typ]=0"));
    u.bindValue(":status", neu);
    u.bindValue(":nr", nr);
    if (!u.exec()) {
        qWarning() << "error updateing Auftrag" << u.lastError().text() << nr;
        return misslungen(u);
    }
    m_versionen.remove(nr);
    return true;
}

bool SqlAuftragsStore::addZahlung(Zahlung& z)
{
    if (z.Betrag <= Betrag())
        return misslungen(tr("Der Betrag einer Zahlung muss größer als 0 sein."));
    if (!z.Datum.isValid() || !Datenbank::gueltig(z.Datum))
        return misslungen(tr("Die Zahlung hat kein gültiges Datum."));
    const int vorher = z.Nr;
    const bool ok = Datenbank::schreibe(m_db, m_fehler, "error inserting Zahlung", [&] {
        QSqlQuery p(m_db);
        if (!Datenbank::mitNummer(p, m_db, "select [Typ],[Status] from auftrag where [Nr]=:nr", z.Auftrag))
            return misslungen(p);
        if (!p.next() || p.value(0).toInt() != Auftragsart::Rechnung)
            return misslungen(tr("Zahlungen werden nur zu Rechnungen erfasst."));
        const int status = p.value(1).toInt();
        p.finish();
        // Older credit notes cancelled their invoice even where they corrected only part of it.
        if (status < 0 || (status == AuftragsStatus::Storniert && offenposten(z.Auftrag).gutgeschrieben == Betrag()))
            return misslungen(tr("Die Rechnung ist storniert."));
        QSqlQuery q(m_db);
        q.prepare(Datenbank::sql(m_db, QString(ZahlungEinfuegen)
                                           + (Datenbank::istPostgres(m_db) ? " returning [Nr]" : "")));
        bindZahlung(q, z.Auftrag, z);
        if (!q.exec()) {
            qWarning() << "error inserting Zahlung" << q.lastError().text() << z;
            return misslungen(q);
        }
        z.Nr = Datenbank::istPostgres(m_db) ? (q.next() ? q.value(0).toInt() : 0) : q.lastInsertId().toInt();
        q.finish();
        if (!folgeZahlungen(z.Auftrag))
            return false;
        Datenbank::melde(m_db, "auftrag");
        return true;
    });
    if (!ok) {
        z.Nr = vorher;
        return false;
    }
    emit storeChanged();
    return true;
}

bool SqlAuftragsStore::delZahlung(int nr)
{
    const bool ok = Datenbank::schreibe(m_db, m_fehler, "error on delete Zahlung", [&] {
        QSqlQuery p(m_db);
        if (!Datenbank::mitNummer(p, m_db, "select [Auftrag] from zahlungen where [Nr]=:nr", nr))
            return misslungen(p);
        if (!p.next())
            return true;
        const int auftrag = p.value(0).toInt();
        p.finish();
        QSqlQuery q(m_db);
        if (!Datenbank::mitNummer(q, m_db, "delete from zahlungen where [Nr]=:nr", nr)) {
            qWarning() << "error on delete Zahlung" << q.lastError().text();
            return misslungen(q);
        }
        if (!folgeZahlungen(auftrag))
            return false;
        Datenbank::melde(m_db, "auftrag");
        return true;
    });
    if (!ok)
        return false;
    emit storeChanged();
    return true;
}

namespace {

QDate heute(const Auftragsauswahl& w)
{
    return w.heute.isValid() ? w.heute : QDate::currentDate();
}

}  // namespace

QString SqlAuftragsStore::bedingung(const Auftragsauswahl& w) const
{
    QStringList teile;
    if (w.zeitraumGilt()) {
        // Whole calendar days, as filterModel compares them.
        const QString tag("%1T00:00:00");
        teile << Datenbank::sql(m_db, "[Eingang]>='%1' and [Eingang]<'%2'")
                     .arg(tag.arg(w.von.toString(Qt::ISODate)), tag.arg(w.bis.addDays(1).toString(Qt::ISODate)));
    }
    if (w.typ >= 0)
        teile << Datenbank::sql(m_db, "[Typ]=%1").arg(w.typ);
    if (w.status >= 0)
        teile << Datenbank::sql(m_db, "[Status]=%1").arg(w.status);
    // Half a cent: the sums are of stored euros.
    if (w.offen || w.ueberfaellig)
        teile << Datenbank::sql(m_db, "[Offen]>0.005");
    if (w.ueberfaellig)
        teile << Datenbank::sql(m_db, "[Faellig]<'%1'").arg(heute(w).toString(Qt::ISODate));
    const QString text = w.suche.trimmed();
    if (!text.isEmpty()) {
        const auto wert = [this](const QVariant& v) {
            QSqlField f(QString(), v.metaType());
            f.setValue(v);
            return m_db.driver()->formatValue(f);
        };
        const QString muster = wert(QString("%" + text + "%"));
        QStringList oder = {Datenbank::sql(m_db, "[BelegNr] like %1").arg(muster),
                            Datenbank::sql(m_db, "[Name] like %1").arg(muster),
                            Datenbank::sql(m_db, "[Firma] like %1").arg(muster)};
        bool zahl = false;
        const qlonglong nr = text.toLongLong(&zahl);
        if (zahl && nr >= 0 && nr <= Datenbank::GroessteNummer)
            oder << Datenbank::sql(m_db, "[AuftragsNr]=%1 or [KundenNr]=%1").arg(nr);
        if (const std::optional<Betrag> b = Betrag::lies(text)) {
            const QString e = b->zahl();
            oder << Datenbank::sql(m_db, "abs([Summe]-(%1))<0.005 or abs(coalesce([Brutto],[Summe])-(%1))<0.005 "
                                         "or abs([Offen]-(%1))<0.005")
                        .arg(e);
        }
        teile << "(" + oder.join(") or (") + ")";
    }
    return teile.isEmpty() ? QString() : "(" + teile.join(") and (") + ")";
}

QSqlTableModel* SqlAuftragsStore::listenModel(const Auftragsauswahl& w)
{
    return m_listen.behalte(new AuftragsListenModell(nullptr, m_db), bedingung(w), m_fehler);
}

Auftragssummen SqlAuftragsStore::summen(const Auftragsauswahl& w)
{
    Auftragssummen s;
    const QString wo = bedingung(w);
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.prepare(Datenbank::sql(m_db, "select count(*), sum(coalesce([Netto],[Summe])), "
                                   "sum(coalesce([Brutto],[Summe])), sum([Offen]), "
                                   "sum(case when [Offen]>0.005 and [Faellig]<'%1' then [Offen] end) from auftrag%2")
                  .arg(heute(w).toString(Qt::ISODate), wo.isEmpty() ? QString() : " where " + wo));
    if (!Datenbank::lies(m_db, q, m_fehler) || !q.next())
        return s;
    s.anzahl = q.value(0).toInt();
    s.netto = Betrag::ausEuro(q.value(1).toDouble());
    s.brutto = Betrag::ausEuro(q.value(2).toDouble());
    s.offen = Betrag::ausEuro(q.value(3).toDouble());
    s.ueberfaellig = Betrag::ausEuro(q.value(4).toDouble());
    return s;
}

bool SqlAuftragsStore::setMahnung(const QList<int>& auftragsNummern, int stufe, const QDate& datum)
{
    if (stufe < 1 || stufe > 3 || !datum.isValid() || !Datenbank::gueltig(datum))
        return misslungen(tr("Eine Mahnung braucht eine Stufe von 1 bis 3 und ein gültiges Datum."));
    const bool ok = Datenbank::schreibe(m_db, m_fehler, "error updating Mahnung", [&] {
        QSqlQuery q(m_db);
        q.prepare(Datenbank::sql(m_db, "update auftrag set [Mahnstufe]=:stufe ,[Gemahnt]=:datum "
                                       "where [Nr]=:nr and [Typ]=0"));
        for (int nr : auftragsNummern) {
            q.bindValue(":stufe", stufe);
            q.bindValue(":datum", datum.toString(Qt::ISODate));
            q.bindValue(":nr", nr);
            if (!q.exec()) {
                qWarning() << "error updating Mahnung" << q.lastError().text() << nr;
                return misslungen(q);
            }
            if (q.numRowsAffected() != 1)
                return misslungen(tr("Die Rechnung %1 gibt es nicht.").arg(nr));
        }
        Datenbank::melde(m_db, "auftrag");
        return true;
    });
    if (ok)
        emit storeChanged();
    return ok;
}
