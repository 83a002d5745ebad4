#pragma once

#include <QPoint>
#include <QRectF>
#include <optional>

#include "core/scoring/ShotSpot.h"
#include "gui/ui/CourtlogDialog.h"

class QPainter;
class QPushButton;
class QRect;

namespace courtlog::gui::scoring {

// "Shot From ?": the court in the shooting team's orientation with a guide
// line from the pointer to the middle of the attacked end line. A left click
// stores the spot, converted to the upright frame, and closes.
class ShotSpotDialog : public ui::CourtlogDialog {
    Q_OBJECT
public:
    // Height of the row holding the rotate button; the court is drawn below it.
    static constexpr int kButtonRowHeight = 21;
    // Window pixels to a pixel of the upright frame: the court is drawn at
    // any size, and clicks on it are converted at the same scale.
    static constexpr int kCourtScale = 3;

    // point (upright frame) is the starting spot and receives the click;
    // orientation is the team's and keeps any turn made here.
    ShotSpotDialog(QWidget* parent, courtlog::scoring::CourtPoint& point, int& orientation);

    // Asks for a spot for the home or the visiting team, starting from
    // spot. True when a spot was clicked; otherwise spot is unchanged.
    static bool askShotSpot(QWidget* parent, courtlog::scoring::CourtPoint& spot, bool home);

    // Each team's orientation, kept for the whole run of the program.
    static int& teamOrientation(bool home);
    // Where the dialog opened last (its top-left corner), if it has opened.
    static std::optional<QPoint>& lastPosition();

    int orientation() const { return orientation_; }
    // Where an upright point shows in the dialog, in its client coordinates.
    QPoint clientPointFor(courtlog::scoring::CourtPoint upright) const;
    QPoint lastMousePosition() const { return lastMouse_; }
    QPoint endLinePoint() const { return endLine_; }
    // Where the court is drawn, below the button row.
    QRectF courtArea() const;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void placeCourt();
    void rotate();

    courtlog::scoring::CourtPoint& point_;
    int& orientation_;
    QPoint endLine_;
    QPoint lastMouse_;
    QPushButton* rotateButton_ = nullptr;
};

// The court of the league's arc in orientation over area and, when the
// pointer is on the court, the red guide line from it to the end-line point.
void drawShotCourt(QPainter& painter, const QRectF& area, int threePointArc, int orientation, const QPoint& pointer,
                   const QPoint& endLine);

}  // namespace courtlog::gui::scoring
