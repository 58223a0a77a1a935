#ifndef ZIPEINTRAG_H
#define ZIPEINTRAG_H

#include <QIODevice>

#include <memory>

class QuaZip;
class QuaZipFile;

// One entry of a zip package read as a sequential device. A damaged package
// ends the data with fehler() set, where the zip library alone would leave a
// reader waiting for more; so does an entry beyond the bounds given, before
// its data fills the memory of the reader.
class ZipEintrag : public QIODevice
{
public:
    enum Fehler {
        Keiner,
        Lesefehler,  // damaged data, or a checksum that does not match
        ZuGross,     // more than maxGroesse bytes unpacked
        LaufZuLang,  // more than maxLauf bytes without a "<": no text of the bounds of a cell
    };

    ZipEintrag(const QString& fileName, const QString& eintrag, qint64 maxGroesse, qint64 maxLauf);
    ~ZipEintrag() override;

    // Opens the package and the entry; false when either is missing (no error then).
    bool oeffne();
    // Reads the rest of the entry, so that its checksum is compared; false when damaged.
    bool leseZuEnde();
    void close() override;

    Fehler fehler() const { return m_fehler; }
    // The unpacked size the package states for the entry.
    qint64 groesse() const { return m_groesse; }
    bool isSequential() const override { return true; }
    bool atEnd() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QString m_eintrag;
    std::unique_ptr<QuaZip> m_zip;
    std::unique_ptr<QuaZipFile> m_datei;
    qint64 m_maxGroesse;
    qint64 m_maxLauf;
    qint64 m_gelesen = 0;
    qint64 m_lauf = 0;  // bytes since the last "<"
    qint64 m_groesse = 0;
    bool m_ende = false;
    Fehler m_fehler = Keiner;
};

#endif
