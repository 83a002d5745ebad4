#include "gui/ui/ViewerPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace courtlog::gui::ui {

void showBesideConsole(QWidget* viewer, QWidget* console, QSize preferred, int narrowest) {
    QScreen* screen = console ? console->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), preferred);
    const QRect beside = console ? console->frameGeometry() : QRect(area.topLeft(), QSize(0, 0));
    const int rightRoom = area.right() - beside.right();
    const int leftRoom = beside.left() - area.left();
    const bool right = rightRoom >= leftRoom;
    const int width = std::clamp(std::max(rightRoom, leftRoom), narrowest, std::max(narrowest, preferred.width()));
    const int height = std::min(preferred.height(), area.height());
    viewer->resize(width, height);
    const int x = std::clamp(right ? beside.right() + 1 : beside.left() - width, area.left(),
                             std::max(area.left(), area.right() + 1 - width));
    const int y = std::clamp(beside.top(), area.top(), std::max(area.top(), area.bottom() + 1 - height));
    viewer->move(x, y);
    viewer->show();
}

}  // namespace courtlog::gui::ui
