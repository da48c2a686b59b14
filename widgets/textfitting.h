#pragma once

#include <QtGlobal>
#include <functional>

class QWidget;

// The largest point size, from the designed size down in quarter points to 6 pt, at which
// `fits` holds: the designed size when it fits there, else a bisection over the smaller sizes
// (fitting is taken to be monotonic in the size); the smallest size when none fits.
qreal largestFittingPointSize(qreal designedSize, const std::function<bool(qreal)> &fits);

// The smallest of those sizes, for a text that cannot fit at any legible size.
qreal smallestFittingPointSize(qreal designedSize);

// Gives every label and button of the window whose caption would be clipped by its designed
// rectangle (the desktop's font is often larger than the one the windows were designed with) the
// largest smaller point size at which it fits. Positions and sizes stay as designed.
void fitCaptions(QWidget *window);
