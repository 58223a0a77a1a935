#include "windows/speicherhinweis.h"

#include "platform/interaktion.h"
#include "store/datenbank.h"

#include <QSqlError>
#include <QSqlTableModel>

Speicherhinweis::Antwort Speicherhinweis::zeige(QWidget* parent, const QString& titel,
                                                const QString& text, const Speicherfehler& f)
{
    Interaktion* i = Interaktion::instance();
    switch (f.art) {
    case Speicherfehler::Belegt:
        return i->question(parent, titel,
                           text + "\n" + tr("Die Datenbank wird gerade von einem anderen Programm "
                                            "benutzt. Bitte versuchen Sie es gleich noch einmal."),
                           QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Cancel,
                           QMessageBox::Warning)
                       == QMessageBox::Retry
                   ? Wiederholen
                   : Aufgeben;
    case Speicherfehler::Zeitueberschreitung:
    case Speicherfehler::Unterbrochen:
        return i->question(parent, titel,
                           text + "\n"
                               + (f.art == Speicherfehler::Unterbrochen
                                      ? tr("Die Verbindung zur Datenbank war unterbrochen; es "
                                           "wurde nichts gespeichert.")
                                      : tr("Der Datenbankserver hat nicht rechtzeitig "
                                           "geantwortet; es wurde nichts gespeichert."))
                               + "\n" + f.text,
                           QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Cancel,
                           QMessageBox::Warning)
                       == QMessageBox::Retry
                   ? Wiederholen
                   : Aufgeben;
    case Speicherfehler::Ungewiss:
        i->warning(parent, titel,
                   text + "\n" + tr("Die Verbindung zur Datenbank brach beim Abschluss ab; ob "
                                    "gespeichert wurde, ist unbekannt. Bitte prüfen Sie die "
                                    "Liste, bevor Sie es noch einmal eingeben."));
        return Aufgeben;
    case Speicherfehler::Geaendert:
        return i->question(parent, titel,
                           text + "\n" + tr("Er wurde inzwischen an einem anderen Arbeitsplatz "
                                            "geändert oder gelöscht. Neu laden? Ihre Eingaben "
                                            "gehen dabei verloren."),
                           QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::Warning)
                       == QMessageBox::Yes
                   ? NeuLaden
                   : Aufgeben;
    case Speicherfehler::Gesperrt:
        i->warning(parent, titel,
                   text + "\n" + tr("Die Datenbankdatei ist beschädigt; es wird nichts "
                                    "geschrieben:") + "\n" + f.text);
        return Aufgeben;
    case Speicherfehler::Keiner:
        i->warning(parent, titel, text);
        return Aufgeben;
    default:
        i->warning(parent, titel, text + "\n" + f.text);
        return Aufgeben;
    }
}

bool Speicherhinweis::pruefeListe(QWidget* parent, const QString& titel, QSqlTableModel* model)
{
    if (!model || !model->lastError().isValid())
        return true;
    // A damaged file or a connection that failed was reported at start-up already.
    if (!model->database().isOpen() || !Datenbank::sperrgrund(model->database()).isEmpty())
        return false;
    Interaktion::instance()->warning(parent, titel,
                                     tr("Die Liste konnte nicht gelesen werden:") + "\n"
                                         + model->lastError().text());
    return false;
}
