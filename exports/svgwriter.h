#pragma once

#include "drawing/flangedrawing.h"

#include <QString>

// A drawing sheet as SVG at its paper size (A4, A3): width and height in millimetres, the
// viewBox in millimetres of paper, the drawing at its plot scale. Needs a QGuiApplication
// (fonts).
QString writeSvg(const FlangeDrawing &drawing, const QString &path);
