#ifndef SKRIPTINTERAKTION_H
#define SKRIPTINTERAKTION_H

#include "platform/interaktion.h"

#include <QList>
#include <QStringList>
#include <QUrl>
#include <QVariant>

// Answers the program's questions from a script, in order, and records what was asked; installed while
// it lives. Unscripted: a question gets its default button, an input or file choice is cancelled, a print
// dialog is refused.
class SkriptInteraktion : public Interaktion
{
public:
    struct Frage
    {
        QString art;  // "question", "information", "warning", "getText", ...
        QString titel;
        QString text;
        QStringList auswahl;  // the items offered by getItem()
    };

    SkriptInteraktion() { Interaktion::install(this); }
    ~SkriptInteraktion() override { Interaktion::install(nullptr); }

    // The next answers: a QMessageBox::StandardButton, the text, number or chosen position (int) of an
    // input, a file name (or a list of name and chosen filter), a bool for printDialog() or a QString: print into that PDF file. Null cancels.
    // A text typed into a checked input must be accepted by its check, or the test fails.
    void antworte(const QVariant& antwort) { m_antworten.append(antwort); }

    QList<Frage> fragen;
    QList<QUrl> urls;

    QStringList arten() const  // the art of every recorded Frage
    {
        QStringList a;
        for (const Frage& f : fragen)
            a << f.art;
        return a;
    }
    int anzahl(const QString& art) const { return arten().count(art); }
    void vergiss()  // clears the records and the answers nobody asked for
    {
        fragen.clear();
        urls.clear();
        m_antworten.clear();
    }

    QMessageBox::StandardButton question(QWidget*, const QString& title, const QString& text,
                                         QMessageBox::StandardButtons, QMessageBox::StandardButton standard,
                                         QMessageBox::Icon) override
    {
        return QMessageBox::StandardButton(naechste("question", title, text, int(standard)).toInt());
    }
    void information(QWidget*, const QString& title, const QString& text) override
    {
        fragen.append({"information", title, text, {}});
    }
    void warning(QWidget*, const QString& title, const QString& text) override
    {
        fragen.append({"warning", title, text, {}});
    }
    QString getText(QWidget*, const QString& title, const QString& label, const QString& text, bool* ok) override
    {
        return naechste("getText", title, label, text, ok).toString();
    }
    int getInt(QWidget*, const QString& title, const QString& label, int value, int, int, int, bool* ok) override
    {
        return naechste("getInt", title, label, value, ok).toInt();
    }
    QString getCheckedText(QWidget*, const QString& title, const QString& label, const QString& text,
                           const Pruefung& pruefe, bool* ok) override;
    QString getItem(QWidget*, const QString& title, const QString& label, const QStringList& items,
                    int current, bool* ok) override
    {
        const int wahl = naechste("getItem", title, label, current, ok).toInt();
        fragen.last().auswahl = items;
        return items.value(wahl);
    }
    QString getOpenFileName(QWidget*, const QString& caption, const QString&, const QString& filter) override
    {
        return naechste("getOpenFileName", caption, filter).toString();
    }
    QString getSaveFileName(QWidget*, const QString& caption, const QString&, const QString& filter,
                            QString* gewaehlterFilter) override
    {
        const QVariant a = naechste("getSaveFileName", caption, filter);
        if (a.typeId() != QMetaType::QStringList)
            return a.toString();
        if (gewaehlterFilter)
            *gewaehlterFilter = a.toStringList().value(1);
        return a.toStringList().value(0);
    }
    bool printDialog(QPrinter* printer, QWidget*) override;
    bool openUrl(const QUrl& url) override
    {
        fragen.append({"openUrl", QString(), url.toString(), {}});
        urls.append(url);
        return urlsOeffnen;
    }
    bool urlsOeffnen = true;  // false: as if no program took the link

private:
    // Records the question; the scripted answer, or sonst when there is none (then *ok is false).
    QVariant naechste(const QString& art, const QString& titel, const QString& text,
                      const QVariant& sonst = {}, bool* ok = nullptr);

    QList<QVariant> m_antworten;
};

#endif
