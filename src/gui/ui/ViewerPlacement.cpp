#include "gui/ui/ViewerPlacement.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <limits>

#include "gui/ui/GameViewer.h"

namespace courtlog::gui::ui {

namespace {

// Covering the console is never worth it; covering a viewer already shown
// is worth less than every row of a sheet (the sheets come back with a
// key, a covered viewer only by moving the other one).
constexpr long long kConsoleWeight = 1'000'000 * kHiddenRowWeight;
constexpr long long kViewerPixelWeight = 100'000;
// Sizes tried from the preferred one down to the smallest.
constexpr int kShrinkSteps = 8;

std::function<std::vector<CoveredArea>()>& gameScreenAreas() {
    static std::function<std::vector<CoveredArea>()> areas;
    return areas;
}

std::vector<QPointer<QWidget>>& viewersAside() {
    static std::vector<QPointer<QWidget>> aside;
    return aside;
}

}  // namespace

ViewerPlace viewerPlace(const ViewerSurroundings& around, QSize preferred, QSize smallest) {
    const QRect& screen = around.screen;
    preferred = preferred.boundedTo(screen.size());
    smallest = smallest.boundedTo(preferred);
    std::vector<CoveredArea> areas = around.sheets;
    int group = 0;
    for (const CoveredArea& area : areas) group = std::max(group, area.group + 1);
    if (!around.console.isEmpty()) areas.push_back({around.console, kConsoleWeight, group++});
    for (const QRect& viewer : around.viewers) areas.push_back({viewer, kViewerPixelWeight});

    ViewerPlace chosen;
    long long chosenCost = std::numeric_limits<long long>::max();
    for (int step = 0; step <= kShrinkSteps; ++step) {
        const QSize size = preferred - (preferred - smallest) * step / kShrinkSteps;
        // Above the console, centred on it; the screen's middle without one.
        const QPoint anchor = around.console.isEmpty()
                                  ? screen.center() - QPoint(size.width() / 2, size.height() / 2)
                                  : QPoint(around.console.center().x() - size.width() / 2,
                                           around.console.top() - size.height());
        const QRect frame(leastCoveringPlace(screen, size, areas, anchor), size);
        // What counts is what is lost: rows, a viewer, the menu, the
        // console. Among sizes that lose as little, the largest.
        const long long cost = coveredWeight(frame, areas) / kHiddenRowWeight;
        if (cost < chosenCost) {
            chosen.frame = frame;
            chosenCost = cost;
        }
        if (cost == 0) break;
    }
    chosen.hidesFigures = coveredWeight(chosen.frame, around.sheets) >= kHiddenRowWeight;
    return chosen;
}

void setGameScreenAreas(std::function<std::vector<CoveredArea>()> areas) { gameScreenAreas() = std::move(areas); }

void showBesideConsole(QWidget* viewer, QWidget* console, QSize preferred, int narrowest) {
    QScreen* screen = console ? console->screen() : QGuiApplication::primaryScreen();
    ViewerSurroundings around;
    around.screen = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), preferred);
    // The window manager frames the viewer as it framed the console.
    const QSize decoration = console ? console->frameGeometry().size() - console->size() : QSize(0, 0);
    if (console && console->isVisible()) around.console = console->frameGeometry();
    if (gameScreenAreas()) around.sheets = gameScreenAreas()();
    // Viewers stepped aside come back where they were: their places count.
    const std::vector<QPointer<QWidget>>& aside = viewersAside();
    for (GameViewer* other : openGameViewers()) {
        auto* window = dynamic_cast<QWidget*>(other);
        if (!window || window == viewer) continue;
        if (window->isVisible() || std::find(aside.begin(), aside.end(), window) != aside.end())
            around.viewers.push_back(window->frameGeometry());
    }
    const QSize smallest(narrowest, std::max(viewer->minimumSizeHint().height(), viewer->minimumHeight()));
    const ViewerPlace place = viewerPlace(around, preferred + decoration, smallest.boundedTo(preferred) + decoration);
    viewer->resize(place.frame.size() - decoration);
    viewer->move(place.frame.topLeft());
    viewer->show();
}

bool toggleViewersAside() {
    std::vector<QPointer<QWidget>>& aside = viewersAside();
    std::vector<QWidget*> shown;
    for (GameViewer* viewer : openGameViewers())
        if (auto* window = dynamic_cast<QWidget*>(viewer); window && window->isVisible()) shown.push_back(window);
    if (!shown.empty()) {
        for (QWidget* window : shown) {
            window->hide();
            aside.emplace_back(window);
        }
        return true;
    }
    for (const QPointer<QWidget>& window : aside) {
        if (!window) continue;
        window->show();
        window->raise();
    }
    aside.clear();
    return false;
}

}  // namespace courtlog::gui::ui
