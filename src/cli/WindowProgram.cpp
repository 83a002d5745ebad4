#include "cli/WindowProgram.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <string_view>
#include <vector>

#include "cli/CommandLineTool.h"

namespace courtlog::cli {

namespace {

// Verbs of the window program: they draw pages with its painting.
constexpr std::string_view kWindowVerbs[] = {"pdf"};

}  // namespace

bool belongsToWindowProgram(int argc, char** argv) {
    if (!isCommandLineVerb(argc, argv)) return true;
    for (std::string_view verb : kWindowVerbs)
        if (argc >= 2 && argv && argv[1] && verb == argv[1]) return true;
    return false;
}

std::string startWindowProgram(char** argv) {
    std::vector<char> self(PATH_MAX + 1, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", self.data(), self.size() - 1);
    if (n <= 0) return std::string("Can't find the folder of this program: ") + std::strerror(errno);
    std::string path(self.data(), static_cast<std::size_t>(n));
    path = path.substr(0, path.find_last_of('/') + 1) + kWindowProgramName;
    // The same arguments, the command's own name first as it was typed.
    ::execv(path.c_str(), argv);
    return "Can't start the window program " + path + ": " + std::strerror(errno);
}

}  // namespace courtlog::cli
