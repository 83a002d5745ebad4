#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace courtlog::output {

// How an export goes into its file.
enum class ExportMode {
    NewFile,    // the file did not exist: a complete page
    Append,     // after what the file holds: a newline, then the page without its head
    Overwrite,  // the file is replaced by a complete page
    Cancelled,  // the user kept the file: nothing is written
};

// The two questions asked about a file that exists, in this order; each
// answers true for Yes. The second is asked only when the first is refused.
struct ExportQuestions {
    std::function<bool()> appendToIt;
    std::function<bool()> overwriteIt;
};

// The mode for a file that exists or not, asking as needed.
ExportMode chooseExportMode(bool fileExists, const ExportQuestions& ask);

// Whether path names an existing file (an unreadable one included, so it
// is never taken for new and replaced without asking).
bool exportFileExists(const std::string& path);

// True when the page written in this mode starts with its head.
inline bool writesPageHead(ExportMode mode) { return mode == ExportMode::NewFile || mode == ExportMode::Overwrite; }

// Puts part into the file at path in mode, through the safe save: a new or
// overwritten file holds exactly part; appending writes the old bytes, one
// newline and part as one new file. Cancelled writes nothing and succeeds.
// On failure the old file is as it was and error holds the reason.
//   const ExportMode mode = chooseExportMode(exportFileExists(path), questions);
//   std::string page = writesPageHead(mode) ? pageHead("Box Score") : "";
//   page += ...;
//   if (!writeExportFile(path, mode, page, &error)) ...say "Can't save"
bool writeExportFile(const std::string& path, ExportMode mode, std::string_view part, std::string* error = nullptr);

// The characters an export is written in. Records hold single-byte
// Windows-1252 text; what leaves the program for other programs is UTF-8.
enum class ExportEncoding {
    Utf8,         // web pages (their head declares it)
    Utf8WithBom,  // comma-separated values, behind the byte-order mark spreadsheets look for
    Windows1252,  // the coaching program's import text: the single-byte text it has always read
};

// The encoding of a web page or of comma-separated values.
constexpr ExportEncoding pageOrCsvEncoding(bool webPage) {
    return webPage ? ExportEncoding::Utf8 : ExportEncoding::Utf8WithBom;
}

// Record text as the bytes of an export in encoding; atFileStart puts the
// byte-order mark before it where the encoding has one.
std::string exportBytes(std::string_view recordText, ExportEncoding encoding, bool atFileStart);

// writeExportFile for record text, which goes into the file in encoding. A
// part appended to a file takes the file's encoding, so that no file mixes
// two: UTF-8 (without a second mark) after a file that is valid UTF-8, and
// Windows-1252 after one that is not, as older exports are.
//   writeExportText(path, mode, rosterText(...), pageOrCsvEncoding(html), &error)
bool writeExportText(const std::string& path, ExportMode mode, std::string_view recordText,
                     ExportEncoding encoding, std::string* error = nullptr);

}  // namespace courtlog::output
