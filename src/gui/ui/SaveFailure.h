#pragma once

#include <QString>
#include <string>

class QWidget;

namespace courtlog::gui::ui {

// "Can't save team !" (what = "team"), "Can't save game !" and the like,
// with the path and the reason the save helper gave, caption "Error".
QString saveFailureText(const QString& what, const QString& path, const std::string& reason);
void showSaveFailure(QWidget* owner, const QString& what, const QString& path, const std::string& reason);

// "Can't save <file name> !" and the reason, caption "Error": for the files
// a user names for an export or a PDF.
QString fileSaveFailureText(const QString& path, const std::string& reason);
void showFileSaveFailure(QWidget* owner, const QString& path, const std::string& reason);

// "Can't load game !" with the reason the loader gave (the one the command
// line prints, which names the file), caption "File corrupt ?".
void showGameLoadFailure(QWidget* owner, const std::string& reason);

}  // namespace courtlog::gui::ui
