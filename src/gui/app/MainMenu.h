#pragma once

#include <QString>
#include <map>
#include <vector>

#include "gui/app/CommandTable.h"

class QAction;
class QMenu;
class QMenuBar;

namespace courtlog::gui::app {

// The main menu as the command table lays it out: its menus and actions, and
// the table's rules that enable and check the actions. The rules read the
// program-wide state and the settings, so they are evaluated again whenever
// a menu is about to show.
class MainMenu {
public:
    // Fills bar with the whole menu. Actions and menus are children of bar.
    explicit MainMenu(QMenuBar* bar);

    QAction* action(int command) const;
    // The table line of a command; null for a number that is no command.
    const MenuItem* item(int command) const;
    // Every menu and sub-menu, top level first.
    const std::vector<QMenu*>& menus() const { return menus_; }
    // The command numbers in menu order.
    const std::vector<int>& commands() const { return order_; }

    // Enables and checks every action by the table's rules.
    void update() const;

private:
    QMenuBar* bar_;
    std::map<int, QAction*> actions_;
    std::map<int, const MenuItem*> items_;
    std::vector<QMenu*> menus_;
    std::vector<int> order_;
};

}  // namespace courtlog::gui::app
