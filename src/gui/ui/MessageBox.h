#pragma once

#include <QString>
#include <vector>

#include "core/ProgramInfo.h"

class QWidget;

namespace courtlog::gui::ui {

enum class MessageIcon { None, Information, Exclamation, Stop, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };

// Button results, numbered as the dialogs' integer results.
enum MessageResult { ResultOk = 1, ResultCancel = 2, ResultYes = 6, ResultNo = 7 };

// The application name, used as caption when none is given.
inline const QString kApplicationName = QString::fromLatin1(courtlog::kProgramTitle);

// Shows a modal message box and returns the button pressed. With
// warningSound the warning sound (606) plays first.
int showMessage(QWidget* owner, const QString& text, const QString& caption = {},
                MessageButtons buttons = MessageButtons::Ok, MessageIcon icon = MessageIcon::None,
                bool warningSound = false);

// Shorthand for validation messages: sound 606, exclamation icon, OK.
void showWarning(QWidget* owner, const QString& text, const QString& caption);

namespace testing {
struct ShownMessage {
    QString text;
    QString caption;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};
// While answers are queued no box is shown: the next message takes the
// next answer. With an empty queue and autoAnswer on, messages are answered
// with their first button without being shown (the default under tests).
void queueMessageAnswer(int result);
void setAutoAnswer(bool on);
// Messages are kept for shownMessages() only while recording is on (off in
// the program, so a long game does not pile them up).
void setMessageRecording(bool on);
const std::vector<ShownMessage>& shownMessages();
void clearShownMessages();
}  // namespace testing

}  // namespace courtlog::gui::ui
