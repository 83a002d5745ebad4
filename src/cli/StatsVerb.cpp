#include <iostream>

#include "cli/Verbs.h"

namespace courtlog::cli {

int runStatsVerb(const std::vector<std::string>&) {
    std::cerr << "The stats command is being built.\n";
    return 1;
}

}  // namespace courtlog::cli
