#include "core/records/FileKind.h"

#include <array>
#include <cctype>
#include <string>
#include <utility>

#include "core/records/FileNames.h"

namespace courtlog {

namespace {

constexpr std::array<std::pair<FileKind, std::string_view>, 9> kExtensions{{
    {FileKind::Game, ".gam"},
    {FileKind::Team, ".tem"},
    {FileKind::Schedule, ".sch"},
    {FileKind::Settings, ".ini"},
    {FileKind::Json, ".json"},
    {FileKind::CommaDelimited, ".csv"},
    {FileKind::PlainText, ".txt"},
    {FileKind::PalmDatabase, ".pdb"},
    {FileKind::Pdf, ".pdf"},
}};

}  // namespace

std::string_view fileExtension(std::string_view path) {
    const std::string_view name = bareFileName(path);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return {};
    return name.substr(dot + 1);
}

FileKind fileKindOf(std::string_view path) {
    const std::string_view bare = fileExtension(path);
    if (bare.empty()) return FileKind::Unknown;
    std::string extension = ".";
    for (char c : bare) extension += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const auto& [kind, text] : kExtensions)
        if (extension == text) return kind;
    return FileKind::Unknown;
}

std::string_view extensionOf(FileKind kind) {
    for (const auto& [known, text] : kExtensions)
        if (known == kind) return text;
    return {};
}

}  // namespace courtlog
