#pragma once

// The scoring windows speak the scoring core's language: the core's rules
// (GameConsole, PlayChoice, CourtPoint, ...) are named unqualified throughout
// courtlog::gui::scoring, which otherwise keeps its windows apart from them.
namespace courtlog::scoring {}

namespace courtlog::gui::scoring {
using namespace courtlog::scoring;
}  // namespace courtlog::gui::scoring
