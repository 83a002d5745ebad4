#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace courtlog::fuzz {

// Each entry point feeds untrusted bytes to one record reader exactly as a
// file on disk would reach it, then checks what every reader must guarantee:
// what was read survives the JSON form and a write and read of its own file
// unchanged. They return an empty text when every check holds, otherwise a
// description of the first broken one. The libFuzzer targets abort on a
// non-empty result; the regression test replays saved inputs through them.
std::string checkTeamFile(std::span<const std::uint8_t> data);
// A game file only read, as every caller loads one: meant for inputs as
// large as long games, where the cost of each input is the reader's own.
std::string checkGameFileRead(std::span<const std::uint8_t> data);
// A game file read, streamed as JSON while read, built into a JSON tree,
// read back from that tree and written and read as a file again: every form
// must agree. Many times the work of a read, so meant for smaller inputs.
std::string checkGameFileRoundTrip(std::span<const std::uint8_t> data);
std::string checkSettingsFile(std::span<const std::uint8_t> data);
std::string checkScheduleFile(std::span<const std::uint8_t> data);
std::string checkCommaDelimitedImport(std::span<const std::uint8_t> data);
std::string checkPlainTextImport(std::span<const std::uint8_t> data);
// The JSON form as the command-line tool reads it: any record it accepts
// must come back unchanged through its JSON form again.
std::string checkJsonForm(std::span<const std::uint8_t> data);

struct FuzzTarget {
    const char* name;  // the fuzzer's name, also its corpus folder name
    std::string (*check)(std::span<const std::uint8_t> data);
};

// Every target, so tests and scripts need no list of their own.
std::span<const FuzzTarget> fuzzTargets();
const FuzzTarget* findFuzzTarget(std::string_view name);

}  // namespace courtlog::fuzz
