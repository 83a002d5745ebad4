#include "core/output/ExportKind.h"

#include <cctype>
#include <string>

namespace courtlog::output {

bool namesHtmlPage(std::string_view path) {
    if (path.size() <= 4) return false;
    std::string tail(path.substr(path.size() - 5));
    for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail.find("htm") != std::string::npos;
}

ExportKind exportKindChosen(std::string_view path, int filterIndex, std::span<const ExportKind> filterKinds) {
    if (namesHtmlPage(path)) return ExportKind::Html;
    if (filterIndex >= 1 && static_cast<std::size_t>(filterIndex) <= filterKinds.size())
        return filterKinds[static_cast<std::size_t>(filterIndex - 1)];
    return ExportKind::CommaDelimited;
}

}  // namespace courtlog::output
