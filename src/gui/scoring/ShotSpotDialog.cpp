#include "gui/scoring/ShotSpotDialog.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "gui/ui/CourtPainting.h"
#include "gui/ui/Picture.h"
#include "gui/ui/ProgramSettings.h"

namespace courtlog::gui::scoring {

// The scoring core's rules used here.
using courtlog::scoring::CourtPoint;
using courtlog::scoring::kUprightEndLineMiddle;
using courtlog::scoring::nextOrientation;
using courtlog::scoring::normalOrientation;
using courtlog::scoring::PictureSize;
using courtlog::scoring::shownCourtSize;

namespace {

int homeOrientation = 0;
int visitorOrientation = 0;
std::optional<QPoint> lastDialogPosition;

}  // namespace

int& ShotSpotDialog::teamOrientation(bool home) { return home ? homeOrientation : visitorOrientation; }

std::optional<QPoint>& ShotSpotDialog::lastPosition() { return lastDialogPosition; }

bool ShotSpotDialog::askShotSpot(QWidget* parent, CourtPoint& spot, bool home) {
    CourtPoint point = spot;
    ShotSpotDialog dialog(parent, point, teamOrientation(home));
    if (dialog.run() != 1) return false;
    spot = point;
    return true;
}

ShotSpotDialog::ShotSpotDialog(QWidget* parent, CourtPoint& point, int& orientation)
    : CourtlogDialog(parent), point_(point), orientation_(orientation) {
    setObjectName(QStringLiteral("shotFromDialog"));
    setWindowTitle(QStringLiteral("Shot From ?"));
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);

    rotateButton_ = addClickButton(QString(), QStringLiteral("rotateButton"), [this] { rotate(); });
    rotateButton_->setToolTip(QStringLiteral("Turn the court"));
    const ui::Picture turn = ui::Picture::resource(1124);
    rotateButton_->setIcon(QIcon(QPixmap::fromImage(turn.image())));
    rotateButton_->setIconSize(QSize(turn.width(), turn.height()));
    rotateButton_->setGeometry(0, 0, 22, 19);
    rotateButton_->setFlat(true);
    rotateButton_->setAutoDefault(false);
    rotateButton_->setFocusPolicy(Qt::NoFocus);

    placeCourt();
    if (lastDialogPosition) move(*lastDialogPosition);
}

QRectF ShotSpotDialog::courtArea() const {
    const PictureSize shown = shownCourtSize(orientation_);
    return QRectF(0, kButtonRowHeight, kCourtScale * shown.width, kCourtScale * shown.height);
}

void ShotSpotDialog::placeCourt() {
    orientation_ = normalOrientation(orientation_);
    const QRectF court = courtArea();
    // The attacked end line's middle, as the upright frame has it.
    endLine_ = ui::spotPixel(court, orientation_, kUprightEndLineMiddle);
    setFixedSize(static_cast<int>(court.width()), kButtonRowHeight + static_cast<int>(court.height()));
    update();
}

void ShotSpotDialog::rotate() {
    orientation_ = nextOrientation(orientation_);
    const QPoint topLeft = pos();
    placeCourt();
    move(topLeft);
}

QPoint ShotSpotDialog::clientPointFor(CourtPoint upright) const {
    return ui::spotPixel(courtArea(), orientation_, upright);
}

void ShotSpotDialog::showEvent(QShowEvent* event) {
    CourtlogDialog::showEvent(event);
    // The pointer starts on the spot the play already has.
    lastMouse_ = clientPointFor(point_);
    QCursor::setPos(mapToGlobal(lastMouse_));
    update();
}

void ShotSpotDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(QRect(0, 0, width(), kButtonRowHeight), palette().window());
    drawShotCourt(painter, courtArea(), ui::programSettings().league.threePointArc, orientation_, lastMouse_,
                  endLine_);
}

void ShotSpotDialog::mouseMoveEvent(QMouseEvent* event) {
    const QPoint now = event->position().toPoint();
    if (now == lastMouse_) return;
    // Only the band the line sweeps needs painting again.
    update(QRect(lastMouse_, endLine_).normalized().united(QRect(now, endLine_).normalized()).adjusted(-1, -1, 2, 2));
    lastMouse_ = now;
}

void ShotSpotDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    // The row beside the rotate button is not part of the court.
    if (at.y() < kButtonRowHeight) return;
    point_ = ui::spotAt(courtArea(), orientation_, at);
    done(1);
}

void ShotSpotDialog::done(int result) {
    lastDialogPosition = pos();
    CourtlogDialog::done(result);
}

void drawShotCourt(QPainter& painter, const QRectF& area, int threePointArc, int orientation, const QPoint& pointer,
                   const QPoint& endLine) {
    painter.save();
    ui::drawCourtMarkings(painter, area, threePointArc, orientation, ui::CourtInk::Screen);
    if (area.contains(pointer)) {
        painter.setPen(QPen(Qt::red, 1));
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.drawLine(pointer, endLine);
    }
    painter.restore();
}

}  // namespace courtlog::gui::scoring
