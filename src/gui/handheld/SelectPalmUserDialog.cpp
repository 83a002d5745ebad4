#include "gui/handheld/SelectPalmUserDialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/ui/RecordPaths.h"

namespace courtlog::gui::handheld {

SelectPalmUserDialog::SelectPalmUserDialog(QWidget* parent, const std::vector<std::string>& users)
    : CourtlogDialog(parent) {
    setObjectName(QStringLiteral("selectPalmUserDialog"));
    setWindowTitle(QStringLiteral("Select Palm User"));
    setHelpTopic(QStringLiteral("handhelds.html#palm-user"));

    auto* label = new QLabel(QStringLiteral("Palm &Users"), this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("palmUserList"));
    label->setBuddy(list_);
    for (const std::string& user : users) list_->addItem(ui::fromRecordPath(user));
    // The first user is offered, so Enter takes the usual one.
    if (list_->count() > 0) list_->setCurrentRow(0);
    list_->setMinimumWidth(260);

    QPushButton* ok = addClickButton(QStringLiteral("&OK"), QStringLiteral("okButton"), [this] {
        selected_ = list_->currentItem() && list_->currentItem()->isSelected() ? list_->currentRow() : -1;
        closeWith(1);
    });
    ok->setDefault(true);
    QPushButton* cancel =
        addClickButton(QStringLiteral("&Cancel"), QStringLiteral("cancelButton"), [this] { closeWith(2); });
    connect(list_, &QListWidget::itemActivated, ok, &QPushButton::click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_);
    layout->addLayout(buttonRow({ok, cancel}));
}

}  // namespace courtlog::gui::handheld
