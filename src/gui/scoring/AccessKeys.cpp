#include "gui/scoring/AccessKeys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QKeySequence>

namespace courtlog::gui::scoring {

namespace {

// Clicks the enabled, visible button of window whose access key is key.
bool clickButtonWithAccessKey(QWidget* window, int key) {
    const QKeySequence pressed(QKeyCombination(Qt::AltModifier, static_cast<Qt::Key>(key)));
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!button->isVisible() || !button->isEnabled()) continue;
        if (QKeySequence::mnemonic(button->text()) != pressed) continue;
        button->animateClick();
        return true;
    }
    return false;
}

}  // namespace

bool clickButtonForKey(QWidget* window, const QKeyEvent* event) {
    const Qt::KeyboardModifiers allowed(Qt::KeypadModifier | Qt::ShiftModifier);
    if ((event->modifiers() & ~allowed) != Qt::KeyboardModifiers()) return false;
    if (event->text().isEmpty()) return false;
    return clickButtonWithAccessKey(window, event->key());
}

bool isPlayerKey(const QKeyEvent* event) {
    const Qt::KeyboardModifiers allowed(Qt::KeypadModifier | Qt::ShiftModifier | Qt::AltModifier);
    if ((event->modifiers() & ~allowed) != Qt::KeyboardModifiers()) return false;
    const int key = event->key();
    return (key >= Qt::Key_1 && key <= Qt::Key_5) || (key >= Qt::Key_A && key <= Qt::Key_E);
}

bool clickPlayerButtonForKey(QWidget* window, const QKeyEvent* event) {
    return isPlayerKey(event) && clickButtonWithAccessKey(window, event->key());
}

}  // namespace courtlog::gui::scoring
