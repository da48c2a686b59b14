#include "programs/handover.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace
{

constexpr char MarkVariable[] = "QUORVIT_HANDED_OVER";

// The program that handed this run over, "" when none did.
QByteArray &handedOverBy()
{
    static QByteArray name;
    return name;
}

QString partName(ProgramPart part)
{
    switch (part) {
    case ProgramPart::Windows:
        return QStringLiteral("the windows");
    case ProgramPart::Painting:
        return QStringLiteral("SVG and PDF painting");
    case ProgramPart::Dxf:
        return QStringLiteral("the DXF writer");
    case ProgramPart::Spreadsheet:
        return QStringLiteral("the xlsx writer");
    }
    return {};
}

} // namespace

void takeHandOverMark()
{
    handedOverBy() = qgetenv(MarkVariable);
    unsetenv(MarkVariable);
}

QString handOver(Program program, ProgramPart part, char *argv[])
{
    const QString path = programPath(program);
    // argv[0] stays as the first program got it: this program is named by its file.
    const QString self = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (!handedOverBy().isEmpty())
        return QStringLiteral("%1 handed this command line over for %2, but %3 has not got it "
                              "either: not handed over again (is %4 %5?)")
            .arg(QString::fromLocal8Bit(handedOverBy()), partName(part), self, path,
                 programName(program));
    setenv(MarkVariable, QFile::encodeName(self).constData(), 1);
    execv(QFile::encodeName(path).constData(), argv);
    const int error = errno;
    unsetenv(MarkVariable);
    return QStringLiteral("cannot start %1: %2")
        .arg(path, QString::fromLocal8Bit(std::strerror(error)));
}
