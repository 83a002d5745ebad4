#pragma once

#include <QImage>
#include <QRegion>

namespace courtlog::gui::ui {

// Where two pictures of a widget differ, in the widget's own coordinates
// (the pictures' pixels divided by ratio, rounded outwards): a few
// rectangles, one per band of rows that changed, each spanning the columns
// that changed there. Pictures of different sizes or formats differ
// everywhere.
QRegion changedPixels(const QImage& before, const QImage& after, qreal ratio = 1.0);

}  // namespace courtlog::gui::ui
