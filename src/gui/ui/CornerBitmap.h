#pragma once

#include <QWidget>

#include "gui/ui/Picture.h"

namespace courtlog::gui::ui {

// Small picture control: the decorative bitmap in dialog corners (resource
// 1150 by default), drawn unscaled, stretched or tiled.
class CornerBitmap : public QWidget {
    Q_OBJECT
public:
    explicit CornerBitmap(QWidget* parent = nullptr, int resourceId = 1150);

    void setPicture(const Picture& picture);
    void setStretch(bool on);
    void setTile(bool on);
    const Picture& picture() const { return picture_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void updateSizePolicy();

    Picture picture_;
    bool stretch_ = false;
    bool tile_ = false;
};

}  // namespace courtlog::gui::ui
