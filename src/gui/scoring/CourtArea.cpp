#include "gui/scoring/CourtArea.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>

#include "core/scoring/GameConsole.h"
#include "gui/ui/ChangedPixels.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::scoring {

// The scoring core's rules used here.
using courtlog::scoring::CourtLabel;
using courtlog::scoring::GameConsole;
using courtlog::scoring::TeamConsoleFigures;

CourtArea::CourtArea(const GameConsole& console, QWidget* parent) : QWidget(parent), console_(console) {
    setObjectName(QStringLiteral("courtArea"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // Low enough that the console fits below the menu bar on a 768-pixel
    // screen, high enough for a question between the rows of buttons.
    setMinimumSize(kNarrowestCourtWidth, 420);
    // The court covers the whole area: nothing beneath it needs drawing.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CourtScene CourtArea::drawnScene() const {
    CourtScene scene = courtScene(console_);
    for (TeamConsoleFigures* team : {&scene.home, &scene.visitor}) {
        team->score = 0;
        team->bench.clear();
    }
    return scene;
}

void CourtArea::sceneChanged() {
    const CourtScene* drawn = drawn_.shown();
    CourtScene scene = drawnScene();
    if (drawn && scene == *drawn) return;
    // A play changes a label or two and a team's fouls: only those pixels
    // are drawn again, not the whole court and the ten buttons on it. The
    // court as the screen shows it is compared with the court as it is now.
    const bool courtOnScreen = drawn && courtScene_ == *drawn && !court_.isNull();
    if (!courtOnScreen) {
        update();
        return;
    }
    const QImage before = court_.toImage();
    const QPixmap& after = drawnCourt(scene);
    update(ui::changedPixels(before, after.toImage(), after.devicePixelRatio()));
    drawn_.told(std::move(scene));
}

const QPixmap& CourtArea::background(const CourtScene& scene) {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    const bool same = background_.size() == pixels && backgroundScene_.home.name == scene.home.name &&
                      backgroundScene_.visitor.name == scene.visitor.name &&
                      backgroundScene_.sidesSwapped == scene.sidesSwapped;
    if (same) return background_;
    background_ = QPixmap(pixels);
    background_.setDevicePixelRatio(ratio);
    QPainter painter(&background_);
    drawCourtBackground(painter, QRect(QPoint(0, 0), size()), scene);
    backgroundScene_ = scene;
    return background_;
}

void CourtArea::setPlayerButton(bool home, int slot, QPushButton* button) {
    buttons_[home ? 0 : 1][static_cast<std::size_t>(slot - 1)] = button;
    button->setFixedSize(playerButtonWidth(width()), kPlayerButtonHeight);
}

void CourtArea::placeButtons() {
    for (const bool home : {true, false}) {
        for (int slot = 1; slot <= 5; ++slot) {
            QPushButton* button = buttons_[home ? 0 : 1][static_cast<std::size_t>(slot - 1)];
            if (!button) continue;
            // Narrower on a narrow court, with a smaller caption to match.
            const int buttonWidth = playerButtonWidth(width());
            button->setFixedSize(buttonWidth, kPlayerButtonHeight);
            QFont font = this->font();
            if (buttonWidth < kPlayerButtonWidth) font.setPixelSize(11);
            button->setFont(font);
            const QPoint anchor = slotAnchorIn(rect(), home, slot, console_.sidesSwapped());
            button->move(anchor.x() - button->width() / 2, anchor.y());
        }
    }
}

QSize CourtArea::sizeHint() const { return {760, 440}; }

const QPixmap& CourtArea::drawnCourt(const CourtScene& scene) {
    const QPixmap& floor = background(scene);
    if (court_.size() == floor.size() && courtScene_ == scene) return court_;
    // A label cut to fit under its button is read whole in the button's
    // tip; the tip names the player even when the label says he fouled out.
    for (const bool home : {true, false}) {
        for (int slot = 1; slot <= 5; ++slot) {
            QPushButton* button = buttons_[home ? 0 : 1][static_cast<std::size_t>(slot - 1)];
            if (!button) continue;
            QString tip;
            for (const CourtLabel& label : (home ? scene.home : scene.visitor).onCourt)
                if (label.slot == slot) tip = ui::fromRecordText(label.text).trimmed();
            const QString who = ui::fromRecordText(console_.slotPlayerWords(home, slot));
            tip = tip.isEmpty() ? who : tip + QLatin1Char('\n') + who;
            if (button->toolTip() != tip) button->setToolTip(tip);
        }
    }
    court_ = QPixmap(floor.size());
    court_.setDevicePixelRatio(floor.devicePixelRatio());
    QPainter painter(&court_);
    painter.drawPixmap(0, 0, floor);
    drawCourtFigures(painter, QRect(QPoint(0, 0), size()), scene);
    courtScene_ = scene;
    return court_;
}

void CourtArea::paintEvent(QPaintEvent* event) {
    CourtScene scene = drawnScene();
    const QPixmap& court = drawnCourt(scene);
    QPainter painter(this);
    const QRect exposed = event->rect();
    const qreal ratio = court.devicePixelRatio();
    painter.drawPixmap(exposed.topLeft(), court,
                       QRectF(QPointF(exposed.topLeft()) * ratio, QSizeF(exposed.size()) * ratio));
    drawn_.painted(std::move(scene), exposed.contains(rect()), this);
}

void CourtArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeButtons();
}

}  // namespace courtlog::gui::scoring
