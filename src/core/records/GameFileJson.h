#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace courtlog {

class JsonStreamWriter;

// Writes a game file in its JSON form (JsonForm.h) while it reads it: the
// information block and the two teams are read first, then the plays a
// piece at a time, home list first as the form has it, so the memory used
// does not grow with the number of plays. A file that would not load (see
// Game::load) is refused, with the same reason, before anything is written;
// false after writing means the file could not be read to its end (it
// changed underneath) and the text is incomplete.
bool writeGameFileJson(const std::string& path, JsonStreamWriter& out, std::string* error = nullptr);

// The same over a game file image in memory; false when it is not a whole game.
bool writeGameImageJson(std::span<const std::uint8_t> image, JsonStreamWriter& out);

}  // namespace courtlog
