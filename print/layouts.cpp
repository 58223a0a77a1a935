#include "print/layouts.h"

#include "print/druckerde1.h"

#include <QSettings>

namespace Layouts {

bool deutsch()
{
    const QString name = QSettings().value("Rechnung/Layout", 1).toString();
    bool zahl = false;
    const int index = name.toInt(&zahl);
    return name == "de" || name == "de_1" || (zahl && index == 0);
}

Drucker* fuerLayout(QObject* parent)
{
    if (deutsch())
        return new DruckerDE1(parent);
    return new Drucker(parent);
}

}  // namespace Layouts
