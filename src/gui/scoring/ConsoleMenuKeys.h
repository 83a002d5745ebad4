#pragma once

#include <QObject>
#include <QPointer>


class QAction;
class QKeyEvent;
class QMenuBar;
class QWidget;

namespace courtlog::gui::scoring {

// The main window's menus from the console's keyboard while a game is
// scored: Alt with a menu's letter opens that menu, unless a button of the
// console has that letter (Alt+S stays "20 Sec", Alt+O "Time Out", Alt+H
// "Edit Home Events"); F10 opens the first menu, from which the arrow keys
// reach every other. Watches the console for as long as it lives.
class ConsoleMenuKeys : public QObject {
    Q_OBJECT
public:
    ConsoleMenuKeys(QWidget* console, QWidget* mainWindow);
    ~ConsoleMenuKeys() override;

    // The menu of bar that event opens: Alt with a menu's access key, or
    // F10 for the first menu; null for any other key.
    static QAction* menuForKey(const QMenuBar* bar, const QKeyEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> console_;
    QPointer<QWidget> mainWindow_;
};

}  // namespace courtlog::gui::scoring
