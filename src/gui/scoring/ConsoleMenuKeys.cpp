#include "gui/scoring/ConsoleMenuKeys.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QWidget>

namespace courtlog::gui::scoring {

ConsoleMenuKeys::ConsoleMenuKeys(QWidget* console, QWidget* mainWindow) : console_(console), mainWindow_(mainWindow) {
    if (console) console->installEventFilter(this);
}

ConsoleMenuKeys::~ConsoleMenuKeys() {
    if (console_) console_->removeEventFilter(this);
}

QAction* ConsoleMenuKeys::menuForKey(const QMenuBar* bar, const QKeyEvent* event) {
    if (!bar) return nullptr;
    const QKeyCombination keys = event->keyCombination();
    const bool firstMenu = keys == QKeyCombination(Qt::Key_F10);
    for (QAction* action : bar->actions()) {
        if (!action->isVisible() || !action->isEnabled() || !action->menu()) continue;
        if (firstMenu || QKeySequence::mnemonic(action->text()) == QKeySequence(keys)) return action;
    }
    return nullptr;
}

bool ConsoleMenuKeys::eventFilter(QObject* watched, QEvent* event) {
    // Keys reach the console after its controls and their shortcuts (the
    // buttons' own Alt letters) have passed them on.
    if (watched == console_ && event->type() == QEvent::KeyPress && mainWindow_) {
        auto* bar = mainWindow_->findChild<QMenuBar*>();
        if (QAction* menu = menuForKey(bar, static_cast<QKeyEvent*>(event))) {
            bar->setActiveAction(menu);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace courtlog::gui::scoring
