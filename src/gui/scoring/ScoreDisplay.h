#pragma once

#include <QWidget>

class QPainter;

namespace courtlog::gui::scoring {

// A score as three digit pictures (1000 + digit), hundreds, tens and units,
// leading zeros included: 7 shows as 007. Values outside 0..999 are held to it.
class ScoreDisplay : public QWidget {
    Q_OBJECT
public:
    explicit ScoreDisplay(QWidget* parent = nullptr);

    void setValue(int value);
    int value() const { return value_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int value_ = 0;
};

// Draws value's three digits stretched side by side over area.
void drawScore(QPainter& painter, const QRect& area, int value);

}  // namespace courtlog::gui::scoring
