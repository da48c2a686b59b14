#pragma once

#include <QByteArrayView>
#include <QIODevice>
#include <QString>

// Writes every byte into the device, however many calls the system takes: a file on a nearly
// full disk takes part of a block and refuses the rest, and only that second call says why.
// Returns "" or the system's reason ("No space left on device").
QString writeAll(QIODevice &device, QByteArrayView bytes);
