#include "core/output/ExportFile.h"

#include <sys/stat.h>

#include "core/records/SafeSave.h"

namespace courtlog::output {

namespace {

// Exports grow by appending; this is far beyond any page the program
// writes, and keeps an append from reading a file it was never meant for
// whole into memory.
constexpr std::size_t kMaxAppendedFile = 256u << 20;

}  // namespace

ExportMode chooseExportMode(bool fileExists, const ExportQuestions& ask) {
    if (!fileExists) return ExportMode::NewFile;
    if (ask.appendToIt && ask.appendToIt()) return ExportMode::Append;
    if (ask.overwriteIt && ask.overwriteIt()) return ExportMode::Overwrite;
    return ExportMode::Cancelled;
}

bool exportFileExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0;
}

bool writeExportFile(const std::string& path, ExportMode mode, std::string_view part, std::string* error) {
    switch (mode) {
    case ExportMode::Cancelled:
        if (error) error->clear();
        return true;
    case ExportMode::NewFile:
    case ExportMode::Overwrite:
        return safeSave(path, part, error);
    case ExportMode::Append:
        break;
    }
    auto old = readWholeFile(path, kMaxAppendedFile, error);
    if (!old) return false;
    std::string whole(old->begin(), old->end());
    whole += '\n';
    whole += part;
    return safeSave(path, std::string_view(whole), error);
}

}  // namespace courtlog::output
