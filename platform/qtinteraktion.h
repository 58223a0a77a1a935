#ifndef QTINTERAKTION_H
#define QTINTERAKTION_H

#include "platform/interaktion.h"

// The interaction of a real session: Qt's standard dialogs and QDesktopServices.
class QtInteraktion : public Interaktion
{
public:
    QMessageBox::StandardButton question(QWidget* parent, const QString& title,
                                         const QString& text, QMessageBox::StandardButtons buttons,
                                         QMessageBox::StandardButton defaultButton,
                                         QMessageBox::Icon icon) override;
    void information(QWidget* parent, const QString& title, const QString& text) override;
    void warning(QWidget* parent, const QString& title, const QString& text) override;
    QString getPassword(QWidget* parent, const QString& title, const QString& label,
                        bool* ok) override;
    QString getText(QWidget* parent, const QString& title, const QString& label,
                    const QString& text, bool* ok) override;
    int getInt(QWidget* parent, const QString& title, const QString& label, int value, int min,
               int max, int step, bool* ok) override;
    QString getCheckedText(QWidget* parent, const QString& title, const QString& label,
                           const QString& text, const Pruefung& pruefe, bool* ok) override;
    QString getItem(QWidget* parent, const QString& title, const QString& label,
                    const QStringList& items, int current, bool* ok) override;
    QString getOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                            const QString& filter) override;
    QString getSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                            const QString& filter,
                            QString* gewaehlterFilter) override;
    bool printDialog(QPrinter* printer, QWidget* parent) override;
    bool openUrl(const QUrl& url) override;
};

#endif
