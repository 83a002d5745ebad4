
#include "gui/scoring/ScoringCoreNames.h"
#include "gui/scoring/AccessKeys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QKeySequence>

namespace courtlog::gui::scoring {

bool clickButtonForKey(QWidget* window, const QKeyEvent* event) {
    const Qt::KeyboardModifiers allowed(Qt::KeypadModifier | Qt::ShiftModifier);
    if ((event->modifiers() & ~allowed) != Qt::KeyboardModifiers()) return false;
    if (event->text().isEmpty()) return false;
    const QKeySequence pressed(QKeyCombination(Qt::AltModifier, static_cast<Qt::Key>(event->key())));
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!button->isVisible() || !button->isEnabled()) continue;
        if (QKeySequence::mnemonic(button->text()) != pressed) continue;
        button->animateClick();
        return true;
    }
    return false;
}

}  // namespace courtlog::gui::scoring
