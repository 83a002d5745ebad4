// libFuzzer target: untrusted bytes as a game file, read and then carried
// through every other form of the game (streamed JSON, JSON tree, the game
// read back from JSON, its own file image), which must all agree; by the entry
// point the regression test replays (records/FuzzEntryPoints.h). The work
// grows with the plays, so scripts/fuzz keeps its inputs to about 16 KB and
// leaves long games to game_fuzzer.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/records/FuzzEntryPoints.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string problem = courtlog::fuzz::checkGameFileRoundTrip({data, size});
    if (!problem.empty()) {
        std::fprintf(stderr, "check failed: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
