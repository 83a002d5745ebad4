#include "gui/scoring/ConsoleFocusKeeper.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMenu>
#include <QTimer>

namespace courtlog::gui::scoring {

ConsoleFocusKeeper::ConsoleFocusKeeper(QWidget* console) : console_(console) {
    qApp->installEventFilter(this);
}

ConsoleFocusKeeper::~ConsoleFocusKeeper() { qApp->removeEventFilter(this); }

bool ConsoleFocusKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && !queued_ && console_ && watched != console_.data()) {
        auto* widget = qobject_cast<QWidget*>(watched);
        const bool menuOrDialog = qobject_cast<QMenu*>(watched) || qobject_cast<QDialog*>(watched);
        if (widget && widget->isWindow() && menuOrDialog) {
            // After the closing has run its course: a menu command may open
            // a dialog next, and the focus waits until that closes too.
            queued_ = true;
            QTimer::singleShot(0, this, [this] { giveFocusBack(); });
        }
    }
    return QObject::eventFilter(watched, event);
}

void ConsoleFocusKeeper::giveFocusBack() {
    queued_ = false;
    if (!console_ || !console_->isVisible()) return;
    if (QApplication::activePopupWidget() || QApplication::activeModalWidget()) return;
    // The event dialog closing hands the focus back by itself: asking the
    // window manager again would cost every play a round trip.
    if (console_->isActiveWindow()) return;
    console_->activateWindow();
    console_->raise();
}

}  // namespace courtlog::gui::scoring
