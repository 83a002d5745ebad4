// The yardstick of the program's start-up (bench/startup.sh): a bare Qt
// Widgets window of the main window's size. With COURTLOG_EXIT_ON_FIRST_PAINT
// set it ends at its first paint, the moment the window is mapped and drawn,
// as the program does.
#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <cstdlib>

namespace {

class ExitOnFirstPaint : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) std::_Exit(0);
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ExitOnFirstPaint probe;
    if (qEnvironmentVariableIsSet("COURTLOG_EXIT_ON_FIRST_PAINT")) application.installEventFilter(&probe);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(640, 480);
    window.show();
    return application.exec();
}
