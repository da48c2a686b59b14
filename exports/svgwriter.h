#pragma once

#include "exports/flangedrawing.h"

#include <QString>

// A drawing as SVG at true scale: width and height in millimetres, the viewBox in millimetres,
// so one user unit is one millimetre. Needs a QGuiApplication (fonts).
QString writeSvg(const FlangeDrawing &drawing, const QString &path);
