#include "gui/ui/MessageBox.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>
#include <deque>

#include "gui/ui/Sound.h"

namespace courtlog::gui::ui {

namespace {

struct MessageHooks {
    std::deque<int> answers;
    bool autoAnswer = false;
    bool recording = false;  // only while a test watches
    std::vector<testing::ShownMessage> shown;
};

MessageHooks& hooks() {
    static MessageHooks instance;
    return instance;
}

int firstButtonOf(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
        case MessageButtons::OkCancel:
            return ResultOk;
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel:
            return ResultYes;
    }
    return ResultOk;
}

QMessageBox::Icon qtIconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::None:
            return QMessageBox::NoIcon;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Stop:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtonsOf(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return QMessageBox::Ok;
        case MessageButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// The box's own answer in our numbering. Closing with Escape or the close
// box counts as Cancel where there is one, otherwise as the only way out
// (OK, or No for a plain Yes/No question).
int resultOf(int qtButton, MessageButtons buttons) {
    switch (qtButton) {
        case QMessageBox::Ok:
            return ResultOk;
        case QMessageBox::Cancel:
            return ResultCancel;
        case QMessageBox::Yes:
            return ResultYes;
        case QMessageBox::No:
            return ResultNo;
        default:
            break;
    }
    switch (buttons) {
        case MessageButtons::Ok:
            return ResultOk;
        case MessageButtons::YesNo:
            return ResultNo;
        default:
            return ResultCancel;
    }
}

// Room a window manager takes in a title bar beside the caption: the
// window's icon and its three buttons, with their spacing.
constexpr int kTitleBarRoom = 120;

// A message box at least as wide as its caption needs: a window manager
// cuts a caption wider than its window ("File corrupt ?" over a short text
// shows as "Fil...pt ?"). Qt sizes the box anew on showing and on every
// layout request; the width is taken back after each.
class CaptionedMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    bool event(QEvent* event) override {
        const bool handled = QMessageBox::event(event);
        if (event->type() == QEvent::Show || event->type() == QEvent::LayoutRequest) {
            // Title bars mostly draw the caption in bold.
            QFont titleFont = font();
            titleFont.setBold(true);
            int needed = QFontMetrics(titleFont).horizontalAdvance(windowTitle()) + kTitleBarRoom;
            // A caption as long as a deep path is cut rather than the box
            // made wider than the screen.
            if (const QScreen* shownOn = screen()) needed = std::min(needed, shownOn->availableGeometry().width() * 9 / 10);
            if (width() < needed) setFixedWidth(needed);
        }
        return handled;
    }
};

}  // namespace

int showMessage(QWidget* owner, const QString& text, const QString& caption, MessageButtons buttons,
                MessageIcon icon, bool warningSound) {
    if (warningSound) playSoundEffect(SoundWarning);
    const QString title = caption.isEmpty() ? kApplicationName : caption;
    MessageHooks& h = hooks();
    if (h.recording) h.shown.push_back({text, title, icon, buttons});

    if (!h.answers.empty()) {
        const int answer = h.answers.front();
        h.answers.pop_front();
        return answer;
    }
    if (h.autoAnswer) return firstButtonOf(buttons);

    CaptionedMessageBox box(qtIconOf(icon), title, text, qtButtonsOf(buttons), owner);
    box.setObjectName(QStringLiteral("messageBox"));
    // Qt wraps every text wider than about 500 pixels, which leaves the last
    // word of a one-sentence message alone on a second line; such a sentence
    // keeps to one line when it fits in 640.
    const int textWidth = box.fontMetrics().horizontalAdvance(text);
    if (!text.contains(QLatin1Char('\n')) && textWidth <= 640)
        box.setStyleSheet(QStringLiteral("QLabel#qt_msgbox_label { min-width: %1px; }").arg(textWidth + 8));
    if (buttons == MessageButtons::OkCancel)
        box.setEscapeButton(QMessageBox::Cancel);
    else if (buttons == MessageButtons::YesNoCancel)
        box.setEscapeButton(QMessageBox::Cancel);
    else if (buttons == MessageButtons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    return resultOf(box.exec(), buttons);
}

void showWarning(QWidget* owner, const QString& text, const QString& caption) {
    showMessage(owner, text, caption, MessageButtons::Ok, MessageIcon::Exclamation, true);
}

namespace testing {

void queueMessageAnswer(int result) { hooks().answers.push_back(result); }

void setAutoAnswer(bool on) { hooks().autoAnswer = on; }

void setMessageRecording(bool on) { hooks().recording = on; }

const std::vector<ShownMessage>& shownMessages() { return hooks().shown; }

void clearShownMessages() { hooks().shown.clear(); }

}  // namespace testing

}  // namespace courtlog::gui::ui
