#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QSoundEffect>
#include <QTest>

#include "gui/ui/ProgramResources.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/Sound.h"

using namespace courtlog::gui::ui;
namespace hooks = courtlog::gui::ui::testing;

namespace {
struct SoundSetting {
    bool saved = programSettings().soundOn;
    ~SoundSetting() { programSettings().soundOn = saved; }
};
}  // namespace

TEST(SoundEffects, SilentWhenSoundIsOff) {
    SoundSetting restore;
    programSettings().soundOn = false;
    hooks::clearPlayedSounds();
    for (int id = SoundClick; id <= SoundMissedShot; ++id) playSoundEffect(id);
    EXPECT_TRUE(hooks::playedSounds().empty());
}

TEST(SoundEffects, EverySoundPlaysWhenOnAndMissingOnesAreSilent) {
    SoundSetting restore;
    programSettings().soundOn = true;
    hooks::clearPlayedSounds();
    std::vector<int> expected;
    for (int id = SoundClick; id <= SoundMissedShot; ++id) {
        playSoundEffect(id);
        expected.push_back(id);
    }
    playSoundEffect(600);
    playSoundEffect(608);
    // Playing does not wait for the sound to end; events may run meanwhile.
    QCoreApplication::processEvents();
    EXPECT_EQ(hooks::playedSounds(), expected);
}

// Each effect is a small wave the sound player can decode, with or without
// an audio device.
TEST(SoundEffects, EveryEffectIsASmallReadableWave) {
    ensureProgramResources();
    for (int id = SoundClick; id <= SoundMissedShot; ++id) {
        const QString path = QStringLiteral(":/sounds/%1.wav").arg(id);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << id;
        EXPECT_TRUE(file.read(4) == "RIFF") << id;
        EXPECT_LT(file.size(), 20 * 1024) << id;

        QSoundEffect effect;
        effect.setSource(QUrl(QStringLiteral("qrc") + path));
        const bool settled = QTest::qWaitFor([&] {
            return effect.status() != QSoundEffect::Loading && effect.status() != QSoundEffect::Null;
        });
        EXPECT_TRUE(settled) << id;
        EXPECT_EQ(effect.status(), QSoundEffect::Ready) << id;
    }
}
