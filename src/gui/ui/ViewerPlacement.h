#pragma once

#include <QSize>

class QWidget;

namespace courtlog::gui::ui {

// Puts a viewer window of the game in progress beside the console, on the
// side of the screen with more room, as wide as that room allows between
// narrowest and preferred.width(), so the console stays in view; then shows
// it.
void showBesideConsole(QWidget* viewer, QWidget* console, QSize preferred, int narrowest);

}  // namespace courtlog::gui::ui
