#include "app/AppState.h"

namespace courtlog::app {

AppState& appState() {
    static AppState state;
    return state;
}

}  // namespace courtlog::app
