#pragma once

#include "core/ratings/ratinganswer.h"

#include <QStringView>

// A design temperature and pressure as an engineer types them, read for the rating rules; full-
// width forms read as ASCII.

// "250", "250°C", "250 ℃", "250C", "-20" (also with the minus sign −): °C. A temperature in
// °F, or any other text, is unreadable.
RatingAnswer<double> readTemperatureC(QStringView text);

// A gauge pressure, in bar: "40bar", "4MPa", "4.0 MPa", "40 barg", "4MPa(G)", and a bare number in
// MPa as every pressure the program reads; also in kgf/cm² ("40.8kgf/cm2", "40.8 kg/cm²",
// "40.8公斤"), at 0.980665 bar each, its exact value. A negative pressure is refused; a text
// in any other unit (psi, kPa) is unreadable.
RatingAnswer<double> readDesignPressureBar(QStringView text);
