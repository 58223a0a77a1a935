#ifndef FORTSCHRITT_H
#define FORTSCHRITT_H

#include <QString>

#include <functional>
#include <memory>

class QProgressDialog;
class QWidget;

// Progress of a long import or export: a window with a cancel button that
// appears only when the work takes longer than a moment, and keeps the main
// window painting while the work runs on the one GUI thread.
class Fortschritt
{
public:
    // Told how far the work is (done of total); returns false once cancelled.
    using Meldung = std::function<bool(qint64 erledigt, qint64 gesamt)>;

    Fortschritt(QWidget* parent, const QString& titel);
    ~Fortschritt();

    // Reports done of total and lets the event loop run; false once the user cancelled.
    bool melde(qint64 erledigt, qint64 gesamt);
    // melde() as a callable for the import and export functions.
    Meldung meldung();

    // A Meldung that never cancels, for callers without a window.
    static Meldung ohne();
    // weiter (which may be empty: never cancels), remembering in abgebrochen
    // whether it cancelled.
    static Meldung merkend(const Meldung& weiter, bool& abgebrochen);

private:
    std::unique_ptr<QProgressDialog> m_dialog;
};

#endif
