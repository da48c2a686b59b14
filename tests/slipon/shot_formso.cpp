// Saves a picture of FormSO after one query, to look at the drawing with the values on it.
// Usage: shot_formso <out.png> [pressure index] [series index] [DN text]
#include "shell/fonts.h"
#include "slipon/formso.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvit");
    installChineseFonts();
    const QStringList args = QApplication::arguments();
    const QString out = args.value(1, "formso.png");

    FormSO window;
    window.show();
    window.findChild<QListWidget *>("List1")->setCurrentRow(args.value(2, "1").toInt());
    window.findChild<QListWidget *>("List2")->setCurrentRow(args.value(3, "0").toInt());
    QLineEdit *dn = window.findChild<QLineEdit *>("Text1");
    dn->clear();
    QTest::keyClicks(dn, args.value(4, "100"));
    QTest::mouseClick(window.findChild<QPushButton *>("Command1"), Qt::LeftButton);
    return window.grab().save(out) ? 0 : 1;
}
