#pragma once

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QString>
#include <memory>

// The folder of temporary files: TMPDIR as it is set (not replaced when it does not exist, as
// sort does), else /tmp.
QByteArray spillFolder();

// A temporary file for what does not fit in the memory a computation may take, in
// spillFolder(). It has no name: removed as soon as it is made, it goes
// with its last handle however the program ends, and no other program can open it. Null, with
// the reason, when none could be made.
std::unique_ptr<QFile> openSpillFile(QString &error);

// Records written one after another and read back in the same order: in memory up to `memory`
// bytes, then in a spill file.
class SpillBuffer
{
public:
    explicit SpillBuffer(qint64 memory);
    // Where the next record goes; after each record, call kept().
    QDataStream &out() { return m_stream; }
    // False with the reason when what was written could not be kept.
    bool kept(QString &error);
    // Back to the first record, to read them all with in(); false with the reason.
    bool rewind(QString &error);
    QDataStream &in() { return m_stream; }

private:
    qint64 m_memory;
    QBuffer m_buffer;
    std::unique_ptr<QFile> m_file;
    QDataStream m_stream;
};
