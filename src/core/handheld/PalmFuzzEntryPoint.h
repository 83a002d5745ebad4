#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/records/FuzzEntryPoints.h"

namespace courtlog::fuzz {

// Untrusted bytes as a handheld database file: the blocks are extracted and
// the payload read as a team and as a game. Whatever is read must write a
// payload that reads back to the very same payload, in and out of a database
// of its own; a refused file must leave the record untouched. An empty text
// when every check holds, otherwise the first broken one.
std::string checkPalmDatabase(std::span<const std::uint8_t> data);

// The handheld reader's fuzz target ("pdb_fuzzer"), for the regression replay.
const FuzzTarget& palmDatabaseFuzzTarget();

}  // namespace courtlog::fuzz
