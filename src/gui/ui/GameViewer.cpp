#include "gui/ui/GameViewer.h"

#include <algorithm>
#include <vector>

namespace courtlog::gui::ui {

namespace {

std::vector<GameViewer*>& viewers() {
    static std::vector<GameViewer*> list;
    return list;
}

template <class Tell>
void tellEach(const Tell& tell) {
    // A viewer may close itself while refreshing: walk a copy.
    const std::vector<GameViewer*> list = viewers();
    for (GameViewer* viewer : list)
        if (std::find(viewers().begin(), viewers().end(), viewer) != viewers().end()) tell(*viewer);
}

}  // namespace

void registerGameViewer(GameViewer* viewer) {
    auto& list = viewers();
    if (viewer && std::find(list.begin(), list.end(), viewer) == list.end()) list.push_back(viewer);
}

void unregisterGameViewer(GameViewer* viewer) { std::erase(viewers(), viewer); }

const std::vector<GameViewer*>& openGameViewers() { return viewers(); }

void refreshGameViewers() {
    tellEach([](GameViewer& viewer) { viewer.refreshFromGame(); });
}

void tellGameViewers(const courtlog::scoring::PlaysChange& change) {
    tellEach([&change](GameViewer& viewer) { viewer.gameChanged(change); });
}

}  // namespace courtlog::gui::ui
