#pragma once

#include <QUrl>
#include <functional>

namespace courtlog::gui::ui {

// Hands link (a web address, a mailto: link) to the desktop, which opens it
// with the user's program for its kind. False when the desktop has none, for
// example no mail program: the caller says so.
bool openWithDesktop(const QUrl& link);

namespace testing {
// While set, links go to opener instead of the desktop, and its answer is
// whether the desktop could open them; an empty function restores the
// desktop.
void setDesktopOpener(std::function<bool(const QUrl&)> opener);
}  // namespace testing

}  // namespace courtlog::gui::ui
