#include "core/records/OpenedFileKind.h"

#include <cctype>
#include <string>

#include "core/records/FileNames.h"

namespace courtlog {

OpenedFileKind openedFileKind(std::string_view path) {
    const std::string_view name = bareFileName(path);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return OpenedFileKind::Unknown;
    std::string extension;
    for (char c : name.substr(dot + 1)) extension += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == "gam") return OpenedFileKind::Game;
    if (extension == "tem") return OpenedFileKind::Team;
    if (extension == "sch") return OpenedFileKind::Schedule;
    if (extension == "csv" || extension == "txt") return OpenedFileKind::Roster;
    return OpenedFileKind::Unknown;
}

}  // namespace courtlog
