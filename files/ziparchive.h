#pragma once

#include <QList>
#include <QString>

class QIODevice;

// One file of a zip archive, as the archive's central directory lists it.
struct ZipEntry {
    QString name;
    quint64 directoryAt = 0; // where minizip finds it again
    quint64 number = 0;
};

// The central directory of a zip archive in a device that can seek (an xlsx workbook), read by
// minizip (zip64 archives too) through the device itself, so a workbook is never copied.
class ZipArchive
{
public:
    explicit ZipArchive(QIODevice &device);

    // "" when the directory was read, else what is wrong with it, in one line.
    const QString &failure() const { return m_failure; }
    const QList<ZipEntry> &entries() const { return m_entries; }
    // The file of that name, or null.
    const ZipEntry *find(const QString &name, Qt::CaseSensitivity sensitivity) const;
    QIODevice &device() const { return m_device; }

private:
    QIODevice &m_device;
    QList<ZipEntry> m_entries;
    QString m_failure;
};

// One file of an archive, inflated a block at a time as it is asked for. Another reader of the
// same device may be read in between: minizip seeks to its own place before each read.
class ZipEntryReader
{
public:
    ZipEntryReader(QIODevice &device, const ZipEntry &entry);
    ~ZipEntryReader();
    ZipEntryReader(const ZipEntryReader &) = delete;
    ZipEntryReader &operator=(const ZipEntryReader &) = delete;

    // Up to `most` more bytes of the file; empty at its end, or at a fault (failure()).
    QByteArray read(qsizetype most);
    bool atEnd() const { return m_atEnd; }
    // "" while the file reads, else why it does not, in one line (a wrong checksum at its end
    // too).
    const QString &failure() const { return m_failure; }

private:
    QByteArray fail(const QString &why);

    QString m_name;
    void *m_zip = nullptr; // minizip's unzFile
    bool m_open = false;   // its current file opened
    bool m_atEnd = false;
    QString m_failure;
};
