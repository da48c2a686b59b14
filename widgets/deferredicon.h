#pragma once

#include <QIcon>
#include <QString>

// An icon read from its file only when it is first drawn or measured. Reading an SVG icon loads
// Qt's SVG icon engine and parses the drawing; a window icon that the platform never draws (the
// offscreen platform, Wayland) then costs the windows' start nothing, and one it draws costs what
// it did.
QIcon deferredIcon(const QString &fileName);
