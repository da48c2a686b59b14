#include "app/windowsapplication.h"

#include "app/windows.h"
#include "widgets/deferredicon.h"
#include "widgets/fonts.h"
#include "translations/language.h"

#include <QApplication>
#include <cstdio>
#include <cstring>
#include <optional>

namespace
{

// The window `--window NAME` or `--window=NAME` asks for; the menu when not asked. A name that
// is missing or unknown is a usage error, told on stderr before any window opens (and without
// a display): nullopt.
std::optional<WindowKind> startWindow(int argc, char *argv[], Language language)
{
    for (int i = 1; i < argc; ++i) {
        const char *argument = argv[i];
        const char *name = nullptr;
        if (std::strcmp(argument, "--window") == 0)
            name = i + 1 < argc ? argv[++i] : "";
        else if (std::strncmp(argument, "--window=", 9) == 0)
            name = argument + 9;
        else
            continue;
        if (const std::optional<WindowKind> kind = windowNamed(QString::fromLocal8Bit(name)))
            return kind;
        const QString reason =
            translated(language, "WindowsApplication",
                       QT_TRANSLATE_NOOP("WindowsApplication",
                                         "quorvit: --window “%1” 不是窗口；窗口有：%2"))
                .arg(QString::fromLocal8Bit(name), windowNames());
        std::fprintf(stderr, "%s\n", qPrintable(reason));
        return std::nullopt;
    }
    return WindowKind::Form1;
}

} // namespace

int runWindowsApplication(int argc, char *argv[], const LanguageChoice &language)
{
    if (!language.isValid()) {
        std::fprintf(stderr, "quorvit: %s\n", qPrintable(invalidLanguageMessage(language)));
        return 2;
    }
    const std::optional<WindowKind> start = startWindow(argc, argv, language.language);
    if (!start)
        return 2;

    QApplication app(argc, argv);
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
