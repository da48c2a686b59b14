#pragma once

#include "catalogue/catalogue.h"

#include <optional>

// The rating a row of a kind's pressure list stands for, as the kind's window maps it; none for
// no row (-1) or a row past the list. For tests that name a pressure by its list row.
inline std::optional<Rating> ratingOfListRow(FlangeKind kind, int row)
{
    const QList<Rating> ratings = listedRatings(kind);
    if (row < 0 || row >= ratings.size())
        return std::nullopt;
    return ratings[row];
}
