#include "gui/app/WallpaperArea.h"

#include <QPainter>

namespace courtlog::gui::app {

WallpaperArea::WallpaperArea(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("wallpaperArea"));
    // The background is cleared before each paint, so a centred picture never
    // leaves old tiles around it.
    setAutoFillBackground(true);
}

void WallpaperArea::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void WallpaperArea::setLayoutMode(ui::PictureLayout layout) {
    layout_ = layout;
    update();
}

void WallpaperArea::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    ui::drawPicture(painter, rect(), picture_, layout_);
}

void WallpaperArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A fitted or centred picture depends on the whole area's size.
    update();
}

}  // namespace courtlog::gui::app
