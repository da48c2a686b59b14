// The yardstick for a command's start-up: a Qt Core program that prints one line and exits.
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::puts("quorvit 1.0");
    return 0;
}
