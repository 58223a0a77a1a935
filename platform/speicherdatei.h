#ifndef SPEICHERDATEI_H
#define SPEICHERDATEI_H

#include <QSaveFile>
#include <QString>

// A file saved as QSaveFile saves it: written completely beside the target and
// put in place by commit(), a symbolic link at the name written through to
// its target, the permissions of a replaced file kept. Unlike QSaveFile it
// also replaces a file whose name leaves no room for QSaveFile's temporary
// name (name + ".XXXXXX" beyond the 255 bytes a name may have): such a file
// is written under a short name and renamed over the target.
class SpeicherDatei : public QSaveFile
{
public:
    explicit SpeicherDatei(const QString& name);

    bool open(OpenMode mode) override;
    // Puts the written file in place; false (and nothing changed) on failure.
    bool commit();

private:
    QString m_ziel;  // the target when written under a short name, else empty
};

#endif
