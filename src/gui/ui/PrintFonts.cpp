#include "gui/ui/PrintFonts.h"

#include <QPaintDevice>
#include <QStringList>
#include <algorithm>

namespace courtlog::gui::ui {

QStringList printFaceFamilies(PrintFace face) {
    switch (face) {
    case PrintFace::Arial:
        return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")};
    case PrintFace::TimesNewRoman:
        return {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("Tinos")};
    case PrintFace::CourierNew:
        return {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"), QStringLiteral("Cousine")};
    }
    return {};
}

double devicePixelsOfPoints(const QPaintDevice* device, double points) {
    const int dpi = device ? device->logicalDpiY() : 72;
    return points * (dpi > 0 ? dpi : 72) / 72.0;
}

double devicePixelsOfMillimetres(const QPaintDevice* device, double millimetres) {
    return devicePixelsOfPoints(device, millimetres * 72.0 / 25.4);
}

QFont printFont(PrintFace face, int pixelHeight) {
    const QStringList families = printFaceFamilies(face);
    QFont font(families.first());
    // Asking for the whole list makes the twin the choice on a machine that
    // has no font aliases configured, instead of whatever the system falls
    // back to.
    font.setFamilies(families);
    font.setStyleHint(face == PrintFace::CourierNew      ? QFont::TypeWriter
                      : face == PrintFace::TimesNewRoman ? QFont::Serif
                                                         : QFont::SansSerif);
    font.setPixelSize(std::max(pixelHeight, 1));
    return font;
}

}  // namespace courtlog::gui::ui
