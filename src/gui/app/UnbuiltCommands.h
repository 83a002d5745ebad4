#pragma once

#include <QString>

class QWidget;

// The menu commands whose features come in later versions. Each is a
// function of its own so that the feature, when it arrives, replaces exactly
// one body here and the main window does not change. Until then each tells
// the user plainly that the feature is not there yet.
namespace courtlog::gui::app::unbuilt {

// File > Print
void printGameCommand(QWidget* owner);

}  // namespace courtlog::gui::app::unbuilt
