#pragma once

#include <vector>

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

namespace testing {
// Ids of every sound that played (sound effects on), in order, while
// recording is on (off in the program, so a long game does not pile them up).
void setSoundRecording(bool on);
const std::vector<int>& playedSounds();
void clearPlayedSounds();
}  // namespace testing

}  // namespace courtlog::gui::ui
