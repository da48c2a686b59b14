#pragma once

#include <QPoint>
#include <QRect>

// Sizes and positions are designed in twips (1440 to the inch); this is the one place that
// turns them into pixels, with the screen's logical DPI.
int twips(int value);
QPoint twipsPoint(int x, int y);
QRect twipsRect(int left, int top, int width, int height);
