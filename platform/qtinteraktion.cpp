#include "platform/qtinteraktion.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPrintDialog>
#include <QUrl>
#include <QVBoxLayout>

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

QString QtInteraktion::getPassword(QWidget* parent, const QString& title, const QString& label,
                                   bool* ok)
{
    return QInputDialog::getText(parent, title, label, QLineEdit::Password, QString(), ok);
}

int QtInteraktion::getInt(QWidget* parent, const QString& title, const QString& label, int value,
                          int min, int max, int step, bool* ok)
{
    return QInputDialog::getInt(parent, title, label, value, min, max, step, ok);
}

QString QtInteraktion::getCheckedText(QWidget* parent, const QString& title, const QString& label,
                                      const QString& text, const Pruefung& pruefe, bool* ok)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto* feld = new QLineEdit(text, &dialog);
    auto* hinweis = new QLabel(&dialog);
    hinweis->setWordWrap(true);
    hinweis->setStyleSheet(QStringLiteral("color: #c00000;"));
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(label, &dialog));
    layout->addWidget(feld);
    layout->addWidget(hinweis);
    layout->addWidget(knoepfe);
    const auto pruefen = [&](const QString& t) {
        const QString h = pruefe ? pruefe(t) : QString();
        hinweis->setText(h);
        hinweis->setVisible(!h.isEmpty());
        feld->setStyleSheet(h.isEmpty() ? QString() : QStringLiteral("border: 1px solid #c00000;"));
        knoepfe->button(QDialogButtonBox::Ok)->setEnabled(h.isEmpty());
    };
    QObject::connect(feld, &QLineEdit::textChanged, &dialog, pruefen);
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    pruefen(text);
    feld->selectAll();
    const bool angenommen = dialog.exec() == QDialog::Accepted;
    if (ok)
        *ok = angenommen;
    return angenommen ? feld->text() : text;
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
                                       const QString& filter, QString* gewaehlterFilter)
{
    return QFileDialog::getSaveFileName(parent, caption, dir, filter, gewaehlterFilter);
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
