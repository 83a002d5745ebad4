#include "gui/ui/Picture.h"

#include <QDir>
#include <QPainter>
#include <QRect>
#include <algorithm>

#include "gui/ui/ProgramResources.h"
#include "gui/ui/RecordPaths.h"

namespace courtlog::gui::ui {

namespace {

QImage readImage(const QString& path) {
    QImage image;
    if (!path.isEmpty()) image.load(path);
    return image;
}

}  // namespace

Picture Picture::loadFile(const QString& path) {
    QImage image = readImage(path);
    if (image.isNull()) {
        // Pictures named in old team files and settings often carry a folder
        // that no longer exists; the file itself may sit in the current one.
        const QString bareName = bareFileName(path);
        if (!bareName.isEmpty() && bareName != path) image = readImage(QDir::current().filePath(bareName));
    }
    return Picture(std::move(image));
}

Picture Picture::resource(int id) {
    ensureProgramResources();
    return Picture(readImage(QStringLiteral(":/pictures/%1.bmp").arg(id)));
}

bool Picture::hasColorTable() const { return !image_.colorTable().isEmpty(); }

Picture Picture::faded(int percent) const {
    if (!hasColorTable()) return *this;
    const int amount = fadeAmount(percent);
    // Negative fades (a file value below 0 stepped down) darken; the result
    // stays within 0..255 either way instead of wrapping.
    auto brighten = [amount](int value) { return std::clamp(value + amount, 0, 255); };
    QList<QRgb> table = image_.colorTable();
    for (QRgb& entry : table)
        entry = qRgba(brighten(qRed(entry)), brighten(qGreen(entry)), brighten(qBlue(entry)), qAlpha(entry));
    QImage image = image_;
    image.setColorTable(table);
    return Picture(std::move(image));
}

int fadeAmount(int percent) { return percent * 255 / 100; }

void drawPicture(QPainter& painter, const QRect& area, const QImage& picture, PictureLayout layout) {
    if (picture.isNull() || area.isEmpty()) return;
    const int w = picture.width();
    const int h = picture.height();
    const int areaWidth = area.width();
    const int areaHeight = area.height();
    painter.save();
    // Stretching repeats or drops rows and columns, never blends them.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setClipRect(area, Qt::IntersectClip);
    switch (layout) {
        case PictureLayout::Fit:
            painter.drawImage(area, picture);
            break;
        case PictureLayout::Center:
            painter.drawImage(
                QPoint(area.left() + areaWidth / 2 - w / 2, area.top() + areaHeight / 2 - h / 2), picture);
            break;
        case PictureLayout::Tile:
            for (int y = 0; y < areaHeight; y += h)
                for (int x = 0; x < areaWidth; x += w)
                    painter.drawImage(QPoint(area.left() + x, area.top() + y), picture);
            break;
    }
    painter.restore();
}

}  // namespace courtlog::gui::ui
