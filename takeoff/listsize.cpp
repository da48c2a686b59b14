#include "takeoff/listsize.h"

#include <QByteArray>

qint64 countListLines(QIODevice &device)
{
    if (device.isSequential() || !device.seek(0))
        return -1;
    const QByteArray start = device.peek(3);
    if (start.startsWith("\xFF\xFE") || start.startsWith("\xFE\xFF"))
        return -1;
    // The reader's line ends: LF, CR LF or a lone CR. ASCII bytes never stand inside a GB18030
    // or UTF-8 character, so they are read from the bytes alike.
    qint64 lines = 0;
    bool looking = true; // at the start of a line, only blanks so far
    bool first = true;
    QByteArray block;
    while (!(block = device.read(1 << 20)).isEmpty()) {
        qsizetype i = 0;
        if (first && block.startsWith("\xEF\xBB\xBF"))
            i = 3;
        first = false;
        for (; i < block.size(); ++i) {
            const char c = block[i];
            if (c == '\n' || c == '\r') {
                looking = true;
            } else if (looking && c != ' ' && c != '\t') {
                looking = false;
                if (c != '#')
                    ++lines;
            }
        }
    }
    return device.seek(0) ? lines : -1;
}
