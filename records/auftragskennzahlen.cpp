#include "records/auftragskennzahlen.h"

AuftragsKennzahlen AuftragsKennzahlen::aus(const Auftrag& a)
{
    AuftragsKennzahlen k;
    k.Nr = a.Nr;
    k.Typ = a.Typ;
    k.Zahlung = a.Zahlung;
    k.Status = a.Status;
    k.Summe = a.Summe;
    k.Eingang = a.Eingang.date();
    k.Ausgestellt = a.Ausgestellt.isValid();
    k.KundenNr = a.Kunde.Nr;
    k.Firma = a.Kunde.Firma;
    k.Name = a.Kunde.Name;
    k.PLZ = a.Kunde.PLZ;
    k.Ort = a.Kunde.Ort;
    k.KundenTyp = a.Kunde.Typ;
    k.Dienst = a.Dienst;
    k.Land = a.Kunde.Land;
    k.Steuernummer = a.Kunde.Steuernummer;
    k.Zeilen = a.Zeilen;
    return k;
}

Kunde AuftragsKennzahlen::kunde() const
{
    ::Kunde k;
    k.Nr = KundenNr;
    k.Firma = Firma;
    k.Name = Name;
    k.PLZ = PLZ;
    k.Ort = Ort;
    k.Typ = KundenTyp;
    k.Land = Land;
    k.Steuernummer = Steuernummer;
    return k;
}

Auftrag AuftragsKennzahlen::auftrag() const
{
    Auftrag a;
    a.Nr = Nr;
    a.Typ = Typ;
    a.Dienst = Dienst;
    a.Status = Status;
    a.Kunde = kunde();
    a.Zeilen = Zeilen;
    return a;
}
