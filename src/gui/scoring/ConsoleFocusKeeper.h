#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace courtlog::gui::scoring {

// While a game is scored the player keys must reach the console. A menu of
// the main window or a dialog opened beside the console leaves the focus
// on the main window when it closes; this gives it back to the console
// once no menu or dialog is open any more. Watches the whole application
// for as long as it lives.
class ConsoleFocusKeeper : public QObject {
    Q_OBJECT
public:
    explicit ConsoleFocusKeeper(QWidget* console);
    ~ConsoleFocusKeeper() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void giveFocusBack();

    QPointer<QWidget> console_;
    bool queued_ = false;
};

}  // namespace courtlog::gui::scoring
