#include "gui/ui/NotYetAvailable.h"

#include "gui/ui/MessageBox.h"

namespace courtlog::gui::ui {

QString notYetAvailableText(const QString& feature) {
    return QStringLiteral("%1 is not in this version of Basketball Courtlog yet.").arg(feature);
}

void showNotYetAvailable(QWidget* owner, const QString& feature) {
    showMessage(owner, notYetAvailableText(feature), {}, MessageButtons::Ok, MessageIcon::Information);
}

}  // namespace courtlog::gui::ui
