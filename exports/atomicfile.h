#pragma once

#include <QIODevice>
#include <QString>
#include <functional>

// Writing an output file without harm to whatever the path names (followed through symbolic
// links, as the user means the file a link points to):
// - a regular file, or a new one, is written atomically (QSaveFile): only a complete file
//   replaces the one at `path`, so a failed write leaves an earlier file as it was;
// - a character device (/dev/null, a terminal) or a FIFO is written in place, never replaced
//   by a file of the same name;
// - a folder, a socket or a block device is refused;
// - "-" is standard output, which gets the content only when all of it was produced.
// `produce` writes the content into the device and returns "" or why it could not. Returns ""
// on success, otherwise a one-line reason naming the file: "cannot write PATH: REASON".
QString writeOutputFile(const QString &path,
                        const std::function<QString(QIODevice &device)> &produce);

// Whether two paths name one file (the same device and inode, through links), as an output that
// would overwrite an input being read.
bool isSameFile(const QString &first, const QString &second);

// Where the work files of an output being written to `device` belong: beside a file being saved
// (on its disk, which must hold the file anyway), else (a device, a FIFO, standard output) the
// temporary folder.
QString workFolderOf(const QIODevice &device);
