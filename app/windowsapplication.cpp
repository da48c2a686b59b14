#include "app/windowsapplication.h"

#include "app/windows.h"
#include "widgets/fonts.h"
#include "widgets/language.h"

#include <QApplication>
#include <QIcon>

int runWindowsApplication(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvit");
    // Ties the windows to the installed desktop entry and gives each of them the flange icon.
    QGuiApplication::setDesktopFileName("org.quorvit.Quorvit");
    QApplication::setWindowIcon(QIcon(":/icons/quorvit.svg"));
    // The windows decide when the run ends (see Windows), not the last window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    installChineseFonts();
    installChineseTranslations();

    Windows windows;
    QObject::connect(&windows, &Windows::quitRequested, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    windows.show(WindowKind::Form1);
    return app.exec();
}
