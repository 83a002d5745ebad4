#pragma once

#include <QColor>
#include <optional>

class QWidget;

namespace courtlog::gui::ui {

// The colour chooser, opened on initial; the chosen colour, or nullopt when
// cancelled. Its sixteen custom colours are white the first time it opens
// and keep what the user puts there for as long as the program runs.
std::optional<QColor> chooseColour(QWidget* owner, const QColor& initial);

namespace testing {
// The next chooser returns this without being shown (nullopt = cancel).
void queueColourAnswer(std::optional<QColor> answer);
// The colour the most recent chooser opened on.
QColor lastColourChooserStart();
}  // namespace testing

}  // namespace courtlog::gui::ui
