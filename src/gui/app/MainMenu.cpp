#include "gui/app/MainMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace courtlog::gui::app {

MainMenu::MainMenu(QMenuBar* bar) : bar_(bar) {
    std::vector<QMenu*> open;  // the sub-menus being filled, innermost last
    std::map<int, QActionGroup*> groups;
    for (const MenuItem& item : commandTable()) {
        switch (item.kind) {
            case MenuItem::Kind::Menu: {
                const QString caption = QString::fromLatin1(item.caption);
                QMenu* menu = open.empty() ? bar_->addMenu(caption) : open.back()->addMenu(caption);
                menu->setObjectName(QString::fromLatin1(item.objectName));
                menus_.push_back(menu);
                open.push_back(menu);
                break;
            }
            case MenuItem::Kind::EndMenu:
                open.pop_back();
                break;
            case MenuItem::Kind::Separator:
                open.back()->addSeparator();
                break;
            case MenuItem::Kind::Command: {
                QAction* action = open.back()->addAction(QString::fromLatin1(item.caption));
                action->setObjectName(QStringLiteral("command%1").arg(item.command));
                action->setCheckable(item.checked != nullptr);
                if (item.shortcut != QKeyCombination()) action->setShortcut(QKeySequence(item.shortcut));
                if (item.radioGroup != 0) {
                    QActionGroup*& group = groups[item.radioGroup];
                    if (!group) {
                        group = new QActionGroup(open.back());
                        group->setExclusive(true);
                    }
                    group->addAction(action);
                }
                actions_[item.command] = action;
                items_[item.command] = &item;
                order_.push_back(item.command);
                break;
            }
        }
    }
    update();
    for (QMenu* menu : menus_) QObject::connect(menu, &QMenu::aboutToShow, bar_, [this] { update(); });
}

QAction* MainMenu::action(int command) const {
    auto found = actions_.find(command);
    return found == actions_.end() ? nullptr : found->second;
}

const MenuItem* MainMenu::item(int command) const {
    auto found = items_.find(command);
    return found == items_.end() ? nullptr : found->second;
}

void MainMenu::update() const {
    for (const auto& [command, item] : items_) {
        QAction* action = actions_.at(command);
        action->setEnabled(!item->enabled || item->enabled());
        if (item->checked) action->setChecked(item->checked());
    }
}

}  // namespace courtlog::gui::app
