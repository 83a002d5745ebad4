#pragma once

#include <cstdint>
#include <string>

namespace courtlog {

// The team logo's fade, as the team editor's "Up" and "Down" change it and
// its label shows it.

// Up and Down move the fade by this many percent.
inline constexpr int kFadeStep = 5;

// The fade after one press of Up (up) or Down, within the fade's range
// (0..100). A fade read from a file off the 5-grid may step past a bound
// once (97 -> 102); from there on the bound stops it.
std::int16_t steppedFade(std::int16_t fade, bool up);

// The fade as its label shows it: "%3d%" (" 25%").
std::string fadeText(int fade);

}  // namespace courtlog
