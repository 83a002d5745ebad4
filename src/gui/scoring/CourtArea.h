#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>

#include "gui/scoring/CourtDrawing.h"
#include "gui/ui/DrawnState.h"

class QPushButton;

namespace courtlog::scoring {
class GameConsole;
}  // namespace courtlog::scoring

namespace courtlog::gui::scoring {

// The middle of the console: the court drawing with the ten court buttons
// standing at their anchors.
class CourtArea : public QWidget {
    Q_OBJECT
public:
    CourtArea(const courtlog::scoring::GameConsole& console, QWidget* parent = nullptr);

    // The button of slot 1..5 of one team; the area places it.
    void setPlayerButton(bool home, int slot, QPushButton* button);
    // Puts every button on its anchor for the current sides.
    void placeButtons();
    // The console's state changed: redraws the court when what it shows did.
    void sceneChanged();
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // What the court draws of the console's scene: neither the scores nor
    // the benches, which it leaves to their own controls.
    CourtScene drawnScene() const;
    // The picture and the team names at the area's size, drawn once until
    // one of them changes.
    const QPixmap& background(const CourtScene& scene);
    // The whole court as scene shows it, drawn once until the scene
    // changes: a court button pressed and released, or a window moved
    // away, only has the court copied back from it.
    const QPixmap& drawnCourt(const CourtScene& scene);

    const courtlog::scoring::GameConsole& console_;
    std::array<std::array<QPushButton*, 5>, 2> buttons_{};  // [home ? 0 : 1][slot - 1]
    ui::DrawnState<CourtScene> drawn_;  // what the screen shows
    QPixmap background_;
    CourtScene backgroundScene_;  // the names and sides background_ shows
    QPixmap court_;
    CourtScene courtScene_;  // what court_ shows
};

}  // namespace courtlog::gui::scoring
