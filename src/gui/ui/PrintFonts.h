#pragma once

#include <QFont>

class QPaintDevice;

namespace courtlog::gui::ui {

// The three faces the printouts are drawn in. On this platform they are
// usually not installed under these names; each is asked for together with
// its metric twin from the Liberation fonts (fonts-liberation2), which have
// the same character widths, so a page breaks where it would with the
// original faces.
enum class PrintFace { Arial, TimesNewRoman, CourierNew };

// A font of face whose characters are pixelHeight device pixels high (the
// em size), as the page drawing wants it.
QFont printFont(PrintFace face, int pixelHeight);

// Device pixels of a length given in points (1/72 inch) or millimetres on
// device, as the printouts size what must read or be written on at a size
// of its own, whatever the page.
double devicePixelsOfPoints(const QPaintDevice* device, double points);
double devicePixelsOfMillimetres(const QPaintDevice* device, double millimetres);

// The family names tried for face, in order.
QStringList printFaceFamilies(PrintFace face);

}  // namespace courtlog::gui::ui
