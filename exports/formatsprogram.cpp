#include "exports/formatsprogram.h"

#include "catalogue/flangeinput.h"
#include "exports/programpaths.h"

#include <QDataStream>
#include <QProcess>

namespace
{

// Runs quorvit-formats with the arguments and the input to its end: its standard output, or
// the reason (its last line on stderr) when it could not start or did not exit 0.
QString runFormatsProgram(const QStringList &arguments, const QByteArray &input, QByteArray *output)
{
    const QString program = formatsProgramPath();
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted())
        return QStringLiteral("cannot start %1: %2").arg(program, process.errorString());
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(-1);
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) {
        if (output)
            *output = process.readAllStandardOutput();
        return {};
    }
    const QString last =
        QString::fromUtf8(process.readAllStandardError().trimmed().split('\n').constLast());
    const QString reason = last.section(QStringLiteral(": "), 1);
    if (!reason.isEmpty())
        return reason;
    return last.isEmpty()
               ? QStringLiteral("%1 ended with exit code %2").arg(program).arg(process.exitCode())
               : last;
}

} // namespace

QString writeDxfThroughProgram(const FlangeRecord &record, const QString &path,
                               const TitleEntries &entries)
{
    return runFormatsProgram({QStringLiteral("drawing"), kindCode(record.kind), record.pressureText,
                              QString::number(record.dn),
                              QStringLiteral("--series=") + seriesText(record.series),
                              QStringLiteral("--format=dxf"), QStringLiteral("--output=") + path,
                              QStringLiteral("--drawing-number=") + entries.drawingNumber,
                              QStringLiteral("--material=") + entries.material,
                              QStringLiteral("--designer=") + entries.designer,
                              QStringLiteral("--checker=") + entries.checker,
                              QStringLiteral("--date=") + entries.date,
                              QStringLiteral("--face=") + entries.faceCode},
                             {}, nullptr);
}

QString writeWorkbookThroughProgram(QIODevice &output, const CarriedColumns &carried,
                                    const QList<ListLine> &lines, const QStringList &titles)
{
    QByteArray input;
    QDataStream stream(&input, QIODevice::WriteOnly);
    writeTakeoffLines(stream, {installedLanguage(), carried, lines, titles});
    QByteArray workbook;
    if (const QString why =
            runFormatsProgram({QString::fromLatin1(TakeoffLinesArgument)}, input, &workbook);
        !why.isEmpty())
        return why;
    if (output.write(workbook) != workbook.size())
        return output.errorString();
    return {};
}

void writeTakeoffLines(QDataStream &stream, const TakeoffLines &lines)
{
    stream << qint32(lines.language) << lines.titles << lines.carried.leading
           << lines.carried.trailing << qint64(lines.lines.size());
    for (const ListLine &line : lines.lines)
        stream << line.number << line.fields << line.carried << line.fault.text
               << line.fault.english << line.skip.text << line.skip.english;
}

bool readTakeoffLines(QDataStream &stream, TakeoffLines &lines)
{
    qint32 language = 0;
    qint64 count = 0;
    stream >> language >> lines.titles >> lines.carried.leading >> lines.carried.trailing >> count;
    lines.language = language == qint32(Language::English) ? Language::English : Language::Chinese;
    for (qint64 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        ListLine line;
        stream >> line.number >> line.fields >> line.carried >> line.fault.text >>
            line.fault.english >> line.skip.text >> line.skip.english;
        lines.lines.append(line);
    }
    return stream.status() == QDataStream::Ok && lines.lines.size() == count && stream.atEnd();
}
