#pragma once

#include <QDialog>
#include <functional>
#include <initializer_list>
#include <string>

class QHBoxLayout;
class QLineEdit;
class QPushButton;

namespace courtlog::gui::ui {

// Base of the program's modal dialogs: integer results (1 OK, 2 Cancel, or
// a dialog's own numbers), buttons that click (sound 601) before acting, and
// the decorative bitmaps in the lower corners.
class CourtlogDialog : public QDialog {
    Q_OBJECT
public:
    explicit CourtlogDialog(QWidget* parent = nullptr);

    // Runs the dialog modally and returns its integer result.
    int run();

    // The page of the manual F1 opens ("roster-editor.html", with an
    // optional "#anchor"); the contents when none is set.
    void setHelpTopic(const QString& topic) { helpTopic_ = topic; }
    const QString& helpTopic() const { return helpTopic_; }

protected:
    // A push button whose click plays sound 601 and then calls action.
    QPushButton* addClickButton(const QString& caption, const QString& objectName,
                                std::function<void()> action);
    // A push button that acts without the click sound, for dialogs whose
    // buttons decide themselves when to sound. Enter on it while it has the
    // focus presses it; elsewhere Enter presses the dialog's default button.
    QPushButton* addPlainButton(const QString& caption, const QString& objectName);
    // A one-line edit limited to maxChars characters, showing a record text.
    QLineEdit* addRecordTextEdit(const QString& objectName, int maxChars, const std::string& recordText);
    // The bottom row: the decorative bitmaps in the corners, the buttons
    // centred between them.
    QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons);
    // The button row of an options dialog: "&OK", the default, calls store
    // and closes with 1; "&Cancel" closes with 2.
    QHBoxLayout* okCancelRow(std::function<void()> store);
    // Closes with an integer result.
    void closeWith(int result) { done(result); }

public slots:
    // Escape and the close box answer Cancel (2), as the Cancel button does.
    void reject() override;

private:
    QString helpTopic_;
};

}  // namespace courtlog::gui::ui
