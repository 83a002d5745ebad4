#include <iostream>

#include "cli/Verbs.h"

namespace courtlog::cli {

int runSummaryVerb(const std::vector<std::string>&) {
    std::cerr << "The summary command is being built.\n";
    return 1;
}

}  // namespace courtlog::cli
