#include "core/handheld/HandheldPaths.h"

#include <filesystem>
#include <system_error>

#include "core/records/FileKind.h"
#include "core/records/FileNames.h"

namespace courtlog::handheld {

namespace fs = std::filesystem;

std::string companionPath(const std::string& startDirectory) {
    return (fs::path(startDirectory) / kCompanionFileName).string();
}

std::string fileNameOf(const std::string& path) { return std::string(bareFileName(path)); }

std::string folderOf(const std::string& path) {
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

std::string databasePathBeside(const std::string& teamPath) {
    fs::path database(teamPath);
    const std::string extension(extensionOf(FileKind::PalmDatabase));
    database.replace_extension(extension);
    if (database.string() == teamPath) return teamPath + extension;
    return database.string();
}

std::string proposedDesktopName(const std::string& databasePath, DesktopFileKind kind) {
    fs::path name = fs::path(databasePath).filename();
    name.replace_extension(extensionOf(kind == DesktopFileKind::Team ? FileKind::Team : FileKind::Game));
    return name.string();
}

bool sameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) return true;
    std::error_code errorA, errorB;
    const fs::path canonicalA = fs::weakly_canonical(a, errorA);
    const fs::path canonicalB = fs::weakly_canonical(b, errorB);
    if (errorA || errorB) return a == b;
    return canonicalA == canonicalB;
}

}  // namespace courtlog::handheld
