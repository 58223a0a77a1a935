#ifndef CODETABELLEN_H
#define CODETABELLEN_H

#include <QCoreApplication>
#include <QStringList>

// The integer codes stored in the type, status and payment fields. Each code is
// the row of its name in the lists below; the values are stored in the database
// and exchanged in files, so they never change.
namespace Auftragsart {
enum Code { Rechnung = 0, Lieferschein = 1, Gutschrift = 2, Angebot = 3 };
}
namespace Zahlungsart {
enum Code { Keine = -1, Bar = 0, EC = 1, Ueberweisung = 2, Bankeinzug = 3, Kreditkarte = 4,
            Scheck = 5 };
}
namespace AuftragsStatus {
enum Code { Neu = 0, Gespeichert = 1, Gedruckt = 2, Bezahlt = 3, Versand = 4,
            Fertig = 5, Storniert = 6 };
}
namespace KundenTyp {
enum Code { Kunde1 = 0, Kunde2 = 1, Kunde3 = 2, Intern = 3 };
}
namespace ProduktTyp {
enum Code { Dienstleistung = 0, Waren = 1, Kosten = 2, Sonstiges = 3 };
}

// The translated names of the code tables, indexed by code.
class CodeTabellen
{
    Q_DECLARE_TR_FUNCTIONS(CodeTabellen)

public:
    static QStringList auftragsarten();
    static QStringList zahlungsarten();
    static QStringList auftragsStatus();
    static QStringList dienstTypen();
    static QStringList kundenTypen();
    static QStringList produktTypen();

    // The name of a code, empty for -1 and every code outside the list.
    static QString name(const QStringList& namen, int code);
};

#endif
