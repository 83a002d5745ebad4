#include "gui/handheld/HandheldFoldersDialog.h"

#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/handheld/PalmDesktop.h"
#include "gui/handheld/HandheldSetup.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/RecordPaths.h"

namespace courtlog::gui::handheld {

namespace core = ::courtlog::handheld;

namespace {

const QString kCaption = QStringLiteral("Handheld Folders");

QLineEdit* lineEdit(QWidget* parent, const char* objectName) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    return edit;
}

}  // namespace

HandheldFoldersDialog::HandheldFoldersDialog(QWidget* parent) : CourtlogDialog(parent), edited_(handheldFolders()) {
    setObjectName(QStringLiteral("handheldFoldersDialog"));
    setWindowTitle(kCaption);
    setHelpTopic(QStringLiteral("handhelds.html#folders"));

    QPushButton* ok = addClickButton(QStringLiteral("&OK"), QStringLiteral("okButton"), [this] { accept(); });
    QPushButton* cancel =
        addClickButton(QStringLiteral("&Cancel"), QStringLiteral("cancelButton"), [this] { closeWith(2); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makePalmGroup());
    layout->addWidget(makeDeviceGroup());
    layout->addLayout(buttonRow({ok, cancel}));

    palmFolder_->setText(ui::fromRecordPath(edited_.palmDesktopFolder));
    showPalmUsers();
    showPartners(-1);
    resize(620, sizeHint().height());
}

QWidget* HandheldFoldersDialog::makePalmGroup() {
    auto* group = new QGroupBox(QStringLiteral("Palm Desktop"), this);
    group->setObjectName(QStringLiteral("palmGroup"));
    palmFolder_ = lineEdit(group, "palmFolderEdit");
    palmFolder_->setPlaceholderText(
        QDir::toNativeSeparators(ui::fromRecordPath(core::PalmDesktop::defaultFolder(ui::toRecordPath(homeFolder())))) +
        QStringLiteral(" (when it exists)"));
    auto* browse = addClickButton(QStringLiteral("&Browse..."), QStringLiteral("palmFolderBrowse"),
                                  [this] { choosePalmFolder(); });
    browse->setParent(group);
    connect(palmFolder_, &QLineEdit::editingFinished, this, [this] { showPalmUsers(); });

    palmUsersLabel_ = new QLabel(group);
    palmUsersLabel_->setObjectName(QStringLiteral("palmUsersLabel"));
    palmUsers_ = new QListWidget(group);
    palmUsers_->setObjectName(QStringLiteral("palmUserList"));
    palmUsers_->setSelectionMode(QAbstractItemView::NoSelection);
    palmUsers_->setMaximumHeight(110);
    newUser_ = lineEdit(group, "palmUserNameEdit");
    newUser_->setMaxLength(static_cast<int>(core::PalmDesktop::kMaxUserName));
    connect(newUser_, &QLineEdit::returnPressed, this, [this] { addPalmUser(); });
    auto* addUser =
        addClickButton(QStringLiteral("Add &User"), QStringLiteral("addPalmUserButton"), [this] { addPalmUser(); });
    addUser->setParent(group);

    auto* folderLabel = new QLabel(QStringLiteral("&Folder:"), group);
    folderLabel->setBuddy(palmFolder_);
    auto* userLabel = new QLabel(QStringLiteral("&New user:"), group);
    userLabel->setBuddy(newUser_);
    auto* grid = new QGridLayout(group);
    grid->addWidget(folderLabel, 0, 0);
    grid->addWidget(palmFolder_, 0, 1);
    grid->addWidget(browse, 0, 2);
    grid->addWidget(palmUsersLabel_, 1, 0, 1, 3);
    grid->addWidget(palmUsers_, 2, 0, 1, 3);
    grid->addWidget(userLabel, 3, 0);
    grid->addWidget(newUser_, 3, 1);
    grid->addWidget(addUser, 3, 2);
    return group;
}

QWidget* HandheldFoldersDialog::makeDeviceGroup() {
    auto* group = new QGroupBox(QStringLiteral("Devices (Pocket PC)"), this);
    group->setObjectName(QStringLiteral("deviceGroup"));
    partners_ = new QTreeWidget(group);
    partners_->setObjectName(QStringLiteral("partnerList"));
    partners_->setHeaderLabels({QStringLiteral("Device"), QStringLiteral("Synchronised Folder")});
    partners_->setRootIsDecorated(false);
    partners_->header()->setStretchLastSection(true);
    partners_->setColumnWidth(0, 170);
    partners_->setMaximumHeight(130);
    connect(partners_, &QTreeWidget::itemSelectionChanged, this, [this] { partnerChosen(); });

    partnerName_ = lineEdit(group, "partnerNameEdit");
    partnerName_->setMaxLength(static_cast<int>(core::HandheldFolders::kMaxPartnerName));
    partnerFolder_ = lineEdit(group, "partnerFolderEdit");
    auto* browse = addClickButton(QStringLiteral("B&rowse..."), QStringLiteral("partnerFolderBrowse"),
                                  [this] { choosePartnerFolder(); });
    auto* add = addClickButton(QStringLiteral("&Add"), QStringLiteral("addPartnerButton"), [this] { addPartner(); });
    auto* rename = addClickButton(QStringLiteral("Rena&me"), QStringLiteral("renamePartnerButton"),
                                  [this] { renamePartner(); });
    auto* remove = addClickButton(QStringLiteral("Remo&ve"), QStringLiteral("removePartnerButton"),
                                  [this] { removePartner(); });
    for (QWidget* button : {browse, add, rename, remove}) button->setParent(group);

    auto* nameLabel = new QLabel(QStringLiteral("&Device name:"), group);
    nameLabel->setBuddy(partnerName_);
    auto* folderLabel = new QLabel(QStringLiteral("Its fo&lder:"), group);
    folderLabel->setBuddy(partnerFolder_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(add);
    buttons->addWidget(rename);
    buttons->addWidget(remove);
    auto* grid = new QGridLayout(group);
    grid->addWidget(partners_, 0, 0, 1, 3);
    grid->addWidget(nameLabel, 1, 0);
    grid->addWidget(partnerName_, 1, 1, 1, 2);
    grid->addWidget(folderLabel, 2, 0);
    grid->addWidget(partnerFolder_, 2, 1);
    grid->addWidget(browse, 2, 2);
    grid->addLayout(buttons, 3, 0, 1, 3);
    return group;
}

QString HandheldFoldersDialog::effectivePalmFolder() const {
    const QString typed = palmFolder_->text().trimmed();
    if (!typed.isEmpty()) return typed;
    return ui::fromRecordPath(core::PalmDesktop::defaultFolder(ui::toRecordPath(homeFolder())));
}

void HandheldFoldersDialog::showPalmUsers() {
    palmUsers_->clear();
    const QString folder = effectivePalmFolder();
    const std::optional<core::PalmDesktop> desktop =
        core::PalmDesktop::find(ui::toRecordPath(palmFolder_->text().trimmed()), ui::toRecordPath(homeFolder()));
    if (!desktop) {
        palmUsersLabel_->setText(QStringLiteral("No Palm desktop folder at %1 yet; adding a user makes it.")
                                     .arg(QDir::toNativeSeparators(folder)));
        return;
    }
    palmUsersLabel_->setText(QStringLiteral("Palm users in %1:").arg(QDir::toNativeSeparators(folder)));
    for (const std::string& user : desktop->users()) palmUsers_->addItem(ui::fromRecordPath(user));
}

void HandheldFoldersDialog::showPartners(int selectRow) {
    partners_->clear();
    for (const core::DevicePartner& partner : edited_.partners)
        new QTreeWidgetItem(partners_,
                            {QString::fromStdString(partner.name), QDir::toNativeSeparators(ui::fromRecordPath(partner.folder))});
    if (selectRow >= 0 && selectRow < partners_->topLevelItemCount())
        partners_->setCurrentItem(partners_->topLevelItem(selectRow));
}

bool HandheldFoldersDialog::acceptable(const std::string& problem) {
    if (problem.empty()) return true;
    ui::showWarning(this, QString::fromStdString(problem), kCaption);
    return false;
}

void HandheldFoldersDialog::choosePalmFolder() {
    const std::optional<QString> folder =
        ui::getFolder(this, QStringLiteral("Palm Desktop Folder"), effectivePalmFolder());
    if (!folder) return;
    palmFolder_->setText(QDir::cleanPath(*folder));
    showPalmUsers();
}

void HandheldFoldersDialog::addPalmUser() {
    const QString typed = palmFolder_->text().trimmed();
    // A folder typed must be there; only the default one is made for a
    // first user.
    if (!acceptable(core::HandheldFolders::palmFolderProblem(ui::toRecordPath(typed)))) return;
    const core::PalmDesktop desktop(ui::toRecordPath(effectivePalmFolder()));
    const core::HandheldOutcome added = desktop.addUser(ui::toRecordPath(newUser_->text()));
    if (!added) {
        showHandheldMessage(this, added.message);
        return;
    }
    newUser_->clear();
    showPalmUsers();
}

void HandheldFoldersDialog::choosePartnerFolder() {
    const QString start = partnerFolder_->text().isEmpty() ? homeFolder() : partnerFolder_->text();
    const std::optional<QString> folder = ui::getFolder(this, QStringLiteral("Synchronised Folder"), start);
    if (folder) partnerFolder_->setText(QDir::cleanPath(*folder));
}

void HandheldFoldersDialog::addPartner() {
    if (!acceptable(edited_.addPartner(partnerName_->text().toStdString(), ui::toRecordPath(partnerFolder_->text()))))
        return;
    showPartners(static_cast<int>(edited_.partners.size()) - 1);
}

void HandheldFoldersDialog::renamePartner() {
    const int row = partners_->currentItem() ? partners_->indexOfTopLevelItem(partners_->currentItem()) : -1;
    if (!acceptable(edited_.renamePartner(row, partnerName_->text().toStdString()))) return;
    showPartners(row);
}

void HandheldFoldersDialog::removePartner() {
    const int row = partners_->currentItem() ? partners_->indexOfTopLevelItem(partners_->currentItem()) : -1;
    if (!acceptable(edited_.removePartner(row))) return;
    partnerName_->clear();
    partnerFolder_->clear();
    showPartners(std::min(row, static_cast<int>(edited_.partners.size()) - 1));
}

void HandheldFoldersDialog::partnerChosen() {
    QTreeWidgetItem* item = partners_->currentItem();
    const int row = item ? partners_->indexOfTopLevelItem(item) : -1;
    if (row < 0 || static_cast<std::size_t>(row) >= edited_.partners.size()) return;
    const core::DevicePartner& partner = edited_.partners[static_cast<std::size_t>(row)];
    partnerName_->setText(QString::fromStdString(partner.name));
    partnerFolder_->setText(ui::fromRecordPath(partner.folder));
}

void HandheldFoldersDialog::accept() {
    const std::string folder = ui::toRecordPath(palmFolder_->text().trimmed());
    if (!acceptable(core::HandheldFolders::palmFolderProblem(folder))) return;
    edited_.palmDesktopFolder = folder;
    // Kept in the program only once its file is written, so the two agree.
    const core::HandheldFolders before = handheldFolders();
    handheldFolders() = edited_;
    if (!saveHandheldFolders(this)) {
        handheldFolders() = before;
        return;
    }
    closeWith(1);
}

void handheldFoldersCommand(QWidget* owner) {
    HandheldFoldersDialog dialog(owner);
    dialog.run();
}

}  // namespace courtlog::gui::handheld
