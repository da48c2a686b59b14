#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// How a standard rates its flanges: a nominal pressure in MPa (HG 20592-97) or in bar (the
// later PN editions), or an ASME class (150, 300 …), which names no single pressure.
enum class RatingSystem : std::uint8_t { PnMpa, PnBar, Class };

struct Rating {
    RatingSystem system = RatingSystem::PnMpa;
    double value = 0;

    friend constexpr bool operator==(const Rating &, const Rating &) = default;

    // The nominal pressure in MPa; none for a class.
    constexpr std::optional<double> pressureMpa() const
    {
        switch (system) {
        case RatingSystem::PnMpa:
            return value;
        case RatingSystem::PnBar:
            return value / 10;
        case RatingSystem::Class:
            break;
        }
        return std::nullopt;
    }
};

// The rating as its standard writes it, without unit: a PN in MPa with at least one decimal
// ("0.25", "1.0", "10.0", never "1" or "10", which read as another PN), a PN in bar or a class
// as a whole number ("16", "150").
QString ratingText(const Rating &rating);
