#pragma once

#include <QImage>
#include <QString>

#include "core/records/PictureLayout.h"

class QPainter;
class QRect;

namespace courtlog::gui::ui {

// The core's layouts, under the name the drawing code has always used.
using PictureLayout = courtlog::PictureLayout;

// A device-independent picture as read from a BMP file or from the
// program's own pictures. Indexed pictures keep their colour table, so the
// fade brightens the table, never the pixels.
class Picture {
public:
    Picture() = default;
    explicit Picture(QImage image) : image_(std::move(image)) {}

    // Loads path; when that fails, the bare file name (after the last '/' or
    // '\\') from the current directory. A null picture when both fail.
    static Picture loadFile(const QString& path);
    // Reads exactly path: as a BMP without looking for image format plugins,
    // other formats only when the file is no BMP. Null when it fails.
    static Picture read(const QString& path);
    // The program's own picture by resource number (digits 1000..1009, 1124,
    // 1150 and the console's court 1151), null when there is none.
    static Picture resource(int id);

    bool isNull() const { return image_.isNull(); }
    bool hasColorTable() const;
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    const QImage& image() const { return image_; }

    // Brightens every colour-table entry by percent * 255 / 100 (truncated),
    // each component capped at 255. Pictures without a table are unchanged.
    Picture faded(int percent) const;

private:
    QImage image_;
};

// Amount a fade percentage adds to each colour component.
int fadeAmount(int percent);

// Draws picture into area: stretched over it, tiled from its top left, or
// centred unscaled (top left at W/2 - w/2, H/2 - h/2).
void drawPicture(QPainter& painter, const QRect& area, const QImage& picture, PictureLayout layout);

}  // namespace courtlog::gui::ui
