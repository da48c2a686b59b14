#pragma once

#include <span>

// ASME B16.5's pressure–temperature ratings as data (data/asme-b16.5/pt_ratings.csv and
// pt_materials.csv), compiled in by the build's generator (data/ratinggen.cpp). Constant data;
// nothing is read at run time.

// One listed temperature of a class and the maximum working pressure there (gauge).
struct RatingPoint {
    double temperatureC;
    double pressureBar;
};

// A class's ratings, temperatures rising.
struct ClassRatings {
    int flangeClass; // 150, 300, 400 …
    std::span<const RatingPoint> points;
};

// A material group's ratings, classes rising.
struct GroupRatings {
    const char *group; // "1.1"
    std::span<const ClassRatings> classes;
};

// A material as the data names it ("A216 WCB", "F304") and its group.
struct RatedMaterial {
    const char *name;
    const char *group;
};

std::span<const GroupRatings> builtInPressureRatings();
std::span<const RatedMaterial> builtInRatedMaterials();
