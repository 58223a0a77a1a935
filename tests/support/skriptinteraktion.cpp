#include "tests/support/skriptinteraktion.h"

#include <QPrinter>

QVariant SkriptInteraktion::naechste(const QString& art, const QString& titel, const QString& text,
                                     const QVariant& sonst, bool* ok, const QString& vorgabe)
{
    fragen.append({art, titel, text, vorgabe, {}});
    const QVariant a = m_antworten.isEmpty() ? QVariant() : m_antworten.takeFirst();
    if (ok)
        *ok = a.isValid();
    return a.isValid() ? a : sonst;
}

QMessageBox::StandardButton SkriptInteraktion::question(QWidget*, const QString& title, const QString& text,
                                                        QMessageBox::StandardButtons,
                                                        QMessageBox::StandardButton defaultButton,
                                                        QMessageBox::Icon)
{
    return QMessageBox::StandardButton(naechste("question", title, text, int(defaultButton)).toInt());
}

QString SkriptInteraktion::getText(QWidget*, const QString& title, const QString& label, const QString& text,
                                   bool* ok)
{
    return naechste("getText", title, label, text, ok).toString();
}

int SkriptInteraktion::getInt(QWidget*, const QString& title, const QString& label, int value, int, int, int,
                              bool* ok)
{
    return naechste("getInt", title, label, value, ok).toInt();
}

double SkriptInteraktion::getDouble(QWidget*, const QString& title, const QString& label, double value,
                                    double, double, int, bool* ok)
{
    return naechste("getDouble", title, label, value, ok).toDouble();
}

QString SkriptInteraktion::getItem(QWidget*, const QString& title, const QString& label,
                                   const QStringList& items, int current, bool* ok)
{
    const int wahl = naechste("getItem", title, label, current, ok).toInt();
    fragen.last().auswahl = items;
    return items.value(wahl);
}

QString SkriptInteraktion::getOpenFileName(QWidget*, const QString& caption, const QString& dir,
                                           const QString& filter)
{
    return naechste("getOpenFileName", caption, filter, {}, nullptr, dir).toString();
}

QString SkriptInteraktion::getSaveFileName(QWidget*, const QString& caption, const QString& dir,
                                           const QString& filter)
{
    return naechste("getSaveFileName", caption, filter, {}, nullptr, dir).toString();
}

bool SkriptInteraktion::printDialog(QPrinter* printer, QWidget*)
{
    const QVariant a = naechste("printDialog", printer->printerName(), QString());
    if (a.typeId() == QMetaType::QString) {
        // The user chose "print to file".
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(a.toString());
        return true;
    }
    return a.toBool();
}
