#pragma once

#include <QAbstractScrollArea>
#include <QPointer>
#include <QString>

#include "core/scoring/SheetFigures.h"
#include "gui/scoring/TeamSheetPainter.h"
#include "gui/ui/DrawnState.h"

namespace courtlog {
class Game;
}

namespace courtlog::scoring {
class GameConsole;
}

namespace courtlog::gui::scoring {

// One team's live score sheet beside the game console. Every paint counts
// the side's figures afresh, from the console's running counts of the plays
// while it follows a console and from every play otherwise, so recorded,
// edited, deleted and undone plays show at the next repaint; told that the
// game changed, the sheet redraws only the rows whose figures did. The team's logo, faded
// and laid out as the team asks, lies behind the form; the form scrolls in
// steps of 12 pixels.
class TeamWindow : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int kScrollStep = 12;
    // The form can always be lifted by 50 steps, so rows hidden by the
    // console at the bottom of the screen can be brought up above it.
    static constexpr int kMinimumScrollDown = 50 * kScrollStep;

    TeamWindow(QWidget* parent, const QString& title, bool home);

    // The game shown; without one the sheet follows the program's current
    // game. Read again at every paint, so a reloaded game is picked up.
    void setGame(const Game* game);
    const Game* game() const;
    bool isHome() const { return home_; }

    // Takes the figures from the console's running counts while owner (the
    // console's window) lives and the console scores the game shown.
    void followConsole(const courtlog::scoring::GameConsole* console, const QObject* owner);

    // The figures as the next paint draws them.
    courtlog::scoring::TeamSheetFigures figures() const;
    // The game's plays changed: redraws the parts of the form whose figures
    // differ from those last drawn (the whole form when its rows or header
    // changed), nothing when none do.
    void figuresChanged();

    // The faded logo behind the form; null when the team's picture could not
    // be read by its path or its bare name.
    const SheetLogo& logo() const { return logo_; }
    // Reads the team's logo again (done by the first paint, and whenever the
    // team names another picture, fade or layout).
    void loadLogo();

    // Where the form's top-left corner lies in the window (negative when
    // scrolled), for keeping the console off its figures.
    QPoint formOrigin() const;

    // With fit to width on, a sheet narrower than the form draws the form
    // smaller so that every column shows (beside the console on a laptop
    // screen); off, a narrow sheet scrolls across. formScale() is 1 at full
    // size.
    void setFitToWidth(bool on);
    double formScale() const;
    // Form coordinates (as the painter lays them out) on the viewport.
    QRect toView(const QRect& formRect) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void updateScrollRange(int rowCount);
    bool logoIsStale() const;
    void updateFormArea(const QRect& formRect);

    bool home_;
    const Game* game_ = nullptr;
    const courtlog::scoring::GameConsole* console_ = nullptr;
    QPointer<const QObject> consoleOwner_;
    QString logoFile_;
    int logoFade_ = 0;
    int logoLayout_ = 0;
    bool logoLoaded_ = false;
    bool fitToWidth_ = false;
    SheetLogo logo_;
    // What the screen shows, to tell which rows a change touches.
    ui::DrawnState<courtlog::scoring::TeamSheetFigures> drawn_;
};

}  // namespace courtlog::gui::scoring
