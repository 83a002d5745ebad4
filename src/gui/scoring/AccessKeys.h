#pragma once

class QKeyEvent;
class QWidget;

namespace courtlog::gui::scoring {

// At the scorer's table a choice is one key away: a plain key that is the
// access key of an enabled, visible button of window clicks that button, as
// Alt with the key does. True when a button took the key.
bool clickButtonForKey(QWidget* window, const QKeyEvent* event);

// The keys of the court buttons: 1 to 5 and A to E, plain, shifted or with
// Alt. They belong to the court buttons wherever the focus is; a list that
// took them for type-ahead would pick a player nobody meant.
bool isPlayerKey(const QKeyEvent* event);

// Clicks the court button whose access key event carries, Alt or not.
bool clickPlayerButtonForKey(QWidget* window, const QKeyEvent* event);

}  // namespace courtlog::gui::scoring
