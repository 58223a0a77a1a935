#include "store/ausstellung.h"

#include "platform/einstellung.h"
#include "platform/pruefsumme.h"
#include "records/codetabellen.h"

bool Ausstellung::wirdAusgestellt(const Auftrag& a)
{
    return a.Typ == Auftragsart::Rechnung || a.Typ == Auftragsart::Gutschrift;
}

Auftrag Ausstellung::vorbereiten(Auftrag a, const QDateTime& jetzt, const QSettings& s)
{
    // Whole seconds: the database keeps no more, and the printed date must be the stored one.
    const QDateTime zeit = jetzt.addMSecs(-jetzt.time().msec());
    a.Ausgestellt = zeit;
    if (a.Status >= AuftragsStatus::Neu && a.Status < AuftragsStatus::Gedruckt) {
        a.Eingang = zeit;
        a.Status = AuftragsStatus::Gedruckt;
    }
    const QDate datum = a.Eingang.isValid() ? a.Eingang.date() : zeit.date();
    a.Faellig = datum.addDays(qMax(0, Einstellung::zahl(Einstellung::RechnungZahlungsziel, s)));
    return a;
}

QString Ausstellung::pruefsumme(const QByteArray& datei)
{
    return QString::fromLatin1(Pruefsumme::hex(datei));
}

QString Ausstellung::grund(const Auftrag& a)
{
    return tr("Ausgestellt am %1 — Korrekturen nur über eine Gutschrift")
        .arg(a.Ausgestellt.toString("dd.MM.yyyy"));
}

QString Ausstellung::praefix(const Auftrag& a, const QSettings& s)
{
    Einstellung::Schluessel k = Einstellung::NummernLieferschein;
    switch (a.Typ) {
    case Auftragsart::Rechnung:
        k = a.Dienst == Auftrag::Schulung ? Einstellung::NummernRechnung0 : Einstellung::NummernRechnung1;
        break;
    case Auftragsart::Gutschrift:
        k = Einstellung::NummernGutschrift;
        break;
    case Auftragsart::Angebot:
        k = Einstellung::NummernAngebot;
        break;
    default:
        break;
    }
    return Einstellung::text(k, s).trimmed();
}
