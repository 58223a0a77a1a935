#include "print/layouts.h"

#include "platform/einstellung.h"
#include "print/druckerde1.h"

#include <QSettings>

namespace Layouts {

bool deutsch(const QSettings& s)
{
    const QString name = Einstellung::text(Einstellung::RechnungLayout, s);
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
