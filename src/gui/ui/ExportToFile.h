#pragma once

#include <QString>
#include <functional>
#include <string>

#include "core/output/ExportFile.h"

class QWidget;

namespace courtlog::gui::ui {

// Whether each question about an export file is preceded by the click
// sound, as the team editor's buttons play it before they ask.
enum class QuestionSound { None, Click };

// The questions about an export file that exists, captioned with the file
// name, Yes/No buttons and the question icon: "This file already exists.
// Would you like to append to it?", and on No "Overwrite Existing File?".
// A file that does not exist asks nothing.
courtlog::output::ExportMode askExportMode(QWidget* owner, const QString& path,
                                           QuestionSound sound = QuestionSound::None);

// Every export of the program goes through this: asks as above, builds the
// text for the mode (with the page head unless appending, see
// courtlog::output::writesPageHead) and writes it in encoding through the
// safe save (courtlog::output::writeExportText). text is asked for once
// the mode is known, so it may ask questions of its own. A file that
// cannot be written shows "Can't save <file name> !" with the reason and
// keeps its old bytes. True when the export was written; false when it was
// cancelled or failed.
//   exportToFile(this, path, ExportEncoding::Utf8, [&](ExportMode mode) { return boxScorePage(..., mode); });
bool exportToFile(QWidget* owner, const QString& path, courtlog::output::ExportEncoding encoding,
                  const std::function<std::string(courtlog::output::ExportMode)>& text,
                  QuestionSound sound = QuestionSound::None);

}  // namespace courtlog::gui::ui
