#pragma once

#include <vector>

class QWidget;

namespace courtlog::gui::ui {

enum SoundEffect {
    SoundClick = 601,
    SoundSubstitution = 602,
    SoundKindChosen = 603,
    SoundGameStart = 604,
    SoundStartup = 605,
    SoundWarning = 606,
    SoundMissedShot = 607,
};

// Plays wave sound id (601..607) when sound effects are on; silent
// otherwise or when the sound does not exist. Playback does not block the
// window; a new sound stops the one still playing.
void playSoundEffect(int id);
// The same for a sound that goes with a window appearing (the start-up
// sound): it is heard once the window has been drawn, so loading the audio
// system does not hold the window up.
void playSoundEffectWhenShown(QWidget& window, int id);

namespace testing {
// Ids of every sound that played (sound effects on), in order, while
// recording is on (off in the program, so a long game does not pile them up).
void setSoundRecording(bool on);
const std::vector<int>& playedSounds();
// The sounds handed to the playback, in order (a sound that waits for its
// window joins when the window is drawn).
const std::vector<int>& startedSounds();
void clearPlayedSounds();
}  // namespace testing

}  // namespace courtlog::gui::ui
