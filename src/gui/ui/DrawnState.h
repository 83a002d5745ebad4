#pragma once

#include <QWidget>
#include <utility>

namespace courtlog::gui::ui {

// What a widget last drew of the state it shows, so that a change redraws
// only the parts it touched. A paint over the whole widget remembers the
// state it drew. A paint over part of it that finds the state changed
// without being told (so the rest of the widget is out of date) forgets it
// and has the whole widget redrawn.
template <class State>
class DrawnState {
public:
    // The state on screen once the redraws asked for are done; null when the
    // whole widget is to be drawn.
    const State* shown() const { return valid_ ? &state_ : nullptr; }
    // The parts where state differs from shown() have been asked to redraw.
    void told(State state) {
        state_ = std::move(state);
        valid_ = true;
    }
    void forget() { valid_ = false; }
    // After widget painted state, over all of itself or only a part.
    void painted(State state, bool whole, QWidget* widget) {
        if (whole) {
            told(std::move(state));
        } else if (!valid_ || !(state == state_)) {
            valid_ = false;
            widget->update();
        }
    }

private:
    State state_{};
    bool valid_ = false;
};

}  // namespace courtlog::gui::ui
