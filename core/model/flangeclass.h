#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// ASME B16.5's classes as people write them, and the PN names HG/T 20615 gives them.

// The classes B16.5 rates: 150, 300, 400, 600, 900, 1500, 2500.
bool isFlangeClass(int number);

// What a class text reads as: the number written and whether it was written as HG/T 20615's PN
// name ("PN20" → 150). "150", "Class 150", "CL150", "CL.150", "150#", "150LB", "150 lbs", also
// after "ANSI" or "ASME", any case, full-width forms as ASCII. nullopt for any other text. The
// number need not be a class (isFlangeClass); a PN that names no class reads as nullopt too.
struct ClassSpelling {
    int number = 0;
    bool pnName = false;
};
std::optional<ClassSpelling> readClassSpelling(QStringView text);

// A PN written without a unit ("PN16", "PN 20"): its number, as a PN name a class may have.
std::optional<int> pnNumber(QStringView text);

// HG/T 20615's PN name of a class ("PN20" for Class 150); empty for a class it gives none (400).
QString classPnName(int flangeClass);
