#ifndef PROGRAMMLAUF_H
#define PROGRAMMLAUF_H

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

// Runs an outside program (a PDF, XML or spreadsheet tool) to its end; returns what it wrote,
// errors included. *rc is its exit code, -1 when it did not start, crashed or took too long.
inline QString lauf(const QString& programm, const QStringList& args, int* rc = nullptr, int ms = 600000)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programm, args);
    const bool fertig = p.waitForFinished(ms) && p.exitStatus() == QProcess::NormalExit;
    if (rc)
        *rc = fertig ? p.exitCode() : -1;
    return QString::fromUtf8(p.readAll());
}

// Writes text as the file datei, for an outside program or an import to read; false when it could not.
inline bool schreibeDatei(const QString& datei, const QString& text)
{
    QFile f(datei);
    return f.open(QIODevice::WriteOnly) && f.write(text.toUtf8()) == text.toUtf8().size();
}

// LibreOffice without a window converting every file of ordner to the format ziel ("--convert-to") in
// nach, with further options ("--infilter"); its profile lives in profil. True when it succeeded.
inline bool libreOffice(const QString& profil, const QString& ordner, const QString& ziel, const QString& nach,
                        const QStringList& optionen = {})
{
    int rc = -1;
    lauf("soffice", QStringList{"-env:UserInstallation=" + QUrl::fromLocalFile(profil).toString(), "--headless",
                                "--norestore", "--convert-to", ziel, "--outdir", nach} + optionen
                        + QDir(ordner).entryList(QDir::Files).replaceInStrings(QRegularExpression("^"), ordner + "/"),
         &rc, 180000);
    return rc == 0;
}

#endif
