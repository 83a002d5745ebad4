// libFuzzer target: untrusted bytes through the game file reader alone, at the
// size of long games (scripts/fuzz lets its inputs grow to a few hundred
// kilobytes), by the entry point the regression test replays
// (records/FuzzEntryPoints.h). game_roundtrip_fuzzer checks every other form
// of the game on smaller inputs.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/records/FuzzEntryPoints.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string problem = courtlog::fuzz::checkGameFileRead({data, size});
    if (!problem.empty()) {
        std::fprintf(stderr, "check failed: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
