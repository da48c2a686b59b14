// The yardstick of the take-off benchmark: reads a flange list with the take-off's own line
// reader and splits every line into its fields, and does nothing else.
#include "takeoff/linereader.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    LineReader reader(file);
    qsizetype fields = 0;
    while (const std::optional<ListText> line = reader.next()) {
        if (const std::optional<QStringList> split = splitListLine(line->text))
            fields += split->size();
    }
    // Printed so the work cannot be left out.
    std::fprintf(stderr, "%lld fields\n", static_cast<long long>(fields));
    return 0;
}
