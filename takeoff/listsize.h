#pragma once

#include <QIODevice>

// The lines of a list that hold something (not blank, not a # comment), counted from its bytes
// without decoding them, the device rewound after; -1 when that cannot be told before reading
// (a pipe, standard input, a UTF-16 file). For a limit that should stop a take-off before the
// whole list is read, rather than at its end.
qint64 countListLines(QIODevice &device);
