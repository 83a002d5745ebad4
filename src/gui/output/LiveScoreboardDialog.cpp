#include "gui/output/LiveScoreboardDialog.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/ui/AppState.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/GameConsoleLink.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/RecordPaths.h"

namespace courtlog::gui::output {

LiveScoreboardDialog::LiveScoreboardDialog(QWidget* parent, Settings& settings)
    : CourtlogDialog(parent), settings_(settings) {
    setObjectName(QStringLiteral("liveScoreboardDialog"));
    setWindowTitle(QStringLiteral("Live Scoreboard"));
    setHelpTopic(QStringLiteral("options.html#live-scoreboard"));

    feedOn_ = new QCheckBox(QStringLiteral("&Write the scoreboard feed while a game is scored"), this);
    feedOn_->setObjectName(QStringLiteral("feedOnCheck"));
    feedOn_->setChecked(settings.scoreboardFeedOn);
    folder_ = new QLineEdit(ui::fromRecordPath(settings.scoreboardFeedFolder), this);
    folder_->setObjectName(QStringLiteral("feedFolderEdit"));
    folder_->setPlaceholderText(QStringLiteral("beside the game file"));
    folder_->setToolTip(QStringLiteral("scoreboard.json, scoreboard.txt, scoreboard.html and "
                                       "scoreboard-screen.html are replaced here after every change at the "
                                       "game console."));
    auto* folderLabel = new QLabel(QStringLiteral("&Folder:"), this);
    folderLabel->setBuddy(folder_);
    QPushButton* browseButton =
        addClickButton(QStringLiteral("&Browse..."), QStringLiteral("browseButton"), [this] { browse(); });


    auto* grid = new QGridLayout;
    grid->addWidget(feedOn_, 0, 0, 1, 3);
    grid->addWidget(folderLabel, 1, 0);
    grid->addWidget(folder_, 1, 1);
    grid->addWidget(browseButton, 1, 2);
    grid->setColumnStretch(1, 1);
    auto* note = new QLabel(QStringLiteral("A streaming tool shows the overlay scoreboard.html straight from the "
                                           "folder; a browser in full screen on the gym screen shows "
                                           "scoreboard-screen.html."),
                            this);
    note->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(note);
    layout->addSpacing(8);
    layout->addLayout(okCancelRow([this] { store(); }));
    setMinimumWidth(480);
}

void LiveScoreboardDialog::browse() {
    const QString start = folder_->text().trimmed().isEmpty() ? QDir::currentPath() : folder_->text().trimmed();
    if (const auto chosen = ui::getFolder(this, QStringLiteral("Scoreboard Folder"), start))
        folder_->setText(QDir::toNativeSeparators(*chosen));
}

void LiveScoreboardDialog::store() {
    settings_.scoreboardFeedOn = feedOn_->isChecked();
    const QString folder = folder_->text().trimmed();
    settings_.scoreboardFeedFolder = folder.isEmpty() ? std::string() : ui::toRecordPath(folder);
}

void liveScoreboardCommand(QWidget* owner) {
    LiveScoreboardDialog dialog(owner, ui::programSettings());
    if (dialog.run() != 1) return;
    if (ui::GameConsoleLink* console = ui::appState().console) console->applyScoreboardSettings();
}

}  // namespace courtlog::gui::output
