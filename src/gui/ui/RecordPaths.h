#pragma once

#include <QString>
#include <string>

namespace courtlog::gui::ui {

// File paths as the core keeps and opens them (a team's or a game's file,
// the settings file, any path handed to a reader or a save) are the bytes
// the C library takes: UTF-8 on this system. These two are the only way a
// path crosses between an edit or a file dialog and the core. Texts stored
// inside records (a team's logo field among them) are Windows-1252 and go
// through toRecordText / fromRecordText instead.
std::string toRecordPath(const QString& path);
QString fromRecordPath(const std::string& path);

// The text after the last '/' or '\\' of path (the whole path when it has
// neither).
QString bareFileName(const QString& path);

}  // namespace courtlog::gui::ui
