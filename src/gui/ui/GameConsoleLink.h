#pragma once

class QWidget;

namespace courtlog::gui::ui {

// What the main window may ask of the running game console. The console
// implements it; the program-wide state holds the one that is open, so the
// shell reaches it through typed calls rather than by name.
class GameConsoleLink {
public:
    virtual ~GameConsoleLink() = default;

    // The console as a window (parent for dialogs, title bar as prompt line).
    virtual QWidget* consoleWidget() = 0;
    // A player was added or renamed from the Roster menu.
    virtual void refreshPlayerLists() = 0;
    // The League Options dialog closed; limits or the period mode may differ.
    virtual void applyLeagueOptions() = 0;
    // The Live Scoreboard dialog closed with OK; the feed may be on now.
    virtual void applyScoreboardSettings() = 0;
};

}  // namespace courtlog::gui::ui
