#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>

class QIODevice;
struct z_stream_s;

// One file of a zip archive, as the archive's central directory lists it.
struct ZipEntry {
    QString name;
    int method = 0; // 0 stored, 8 deflated
    int flags = 0;
    qint64 compressedSize = 0;
    qint64 localHeaderAt = 0;
};

// The central directory of a zip archive in a device that can seek (an xlsx workbook), found
// from the record that ends the archive; zip64 archives too. Read with zlib, which Qt Core
// loads anyway.
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
    bool read();

    QIODevice &m_device;
    QList<ZipEntry> m_entries;
    QString m_failure;
};

// One file of an archive, inflated a block at a time as it is asked for. Another reader of the
// same device may be read in between.
class ZipEntryReader
{
public:
    ZipEntryReader(QIODevice &device, const ZipEntry &entry);
    ~ZipEntryReader();

    // Up to `most` more bytes of the file; empty at its end, or at a fault (failure()).
    QByteArray read(qsizetype most);
    bool atEnd() const { return m_atEnd; }
    // "" while the file reads, else why it does not, in one line.
    const QString &failure() const { return m_failure; }

private:
    QByteArray fail(const QString &why);

    QIODevice &m_device;
    ZipEntry m_entry;
    qint64 m_at = 0;   // where the rest of its stored data starts in the device
    qint64 m_left = 0; // stored bytes not yet read
    QByteArray m_in;
    std::unique_ptr<z_stream_s> m_stream;
    bool m_atEnd = false;
    QString m_failure;
};
