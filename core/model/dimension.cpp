#include "core/model/dimension.h"

#include <iterator>
#include <string>

namespace
{

constexpr DimensionInfo Infos[] = {
#define DIMENSION(id, key, symbol, unit, name) {key, symbol, unit, name},
#include "core/model/dimensions.def"
#undef DIMENSION
};

} // namespace

const DimensionInfo &dimensionInfo(Dimension dimension)
{
    return Infos[std::size_t(dimension)];
}

std::optional<Dimension> dimensionOfColumn(std::string_view column)
{
    for (std::size_t i = 0; i < std::size(Infos); ++i) {
        std::string name = Infos[i].key;
        if (*Infos[i].unit)
            name += std::string("_") + Infos[i].unit;
        if (column == name)
            return Dimension(i);
    }
    return std::nullopt;
}
