#include "gui/app/Application.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QScreen>
#include <QTimer>
#include <cstdlib>

#include "core/ProgramInfo.h"
#include "core/records/BackgroundSave.h"
#include "gui/ui/AppState.h"
#include "gui/ui/DeferredIconStyle.h"
#include "gui/app/MainWindow.h"
#include "gui/app/TerminationSignals.h"
#include "gui/handheld/HandheldSetup.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/RecordPaths.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/Sound.h"

namespace courtlog::gui::app {

namespace {

constexpr int kDefaultWidth = 640;
constexpr int kDefaultHeight = 480;

WindowRect toWindowRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

QRect toQRect(const WindowRect& rect) {
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

QRect primaryDesktop() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) return screen->availableGeometry();
    return QRect(0, 0, 1024, 768);
}

void resetProgramState(const QString& startDirectory) {
    ui::AppState& state = ui::appState();
    state.gameInProgress = false;
    state.currentGame = nullptr;
    state.console = nullptr;
    state.autoSave = true;
    state.statsViewerOpen = false;
    state.shotViewerOpen = false;
    state.boxScoreViewerOpen = false;
    state.lastGameInHalves = false;
    state.startDirectory = startDirectory;
    state.settingsFailureShown = false;
}

// For the start-up benchmark (bench/startup.sh): with
// COURTLOG_EXIT_ON_FIRST_PAINT set the program ends at its first paint, the
// moment the main window is mapped and drawn.
class ExitOnFirstPaint : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) std::_Exit(0);
        return false;
    }
};

}  // namespace

Application::Application(int& argc, char** argv) : application_(std::make_unique<QApplication>(argc, argv)) {
    // The style's icons are read when first drawn, not while the main window
    // is built (reading them would load every image format plugin).
    QApplication::setStyle(new ui::DeferredIconStyle);
    QApplication::setApplicationName(ui::kApplicationName);
    QApplication::setApplicationVersion(QString::fromLatin1(kProgramVersion));
}

Application::~Application() = default;

int Application::run() {
    ExitOnFirstPaint probe;
    if (qEnvironmentVariableIsSet("COURTLOG_EXIT_ON_FIRST_PAINT")) application_->installEventFilter(&probe);
    StartupOptions options;
    // Qt has taken its own options out; what is left is the file, if any.
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() >= 2) options.fileToOpen = arguments.at(1);
    std::unique_ptr<MainWindow> window = initMainWindow(options);
    // Asked to end from outside, the program writes what it still has to
    // save and leaves as its windows close; the game being scored is on
    // disk after every change already.
    const TerminationSignals endWhenAsked([](int) {
        backgroundSaver().waitUntilIdle();
        QCoreApplication::exit(0);
    });
    window->show();
    return application_->exec();
}

QRect Application::defaultRect(const QRect& desktop) {
    return QRect(desktop.left() + (desktop.width() - kDefaultWidth) / 2,
                 desktop.top() + (desktop.height() - kDefaultHeight) / 2, kDefaultWidth, kDefaultHeight);
}

bool Application::liesWithin(const QRect& rect, const QRect& desktop) {
    // Right and bottom are compared as the first column and row past each
    // rectangle, as they are kept in the settings file.
    return rect.width() > 0 && rect.height() > 0 && rect.left() >= desktop.left() &&
           rect.top() >= desktop.top() && rect.left() + rect.width() <= desktop.left() + desktop.width() &&
           rect.top() + rect.height() <= desktop.top() + desktop.height();
}

std::unique_ptr<MainWindow> Application::initMainWindow(const StartupOptions& options) {
    auto window = std::make_unique<MainWindow>();

    const QString startDirectory =
        options.startDirectory.isEmpty() ? QDir::currentPath() : QDir(options.startDirectory).absolutePath();
    resetProgramState(startDirectory);

    const QRect desktop = options.desktop.isEmpty() ? primaryDesktop() : options.desktop;
    Settings& settings = ui::programSettings();
    settings.setDefaults();
    settings.windowRect = toWindowRect(defaultRect(desktop));

    ui::readProgramSettings();
    // The file is trusted, but a wallpaper mode it does not know would leave
    // the window without a picture and the menu without a check mark.
    if (settings.wallpaperLayout < 0 || settings.wallpaperLayout > 2) settings.wallpaperLayout = 0;
    // The handheld folders live in a file of their own beside the settings.
    handheld::loadHandheldFolders();

    // A rectangle from another, larger desktop would put the window out of
    // reach; the window system places it instead.
    const QRect rect = toQRect(settings.windowRect);
    if (liesWithin(rect, desktop))
        window->setGeometry(rect);
    else
        window->resize(kDefaultWidth, kDefaultHeight);
    window->setKeptRect(rect);

    ui::playSoundEffectWhenShown(*window, ui::SoundStartup);
    window->updateCommandStates();
    ui::appState().homeDirectory = QDir::currentPath();
    window->loadStartupWallpaper();
    if (!options.fileToOpen.isEmpty()) {
        // Relative to where the program was started, before any dialog
        // changes the current folder.
        const QString path = QDir(startDirectory).absoluteFilePath(options.fileToOpen);
        QTimer::singleShot(0, window.get(), [target = window.get(), path] { target->openFile(path); });
    }
    return window;
}

}  // namespace courtlog::gui::app
