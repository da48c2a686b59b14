// The yardstick for start-up: a Qt Widgets program that shows one window with six buttons and
// nothing else. The captions are the main menu's, so both draw the same Chinese text.
#include <QApplication>
#include <QGridLayout>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    auto *grid = new QGridLayout(&window);
    const char *captions[] = {"PL(板式)",   "SO(带颈平焊)", "WN(带颈对焊)",
                              "BL(法兰盖)", "密封面尺寸",   "退  出"};
    for (int i = 0; i < 6; ++i)
        grid->addWidget(new QPushButton(QString::fromUtf8(captions[i])), i / 2, i % 2);
    window.show();
    return app.exec();
}
