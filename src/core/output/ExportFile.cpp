#include "core/output/ExportFile.h"

#include <sys/stat.h>

#include <optional>

#include "core/records/Cp1252.h"
#include "core/records/SafeSave.h"

namespace courtlog::output {

namespace {

// Exports grow by appending; this is far beyond any page the program
// writes, and keeps an append from reading a file it was never meant for
// whole into memory.
constexpr std::size_t kMaxAppendedFile = 256u << 20;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Writes a new or replaced file whole, or the old bytes, one newline and the
// part made from them, as one new file. The part of a new file is made from
// no old bytes.
template <class MakePart>
bool writeInMode(const std::string& path, ExportMode mode, std::string* error, MakePart makePart) {
    switch (mode) {
    case ExportMode::Cancelled:
        if (error) error->clear();
        return true;
    case ExportMode::NewFile:
    case ExportMode::Overwrite:
        return safeSave(path, std::string_view(makePart(std::nullopt)), error);
    case ExportMode::Append:
        break;
    }
    auto old = readWholeFile(path, kMaxAppendedFile, error);
    if (!old) return false;
    std::string whole(old->begin(), old->end());
    const std::string part = makePart(std::string_view(whole));
    whole += '\n';
    whole += part;
    return safeSave(path, std::string_view(whole), error);
}

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
    return writeInMode(path, mode, error,
                       [part](std::optional<std::string_view>) { return std::string(part); });
}

std::string exportBytes(std::string_view recordText, ExportEncoding encoding, bool atFileStart) {
    if (encoding == ExportEncoding::Windows1252) return std::string(recordText);
    std::string bytes =
        atFileStart && encoding == ExportEncoding::Utf8WithBom ? std::string(kByteOrderMark) : "";
    return bytes + cp1252ToUtf8(recordText);
}

bool writeExportText(const std::string& path, ExportMode mode, std::string_view recordText,
                     ExportEncoding encoding, std::string* error) {
    return writeInMode(path, mode, error, [&](std::optional<std::string_view> old) {
        if (!old) return exportBytes(recordText, encoding, true);
        return exportBytes(recordText, isValidUtf8(*old) ? encoding : ExportEncoding::Windows1252, false);
    });
}

}  // namespace courtlog::output
