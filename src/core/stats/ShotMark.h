#pragma once

#include <cstdint>

#include "core/records/Codes.h"

namespace courtlog::stats {

// One field-goal attempt as the shot chart plots it: the spot recorded on
// the upright court picture (pixels, top basket attacked), the period
// (0-based) and the shot result (two or three, made or missed).
struct ShotMark {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int16_t period = 0;
    std::int16_t result = 0;

    bool isTwo() const { return result == TwoPointMade || result == TwoPointMissed; }
    bool isThree() const { return result == ThreePointMade || result == ThreePointMissed; }
    bool isMade() const { return result == TwoPointMade || result == ThreePointMade; }

    bool operator==(const ShotMark&) const = default;
};

}  // namespace courtlog::stats
