#ifndef LAYOUTS_H
#define LAYOUTS_H

#include <QSettings>

class Drucker;
class QObject;

// The choice between the invoice layouts, read from "Rechnung/Layout" at every call.
namespace Layouts {

// True when "Rechnung/Layout" chooses the German layout: "de_1", "de" or the
// settings page's index 0.
bool deutsch(const QSettings& s = QSettings());
// The renderer for the chosen layout, owned by parent.
Drucker* fuerLayout(QObject* parent);

}  // namespace Layouts

#endif
