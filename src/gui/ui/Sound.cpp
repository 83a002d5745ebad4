#include "gui/ui/Sound.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QLibrary>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "gui/ui/ProgramResources.h"
#include "gui/ui/ProgramSettings.h"

namespace courtlog::gui::ui {

namespace {

std::vector<int>& played() {
    static std::vector<int> ids;
    return ids;
}

std::vector<int>& started() {
    static std::vector<int> ids;
    return ids;
}

bool& recordingSounds() {
    static bool on = false;
    return on;
}

QString soundPath(int id) { return QStringLiteral(":/sounds/%1.wav").arg(id); }

// The playback module beside the program, loaded at the first sound: the
// audio system is a good part of what a Qt program loads, and no window
// needs it to show. Without the module the program is silent.
using PlayWave = void (*)(const char* resource);

PlayWave wavePlayback() {
    static bool tried = false;
    static PlayWave play = nullptr;
    if (!tried && QCoreApplication::instance()) {
        tried = true;
        QLibrary module(QCoreApplication::applicationDirPath() + QStringLiteral("/courtlog-sound"));
        play = reinterpret_cast<PlayWave>(module.resolve("courtlogPlayWave"));
    }
    return play;
}

void startPlayback(int id) {
    if (recordingSounds()) started().push_back(id);
    if (PlayWave play = wavePlayback()) play(soundPath(id).toUtf8().constData());
}

// Whether id is to be heard now: sound effects on and the sound there.
bool soundWanted(int id) {
    if (!programSettings().soundOn) return false;
    ensureProgramResources();
    if (!QFile::exists(soundPath(id))) return false;
    if (recordingSounds()) played().push_back(id);
    return true;
}

// Starts a sound once its window has been drawn for the first time.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget& window, int id) : QObject(&window), id_(id) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            const int id = id_;
            QTimer::singleShot(0, [id] { startPlayback(id); });
            deleteLater();
        }
        return false;
    }

private:
    int id_;
};

}  // namespace

void playSoundEffect(int id) {
    if (soundWanted(id)) startPlayback(id);
}

void playSoundEffectWhenShown(QWidget& window, int id) {
    if (soundWanted(id)) new AfterFirstPaint(window, id);
}

namespace testing {

const std::vector<int>& playedSounds() { return played(); }
const std::vector<int>& startedSounds() { return started(); }

void setSoundRecording(bool on) { recordingSounds() = on; }

void clearPlayedSounds() {
    played().clear();
    started().clear();
}

}  // namespace testing

}  // namespace courtlog::gui::ui
