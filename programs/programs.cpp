#include "programs/programs.h"

#include <QDir>
#include <QFileInfo>

Program programWith(ProgramPart part)
{
    switch (part) {
    case ProgramPart::Windows:
    case ProgramPart::Painting:
        return Program::Windows;
    case ProgramPart::Dxf:
    case ProgramPart::Spreadsheet:
        return Program::Formats;
    }
    return Program::Formats;
}

QString programName(Program program)
{
    switch (program) {
    case Program::Windows:
        return QStringLiteral("quorvit-gui");
    case Program::Formats:
        return QStringLiteral("quorvit-formats");
    }
    return {};
}

QString programPath(Program program)
{
    const char *variable =
        program == Program::Windows ? "QUORVIT_GUI_PROGRAM" : "QUORVIT_FORMATS_PROGRAM";
    if (const QString path = qEnvironmentVariable(variable); !path.isEmpty())
        return path;
    const QString fileName = programName(program);
    const QDir folder =
        QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).dir();
    if (const QString beside = folder.filePath(fileName); QFileInfo::exists(beside))
        return beside;
    return QDir::cleanPath(
        folder.filePath(QStringLiteral(QUORVIT_HELPER_RELATIVE_DIR "/") + fileName));
}
