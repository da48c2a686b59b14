#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>

// Writing an output file without harm to whatever the path names. The path is a file name as
// files/filename.h carries it, its bytes kept as given.
// - "-" is standard output, and so are the names of an open descriptor (/dev/stdout,
//   /dev/stderr, /dev/fd/N, /proc/self/fd/N): the content goes to that descriptor, where it
//   stands (a log opened for appending keeps what it held), only when all of it was produced;
// - a regular file, or a new one, is written atomically: a complete file replaces the one at
//   `path` in one rename (a failed write leaves the earlier file as it was). A symbolic link is
//   followed and the file it points to replaced; the replacement keeps the earlier file's mode,
//   and its owner and group where the system permits. A file with other names (hard links) is
//   replaced like any other, as editors and `sed -i` do: the other names keep the earlier
//   content, which the notice (setOutputNotice) says;
// - a character device (/dev/null, a terminal) or a FIFO is written in place, never replaced
//   by a file of the same name;
// - a folder, a socket, a block device or a loop of links is refused.
// `produce` writes the content into the device and returns "" or why it could not. Returns ""
// on success, otherwise a one-line reason naming the file: "cannot write PATH: REASON".
QString writeOutputFile(const QString &path,
                        const std::function<QString(QIODevice &device)> &produce);

// Where writeOutputFile tells what the user should know of a write that succeeded (a hard
// link replaced), as one line naming the file; by default nowhere.
void setOutputNotice(void (*notice)(const QString &line));

// Whether a path names the regular file open on a descriptor (the same device and inode, through
// links), as an output that would overwrite an input being read; a device read and written
// (/dev/null) is no such harm.
bool isSameFile(int descriptor, const QString &path);

// Where the work files of an output being written to `device` belong, as the system names it:
// beside a file being saved (on its disk, which must hold the file anyway), else (a device, a
// FIFO, standard output) the temporary folder.
QByteArray workFolderOf(const QIODevice &device);
