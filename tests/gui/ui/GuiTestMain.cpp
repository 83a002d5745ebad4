#include <gtest/gtest.h>

#include <QApplication>

#include "gui/ui/MessageBox.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/Sound.h"

namespace {

// File dialogs open where a file of their kind was last chosen; each test
// starts with none remembered, whatever the tests before it chose.
class ForgetRememberedFolders : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        courtlog::gui::ui::programSettings().lastFolders = {};
    }
};

}  // namespace

// Widget tests run on the offscreen platform; message boxes are answered by
// the test hooks instead of waiting for a person.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                     : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    courtlog::gui::ui::testing::setAutoAnswer(true);
    courtlog::gui::ui::testing::setMessageRecording(true);
    courtlog::gui::ui::testing::setSoundRecording(true);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ForgetRememberedFolders);
    return RUN_ALL_TESTS();
}
