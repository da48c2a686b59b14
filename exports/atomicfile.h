#pragma once

#include <QIODevice>
#include <QString>
#include <functional>

// Writes a file through QSaveFile: `produce` writes the content into the device and returns ""
// or why it could not; only a complete file replaces the one at `path`, so a failed write
// leaves an earlier file as it was. The path "-" is standard output, which gets the content
// only when all of it was produced. Returns "" on success, otherwise a one-line reason naming
// the file.
QString writeFileAtomically(const QString &path,
                            const std::function<QString(QIODevice &device)> &produce);
