#ifndef SKRIPTINTERAKTION_H
#define SKRIPTINTERAKTION_H

#include "platform/interaktion.h"

#include <QList>
#include <QStringList>
#include <QUrl>
#include <QVariant>

// Answers the program's questions from a script, in order, and records what was
// asked. Installs itself while it lives. Without a scripted answer a question
// gets its default button, an input box or file choice is cancelled, and a
// print dialog is refused.
class SkriptInteraktion : public Interaktion
{
public:
    struct Frage
    {
        QString art;  // "question", "information", "warning", "getText", ...
        QString titel;
        QString text;
        QString vorgabe;  // proposed file name or folder of a file choice
        QStringList auswahl;  // the items offered by getItem()
    };

    SkriptInteraktion();
    ~SkriptInteraktion() override;

    // The next answers: a QMessageBox::StandardButton for question(), a
    // QString for getText() and the file choices, the chosen position (int)
    // for getItem(), an int or double for the
    // number boxes, a bool for printDialog() or a QString: print into that
    // PDF file. A null QVariant cancels.
    void antworte(const QVariant& antwort);

    QList<Frage> fragen;
    QList<QUrl> urls;
    bool openUrlErgebnis = true;

    QStringList arten() const;  // the art of every recorded Frage
    int anzahl(const QString& art) const;
    void vergiss();  // clears the records

    QMessageBox::StandardButton question(QWidget* parent, const QString& title,
                                         const QString& text, QMessageBox::StandardButtons buttons,
                                         QMessageBox::StandardButton defaultButton,
                                         QMessageBox::Icon icon) override;
    void information(QWidget* parent, const QString& title, const QString& text) override;
    void warning(QWidget* parent, const QString& title, const QString& text) override;
    QString getText(QWidget* parent, const QString& title, const QString& label,
                    const QString& text, bool* ok) override;
    int getInt(QWidget* parent, const QString& title, const QString& label, int value, int min,
               int max, int step, bool* ok) override;
    double getDouble(QWidget* parent, const QString& title, const QString& label, double value,
                     double min, double max, int decimals, bool* ok) override;
    QString getItem(QWidget* parent, const QString& title, const QString& label,
                    const QStringList& items, int current, bool* ok) override;
    QString getOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                            const QString& filter) override;
    QString getSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                            const QString& filter) override;
    bool printDialog(QPrinter* printer, QWidget* parent) override;
    bool openUrl(const QUrl& url) override;

private:
    QVariant naechste(const QString& art, const QString& titel, const QString& text,
                      const QString& vorgabe = QString());

    QList<QVariant> m_antworten;
};

#endif
