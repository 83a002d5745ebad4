#include "gui/ui/AppState.h"

namespace courtlog::gui::ui {

AppState& appState() {
    static AppState state;
    return state;
}

void notifyGameStateChanged() {
    if (appState().gameStateChanged) appState().gameStateChanged();
}

}  // namespace courtlog::gui::ui
