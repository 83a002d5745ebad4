#include "gui/output/ColourSwatch.h"

#include <QPainter>

namespace courtlog::gui::output {

ColourSwatch::ColourSwatch(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setMinimumSize(48, 24);
}

void ColourSwatch::setColour(const QColor& colour) {
    colour_ = colour;
    update();
}

void ColourSwatch::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(contentsRect(), colour_);
}

}  // namespace courtlog::gui::output
