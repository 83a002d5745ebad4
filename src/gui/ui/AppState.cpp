#include "gui/ui/AppState.h"

namespace courtlog::ui {

AppState& appState() {
    static AppState state;
    return state;
}

void notifyGameStateChanged() {
    if (appState().gameStateChanged) appState().gameStateChanged();
}

}  // namespace courtlog::ui
