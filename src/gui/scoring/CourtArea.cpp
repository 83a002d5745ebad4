
#include "gui/scoring/ScoringCoreNames.h"
#include "gui/scoring/CourtArea.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>

#include "core/scoring/GameConsole.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::scoring {

CourtArea::CourtArea(const GameConsole& console, QWidget* parent) : QWidget(parent), console_(console) {
    setObjectName(QStringLiteral("courtArea"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // Low enough that the console fits below the menu bar on a 768-pixel
    // screen, high enough for a question between the rows of buttons.
    setMinimumSize(kNarrowestCourtWidth, 420);
    // The court covers the whole area: nothing beneath it needs drawing.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CourtArea::sceneChanged() {
    const CourtScene* drawn = drawn_.shown();
    if (!drawn || courtScene(console_) != *drawn) update();
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

void CourtArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    CourtScene scene = courtScene(console_);
    drawCourt(painter, rect(), scene);
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
    drawn_.painted(std::move(scene), event->rect().contains(rect()), this);
}

void CourtArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeButtons();
}

}  // namespace courtlog::gui::scoring
