#include "tests/support/skriptinteraktion.h"

#include <QPrinter>

SkriptInteraktion::SkriptInteraktion()
{
    Interaktion::install(this);
}

SkriptInteraktion::~SkriptInteraktion()
{
    Interaktion::install(nullptr);
}

void SkriptInteraktion::antworte(const QVariant& antwort)
{
    m_antworten.append(antwort);
}

QStringList SkriptInteraktion::arten() const
{
    QStringList a;
    for (const Frage& f : fragen)
        a << f.art;
    return a;
}

int SkriptInteraktion::anzahl(const QString& art) const
{
    return arten().count(art);
}

void SkriptInteraktion::vergiss()
{
    fragen.clear();
    urls.clear();
}

QVariant SkriptInteraktion::naechste(const QString& art, const QString& titel, const QString& text,
                                     const QString& vorgabe)
{
    fragen.append({art, titel, text, vorgabe, {}});
    return m_antworten.isEmpty() ? QVariant() : m_antworten.takeFirst();
}

QMessageBox::StandardButton SkriptInteraktion::question(QWidget*, const QString& title,
                                                        const QString& text,
                                                        QMessageBox::StandardButtons,
                                                        QMessageBox::StandardButton defaultButton,
                                                        QMessageBox::Icon)
{
    const QVariant a = naechste("question", title, text);
    return a.isValid() ? QMessageBox::StandardButton(a.toInt()) : defaultButton;
}

void SkriptInteraktion::information(QWidget*, const QString& title, const QString& text)
{
    fragen.append({"information", title, text, {}, {}});
}

void SkriptInteraktion::warning(QWidget*, const QString& title, const QString& text)
{
    fragen.append({"warning", title, text, {}, {}});
}

QString SkriptInteraktion::getText(QWidget*, const QString& title, const QString& label,
                                   const QString& text, bool* ok)
{
    const QVariant a = naechste("getText", title, label);
    if (ok)
        *ok = a.isValid();
    return a.isValid() ? a.toString() : text;
}

int SkriptInteraktion::getInt(QWidget*, const QString& title, const QString& label, int value,
                              int, int, int, bool* ok)
{
    const QVariant a = naechste("getInt", title, label);
    if (ok)
        *ok = a.isValid();
    return a.isValid() ? a.toInt() : value;
}

double SkriptInteraktion::getDouble(QWidget*, const QString& title, const QString& label,
                                    double value, double, double, int, bool* ok)
{
    const QVariant a = naechste("getDouble", title, label);
    if (ok)
        *ok = a.isValid();
    return a.isValid() ? a.toDouble() : value;
}

QString SkriptInteraktion::getItem(QWidget*, const QString& title, const QString& label,
                                   const QStringList& items, int current, bool* ok)
{
    const QVariant a = naechste("getItem", title, label);
    fragen.last().auswahl = items;
    if (ok)
        *ok = a.isValid();
    return items.value(a.isValid() ? a.toInt() : current);
}

QString SkriptInteraktion::getOpenFileName(QWidget*, const QString& caption, const QString& dir,
                                           const QString& filter)
{
    return naechste("getOpenFileName", caption, filter, dir).toString();
}

QString SkriptInteraktion::getSaveFileName(QWidget*, const QString& caption, const QString& dir,
                                           const QString& filter)
{
    return naechste("getSaveFileName", caption, filter, dir).toString();
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

bool SkriptInteraktion::openUrl(const QUrl& url)
{
    fragen.append({"openUrl", QString(), url.toString(), {}, {}});
    urls.append(url);
    return openUrlErgebnis;
}
