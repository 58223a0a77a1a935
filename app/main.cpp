#include "app/programmstart.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    return Programmstart::run(app);
}
