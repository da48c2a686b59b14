// Shows FormWN after a query and saves what it looks like:
//   wnscreenshot <out.png> [pressure row] [series row] [DN text]
// (defaults: PN 1.0, series A, DN 100). Run with QT_QPA_PLATFORM=offscreen.
#include "query/querywindow.h"
#include "shell/fonts.h"
#include "weldneck/formwn.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installChineseFonts();
    const QStringList args = app.arguments();
    const QString out = args.value(1, QStringLiteral("formwn.png"));

    FormWN window;
    window.show();
    window.findChild<QListWidget *>("List1")->setCurrentRow(args.value(2, "0").toInt());
    window.findChild<QListWidget *>("List2")->setCurrentRow(args.value(3, "0").toInt());
    textBox(&window, 1)->setText(args.value(4, "100"));
    window.findChild<QPushButton *>("Command1")->click();
    return window.grab().save(out) ? 0 : 1;
}
