#include "gui/scoring/ScoreDisplay.h"

#include <QPainter>
#include <algorithm>
#include <array>

#include "gui/ui/Picture.h"

namespace courtlog::gui::scoring {

namespace {

const std::array<QImage, 10>& digitPictures() {
    static const std::array<QImage, 10> digits = [] {
        std::array<QImage, 10> pictures;
        for (int d = 0; d < 10; ++d) pictures[static_cast<std::size_t>(d)] = ui::Picture::resource(1000 + d).image();
        return pictures;
    }();
    return digits;
}

constexpr int kDigitWidth = 20, kDigitHeight = 36;

}  // namespace

void drawScore(QPainter& painter, const QRect& area, int value) {
    const int shown = std::clamp(value, 0, 999);
    const int digits[3] = {shown / 100, shown / 10 % 10, shown % 10};
    const int width = area.width() / 3;
    for (int i = 0; i < 3; ++i) {
        const QRect cell(area.left() + i * width, area.top(), width, area.height());
        const QImage& picture = digitPictures()[static_cast<std::size_t>(digits[i])];
        if (picture.isNull()) {
            painter.drawText(cell, Qt::AlignCenter, QString::number(digits[i]));
        } else {
            painter.drawImage(cell, picture);
        }
    }
}

ScoreDisplay::ScoreDisplay(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFixedSize(sizeHint());
    // The digit pictures cover the whole display: the console beneath it
    // need not be drawn when the score changes.
    const auto& digits = digitPictures();
    if (std::none_of(digits.begin(), digits.end(), [](const QImage& digit) { return digit.isNull(); }))
        setAttribute(Qt::WA_OpaquePaintEvent);
}

void ScoreDisplay::setValue(int value) {
    if (value == value_) return;
    value_ = value;
    update();
}

QSize ScoreDisplay::sizeHint() const { return {3 * kDigitWidth, kDigitHeight}; }

void ScoreDisplay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawScore(painter, rect(), value_);
}

}  // namespace courtlog::gui::scoring
