#include "gui/app/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QMenuBar>
#include <QShortcut>
#include <QWindowStateChangeEvent>

#include "core/ProgramInfo.h"
#include "core/records/FileKind.h"
#include "gui/app/LeagueOptions.h"
#include "gui/app/WallpaperArea.h"
#include "gui/output/ScoreSheetCommands.h"
#include "gui/people/TeamCommands.h"
#include "gui/scoring/GameCommands.h"
#include "gui/scoring/ScheduleCommands.h"
#include "gui/ui/AppState.h"
#include "gui/ui/GameConsoleLink.h"
#include "gui/ui/PageCountDialog.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/Help.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/RecordPaths.h"
#include "gui/ui/ProgramResources.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/Sound.h"

namespace courtlog::gui::app {

namespace {

using ui::appState;
using ui::AppState;

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), menu_(menuBar()) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QString::fromLatin1(kShortTitle));
    area_ = new WallpaperArea(this);
    setCentralWidget(area_);

    for (int command : menu_.commands())
        connect(menu_.action(command), &QAction::triggered, this, [this, command] { runCommand(command); });
    // F1 opens the manual without showing a shortcut beside "&Contents".
    auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    helpKey->setObjectName(QStringLiteral("helpShortcut"));
    connect(helpKey, &QShortcut::activated, this, [this] { runCommand(CmHelpContents); });

    setAcceptDrops(true);
    appState().gameStateChanged = [this] { updateCommandStates(); };
    updateCommandStates();
}

MainWindow::~MainWindow() {
    appState().gameStateChanged = nullptr;
}

void MainWindow::updateCommandStates() { menu_.update(); }

void MainWindow::runCommand(int command) {
    // A disabled item can still reach here through its shortcut when the
    // menu was last evaluated in another state.
    updateCommandStates();
    if (QAction* action = menu_.action(command); action && !action->isEnabled()) return;

    const Settings before = ui::programSettings();
    if (const MenuItem* item = menu_.item(command); item && item->run) item->run(*this);
    // A setting a command changed (an options dialog, a toggle) is kept at
    // once: a crash later in the session does not forget it.
    if (ui::programSettings() != before) ui::saveProgramSettings(this);
    // Qt toggles a checkable item by itself; the state decides what it shows.
    updateCommandStates();
}

void MainWindow::toggleSoundEffects() {
    Settings& settings = ui::programSettings();
    settings.soundOn = !settings.soundOn;
    if (settings.soundOn) ui::playSoundEffect(ui::SoundClick);
}

void MainWindow::runLeagueOptions() {
    AppState& state = appState();
    LeagueOptions dialog(this, ui::programSettings().league,
                         state.gameInProgress ? state.currentGame : nullptr);
    dialog.run();
    if (state.gameInProgress && state.console) state.console->applyLeagueOptions();
}

void MainWindow::printBlankScoreSheets() {
    int pages = 1;
    bool halves = ui::programSettings().league.halves;
    ui::PageCountDialog dialog(this, pages, halves);
    if (dialog.run() == QDialog::Accepted) output::printBlankScoreSheets(this, pages, halves);
}

void MainWindow::addPlayer() {
    if (scoring::addPlayerCommand(this)) rosterChanged();
}

void MainWindow::modifyPlayer() {
    if (scoring::modifyPlayerCommand(this)) rosterChanged();
}

void MainWindow::rosterChanged() {
    if (ui::GameConsoleLink* console = appState().console) console->refreshPlayerLists();
}

bool MainWindow::loadWallpaper(const QString& path) {
    const ui::Picture picture = ui::Picture::loadFile(path);
    if (picture.isNull()) return false;
    area_->setPicture(picture.image());
    return true;
}

void MainWindow::loadStartupWallpaper() {
    Settings& settings = ui::programSettings();
    applyWallpaperLayout();
    if (loadWallpaper(ui::fromRecordPath(settings.wallpaperFile))) return;
    settings.wallpaperFile = "logo.bmp";
    if (loadWallpaper(QStringLiteral("logo.bmp"))) return;
    // The logo ships beside the program and inside it, whatever folder the
    // program was started from.
    const QDir programDir(QCoreApplication::applicationDirPath());
    if (loadWallpaper(programDir.filePath(QStringLiteral("logo.bmp")))) return;
    ui::ensureProgramResources();
    loadWallpaper(QStringLiteral(":/pictures/logo.bmp"));
}

