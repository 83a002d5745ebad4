#include "gui/ui/CourtlogDialog.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include "gui/ui/CornerBitmap.h"
#include "gui/ui/Help.h"
#include "gui/ui/Sound.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::ui {

CourtlogDialog::CourtlogDialog(QWidget* parent) : QDialog(parent) {
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // F1 opens the manual at this dialog's page.
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    help->setObjectName(QStringLiteral("helpShortcut"));
    connect(help, &QShortcut::activated, this, [this] { openHelpTopic(this, helpTopic_); });
}

int CourtlogDialog::run() { return exec(); }

void CourtlogDialog::reject() { done(2); }

QPushButton* CourtlogDialog::addClickButton(const QString& caption, const QString& objectName,
                                            std::function<void()> action) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(objectName);
    connect(button, &QPushButton::clicked, this, [action = std::move(action)] {
        playSoundEffect(SoundClick);
        if (action) action();
    });
    return button;
}

QPushButton* CourtlogDialog::addPlainButton(const QString& caption, const QString& objectName) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(objectName);
    return button;
}

QLineEdit* CourtlogDialog::addRecordTextEdit(const QString& objectName, int maxChars,
                                             const std::string& recordText) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(objectName);
    edit->setMaxLength(maxChars);
    edit->setText(fromRecordText(recordText));
    // A text longer than the box opens at its start, not scrolled to its end.
    edit->setCursorPosition(0);
    acceptRecordTextOnly(edit);
    return edit;
}

QHBoxLayout* CourtlogDialog::okCancelRow(std::function<void()> store) {
    QPushButton* ok = addClickButton(QStringLiteral("&OK"), QStringLiteral("okButton"),
                                     [this, store = std::move(store)] {
                                         store();
                                         closeWith(1);
                                     });
    ok->setDefault(true);
    QPushButton* cancel =
        addClickButton(QStringLiteral("&Cancel"), QStringLiteral("cancelButton"), [this] { closeWith(2); });
    return buttonRow({ok, cancel});
}

QHBoxLayout* CourtlogDialog::buttonRow(std::initializer_list<QWidget*> buttons) {
    auto* row = new QHBoxLayout;
    row->addWidget(new CornerBitmap(this));
    row->addStretch(1);
    for (QWidget* button : buttons) row->addWidget(button);
    row->addStretch(1);
    row->addWidget(new CornerBitmap(this));
    return row;
}

}  // namespace courtlog::gui::ui
