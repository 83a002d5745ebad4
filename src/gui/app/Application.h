#pragma once

#include <QRect>
#include <QString>
#include <memory>

class QApplication;

namespace courtlog::gui::app {

class MainWindow;

// What start-up takes from its surroundings; empty values mean the real ones.
struct StartupOptions {
    QString startDirectory;  // the current directory
    QRect desktop;           // the primary screen's available area
    QString fileToOpen{};    // a file named on the command line, opened once the window shows
};

// The application object: creates the main window and runs the program.
class Application {
public:
    Application(int& argc, char** argv);
    ~Application();

    // Shows the main window, opens the file named on the command line (if
    // any) and runs until the window closes; the exit code.
    int run();

    // The main-window step of start-up: program defaults, the settings file
    // (the start directory's, else the user's), placement, the start-up sound, the menu and the
    // wallpaper. Needs a running QApplication.
    static std::unique_ptr<MainWindow> initMainWindow(const StartupOptions& options = {});

    // The 640 x 480 rectangle centred on desktop.
    static QRect defaultRect(const QRect& desktop);
    // Whether rect lies wholly inside desktop (edges may touch).
    static bool liesWithin(const QRect& rect, const QRect& desktop);

private:
    std::unique_ptr<QApplication> application_;
};

}  // namespace courtlog::gui::app
