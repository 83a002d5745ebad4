#include "gui/scoring/CourtDrawing.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>
#include <algorithm>

#include "gui/ui/Picture.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::scoring {

// The scoring core's rules used here.
using courtlog::scoring::CourtLabel;
using courtlog::scoring::CourtPrompt;
using courtlog::scoring::GameConsole;
using courtlog::scoring::TeamConsoleFigures;

namespace {

// Home column and visitor column of the anchors, slots 1..5.
constexpr QPointF kHomeAnchors[5] = {{0.393, 0.22}, {0.393, 0.487}, {0.275, 0.36}, {0.145, 0.22}, {0.145, 0.487}};
constexpr QPointF kVisitorAnchors[5] = {{0.585, 0.22}, {0.585, 0.487}, {0.71, 0.36}, {0.835, 0.22}, {0.835, 0.487}};

// Text columns of the team on the left and on the right.
constexpr double kLeftNameX = 0.251, kRightNameX = 0.72, kNameY = 0.14;
constexpr double kLeftCountX = 0.275, kRightCountX = 0.71;
constexpr double kTeamFoulsY = 0.315, kTimeOutsY = 0.58, kPromptY = 0.44, kBonusY = 0.19;

const QImage& courtPicture() {
    static const QImage picture = ui::Picture::resource(1151).image();
    return picture;
}

// The court picture at size, scaled once per size: the console repaints its
// court at every change it shows.
const QPixmap& courtPictureAt(QSize size) {
    static QPixmap scaled;
    if (scaled.size() != size) scaled = QPixmap::fromImage(courtPicture().scaled(size));
    return scaled;
}

QFont arial(int pixels, int weight) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

QPoint at(const QRect& area, double x, double y) {
    return {area.left() + static_cast<int>(x * area.width()), area.top() + static_cast<int>(y * area.height())};
}

// Text centred on x whose top is at y, on a pale ground of its own so the
// court's lines never run through it.
void centredText(QPainter& painter, QPoint topMiddle, const QString& text) {
    if (text.isEmpty()) return;
    const QFontMetrics metrics(painter.font());
    const int width = metrics.horizontalAdvance(text);
    const QRect ground(topMiddle.x() - width / 2 - 3, topMiddle.y(), width + 6, metrics.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 215));
    painter.drawRoundedRect(ground, 3, 3);
    painter.restore();
    painter.drawText(QPoint(topMiddle.x() - width / 2, topMiddle.y() + metrics.ascent()), text);
}

// The largest of the prompt sizes (18 down to 11 pixels) whose line fits
// height, so a question never runs into the buttons below it.
QFont promptFont(int height) {
    int pixels = 18;
    QFont font = arial(pixels, 600);
    while (pixels > 11 && QFontMetrics(font).height() > height) font = arial(--pixels, 600);
    return font;
}

QString text(const std::string& recordText) { return ui::fromRecordText(recordText); }

}  // namespace

int playerButtonWidth(int courtWidth) {
    constexpr int kFullCourtWidth = 760;
    return std::clamp(courtWidth * kPlayerButtonWidth / kFullCourtWidth, kNarrowestPlayerButtonWidth,
                      kPlayerButtonWidth);
}

int playerLabelWidth(int courtWidth) {
    // The nearest anchors on one row are the two teams' guards.
    const double nearest = kVisitorAnchors[0].x() - kHomeAnchors[0].x();
    return static_cast<int>(nearest * courtWidth) - 4;
}

CourtScene courtScene(const GameConsole& console) {
    return {console.teamFigures(true), console.teamFigures(false), console.courtPrompts(), console.sidesSwapped()};
}

QPointF slotAnchor(bool home, int slot, bool sidesSwapped) {
    if (slot < 1 || slot > 5) return {};
    const bool homeColumn = home != sidesSwapped;
    return (homeColumn ? kHomeAnchors : kVisitorAnchors)[slot - 1];
}

QPoint slotAnchorIn(const QRect& area, bool home, int slot, bool sidesSwapped) {
    const QPointF anchor = slotAnchor(home, slot, sidesSwapped);
    return at(area, anchor.x(), anchor.y());
}

void drawCourt(QPainter& painter, const QRect& area, const CourtScene& scene) {
    drawCourtBackground(painter, area, scene);
    drawCourtFigures(painter, area, scene);
}

