#include "app/programmstart.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    // Scheduled commands run without a display.
    if (Programmstart::ohneFenster(args)) {
        QCoreApplication app(argc, argv);
        QTextStream aus(stdout);
        return Programmstart::kommandozeile(QCoreApplication::arguments(), aus);
    }
    QApplication app(argc, argv);
    return Programmstart::run(app);
}
