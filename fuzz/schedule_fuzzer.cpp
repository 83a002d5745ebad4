// libFuzzer target: untrusted bytes through the same reader entry point the
// regression test replays (records/FuzzEntryPoints.h).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/records/FuzzEntryPoints.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string problem = courtlog::fuzz::checkScheduleFile({data, size});
    if (!problem.empty()) {
        std::fprintf(stderr, "check failed: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
