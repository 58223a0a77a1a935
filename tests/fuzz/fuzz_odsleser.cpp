// readODS on whole files: every input is written as a zip package and read.
#include "exchange/odsleser.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardItemModel>

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QString datei = QStringLiteral("/tmp/fuzz_odsleser_%1.ods").arg(getpid());
    {
        QFile f(datei);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    QString fehler;
    const std::unique_ptr<QStandardItemModel> model(readODS(datei, &fehler));
    // A refused file gives nothing; one read whole stays within the bounds.
    if (!fehler.isEmpty() && model->rowCount() + model->columnCount() != 0)
        abort();
    if (qint64(model->rowCount() + 1) * model->columnCount() > OdsLeser::maxZellen)
        abort();
    return 0;
}
