#pragma once

#include <QStringList>
#include <QUrl>

class QWidget;

namespace courtlog::ui {

// Opens the user's manual (crhelp.html beside the program, or in the help
// folder) at its contents page; a missing manual gives a clear message.
void openHelpContents(QWidget* owner);

// Where the manual is looked for, in order: help/crhelp.html and crhelp.html
// beside the program, then the same in the current directory.
QStringList helpFileCandidates();

namespace testing {
// While on, the manual is not opened; its URL is recorded instead.
void recordHelpInstead(bool on);
// The URL of the most recent opening (empty when the manual was missing).
QUrl lastHelpUrl();
// Replaces the folders searched for the manual (empty: the usual ones).
void setHelpFolders(const QStringList& folders);
}  // namespace testing

}  // namespace courtlog::ui
