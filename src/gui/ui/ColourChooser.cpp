#include "gui/ui/ColourChooser.h"

#include <QColorDialog>
#include <deque>

namespace courtlog::gui::ui {

namespace {

struct ChooserHooks {
    std::deque<std::optional<QColor>> answers;
    QColor lastStart;
};

ChooserHooks& hooks() {
    static ChooserHooks instance;
    return instance;
}

// The dialog's custom colours live as long as the program; they start white.
void whitenCustomColoursOnce() {
    static bool done = false;
    if (done) return;
    done = true;
    for (int i = 0; i < QColorDialog::customCount(); ++i) QColorDialog::setCustomColor(i, QColor(Qt::white));
}

}  // namespace

std::optional<QColor> chooseColour(QWidget* owner, const QColor& initial) {
    whitenCustomColoursOnce();
    hooks().lastStart = initial;
    if (!hooks().answers.empty()) {
        const std::optional<QColor> answer = hooks().answers.front();
        hooks().answers.pop_front();
        return answer;
    }
    QColorDialog dialog(initial, owner);
    dialog.setObjectName(QStringLiteral("colourChooser"));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.selectedColor();
}

namespace testing {

void queueColourAnswer(std::optional<QColor> answer) { hooks().answers.push_back(std::move(answer)); }
QColor lastColourChooserStart() { return hooks().lastStart; }

}  // namespace testing

}  // namespace courtlog::gui::ui
