#include "takeoff/writeall.h"

QString writeAll(QIODevice &device, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const qint64 written = device.write(bytes.data(), bytes.size());
        if (written <= 0) {
            const QString why = device.errorString();
            return why.isEmpty() || why == QLatin1String("Unknown error")
                       ? QStringLiteral("the system took no more of it")
                       : why;
        }
        bytes = bytes.sliced(written);
    }
    return {};
}
