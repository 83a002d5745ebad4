#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>
#include <vector>

#include "gui/scoring/ConsolePlacement.h"
#include "gui/scoring/TeamWindow.h"

namespace courtlog {
class Game;
}

namespace courtlog::gui::scoring {

class GameConsoleWindow;

// The two team sheets of a game in progress: home over the left half of the
// main window's client area, visitor over the right half, following the
// area's size. Where the halves leave no room for the console beside both
// forms (a laptop screen), the sheets keep to the left and right edges with
// their forms drawn smaller, and the console sits between them. They live as long as this object (the game being scored).
// A main window too small to show both forms is maximised for the game and
// restored afterwards.
class TeamSheetPair : public QObject {
    Q_OBJECT
public:
    // area may be null (no main window): then there are no sheets.
    TeamSheetPair(QWidget* area, const Game& game);
    ~TeamSheetPair() override;

    TeamSheetPair(const TeamSheetPair&) = delete;
    TeamSheetPair& operator=(const TeamSheetPair&) = delete;

    // The client area of a main window (its central widget), or null.
    static QWidget* clientAreaOf(QWidget* mainWindow);

    TeamWindow* homeSheet() const { return home_; }
    TeamWindow* visitorSheet() const { return visitor_; }

    // Repaints both sheets from the game's plays.
    void refresh();
    // refresh() as a callback for the console.
    std::function<void()> refreshCallback();
    // Both sheets follow console: they count from its running counts and
    // repaint what changed after each of its changes.
    void followConsole(GameConsoleWindow* console);

    // Moves the console where it hides the fewest sheet rows (a row whose
    // name or figures are hidden is lost) and then the least of the forms,
    // keeping the main window's menu free, low in the middle among places
    // as good; or where the scorekeeper last put it during this run of the
    // program. The sheets are laid out beside it either way. When every
    // place loses rows, the console is made smaller, down to its minimum
    // size, if that loses fewer. Call before the console is shown; it is
    // placed again when the main window grows or moves, until the
    // scorekeeper moves it.
    void placeConsole(QWidget* console);
    // Keeps the console's place and size for the next game when the
    // scorekeeper has moved or resized it. Call when the game stops, before
    // the console goes.
    void rememberConsolePlace(const QWidget* console);
    // True when the console is no longer where placeConsole put it.
    bool movedByScorekeeper(const QWidget* console) const;

    // What the console should not cover, in global coordinates: the menu
    // bar, each visible row's name and figures, the forms.
    std::vector<CoveredArea> coveredAreas() const;

    // Forgets the kept console place (tests start from a fresh run).
    static void forgetConsolePlace();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layoutSheets();
    // Maximises a main window that cannot show both forms whole (without a
    // console width) or both readable beside a console of consoleWidth.
    void makeRoomForForms(int consoleWidth = 0);
    // Places the console again once the window manager has framed it.
    void placeOnceFramed();
    int scrollBarWidth() const;
    // The narrowest sheet whose form still reads well (text 10 pixels tall).
    int narrowestSheetWidth() const;
    // Width kept free between the sheets for the console; 0 lays the sheets
    // over the two halves.
    int reservedMiddle_ = 0;

    QPointer<QWidget> area_;
    QPointer<TeamWindow> home_;
    QPointer<TeamWindow> visitor_;
    QPointer<QWidget> console_;
    QRect placedAt_;
    QSize consoleFullSize_;
    bool placed_ = false;
    bool maximisedMainWindow_ = false;
    // Checks left for the frame of a console placed before it had one.
    int framedChecks_ = 0;
};

}  // namespace courtlog::gui::scoring
