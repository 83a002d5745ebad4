#include "gui/ui/ScreenPlacement.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace courtlog::gui::ui {

namespace {

// Positions along one axis where the window's near or far edge meets the
// screen's or an area's edge, kept on the screen.
std::vector<int> candidateStarts(int screenStart, int screenEnd, int length, const std::vector<int>& edges) {
    const int last = std::max(screenStart, screenEnd - length);
    std::vector<int> starts{screenStart, last};
    for (int edge : edges) {
        starts.push_back(edge);
        starts.push_back(edge - length);
    }
    for (int& start : starts) start = std::clamp(start, screenStart, last);
    std::sort(starts.begin(), starts.end());
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
    return starts;
}

}  // namespace

long long coveredWeight(const QRect& window, const std::vector<CoveredArea>& areas) {
    long long total = 0;
    std::vector<bool> touchedGroups;
    for (const CoveredArea& area : areas) {
        const QRect overlap = window.intersected(area.rect);
        if (overlap.isEmpty()) continue;
        if (area.group < 0) {
            total += static_cast<long long>(overlap.width()) * overlap.height() * area.weight;
            continue;
        }
        const auto group = static_cast<std::size_t>(area.group);
        if (touchedGroups.size() <= group) touchedGroups.resize(group + 1, false);
        if (touchedGroups[group]) continue;
        touchedGroups[group] = true;
        total += area.weight;
    }
    return total;
}

QPoint leastCoveringPlace(const QRect& screen, const QSize& frame, const std::vector<CoveredArea>& areas,
                          QPoint preferred) {
    std::vector<int> xEdges, yEdges;
    for (const CoveredArea& area : areas) {
        xEdges.push_back(area.rect.left());
        xEdges.push_back(area.rect.left() + area.rect.width());
        yEdges.push_back(area.rect.top());
        yEdges.push_back(area.rect.top() + area.rect.height());
    }
    xEdges.push_back(preferred.x());
    yEdges.push_back(preferred.y());
    const std::vector<int> xs =
        candidateStarts(screen.left(), screen.left() + screen.width(), frame.width(), xEdges);
    const std::vector<int> ys =
        candidateStarts(screen.top(), screen.top() + screen.height(), frame.height(), yEdges);

    QPoint best = preferred;
    long long bestWeight = std::numeric_limits<long long>::max();
    long long bestDistance = std::numeric_limits<long long>::max();
    for (int x : xs) {
        for (int y : ys) {
            const long long weight = coveredWeight(QRect(QPoint(x, y), frame), areas);
            const long long dx = x - preferred.x(), dy = y - preferred.y();
            const long long distance = dx * dx + dy * dy;
            if (weight < bestWeight || (weight == bestWeight && distance < bestDistance)) {
                best = {x, y};
                bestWeight = weight;
                bestDistance = distance;
            }
        }
    }
    return best;
}

}  // namespace courtlog::gui::ui
