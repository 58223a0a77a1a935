#include "platform/interaktion.h"

#include "platform/qtinteraktion.h"

namespace {

Interaktion* installed = nullptr;

}  // namespace

Interaktion::~Interaktion() = default;

Interaktion* Interaktion::instance()
{
    static QtInteraktion qtDialoge;
    return installed ? installed : &qtDialoge;
}

void Interaktion::install(Interaktion* i)
{
    installed = i;
}

QString Interaktion::getPassword(QWidget* parent, const QString& title, const QString& label, bool* ok)
{
    return getText(parent, title, label, QString(), ok);
}
