#include "app/windowsapplication.h"

#include "app/windows.h"
#include "translations/language.h"
#include "widgets/deferredicon.h"
#include "widgets/fonts.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace
{

// The language of the one-line reasons below.
Language messageLanguage = Language::Chinese;

QString text(const char *source)
{
    return translated(messageLanguage, "WindowsApplication", source);
}

// Why no window can open, in one line, instead of the platform plugin's report and abort.
QString noDisplayReason()
{
    // What an installed user can do; the commands need no display.
    const QString hint = text(QT_TRANSLATE_NOOP(
        "WindowsApplication", "；请在桌面会话中运行，或把 DISPLAY 或 WAYLAND_DISPLAY 设为可以连接的"
                              "显示器；各命令（quorvit --help）不需要显示器"));
    if (const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM"); !platform.isEmpty())
        return text(
                   QT_TRANSLATE_NOOP("WindowsApplication",
                                     "quorvit: 无法打开窗口：平台 “%1”（QT_QPA_PLATFORM）无法启动"))
                   .arg(platform) +
               hint;
    for (const char *variable : {"WAYLAND_DISPLAY", "DISPLAY"})
        if (const QString display = qEnvironmentVariable(variable); !display.isEmpty())
            return text(QT_TRANSLATE_NOOP("WindowsApplication",
                                          "quorvit: 无法打开窗口：无法连接显示器 “%1”（%2）"))
                       .arg(display, QLatin1String(variable)) +
                   hint;
    return text(QT_TRANSLATE_NOOP(
               "WindowsApplication",
               "quorvit: 无法打开窗口：没有显示器（DISPLAY 和 WAYLAND_DISPLAY 都没有设置）")) +
           hint;
}

// Installed while the application connects to the display: Qt's warnings about the attempt are
// dropped, and its fatal error (no platform plugin could start) becomes one line and exit 1.
void startingMessages(QtMsgType type, const QMessageLogContext &, const QString &)
{
    if (type != QtFatalMsg)
        return;
    std::fprintf(stderr, "%s\n", qPrintable(noDisplayReason()));
    std::_Exit(1);
}

} // namespace

int runWindowsApplication(int &argc, char **argv, const std::optional<QString> &startWindow,
                          const LanguageChoice &language)
{
    messageLanguage = language.language;
    const std::optional<WindowKind> start =
        startWindow ? windowNamed(*startWindow) : std::optional(WindowKind::Form1);
    if (!start) {
        std::fprintf(
            stderr, "%s\n",
            qPrintable(text(QT_TRANSLATE_NOOP("WindowsApplication",
                                              "quorvit: --window “%1” 不是窗口；窗口有：%2"))
                           .arg(startWindow->left(40), windowNames())));
        return 2;
    }

    const QtMessageHandler previous = qInstallMessageHandler(startingMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    installLanguage(language.language);
    QApplication::setApplicationName("Quorvit");
    // Ties the windows to the installed desktop entry and gives each of them the flange icon.
    QGuiApplication::setDesktopFileName("org.quorvit.Quorvit");
    QApplication::setWindowIcon(deferredIcon(QStringLiteral(":/icons/quorvit.svg")));
    // The windows decide when the run ends (see Windows), not the last window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    installChineseFonts();

    Windows windows;
    QObject::connect(&windows, &Windows::quitRequested, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    // A window asked for directly stands in the menu's place; its "返回" brings the menu.
    windows.show(*start);
    return app.exec();
}
