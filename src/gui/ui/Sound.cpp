#include "gui/ui/Sound.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QFile>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>
#include <map>

#include "gui/ui/ProgramResources.h"
#include "gui/ui/ProgramSettings.h"

namespace courtlog::gui::ui {

namespace {

std::vector<int>& played() {
    static std::vector<int> ids;
    return ids;
}

bool& recordingSounds() {
    static bool on = false;
    return on;
}

QString soundPath(int id) { return QStringLiteral(":/sounds/%1.wav").arg(id); }

// One effect per sound, made on first use and owned by the application so
// it goes away with it. The wave data is decoded once.
QSoundEffect* effectFor(int id) {
    static std::map<int, QPointer<QSoundEffect>> effects;
    QPointer<QSoundEffect>& effect = effects[id];
    if (!effect) {
        effect = new QSoundEffect(QCoreApplication::instance());
        effect->setSource(QUrl(QStringLiteral("qrc") + soundPath(id)));
    }
    return effect;
}

QPointer<QSoundEffect>& playing() {
    static QPointer<QSoundEffect> current;
    return current;
}

}  // namespace

void playSoundEffect(int id) {
    if (!programSettings().soundOn) return;
    ensureProgramResources();
    if (!QFile::exists(soundPath(id))) return;
    if (recordingSounds()) played().push_back(id);

    // Without an application or an audio output (a server without sound) the
    // effect stays silent rather than waiting on a device that is not there.
    if (!QCoreApplication::instance() || QMediaDevices::audioOutputs().isEmpty()) return;
    if (QSoundEffect* previous = playing(); previous && previous->isPlaying()) previous->stop();
    QSoundEffect* effect = effectFor(id);
    playing() = effect;
    effect->play();
}

namespace testing {

const std::vector<int>& playedSounds() { return played(); }

void setSoundRecording(bool on) { recordingSounds() = on; }

void clearPlayedSounds() { played().clear(); }

}  // namespace testing

}  // namespace courtlog::gui::ui
