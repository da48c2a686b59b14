#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// A work file in a given folder, for a library that writes only to a file name (libxlsxwriter).
// Where the system allows it the file has no name in the folder at all (O_TMPFILE) and the
// library opens it as /proc/self/fd/N: nothing is left behind however the program ends, killed
// included. Elsewhere (a file system without unnamed files, as FAT on a USB stick) it is a named
// hidden file, removed when done, on failure, and on SIGINT, SIGTERM or SIGHUP.
class ScratchFile
{
public:
    // `folder` as the system names it (files/filename.h).
    explicit ScratchFile(const QByteArray &folder);
    ~ScratchFile();
    ScratchFile(const ScratchFile &) = delete;
    ScratchFile &operator=(const ScratchFile &) = delete;

    // "" when the file was made, else why not (naming the folder).
    const QString &error() const { return m_error; }
    // The system's error number of that reason.
    int errorNumber() const { return m_errorNumber; }
    // The name the library opens the file by.
    const QByteArray &name() const { return m_name; }
    // Opens `file` on what was written, from its start; false with the reason in `file`.
    bool readBack(QFile &file) const;
    int descriptor() const { return m_descriptor; }
    // Gives the file the name `target` in the same folder, replacing what had it (one rename, so
    // the name holds the earlier file or this one, never a part); false with errno set. The
    // file then stays.
    bool moveTo(const QByteArray &target);

private:
    int m_descriptor = -1;
    int m_slot = -1; // of a named file, in the list removed on a signal
    QByteArray m_name;
    QString m_error;
    int m_errorNumber = 0;
};
