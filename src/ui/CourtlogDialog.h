#pragma once

#include <QDialog>
#include <functional>

class QPushButton;

namespace courtlog::ui {

// Base of the program's modal dialogs: integer results (1 OK, 2 Cancel, or
// a dialog's own numbers), buttons that click (sound 601) before acting, and
// the decorative bitmaps in the lower corners.
class CourtlogDialog : public QDialog {
    Q_OBJECT
public:
    explicit CourtlogDialog(QWidget* parent = nullptr);

    // Runs the dialog modally and returns its integer result.
    int run();

protected:
    // A push button whose click plays sound 601 and then calls action.
    QPushButton* addClickButton(const QString& caption, const QString& objectName,
                                std::function<void()> action);
    // Closes with an integer result.
    void closeWith(int result) { done(result); }

public slots:
    // Escape and the close box answer Cancel (2), as the Cancel button does.
    void reject() override;
};

}  // namespace courtlog::ui
