#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "cli/RecordDocument.h"

// Handheld databases (.pdb) as a file kind of the command-line tool.
namespace courtlog::cli {

// Reads the database at path as a team or a game.
// wantedKind "team" or "game" reads that kind, so a database of the other
// kind gives "Not a Palm Team" or "Not a Palm Game"; any other wantedKind
// reads whichever kind the database holds.
bool readPalmFile(const std::string& path, const std::string& wantedKind, RecordDocument& out,
                  std::string& error);

// Writes a team or game document as a handheld database; the document's
// kind says which.
bool writePalmFile(const nlohmann::ordered_json& doc, const std::string& path, std::string& error);

}  // namespace courtlog::cli
