#pragma once

#include <QString>
#include <QUrl>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/records/Schedule.h"
#include "core/site/SiteBuild.h"
#include "gui/ui/CourtlogDialog.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QThread;

namespace courtlog::gui::stats {

// "Season Web Site": the title, the folder and, if wanted, a schedule for a
// league's site over the games chosen before. "&Build" builds it on a
// thread of its own while a progress bar follows the games; "&Cancel"
// stops a build (the folder stays as it was) or closes the dialog. Once
// built, the dialog offers to open the site in the browser and closes
// with 1.
class SeasonSiteDialog : public ui::CourtlogDialog {
    Q_OBJECT
public:
    SeasonSiteDialog(QWidget* parent, std::vector<std::string> games);
    ~SeasonSiteDialog() override;

    bool building() const { return worker_ != nullptr; }

public slots:
    void reject() override;

signals:
    // After a build ended, however it ended.
    void buildEnded();

private:
    void browseFolder();
    void browseSchedule();
    void startBuild();
    void showProgress(std::size_t done, std::size_t total);
    void finishBuild();
    void setEditing(bool editing);

    std::vector<std::string> games_;
    QLineEdit* title_;
    QLineEdit* folder_;
    QLineEdit* schedule_;
    QProgressBar* progress_;
    QPushButton* build_;
    QList<QWidget*> fields_;

    QThread* worker_ = nullptr;
    std::atomic<bool> stop_{false};
    Schedule loadedSchedule_;
    site::SiteRequest request_;
    site::SiteOutcome outcome_;
};

namespace testing {
// What "open it in the browser" does; tests record the address instead of
// starting a browser. An empty function restores the desktop's.
void setBrowserOpener(std::function<void(const QUrl&)> opener);
}  // namespace testing

}  // namespace courtlog::gui::stats
