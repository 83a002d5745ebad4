#pragma once

#include <string_view>

namespace courtlog {

// The kinds of file the program reads and writes, told apart by extension.
enum class FileKind {
    Unknown,
    Game,            // .gam
    Team,            // .tem
    Schedule,        // .sch
    Settings,        // .ini (crtlog.ini)
    Json,            // .json, the JSON form of any record
    CommaDelimited,  // .csv, a roster or an export
    PlainText,       // .txt, a roster to import
    PalmDatabase,    // .pdb
    Pdf,             // .pdf, a printout
};

// The extension of a path's file name, without the dot: the text after its
// last '.', empty when it has none (a leading '.' starts a hidden name, not
// an extension; a dot in a folder's name is not the file's).
std::string_view fileExtension(std::string_view path);

// The kind of the file path names, by the extension of its own name (after
// its last dot, in any case). A name whose only dot is its first character
// (".gam") has no extension, nor does a dot in a folder's name.
FileKind fileKindOf(std::string_view path);

// The extension a file of kind is named with, dot included (".gam"); empty
// for Unknown.
std::string_view extensionOf(FileKind kind);

// A roster in one of the two text forms a team is imported from.
constexpr bool isTextRoster(FileKind kind) { return kind == FileKind::CommaDelimited || kind == FileKind::PlainText; }

}  // namespace courtlog
