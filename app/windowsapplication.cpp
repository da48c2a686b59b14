#include "app/windowsapplication.h"

#include "app/windows.h"
#include "widgets/deferredicon.h"
#include "widgets/fonts.h"
#include "widgets/language.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace
{

// Why no window can open, in one line, instead of the platform plugin's report and abort.
QString noDisplayReason()
{
    const QString hint = QStringLiteral("; ./run.sh in the source folder serves the windows over VNC");
    if (const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM"); !platform.isEmpty())
        return QStringLiteral("the platform \"%1\" (QT_QPA_PLATFORM) cannot be started").arg(platform) +
               hint;
    for (const char *variable : {"WAYLAND_DISPLAY", "DISPLAY"})
        if (const QString display = qEnvironmentVariable(variable); !display.isEmpty())
            return QStringLiteral("the display \"%1\" (%2) cannot be opened")
                       .arg(display, QLatin1String(variable)) +
                   hint;
    return QStringLiteral("no display to open the windows on (neither DISPLAY nor WAYLAND_DISPLAY "
                          "is set)") +
           hint;
}

// Installed while the application connects to the display: Qt's warnings about the attempt are
// dropped, and its fatal error (no platform plugin could start) becomes one line and exit 1.
void startingMessages(QtMsgType type, const QMessageLogContext &, const QString &)
{
    if (type != QtFatalMsg)
        return;
    std::fprintf(stderr, "quorvit: cannot open the windows: %s\n", qPrintable(noDisplayReason()));
    std::_Exit(1);
}

} // namespace

int runWindowsApplication(int &argc, char **argv, const std::optional<QString> &startWindow)
{
    const std::optional<WindowKind> start = startWindow ? windowNamed(*startWindow) : WindowKind::Form1;
    if (!start) {
        std::fprintf(stderr, "quorvit: --window \"%s\" is not a window; windows: %s\n",
                     qPrintable(startWindow->left(40)), qPrintable(windowNames()));
        return 2;
    }

    const QtMessageHandler previous = qInstallMessageHandler(startingMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    QApplication::setApplicationName("Quorvit");
    // Ties the windows to the installed desktop entry and gives each of them the flange icon.
    QGuiApplication::setDesktopFileName("org.quorvit.Quorvit");
    QApplication::setWindowIcon(deferredIcon(QStringLiteral(":/icons/quorvit.svg")));
    // The windows decide when the run ends (see Windows), not the last window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    installChineseFonts();
    installChineseTranslations();

    Windows windows;
    QObject::connect(&windows, &Windows::quitRequested, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    // A window asked for directly stands in the menu's place; its "返回" brings the menu.
    windows.show(*start);
    return app.exec();
}
