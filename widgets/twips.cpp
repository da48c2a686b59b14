#include "widgets/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace
{

constexpr double TwipsPerInch = 1440.0;

double pixelsPerTwip()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return dpi / TwipsPerInch;
}

} // namespace

int twips(int value)
{
    return int(std::lround(value * pixelsPerTwip()));
}

QPoint twipsPoint(int x, int y)
{
    return {twips(x), twips(y)};
}

QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}