void drawCourtBackground(QPainter& painter, const QRect& area, const CourtScene& scene) {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // The whole area is painted: the picture, or a plain floor without it.
    if (!courtPicture().isNull())
        painter.drawPixmap(area.topLeft(), courtPictureAt(area.size()));
    else
        painter.fillRect(area, Qt::white);

    // Team names.
    const bool homeLeft = !scene.sidesSwapped;
    painter.setFont(arial(18, 600));
    painter.setPen(Qt::black);
    centredText(painter, at(area, homeLeft ? kLeftNameX : kRightNameX, kNameY), text(scene.home.name));
    centredText(painter, at(area, homeLeft ? kRightNameX : kLeftNameX, kNameY), text(scene.visitor.name));
    painter.restore();
}

void drawCourtFigures(QPainter& painter, const QRect& area, const CourtScene& scene) {
    painter.save();
    const bool homeLeft = !scene.sidesSwapped;
    auto countX = [homeLeft](bool home) { return home == homeLeft ? kLeftCountX : kRightCountX; };

    // Team fouls and time outs left; on a narrow court a little smaller, so
    // the two teams' lines stay apart.
    const int smallText = area.width() < 600 ? 11 : 13;
    painter.setFont(arial(smallText, 400));
    painter.setPen(Qt::blue);
    for (const bool home : {true, false}) {
        const TeamConsoleFigures& team = home ? scene.home : scene.visitor;
        centredText(painter, at(area, countX(home), kTeamFoulsY), QStringLiteral("Team Fouls: %1").arg(team.teamFouls));
        centredText(painter, at(area, countX(home), kTimeOutsY),
                    QStringLiteral("Remaining Full: %1, 20-Sec: %2")
                        .arg(team.fullTimeOutsLeft)
                        .arg(team.shortTimeOutsLeft));
    }

    // Prompts, or else the bonus indicators. A prompt sits between the
    // label under the center's button and the buttons of the lower row,
    // drawn small enough to fit there, however small the court is drawn.
    const int labelHeight = QFontMetrics(arial(smallText, 400)).height();
    const int centerLabelBottom = at(area, 0, kHomeAnchors[2].y()).y() + kPlayerButtonHeight + 1 + labelHeight;
    const int lowerRowTop = at(area, 0, kHomeAnchors[1].y()).y();
    painter.setFont(promptFont(lowerRowTop - centerLabelBottom - 4));
    painter.setPen(Qt::red);
    const int promptTop = std::clamp(at(area, 0, kPromptY).y(), centerLabelBottom + 2,
                                     std::max(centerLabelBottom + 2, lowerRowTop - 2 - painter.fontMetrics().height()));
    const bool prompted = !scene.prompts.empty();
    for (const CourtPrompt& prompt : scene.prompts) {
        const QString words = QString::fromStdString(prompt.text);
        if (prompt.place == CourtPrompt::Place::WholeCourt) {
            // Across the whole court, just above the middle row of buttons.
            centredText(painter, QPoint(area.center().x(), promptTop), words);
        } else {
            const bool home = prompt.place == CourtPrompt::Place::HomeHalf;
            centredText(painter, QPoint(at(area, countX(home), 0).x(), promptTop), words);
        }
    }
    if (!prompted) {
        // Between the team name and the first row of buttons.
        painter.setFont(arial(18, 600));
        const QFontMetrics metrics(painter.font());
        const int nameBottom = at(area, 0, kNameY).y() + metrics.height();
        const int rowTop = at(area, 0, kHomeAnchors[0].y()).y();
        const int bonusTop = std::max(nameBottom, std::min(at(area, 0, kBonusY).y(), rowTop - metrics.height()));
        for (const bool home : {true, false}) {
            const std::string& bonus = home ? scene.home.bonus : scene.visitor.bonus;
            if (bonus.empty()) continue;
            const double halfMiddle = home == homeLeft ? 0.25 : 0.75;
            centredText(painter, QPoint(at(area, halfMiddle, 0).x(), bonusTop), QString::fromStdString(bonus));
        }
    }

    // Labels under the court buttons; a little smaller on a narrow court,
    // so more of each name shows.
    painter.setFont(arial(smallText, 400));
    for (const bool home : {true, false}) {
        for (const CourtLabel& label : (home ? scene.home : scene.visitor).onCourt) {
            const QPoint anchor = slotAnchorIn(area, home, label.slot, scene.sidesSwapped);
            painter.setPen(label.red ? Qt::red : Qt::black);
            const QString shown =
                painter.fontMetrics().elidedText(text(label.text), Qt::ElideRight, playerLabelWidth(area.width()));
            centredText(painter, QPoint(anchor.x(), anchor.y() + kPlayerButtonHeight + 1), shown);
        }
    }
    painter.restore();
}

}  // namespace courtlog::gui::scoring
