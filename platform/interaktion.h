#ifndef INTERAKTION_H
#define INTERAKTION_H

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <functional>

class QPrinter;
class QUrl;
class QWidget;

// Every question, message, input box, file choice, print dialog and desktop
// call of the program goes through the one installed Interaktion, so that
// tests can answer them instead of blocking.
class Interaktion
{
public:
    virtual ~Interaktion();

    // The installed implementation; the Qt dialogs unless another was installed.
    static Interaktion* instance();
    // Installs i (not owned) for all later calls; nullptr restores the Qt dialogs.
    static void install(Interaktion* i);

    // A question; returns the button chosen, defaultButton when the box is closed.
    virtual QMessageBox::StandardButton question(
        QWidget* parent, const QString& title, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
        QMessageBox::StandardButton defaultButton = QMessageBox::No,
        QMessageBox::Icon icon = QMessageBox::Question) = 0;
    virtual void information(QWidget* parent, const QString& title, const QString& text) = 0;
    virtual void warning(QWidget* parent, const QString& title, const QString& text) = 0;

    // Input boxes; *ok (when given) tells whether the user accepted.
    virtual QString getText(QWidget* parent, const QString& title, const QString& label,
                            const QString& text = QString(), bool* ok = nullptr) = 0;
    virtual int getInt(QWidget* parent, const QString& title, const QString& label, int value = 0,
                       int min = -2147483647, int max = 2147483647, int step = 1,
                       bool* ok = nullptr) = 0;
    // A password input: the text is not shown; tests answer it as getText().
    virtual QString getPassword(QWidget* parent, const QString& title, const QString& label,
                                bool* ok = nullptr);
    // Tells why a text cannot be taken, or an empty string when it can.
    using Pruefung = std::function<QString(const QString&)>;
    // A text input whose OK stays disabled, with pruefe's hint shown, while
    // pruefe refuses the text; the text returned was accepted by pruefe.
    virtual QString getCheckedText(QWidget* parent, const QString& title, const QString& label,
                                   const QString& text, const Pruefung& pruefe,
                                   bool* ok = nullptr) = 0;

    // A choice from items, current preselected; *ok tells whether the user accepted.
    virtual QString getItem(QWidget* parent, const QString& title, const QString& label,
                            const QStringList& items, int current = 0, bool* ok = nullptr) = 0;

    // File choices; an empty name means cancelled. *gewaehlterFilter gets the
    // filter the user left selected.
    virtual QString getOpenFileName(QWidget* parent, const QString& caption,
                                    const QString& dir = QString(),
                                    const QString& filter = QString()) = 0;
    virtual QString getSaveFileName(QWidget* parent, const QString& caption,
                                    const QString& dir = QString(),
                                    const QString& filter = QString(),
                                    QString* gewaehlterFilter = nullptr) = 0;

    // The print dialog for printer; true when the user chose to print.
    virtual bool printDialog(QPrinter* printer, QWidget* parent) = 0;

    // Opens a URL (mailto:, file:) with the desktop's default program.
    virtual bool openUrl(const QUrl& url) = 0;
};

#endif
