#include "gui/scoring/TeamWindow.h"

#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "core/records/Game.h"
#include "core/scoring/GameConsole.h"
#include "gui/ui/AppState.h"
#include "gui/ui/RecordPaths.h"
#include "gui/ui/TeamLogo.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::scoring {

// The scoring core's rules used here.
using courtlog::scoring::TeamSheetFigures;
using courtlog::scoring::teamSheetFigures;

TeamWindow::TeamWindow(QWidget* parent, const QString& title, bool home) : QAbstractScrollArea(parent), home_(home) {
    setObjectName(home ? QStringLiteral("homeSheet") : QStringLiteral("visitorSheet"));
    setWindowTitle(title);
    setFrameShape(QFrame::NoFrame);
    // The sheet is a paper form: white under the logo and the rules.
    viewport()->setAutoFillBackground(true);
    QPalette paper = viewport()->palette();
    paper.setColor(QPalette::Window, Qt::white);
    viewport()->setPalette(paper);
    horizontalScrollBar()->setSingleStep(kScrollStep);
    verticalScrollBar()->setSingleStep(kScrollStep);
    horizontalScrollBar()->setObjectName(QStringLiteral("sheetHorizontalScroll"));
    verticalScrollBar()->setObjectName(QStringLiteral("sheetVerticalScroll"));
}

void TeamWindow::setGame(const Game* game) {
    game_ = game;
    logoLoaded_ = false;
    drawn_.forget();
    viewport()->update();
}

void TeamWindow::figuresChanged() {
    TeamSheetFigures now = figures();
    const TeamSheetFigures* drawn = drawn_.shown();
    const bool sameForm = drawn && !logoIsStale() && now.rows.size() == drawn->rows.size() &&
                          now.teamName == drawn->teamName && now.coach == drawn->coach &&
                          now.dateText == drawn->dateText;
    if (!sameForm) {
        viewport()->update();
        return;
    }
    if (now.periodTitle != drawn->periodTitle) updateFormArea(sheet::headingsArea());
    for (std::size_t row = 0; row < now.rows.size(); ++row)
        if (now.rows[row] != drawn->rows[row]) updateFormArea(sheet::rowArea(static_cast<int>(row)));
    drawn_.told(std::move(now));
}

void TeamWindow::updateFormArea(const QRect& formRect) {
    // A drawn-smaller form is smoothed, which reaches a pixel further.
    viewport()->update(toView(formRect).adjusted(-2, -2, 2, 2));
}

const Game* TeamWindow::game() const { return game_ ? game_ : ui::appState().currentGame; }

void TeamWindow::followConsole(const courtlog::scoring::GameConsole* console, const QObject* owner) {
    console_ = console;
    consoleOwner_ = owner;
}

TeamSheetFigures TeamWindow::figures() const {
    const Game* shown = game();
    if (!shown) return {};
    if (console_ && consoleOwner_ && &console_->game() == shown) return console_->sheetFigures(home_);
    return teamSheetFigures(*shown, home_);
}

void TeamWindow::loadLogo() {
    logo_ = {};
    logoLoaded_ = true;
    const Game* shown = game();
    if (!shown) return;
    const Team& team = home_ ? shown->home : shown->visitor;
    logoFile_ = ui::fromRecordText(team.logoFile);
    logoFade_ = team.logoFade;
    logoLayout_ = team.logoLayout;
    logo_.layout = pictureLayoutOf(logoLayout_);
    // Found as the team editor finds it (beside the team file, the shipped
    // default built in) and faded the same way.
    logo_.image = ui::loadTeamLogo(team).faded(logoFade_).image();
}

bool TeamWindow::logoIsStale() const {
    if (!logoLoaded_) return true;
    const Game* shown = game();
    if (!shown) return !logoFile_.isEmpty();
    const Team& team = home_ ? shown->home : shown->visitor;
    return ui::fromRecordText(team.logoFile) != logoFile_ || team.logoFade != logoFade_ ||
           team.logoLayout != logoLayout_;
}

QPoint TeamWindow::formOrigin() const {
    const double scale = formScale();
    return viewport()->geometry().topLeft() -
           QPoint(qRound(horizontalScrollBar()->value() * scale), qRound(verticalScrollBar()->value() * scale));
}

void TeamWindow::setFitToWidth(bool on) {
    if (fitToWidth_ == on) return;
    fitToWidth_ = on;
    updateScrollRange(static_cast<int>(figures().rows.size()));
    viewport()->update();
}

double TeamWindow::formScale() const {
    if (!fitToWidth_) return 1.0;
    const int width = viewport()->width();
    const int formWidth = sheet::size(0).width();
    return width > 0 && width < formWidth ? static_cast<double>(width) / formWidth : 1.0;
}

QRect TeamWindow::toView(const QRect& formRect) const {
    const double scale = formScale();
    const QPointF scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const QPointF topLeft = (QPointF(formRect.topLeft()) - scroll) * scale;
    return QRectF(topLeft, QSizeF(formRect.size()) * scale).toAlignedRect();
}

void TeamWindow::updateScrollRange(int rowCount) {
    const QSize form = sheet::size(rowCount);
    // Ranges and steps are in form units, which a scaled form fits more of.
    const double scale = formScale();
    const QSize view(static_cast<int>(std::ceil(viewport()->width() / scale)),
                     static_cast<int>(std::ceil(viewport()->height() / scale)));
    // A form drawn smaller fits its width exactly.
    horizontalScrollBar()->setRange(0, scale < 1.0 ? 0 : std::max(0, form.width() - view.width()));
    verticalScrollBar()->setRange(0, std::max(kMinimumScrollDown, form.height() - view.height()));
    horizontalScrollBar()->setPageStep(std::max(kScrollStep, view.width()));
    verticalScrollBar()->setPageStep(std::max(kScrollStep, view.height()));
}

void TeamWindow::paintEvent(QPaintEvent* event) {
    if (logoIsStale()) loadLogo();
    TeamSheetFigures shown = figures();
    // A player added during the game lengthens the form.
    updateScrollRange(static_cast<int>(shown.rows.size()));
    if (!game()) return;
    QPainter painter(viewport());
    const double scale = formScale();
    QRect target = viewport()->rect();
    if (scale < 1.0) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.scale(scale, scale);
        target = QRect(0, 0, static_cast<int>(target.width() / scale) + 1,
                       static_cast<int>(target.height() / scale) + 1);
    }
    QRect exposed = event->rect();
    if (scale < 1.0)
        exposed = QRectF(QPointF(exposed.topLeft()) / scale, QSizeF(exposed.size()) / scale).toAlignedRect();
    paintTeamSheet(painter, target, shown, logo_,
                   QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value()), exposed.adjusted(-1, -1, 1, 1));
    drawn_.painted(std::move(shown), event->rect().contains(viewport()->rect()), viewport());
}

bool TeamWindow::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Resize) {
        // Scroll bars coming or going resize the view too, so the range is
        // taken from the view, not the window. A fitted or centred logo
        // depends on the whole view's size.
        updateScrollRange(static_cast<int>(figures().rows.size()));
        viewport()->update();
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void TeamWindow::scrollContentsBy(int, int) {
    // The logo stays put while the form moves, so the whole view is redrawn.
    viewport()->update();
}

}  // namespace courtlog::gui::scoring
