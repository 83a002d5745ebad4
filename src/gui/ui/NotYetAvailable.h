#pragma once

#include <QString>

class QWidget;

namespace courtlog::gui::ui {

// The text shown for a feature that is not in this version yet.
QString notYetAvailableText(const QString& feature);

// Tells the user plainly that feature is not there yet.
void showNotYetAvailable(QWidget* owner, const QString& feature);

}  // namespace courtlog::gui::ui
