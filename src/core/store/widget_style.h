// The look of a board: frosted glass that follows the desktop's light or dark
// scheme, or a fixed dark or light card.
#pragma once

#include <array>

#include "core/util/enum_strings.h"

namespace solvane {

enum class WidgetStyle { glass, dark, light };

template <>
struct EnumCases<WidgetStyle> {
    static constexpr std::array<EnumCase<WidgetStyle>, 3> list{{
        {WidgetStyle::glass, "glass"},
        {WidgetStyle::dark, "dark"},
        {WidgetStyle::light, "light"},
    }};
};

}  // namespace solvane
