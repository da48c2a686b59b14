// Not a test: shows FormPL after a query and saves a picture of it, to look at the drawing with
// its boxes filled in. Usage: shot_formpl [file.png] [pressure row] [series row] [DN text]
#include "plate/formpl.h"
#include "shell/fonts.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvit");
    installChineseFonts();
    const QStringList args = app.arguments();
    const QString file = args.value(1, "formpl.png");

    FormPL window;
    window.show();
    window.findChild<QListWidget *>("List1")->setCurrentRow(args.value(2, "2").toInt());
    window.findChild<QListWidget *>("List2")->setCurrentRow(args.value(3, "0").toInt());
    window.findChild<QLineEdit *>("Text11")->setText(args.value(4, "100"));
    window.findChild<QPushButton *>("Command1")->click();
    QApplication::processEvents();
    return window.grab().save(file) ? 0 : 1;
}