void MainWindow::applyWallpaperLayout() {
    const int layout = ui::programSettings().wallpaperLayout;
    area_->setLayoutMode(pictureLayoutOf(layout));
}

void MainWindow::setWallpaperLayout(int layout) {
    ui::programSettings().wallpaperLayout = layout;
    applyWallpaperLayout();
}

void MainWindow::changeWallpaper() {
    ui::FileDialogOptions options;
    options.filters = QStringLiteral("Bitmap Files (*.bmp)|*.bmp|");
    options.defaultExtension = QStringLiteral("bmp");
    options.folder = FileFolder::Pictures;
    options.mustExist = true;
    const auto choice = ui::getOpenFile(this, options);
    if (!choice) return;
    // A file that is no bitmap keeps the picture that is shown, and the
    // setting stays with it so the next start shows the same.
    if (!loadWallpaper(choice->path)) {
        ui::showMessage(
            this, QStringLiteral("Can't load the picture %1 !").arg(QDir::toNativeSeparators(choice->path)),
            QStringLiteral("Wallpaper"), ui::MessageButtons::Ok, ui::MessageIcon::Exclamation, true);
        return;
    }
    ui::programSettings().wallpaperFile = ui::toRecordPath(choice->path);
    area_->update();
}

void MainWindow::openFile(const QString& path) {
    // The console is modal while a game is scored, so nothing reaches here
    // then; a second start-up file waits for none.
    if (appState().gameInProgress) return;
    switch (const FileKind kind = fileKindOf(ui::toRecordPath(path))) {
    case FileKind::Game: scoring::openGameFile(this, path); break;
    case FileKind::Team: people::openTeamFile(this, path, false); break;
    case FileKind::CommaDelimited:
    case FileKind::PlainText: people::openTeamFile(this, path, isTextRoster(kind)); break;
    case FileKind::Schedule: scoring::openScheduleFile(this, path); break;
    default:
        ui::showMessage(this,
                        QStringLiteral("Can't open %1 !\nThe program opens games (.gam), teams (.tem), schedules "
                                       "(.sch) and rosters (.csv, .txt).")
                            .arg(QDir::toNativeSeparators(path)),
                        QStringLiteral("Open File"), ui::MessageButtons::Ok, ui::MessageIcon::Exclamation);
        break;
    }
    updateCommandStates();
}

namespace {

// The first local file of a drag, or an empty text.
QString droppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile()) return url.toLocalFile();
    return {};
}

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!appState().gameInProgress && !droppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    // The dialogs it opens are modal: the file manager is let go first.
    QTimer::singleShot(0, this, [this, path] { openFile(path); });
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        const bool nowMaximized = windowState().testFlag(Qt::WindowMaximized);
        // The rectangle kept for the settings file is the last normal one.
        // Some window systems resize before they report the new state, so a
        // "normal" rectangle that equals the maximised one is not taken.
        const QRect normal = normalGeometry();
        if (nowMaximized && !maximized_ && normal.isValid() && normal != geometry()) keptRect_ = normal;
        maximized_ = nowMaximized;
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The game being scored is never left behind: the console stops it first.
    if (appState().gameInProgress) {
        event->ignore();
        ui::showMessage(this, QStringLiteral("Stop the game in the game console before leaving the program."),
                        {}, ui::MessageButtons::Ok, ui::MessageIcon::Exclamation, true);
        return;
    }
    writeSettingsAtExit();
    QMainWindow::closeEvent(event);
}

void MainWindow::writeSettingsAtExit() {
    if (settingsWritten_) return;
    settingsWritten_ = true;
    // The file dialogs may have left another folder current; the program
    // leaves from the folder it started in.
    QDir::setCurrent(appState().startDirectory);
    if (!maximized_) keptRect_ = geometry();
    Settings& settings = ui::programSettings();
    settings.windowRect = {keptRect_.left(), keptRect_.top(), keptRect_.left() + keptRect_.width(),
                           keptRect_.top() + keptRect_.height()};
    // A place that cannot be written is told now unless it was earlier in
    // the session; settings that commands changed were written then.
    ui::saveProgramSettings(this);
}

}  // namespace courtlog::gui::app
