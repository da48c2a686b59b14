#pragma once

#include <QFont>
#include <QString>

// Maps the Chinese Windows faces the windows are designed with ("隶书", "楷体_GB2312", "宋体"
// and their Latin names) onto installed faces of the same style, and gives the application
// font a CJK fallback. Call once, after the application object exists.
void installChineseFonts();

// A designed font: face name, size in points, weight.
QFont designFont(const QString &face, qreal pointSize, bool bold = false);
