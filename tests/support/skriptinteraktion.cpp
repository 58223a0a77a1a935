#include "tests/support/skriptinteraktion.h"

#include <QPrinter>
#include <QtTest>

QVariant SkriptInteraktion::naechste(const QString& art, const QString& titel, const QString& text,
                                     const QVariant& sonst, bool* ok)
{
    fragen.append({art, titel, text, {}});
    const QVariant a = m_antworten.isEmpty() ? QVariant() : m_antworten.takeFirst();
    if (ok)
        *ok = a.isValid();
    return a.isValid() ? a : sonst;
}

QString SkriptInteraktion::getCheckedText(QWidget*, const QString& title, const QString& label,
                                         const QString& text, const Pruefung& pruefe, bool* ok)
{
    bool beantwortet = false;
    const QString getippt = naechste("getCheckedText", title, label, text, &beantwortet).toString();
    const QString hinweis = beantwortet ? pruefe(getippt) : QString();
    if (!hinweis.isEmpty())
        QTest::qFail(qPrintable(QString("\"%1\" in \"%2\" was refused: %3").arg(getippt, title, hinweis)),
                     __FILE__, __LINE__);
    // The dialog keeps OK disabled for a refused text: the user can only cancel.
    const bool angenommen = beantwortet && hinweis.isEmpty();
    if (ok)
        *ok = angenommen;
    return angenommen ? getippt : text;
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
