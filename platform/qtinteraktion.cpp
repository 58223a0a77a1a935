#include "platform/qtinteraktion.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QPrintDialog>
#include <QUrl>

QMessageBox::StandardButton QtInteraktion::question(QWidget* parent, const QString& title,
                                                    const QString& text,
                                                    QMessageBox::StandardButtons buttons,
                                                    QMessageBox::StandardButton defaultButton,
                                                    QMessageBox::Icon icon)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    box.setEscapeButton(defaultButton);
    box.exec();
    const QMessageBox::StandardButton b = box.standardButton(box.clickedButton());
    return b == QMessageBox::NoButton ? defaultButton : b;
}

void QtInteraktion::information(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::information(parent, title, text);
}

void QtInteraktion::warning(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::warning(parent, title, text);
}

QString QtInteraktion::getText(QWidget* parent, const QString& title, const QString& label,
                               const QString& text, bool* ok)
{
    return QInputDialog::getText(parent, title, label, QLineEdit::Normal, text, ok);
}

int QtInteraktion::getInt(QWidget* parent, const QString& title, const QString& label, int value,
                          int min, int max, int step, bool* ok)
{
    return QInputDialog::getInt(parent, title, label, value, min, max, step, ok);
}

double QtInteraktion::getDouble(QWidget* parent, const QString& title, const QString& label,
                                double value, double min, double max, int decimals, bool* ok)
{
    return QInputDialog::getDouble(parent, title, label, value, min, max, decimals, ok);
}

QString QtInteraktion::getItem(QWidget* parent, const QString& title, const QString& label,
                               const QStringList& items, int current, bool* ok)
{
    return QInputDialog::getItem(parent, title, label, items, current, false, ok);
}

QString QtInteraktion::getOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                                       const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString QtInteraktion::getSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                       const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

bool QtInteraktion::printDialog(QPrinter* printer, QWidget* parent)
{
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool QtInteraktion::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}
