#include "core/records/LogoFade.h"

#include <cstdio>

#include "core/records/RecordFields.h"

namespace courtlog {

std::int16_t steppedFade(std::int16_t fade, bool up) {
    constexpr ValueRange range = validRange(&Team::logoFade);
    if (up ? fade >= range.highest : fade <= range.lowest) return fade;
    return static_cast<std::int16_t>(fade + (up ? kFadeStep : -kFadeStep));
}

std::string fadeText(int fade) {
    char text[16];
    std::snprintf(text, sizeof text, "%3d%%", fade);
    return text;
}

}  // namespace courtlog
