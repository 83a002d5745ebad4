#pragma once

#include <QImage>
#include <QWidget>

#include "gui/ui/Picture.h"

namespace courtlog::gui::app {

// The main window's client area: the wallpaper picture fitted, tiled or
// centred over the window's background. The team sheets of a game in
// progress are its children.
class WallpaperArea : public QWidget {
    Q_OBJECT
public:
    explicit WallpaperArea(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }
    void setLayoutMode(ui::PictureLayout layout);
    ui::PictureLayout layoutMode() const { return layout_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage picture_;
    ui::PictureLayout layout_ = ui::PictureLayout::Fit;
};

}  // namespace courtlog::gui::app
