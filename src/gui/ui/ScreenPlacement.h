#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

namespace courtlog::gui::ui {

// Where a window goes on a screen that other windows share: the console
// between the team sheets, a viewer beside the console.

// A part of the screen a window should rather not cover. Loose areas
// (group < 0) cost their weight for every pixel covered. Areas that share a
// group (the name and the figures of one sheet row: a row is unreadable as
// soon as either is hidden) cost the weight once when any of them is touched.
struct CoveredArea {
    QRect rect;
    long long weight = 1;
    int group = -1;
};

// What hiding a row of a team sheet costs (its name or its figures): more
// than any amount of form around the rows.
inline constexpr long long kHiddenRowWeight = 100'000'000;

// What a window at rect costs by covering areas.
long long coveredWeight(const QRect& window, const std::vector<CoveredArea>& areas);

// Top-left corner for a window of size frame inside screen that costs the
// least. Among equally good places the one nearest preferred wins. The best
// place always has its edges on the screen's edges or on the areas' edges,
// so only those are tried.
QPoint leastCoveringPlace(const QRect& screen, const QSize& frame, const std::vector<CoveredArea>& areas,
                          QPoint preferred);

}  // namespace courtlog::gui::ui
