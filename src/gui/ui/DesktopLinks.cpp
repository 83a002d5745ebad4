#include "gui/ui/DesktopLinks.h"

#include <QDesktopServices>

namespace courtlog::gui::ui {

namespace {

std::function<bool(const QUrl&)>& opener() {
    static std::function<bool(const QUrl&)> replacement;
    return replacement;
}

}  // namespace

bool openWithDesktop(const QUrl& link) {
    if (opener()) return opener()(link);
    return QDesktopServices::openUrl(link);
}

namespace testing {
void setDesktopOpener(std::function<bool(const QUrl&)> replacement) { opener() = std::move(replacement); }
}  // namespace testing

}  // namespace courtlog::gui::ui
