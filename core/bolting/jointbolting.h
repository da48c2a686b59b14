#pragma once

#include "core/bolting/boltingstandards.h"

#include <QString>
#include <QStringView>
#include <optional>

// The bolting of a joint of two identical flanges (same kind, pressure and DN) with a
// raised-face gasket between them:
//
//     L = 2 (C + ΔC) + t + n (m + 2 P) + Δl, rounded up to the length series,
//
// C the flange thickness and ΔC its tolerance, t the gasket's compressed thickness, n the nuts
// on a bolt (one on a hex bolt, two on a stud bolt), m the nut height, 2 P the two thread pitches
// that stand out beyond each nut, Δl the fastener's allowance. The figures: boltingstandards.h.

// A table's bolt text read: "M16", "M16x75", "M30x2", "M30X2", "M30x2x165".
struct BoltText {
    int diameter = 0;
    Hundredths pitch = 0;    // the designated fine pitch, else the coarse one
    bool finePitch = false;  // the text names its pitch
    int length = 0;          // mm; 0 where the text gives the thread alone
};
// nullopt for a text of any other form or a thread the thread table does not list.
std::optional<BoltText> readBoltText(QStringView text);

// L in mm for a thread (diameter, pitch) at a flange thickness C (mm) and a nominal pressure
// (MPa); 0 when the thread is not listed or L is past the length series.
int calculatedBoltLength(int diameter, Hundredths pitch, double thickness, double pressureMpa);

struct JointBolting {
    FastenerKind kind = FastenerKind::HexBolt;
    int nutsPerBolt = 1;
    int length = 0;             // mm: the table's own length where it prints one, else L
    bool lengthPrinted = false; // the length is the table's
    QString thread;             // "M16", "M30×2"
    QString designation;        // "M16×80", "M30×2×165"
};
// The bolting for a table's bolt text; nullopt when the text cannot be read or L cannot be had.
std::optional<JointBolting> jointBolting(QStringView boltText, double thickness,
                                         double pressureMpa);

// The bolting of a joint whose standard tables the stud length: a stud bolt with a nut at each
// end, the thread written as the computed bolting writes it ("M30×2") where it reads as a metric
// thread, else as the table has it.
JointBolting tabledBolting(QStringView boltText, int studLength);
