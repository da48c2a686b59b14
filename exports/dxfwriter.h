#pragma once

#include "drawing/flangedrawing.h"

#include <QByteArray>
#include <QString>

// A drawing as a DXF R2000 (AC1015) file for CAD, written with dxflib: millimetres
// ($INSUNITS 4), one layer per DrawingLayer (OUTLINE, CENTER with the CENTER linetype, HATCH,
// DIMENSIONS, TEXT), DIMENSION entities for the dimensions, HATCH entities for the section's
// cut faces. Chinese text is written in GBK under $DWGCODEPAGE ANSI_936, as Chinese AutoCAD
// writes R2000 files; LibreCAD and ezdxf decode it by that code page.

// The file's bytes, or an empty array with `error` set (also for a text holding a character
// beyond U+FFFF, which no DXF text holds).
QByteArray dxfBytes(const FlangeDrawing &drawing, QString *error = nullptr);

// Writes the file atomically; returns "" or why it could not.
QString writeDxf(const FlangeDrawing &drawing, const QString &path);
