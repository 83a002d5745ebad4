// The sound playback module, loaded by the window program at its first
// sound (gui/ui/Sound.cpp): the audio system and its libraries stay out of
// the program's start-up.
#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QString>
#include <QUrl>
#include <map>

namespace {

// One effect per sound, made on first use and owned by the application so
// it goes away with it. The wave data is decoded once.
QSoundEffect* effectFor(const QString& resource) {
    static std::map<QString, QPointer<QSoundEffect>> effects;
    QPointer<QSoundEffect>& effect = effects[resource];
    if (!effect) {
        effect = new QSoundEffect(QCoreApplication::instance());
        effect->setSource(QUrl(QStringLiteral("qrc") + resource));
    }
    return effect;
}

QPointer<QSoundEffect>& playing() {
    static QPointer<QSoundEffect> current;
    return current;
}

}  // namespace

// Plays the wave at resource (":/sounds/601.wav") without waiting for it,
// stopping the one still playing. Without an application or an audio output
// (a server without sound) it stays silent rather than waiting on a device
// that is not there.
extern "C" Q_DECL_EXPORT void courtlogPlayWave(const char* resource) {
    if (!QCoreApplication::instance() || QMediaDevices::audioOutputs().isEmpty()) return;
    if (QSoundEffect* previous = playing(); previous && previous->isPlaying()) previous->stop();
    QSoundEffect* effect = effectFor(QString::fromUtf8(resource));
    playing() = effect;
    effect->play();
}
