#pragma once

#include <cstdint>

// Values a query window works with. Indexes are list rows; -1 means nothing selected.
using PressureRating = int;
using PipeSeries = int;
using NominalDiameter = std::int16_t;
using BoltDesignation = const char *;

constexpr PipeSeries SeriesA = 0;
constexpr PipeSeries SeriesB = 1;
