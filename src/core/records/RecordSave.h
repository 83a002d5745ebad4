#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace courtlog {

// "Save as" for every record kind (game, team, schedule): the record's bytes
// go to path through the safe save, and only once they are written does
// path become the record's file. After a failure fileName is what it was, so
// the next plain save still goes to the file the record was read from or
// last written to, never to the one that could not be written.
bool saveRecordAs(std::string& fileName, const std::string& path, std::span<const std::uint8_t> bytes,
                  std::string* error = nullptr);

}  // namespace courtlog
