#pragma once

#include "core/handheld/HandheldFolders.h"
#include "gui/ui/CourtlogDialog.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QTreeWidget;

namespace courtlog::gui::handheld {

// "Handheld Folders": the Palm desktop folder with its users (a user can be
// added, which makes its folder at once) and the devices kept in step with
// folders of this computer (added, renamed, removed). The folder and the
// devices are edited on a copy; OK keeps them in the program and in their
// file, Cancel forgets them.
class HandheldFoldersDialog : public ui::CourtlogDialog {
    Q_OBJECT
public:
    explicit HandheldFoldersDialog(QWidget* parent);

    // The values as the dialog holds them now.
    const ::courtlog::handheld::HandheldFolders& edited() const { return edited_; }

private:
    QWidget* makePalmGroup();
    QWidget* makeDeviceGroup();
    // The Palm folder in the field, or the default one when it is empty.
    QString effectivePalmFolder() const;
    void showPalmUsers();
    void showPartners(int selectRow);
    void choosePalmFolder();
    void addPalmUser();
    void choosePartnerFolder();
    void addPartner();
    void renamePartner();
    void removePartner();
    void partnerChosen();
    void accept() override;
    // Shows a refusal; false when there was one.
    bool acceptable(const std::string& problem);

    ::courtlog::handheld::HandheldFolders edited_;
    QLineEdit* palmFolder_ = nullptr;
    QLabel* palmUsersLabel_ = nullptr;
    QListWidget* palmUsers_ = nullptr;
    QLineEdit* newUser_ = nullptr;
    QTreeWidget* partners_ = nullptr;
    QLineEdit* partnerName_ = nullptr;
    QLineEdit* partnerFolder_ = nullptr;
};

// Options > Handheld Folders
void handheldFoldersCommand(QWidget* owner);

}  // namespace courtlog::gui::handheld
