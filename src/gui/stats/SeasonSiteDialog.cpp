#include "gui/stats/SeasonSiteDialog.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include "core/output/HtmlPage.h"
#include "core/output/HtmlStyle.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/RecordPaths.h"

namespace courtlog::gui::stats {

namespace {

const QString kCaption = QStringLiteral("Season Web Site");

std::function<void(const QUrl&)>& browserOpener() {
    static std::function<void(const QUrl&)> opener;
    return opener;
}

void openInBrowser(const QUrl& address) {
    if (browserOpener()) {
        browserOpener()(address);
    } else {
        QDesktopServices::openUrl(address);
    }
}

// What was typed the last time, for the next site of the session.
QString& lastTitle() {
    static QString title = QString::fromLatin1(site::SiteRequest::kDefaultTitle);
    return title;
}
QString& lastFolder() {
    static QString folder;
    return folder;
}

QString warningsText(const std::vector<std::string>& warnings) {
    QString text;
    for (const std::string& warning : warnings) text += QStringLiteral("\n") + QString::fromStdString(warning);
    return text;
}

}  // namespace

SeasonSiteDialog::SeasonSiteDialog(QWidget* parent, std::vector<std::string> games)
    : CourtlogDialog(parent), games_(std::move(games)) {
    setObjectName(QStringLiteral("seasonSiteDialog"));
    setWindowTitle(kCaption);
    setHelpTopic(QStringLiteral("season-site.html"));

    auto* gamesLabel = new QLabel(
        games_.size() == 1 ? QStringLiteral("1 game chosen.") : QStringLiteral("%1 games chosen.").arg(games_.size()),
        this);
    gamesLabel->setObjectName(QStringLiteral("gamesChosenLabel"));

    title_ = new QLineEdit(lastTitle(), this);
    title_->setObjectName(QStringLiteral("titleEdit"));
    folder_ = new QLineEdit(lastFolder(), this);
    folder_->setObjectName(QStringLiteral("folderEdit"));
    folder_->setPlaceholderText(QStringLiteral("a new or empty folder, or a site built before"));
    schedule_ = new QLineEdit(this);
    schedule_->setObjectName(QStringLiteral("scheduleEdit"));
    schedule_->setPlaceholderText(QStringLiteral("none: no upcoming events"));

    auto* titleLabel = new QLabel(QStringLiteral("&Title:"), this);
    titleLabel->setBuddy(title_);
    auto* folderLabel = new QLabel(QStringLiteral("&Folder:"), this);
    folderLabel->setBuddy(folder_);
    auto* scheduleLabel = new QLabel(QStringLiteral("&Schedule:"), this);
    scheduleLabel->setBuddy(schedule_);
    QPushButton* browseFolderButton = addClickButton(QStringLiteral("B&rowse..."),
                                                     QStringLiteral("browseFolderButton"), [this] { browseFolder(); });
    QPushButton* browseScheduleButton = addClickButton(
        QStringLiteral("Br&owse..."), QStringLiteral("browseScheduleButton"), [this] { browseSchedule(); });

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progressBar"));
    progress_->setRange(0, static_cast<int>(games_.size()) + 1);
    progress_->setValue(0);
    progress_->setFormat(QStringLiteral("%v of %m"));
    progress_->setVisible(false);

    auto* grid = new QGridLayout;
    grid->addWidget(gamesLabel, 0, 0, 1, 3);
    grid->addWidget(titleLabel, 1, 0);
    grid->addWidget(title_, 1, 1, 1, 2);
    grid->addWidget(folderLabel, 2, 0);
    grid->addWidget(folder_, 2, 1);
    grid->addWidget(browseFolderButton, 2, 2);
    grid->addWidget(scheduleLabel, 3, 0);
    grid->addWidget(schedule_, 3, 1);
    grid->addWidget(browseScheduleButton, 3, 2);
    grid->setColumnStretch(1, 1);

    auto* note = new QLabel(QStringLiteral("Every page is built anew: the folder takes the whole site, with the "
                                           "standings, the results, the leaders and a page for each game and team."),
                            this);
    note->setWordWrap(true);

    build_ = addClickButton(QStringLiteral("&Build"), QStringLiteral("buildButton"), [this] { startBuild(); });
    build_->setDefault(true);
    QPushButton* cancel = addClickButton(QStringLiteral("&Cancel"), QStringLiteral("cancelButton"), [this] { reject(); });

    fields_ = {title_, folder_, schedule_, browseFolderButton, browseScheduleButton, build_};

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(note);
    layout->addWidget(progress_);
    layout->addStretch(1);
    layout->addLayout(buttonRow({build_, cancel}));
    setMinimumWidth(520);
}

SeasonSiteDialog::~SeasonSiteDialog() {
    // A build still running is stopped before the dialog it reports to goes.
    if (worker_) {
        stop_ = true;
        worker_->wait();
    }
}

void SeasonSiteDialog::browseFolder() {
    const QString start = folder_->text().trimmed().isEmpty() ? QDir::currentPath() : folder_->text().trimmed();
    if (const auto chosen = ui::getFolder(this, QStringLiteral("Folder of the Web Site"), start))
        folder_->setText(QDir::toNativeSeparators(*chosen));
}

void SeasonSiteDialog::browseSchedule() {
    ui::FileDialogOptions options;
    options.title = QStringLiteral("Schedule of the Upcoming Events");
    options.filters = QStringLiteral("Schedule Files (*.sch)|*.sch|");
    options.defaultExtension = QStringLiteral("sch");
    if (const auto choice = ui::getOpenFile(this, options)) schedule_->setText(choice->path);
}

void SeasonSiteDialog::setEditing(bool editing) {
    for (QWidget* field : fields_) field->setEnabled(editing);
    progress_->setVisible(!editing);
}

void SeasonSiteDialog::startBuild() {
    if (worker_) return;
    const QString folder = folder_->text().trimmed();
    if (folder.isEmpty()) {
        ui::showWarning(this, QStringLiteral("Choose a folder for the site."), QStringLiteral("No Folder Selected"));
        return;
    }
    request_ = site::SiteRequest{};
    const QString schedulePath = schedule_->text().trimmed();
    if (!schedulePath.isEmpty()) {
        const Schedule::LoadResult loaded = loadedSchedule_.load(ui::toRecordPath(schedulePath));
        if (!loaded.ok()) {
            ui::showMessage(this, QStringLiteral("Can't load schedule !\n") + QString::fromStdString(loaded.error),
                            QStringLiteral("File corrupt ?"), ui::MessageButtons::Ok, ui::MessageIcon::Exclamation);
            return;
        }
        request_.schedule = &loadedSchedule_;
    }
    lastTitle() = title_->text();
    lastFolder() = folder;
    request_.folder = ui::toRecordPath(folder);
    request_.title = title_->text().trimmed().toStdString();
    request_.games = games_;
    request_.style = courtlog::output::HtmlStyle::fromSettings(ui::programSettings());
    request_.now = courtlog::output::localTimeNow();

    stop_ = false;
    progress_->setValue(0);
    setEditing(false);
    site::SiteProgress progress;
    progress.step = [this](std::size_t done, std::size_t total) {
        QMetaObject::invokeMethod(this, [this, done, total] { showProgress(done, total); }, Qt::QueuedConnection);
    };
    progress.stopRequested = [this] { return stop_.load(); };
    worker_ = QThread::create([this, progress] { outcome_ = site::buildSite(request_, progress); });
    connect(worker_, &QThread::finished, this, [this] { finishBuild(); });
    worker_->start();
}

void SeasonSiteDialog::showProgress(std::size_t done, std::size_t total) {
    progress_->setMaximum(static_cast<int>(total));
    progress_->setValue(static_cast<int>(done));
}

void SeasonSiteDialog::finishBuild() {
    worker_->wait();
    worker_->deleteLater();
    worker_ = nullptr;
    setEditing(true);
    const site::SiteOutcome outcome = outcome_;
    emit buildEnded();
    switch (outcome.result) {
    case site::SiteOutcome::Result::Stopped:
        closeWith(2);
        return;
    case site::SiteOutcome::Result::Failed:
        ui::showMessage(this, QString::fromStdString(outcome.message) + warningsText(outcome.warnings), kCaption,
                        ui::MessageButtons::Ok, ui::MessageIcon::Exclamation, true);
        return;
    case site::SiteOutcome::Result::Built: break;
    }
    const QString index = ui::fromRecordPath(outcome.index);
    QString text = QStringLiteral("The site is built: %1 pages in %2.").arg(outcome.pages).arg(QFileInfo(index).path());
    if (!outcome.warnings.empty()) text += QStringLiteral("\n") + warningsText(outcome.warnings);
    text += QStringLiteral("\n\nOpen it in the browser?");
    if (ui::showMessage(this, text, kCaption, ui::MessageButtons::YesNo, ui::MessageIcon::Question) == ui::ResultYes)
        openInBrowser(QUrl::fromLocalFile(index));
    closeWith(1);
}

void SeasonSiteDialog::reject() {
    // Cancel while building stops the build; the dialog closes when it has.
    if (worker_) {
        stop_ = true;
        return;
    }
    CourtlogDialog::reject();
}

namespace testing {

void setBrowserOpener(std::function<void(const QUrl&)> opener) { browserOpener() = std::move(opener); }

}  // namespace testing

}  // namespace courtlog::gui::stats
