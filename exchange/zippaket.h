#ifndef ZIPPAKET_H
#define ZIPPAKET_H

#include "platform/speicherdatei.h"

#include <QString>

#include <functional>
#include <memory>

class QTextStream;
class QuaZip;

// A zip package written entry by entry into a SpeicherDatei and committed by
// abschliessen(), as the other writers save: a failed export leaves neither a
// half-written package nor a damaged old file behind, a symbolic link at the
// name is written through to its target, and a name of any length the file
// system takes can be written.
class ZipPaket
{
public:
    explicit ZipPaket(const QString& fileName);
    ~ZipPaket();  // discards the package unless abschliessen() succeeded

    bool istOffen() const;
    // Writes one UTF-8 entry through fuelle; deflated, or stored when komprimiert is false.
    bool eintrag(const QString& name, const std::function<void(QTextStream&)>& fuelle,
                 bool komprimiert = true);
    // Closes the package and puts it under the file name; true when all went well.
    bool abschliessen();

private:
    SpeicherDatei m_datei;
    std::unique_ptr<QuaZip> m_zip;  // declared after m_datei: closed before it goes
    bool m_ok = false;
};

#endif
