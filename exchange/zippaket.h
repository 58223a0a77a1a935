#ifndef ZIPPAKET_H
#define ZIPPAKET_H

#include <QString>

#include <functional>
#include <memory>

class QTextStream;
class QuaZip;

// A zip package written entry by entry under a temporary name in the target's
// folder and moved into place by abschliessen(), so a failed export leaves
// neither a half-written package nor a damaged old file behind.
class ZipPaket
{
public:
    explicit ZipPaket(const QString& fileName);
    ~ZipPaket();  // removes the temporary file unless abschliessen() succeeded

    bool istOffen() const;
    // Writes one UTF-8 entry through fuelle; deflated, or stored when komprimiert is false.
    bool eintrag(const QString& name, const std::function<void(QTextStream&)>& fuelle,
                 bool komprimiert = true);
    // Closes the package and moves it to the file name; true when all went well.
    bool abschliessen();

private:
    QString m_ziel;
    QString m_temp;
    std::unique_ptr<QuaZip> m_zip;
    bool m_ok = false;
    bool m_fertig = false;
};

#endif
