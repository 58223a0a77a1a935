#ifndef SPEICHERHINWEIS_H
#define SPEICHERHINWEIS_H

#include "store/speicherfehler.h"

#include <QCoreApplication>
#include <QString>

class QSqlTableModel;
class QWidget;

// Tells the user why a store did not write and asks what helps: trying again
// while another program holds the database, reloading a record changed on
// another workstation.
class Speicherhinweis
{
    Q_DECLARE_TR_FUNCTIONS(Speicherhinweis)

public:
    enum Antwort { Aufgeben, Wiederholen, NeuLaden };

    // text says what failed ("Der Auftrag konnte nicht gespeichert werden.").
    static Antwort zeige(QWidget* parent, const QString& titel, const QString& text,
                         const Speicherfehler& f);
    // Runs schreibe until it succeeds or the user no longer chooses to try again; false then, with the
    // last answer in antwort when given. store tells why each attempt failed.
    template <typename Store, typename Schreiben>
    static bool wiederhole(QWidget* parent, const QString& titel, const QString& text, Store* store,
                           Schreiben schreibe, Antwort* antwort = nullptr)
    {
        while (!schreibe()) {
            const Antwort a = zeige(parent, titel, text, store->letzterFehler());
            if (antwort)
                *antwort = a;
            if (a != Wiederholen)
                return false;
        }
        return true;
    }
    // A list whose selection failed says so instead of showing no rows; false then.
    static bool pruefeListe(QWidget* parent, const QString& titel, QSqlTableModel* model);
};

#endif
