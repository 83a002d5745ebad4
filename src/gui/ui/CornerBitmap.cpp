#include "gui/ui/CornerBitmap.h"

#include <QPainter>

#include "gui/ui/MessageBox.h"

namespace courtlog::gui::ui {

CornerBitmap::CornerBitmap(QWidget* parent, int resourceId) : QWidget(parent) {
    setObjectName(QStringLiteral("decorativeBitmap"));
    // Drawn unscaled, the control keeps the picture's size in layouts.
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    if (resourceId <= 0) return;
    Picture picture = Picture::resource(resourceId);
    if (picture.isNull()) {
        showMessage(this, QStringLiteral("Cannot access bitmap resource"));
        return;
    }
    if (!picture.hasColorTable())
        showMessage(this, QStringLiteral("Dib has no color table, using default palette"));
    setPicture(picture);
}

void CornerBitmap::setPicture(const Picture& picture) {
    picture_ = picture;
    updateGeometry();
    update();
}

void CornerBitmap::setStretch(bool on) {
    stretch_ = on;
    updateSizePolicy();
    update();
}

void CornerBitmap::setTile(bool on) {
    tile_ = on;
    updateSizePolicy();
    update();
}

void CornerBitmap::updateSizePolicy() {
    // Stretched or tiled pictures fill whatever room the layout gives.
    const auto policy = stretch_ || tile_ ? QSizePolicy::Expanding : QSizePolicy::Fixed;
    setSizePolicy(policy, policy);
}

QSize CornerBitmap::sizeHint() const {
    if (picture_.isNull()) return {32, 32};
    return {picture_.width(), picture_.height()};
}

void CornerBitmap::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    if (tile_)
        drawPicture(painter, rect(), picture_.image(), PictureLayout::Tile);
    else if (stretch_)
        drawPicture(painter, rect(), picture_.image(), PictureLayout::Fit);
    else
        painter.drawImage(QPoint(0, 0), picture_.image());
}

}  // namespace courtlog::gui::ui
