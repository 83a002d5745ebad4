#include <gtest/gtest.h>

#include <QApplication>

#include "gui/ui/MessageBox.h"
#include "gui/ui/Sound.h"

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
    return RUN_ALL_TESTS();
}
