// libFuzzer target: untrusted bytes through the handheld database reader, by
// the same entry point the regression test replays (handheld/PalmFuzzEntryPoint.h).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/handheld/PalmFuzzEntryPoint.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string problem = courtlog::fuzz::checkPalmDatabase({data, size});
    if (!problem.empty()) {
        std::fprintf(stderr, "check failed: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
