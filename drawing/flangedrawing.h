#pragma once

#include "catalogue/catalogue.h"
#include "drawing/drawingmodel.h"
#include "drawing/titleblock.h"

// A flange's drawing, built once from a catalogue row; the DXF, SVG and PDF writers only
// translate it. The parts: drawinggeometry (boxes, clipping, hatching), drawingbuilder (the
// texts' places), flangeviews (the face view and the section), drawingsheet (paper, scale,
// frame) and titleblock.

// The face view (left) and the section through the axis (right) of `record` at 1:1, with
// centre lines and dimensions carrying the row's values, their texts `textHeight` tall. Only
// sizes the row holds are drawn: a sealing face (`faceCode`, "" for RF) whose sizes are not on
// record is not drawn, and a note under the section says so.
FlangeDrawing buildFlangeViews(const FlangeRecord &record, double textHeight,
                               const QString &faceCode = {});

// The note a drawing carries for a sealing face it cannot draw, "" for a flat face (FF), which
// the ring's own face is.
QString sealingFaceNote(const QString &faceCode);

// The drawing to issue: the views on the paper and at the plot scale chosen for them, inside
// the frame, with the title block; every text sized to print at its GB/T 14691 height.
FlangeDrawing buildFlangeSheet(const FlangeRecord &record, const TitleEntries &entries = {});

// "" when the row can be drawn, else why not: a size the table leaves at 0 (a weld-neck size
// without a series-B form prints its A and N as 0), or a bore of no width.
QString undrawableReason(const FlangeRecord &record);

// The bore drawn for a record: B for plate and slip-on, A − 2S for weld-neck.
double drawnBore(const FlangeRecord &record);

// The flange's name on its drawing: "带颈对焊法兰", and for a blind flange "法兰盖", already a
// flange's name.
QString flangeName(FlangeKind kind);

// A length as the row holds it: "210", "17.2".
QString millimetres(double value);
