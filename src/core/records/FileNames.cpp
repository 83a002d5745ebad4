#include "core/records/FileNames.h"

namespace courtlog {

std::string_view bareFileName(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace courtlog
