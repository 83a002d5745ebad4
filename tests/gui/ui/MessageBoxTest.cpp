#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QMessageBox>

#include "GuiTestSupport.h"

#include "gui/ui/MessageBox.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/Sound.h"

using namespace courtlog::gui::ui;
namespace hooks = courtlog::gui::ui::testing;

TEST(MessageBoxHooks, QueuedAnswersAreReturnedInOrderAndMessagesRecorded) {
    hooks::clearShownMessages();
    hooks::queueMessageAnswer(ResultNo);
    hooks::queueMessageAnswer(ResultCancel);
    EXPECT_EQ(showMessage(nullptr, "Save changes?", "Team", MessageButtons::YesNo, MessageIcon::Question),
              ResultNo);
    EXPECT_EQ(showMessage(nullptr, "Overwrite?", {}, MessageButtons::YesNoCancel), ResultCancel);

    const auto& shown = hooks::shownMessages();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, "Save changes?");
    EXPECT_EQ(shown[0].caption, "Team");
    EXPECT_EQ(shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(shown[0].buttons, MessageButtons::YesNo);
    // No caption of its own: the application's name.
    EXPECT_EQ(shown[1].caption, "Brenvik Basketball Courtlog");
}

TEST(MessageBoxHooks, AutoAnswerTakesTheFirstButton) {
    hooks::clearShownMessages();
    EXPECT_EQ(showMessage(nullptr, "Done"), ResultOk);
    EXPECT_EQ(showMessage(nullptr, "Go on?", {}, MessageButtons::OkCancel), ResultOk);
    EXPECT_EQ(showMessage(nullptr, "Append?", {}, MessageButtons::YesNoCancel), ResultYes);
    EXPECT_EQ(hooks::shownMessages().size(), 3u);
}

TEST(MessageBoxHooks, WarningPlaysSound606First) {
    programSettings().soundOn = true;
    hooks::clearPlayedSounds();
    hooks::clearShownMessages();
    showWarning(nullptr, "No Team Selected", "Error");
    EXPECT_EQ(hooks::playedSounds(), std::vector<int>{SoundWarning});
    ASSERT_EQ(hooks::shownMessages().size(), 1u);
    EXPECT_EQ(hooks::shownMessages()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(hooks::shownMessages()[0].caption, "Error");

    // A plain message makes no sound.
    hooks::clearPlayedSounds();
    showMessage(nullptr, "Saved");
    EXPECT_TRUE(hooks::playedSounds().empty());
}

TEST(MessageBoxHooks, NothingIsKeptUnlessATestRecords) {
    // The program itself never turns recording on: a whole game of
    // messages and sounds must not pile up in memory.
    programSettings().soundOn = true;
    hooks::clearPlayedSounds();
    hooks::clearShownMessages();
    hooks::setMessageRecording(false);
    hooks::setSoundRecording(false);
    showWarning(nullptr, "Not kept", "Error");
    playSoundEffect(SoundClick);
    const std::size_t messagesKept = hooks::shownMessages().size();
    const std::size_t soundsKept = hooks::playedSounds().size();
    hooks::setMessageRecording(true);
    hooks::setSoundRecording(true);
    EXPECT_EQ(messagesKept, 0u);
    EXPECT_EQ(soundsKept, 0u);

    showWarning(nullptr, "Kept", "Error");
    EXPECT_EQ(hooks::shownMessages().size(), 1u);
    EXPECT_EQ(hooks::playedSounds(), std::vector<int>{SoundWarning});
}

// A short text under a longer caption: the box is wide enough for the
// caption in a bold title font beside a title bar's icon and three buttons
// (over 100 pixels), so a window manager shows it whole, not "Fil...pt ?".
TEST(MessageBoxWidget, TheBoxIsWideEnoughForItsCaption) {
    hooks::setAutoAnswer(false);
    int width = 0;
    QString title;
    courtlog::testsupport::whenModal<QMessageBox>([&](QMessageBox* box) {
        title = box->windowTitle();
        width = box->width();
        box->accept();
    });
    showMessage(nullptr, "Can't load team !", "File corrupt or missing ?");
    hooks::setAutoAnswer(true);
    QFont bold = QApplication::font();
    bold.setBold(true);
    EXPECT_EQ(title, "File corrupt or missing ?");
    EXPECT_GE(width, QFontMetrics(bold).horizontalAdvance(title) + 100);
}
