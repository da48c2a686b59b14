#include "takeoff/takeoffrun.h"

#include "takeoff/linereader.h"

TakeoffTotals computeTakeoff(QIODevice &input, TakeoffWriter &writer,
                             const std::function<void(const QString &reason)> &failed)
{
    LineReader reader(input);
    TakeoffCalculator calculator;
    TakeoffTotals totals;
    bool first = true;
    while (const std::optional<QString> text = reader.next()) {
        const QStringView trimmed = QStringView(*text).trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;
        const std::optional<QStringList> fields = splitListLine(*text);
        const bool header = first && fields && isTakeoffHeader(*fields);
        first = false;
        if (header)
            continue;

        TakeoffLine line;
        if (fields) {
            line = calculator.compute(reader.lineNumber(), *fields);
        } else {
            line.number = reader.lineNumber();
            line.fields = QStringList{text->trimmed()};
            line.error = QStringLiteral("line %1: a quoted field is not closed").arg(line.number);
        }
        writer.writeLine(line);
        totals.add(line);
        if (!line.ok())
            failed(line.error);
    }
    writer.writeTotals(totals);
    return totals;
}
