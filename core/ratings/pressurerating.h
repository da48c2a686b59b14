#pragma once

#include "core/ratings/designconditions.h"
#include "core/ratings/ptratings.h"
#include "core/ratings/ratinganswer.h"

#include <QList>
#include <QString>
#include <QStringView>

// The pressure–temperature rules of ASME B16.5: a material's group, the maximum working pressure
// of a class at a temperature, and the lowest class that holds a design pressure.

// A material group with ratings, chosen by its number or by a material the data names.
struct RatedMaterialChoice {
    const GroupRatings *group = nullptr;
    QString material; // the data's name ("A216 WCB"); empty when the group was given
};

// "1.1", "group 1.1", "材料组 1.1", or a material the data names, spelt as engineers write it:
// any case, "ASTM"/"ASME" before it, SA for A, blanks, hyphens and "Gr."/"Grade" between
// ASTM designation and grade ("SA-216 Gr. WCB", "A516 Gr.70"). A group or material without ratings
// here is refused by name; a text that is neither a group nor a name is refused listing them.
RatingAnswer<RatedMaterialChoice> ratedMaterial(QStringView text);

// The maximum working pressure (gauge) of a class at a temperature, interpolated linearly
// between the two listed temperatures around it, as B16.5 allows; lowerC == upperC at a listed
// temperature.
struct WorkingPressure {
    double bar = 0;
    double lowerC = 0;
    double upperC = 0;
    double mpa() const { return bar / 10; }
    bool interpolated() const { return lowerC != upperC; }
};

// Refused for a class the group has no ratings for and for a temperature outside the listed
// range, by name.
RatingAnswer<WorkingPressure> maximumWorkingPressure(const GroupRatings &group, int flangeClass,
                                                     double temperatureC);

// Every class of the group at a temperature, classes rising: what a rating panel shows.
struct ClassWorkingPressure {
    int flangeClass = 0;
    RatingAnswer<WorkingPressure> pressure;
};
QList<ClassWorkingPressure> classWorkingPressures(const GroupRatings &group, double temperatureC);

// What a rating panel shows for a material and a temperature as typed (ratedMaterial,
// readTemperatureC): every class's maximum working pressure there. Refused when the material
// has no group here or no class is rated at the temperature, unreadable when the temperature
// is, each with its reason in the interface's language (`text`).
struct MaterialRatings {
    RatedMaterialChoice material;
    double temperatureC = 0;
    QList<ClassWorkingPressure> classes;
};
RatingAnswer<MaterialRatings> materialRatings(QStringView material, QStringView temperature);

// Whether a class holds a design pressure at a temperature: its rating and the margin (the
// rating less the design pressure; negative when it does not hold).
struct ClassCheck {
    int flangeClass = 0;
    WorkingPressure rating;
    double marginBar = 0;
    bool holds() const { return marginBar >= 0; }
};
RatingAnswer<ClassCheck> checkClass(const GroupRatings &group, int flangeClass, double designBar,
                                    double temperatureC);

// The lowest class of the Class series (those HG/T 20615 names: Class 400 is rated but made by
// neither it nor the flange tables here) whose rating at the temperature holds the design
// pressure. Refused, naming the highest rating there is, when none holds.
RatingAnswer<ClassCheck> lowestClassHolding(const GroupRatings &group, double designBar,
                                            double temperatureC);

// A pressure as the ratings are shown: to 0.01 bar, 0.001 MPa, shortest form ("41.9", "4.19").
QString barText(double bar);
QString mpaText(double mpa);
// A temperature in °C as given, shortest form ("250", "-29", "262.5").
QString temperatureText(double temperatureC);
