#pragma once

#include <QColor>
#include <QFrame>

namespace courtlog::gui::output {

// A sunken box filled with one colour, beside the "Colors:" list of the HTML
// options, showing the colour of the entry chosen there.
class ColourSwatch : public QFrame {
    Q_OBJECT
public:
    explicit ColourSwatch(QWidget* parent = nullptr);

    void setColour(const QColor& colour);
    const QColor& colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_ = Qt::white;
};

}  // namespace courtlog::gui::output
