#include "gui/scoring/ShotSpotDialog.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "gui/ui/Picture.h"
#include "gui/ui/ProgramSettings.h"

namespace courtlog::gui::scoring {

// The scoring core's rules used here.
using courtlog::scoring::CourtPoint;
using courtlog::scoring::PictureSize;
using courtlog::scoring::attackedEndLineMiddle;
using courtlog::scoring::courtPictureId;
using courtlog::scoring::nextOrientation;
using courtlog::scoring::normalOrientation;
using courtlog::scoring::shownCourtSize;
using courtlog::scoring::toShown;
using courtlog::scoring::toUpright;

namespace {

int homeOrientation = 0;
int visitorOrientation = 0;
std::optional<QPoint> lastDialogPosition;

QPoint toQPoint(CourtPoint p) { return {p.x, p.y}; }

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

    loadCourt();
    if (lastDialogPosition) move(*lastDialogPosition);
}

void ShotSpotDialog::loadCourt() {
    orientation_ = normalOrientation(orientation_);
    picture_ = ui::Picture::resource(courtPictureId(ui::programSettings().league.threePointArc, orientation_)).image();
    // The conversions need the shown size even if a picture were missing.
    shownSize_ = picture_.isNull() ? shownCourtSize(orientation_) : PictureSize{picture_.width(), picture_.height()};
    endLine_ = toQPoint(attackedEndLineMiddle(orientation_, shownSize_)) + QPoint(0, kButtonRowHeight);
    setFixedSize(shownSize_.width, kButtonRowHeight + shownSize_.height);
    update();
}

void ShotSpotDialog::rotate() {
    orientation_ = nextOrientation(orientation_);
    const QPoint topLeft = pos();
    loadCourt();
    move(topLeft);
}

QPoint ShotSpotDialog::clientPointFor(CourtPoint upright) const {
    return toQPoint(toShown(upright, orientation_, shownSize_)) + QPoint(0, kButtonRowHeight);
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
    drawShotCourt(painter, QRect(0, kButtonRowHeight, shownSize_.width, shownSize_.height), picture_,
                  lastMouse_, endLine_);
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
    point_ = toUpright({at.x(), at.y() - kButtonRowHeight}, orientation_, shownSize_);
    done(1);
}

void ShotSpotDialog::done(int result) {
    lastDialogPosition = pos();
    CourtlogDialog::done(result);
}

void drawShotCourt(QPainter& painter, const QRect& area, const QImage& court, const QPoint& pointer,
                   const QPoint& endLine) {
    painter.save();
    painter.drawImage(area.topLeft(), court);
    if (area.contains(pointer)) {
        painter.setPen(QPen(Qt::red, 1));
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.drawLine(pointer, endLine);
    }
    painter.restore();
}

}  // namespace courtlog::gui::scoring
