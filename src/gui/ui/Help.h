#pragma once

#include <QStringList>
#include <QUrl>

class QWidget;

namespace courtlog::gui::ui {

// Opens the user's manual in the program's help window at its contents
// page. The manual is crhelp.html and its pages beside the program (or in
// its help folder, or the current directory); a copy is built into the
// program, so help works on any machine.
void openHelpContents(QWidget* owner);

// Opens the manual at a topic: a page of the manual, optionally with an
// anchor ("roster-editor.html#keys"). Dialogs open their own page by F1 and
// their Help buttons.
void openHelpTopic(QWidget* owner, const QString& topic);

// Where the manual is looked for on disk, in order: help/crhelp.html and
// crhelp.html beside the program, then the same in the current directory.
QStringList helpFileCandidates();

// The folder of the manual to show: the first candidate found on disk,
// otherwise the copy built into the program; empty when there is neither.
QUrl manualFolder();

namespace testing {
// While on, the help window is not opened; the URL is recorded instead.
// Turning it on forgets the URL recorded before.
void recordHelpInstead(bool on);
// The URL of the most recent opening (empty when the manual was missing).
QUrl lastHelpUrl();
// Replaces the folders searched for the manual (empty: the usual ones).
void setHelpFolders(const QStringList& folders);
// While on, the built-in copy is ignored, as if the program had none.
void ignoreBuiltInManual(bool on);
}  // namespace testing

}  // namespace courtlog::gui::ui
