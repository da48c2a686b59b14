#include "shell/fonts.h"
#include "shell/windows.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvit");
    // The windows decide when the run ends (see Windows), not the last window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    installChineseFonts();

    Windows windows;
    QObject::connect(&windows, &Windows::quitRequested, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    windows.show(WindowKind::Form1);
    return app.exec();
}
