#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "gui/ui/CornerBitmap.h"
#include "gui/ui/CourtlogDialog.h"
#include "gui/ui/Help.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/Sound.h"

using namespace courtlog::gui::ui;
namespace hooks = courtlog::gui::ui::testing;

namespace {

class SampleDialog : public CourtlogDialog {
public:
    SampleDialog() {
        okButton = addClickButton("&OK", "okButton", [this] {
            soundsWhenActing = hooks::playedSounds().size();
            closeWith(1);
        });
        startButton = addClickButton("St&art", "startButton", [this] { closeWith(1001); });
    }
    QPushButton* okButton;
    QPushButton* startButton;
    std::size_t soundsWhenActing = 0;
};

}  // namespace

TEST(CourtlogDialogBase, ButtonsClickBeforeActingAndRunReturnsTheResult) {
    programSettings().soundOn = true;
    hooks::clearPlayedSounds();
    SampleDialog dialog;
    QTimer::singleShot(0, [&] { QTest::mouseClick(dialog.okButton, Qt::LeftButton); });
    EXPECT_EQ(dialog.run(), 1);
    EXPECT_EQ(dialog.soundsWhenActing, 1u);
    EXPECT_EQ(hooks::playedSounds(), std::vector<int>{SoundClick});

    SampleDialog second;
    QTimer::singleShot(0, [&] { QTest::mouseClick(second.startButton, Qt::LeftButton); });
    EXPECT_EQ(second.run(), 1001);
}

TEST(CourtlogDialogBase, EscapeAnswersCancel) {
    SampleDialog dialog;
    QTimer::singleShot(0, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_EQ(dialog.run(), 2);
}

TEST(DecorativeBitmap, ShowsTheBallUnscaledAtTheTopLeft) {
    CornerBitmap control;
    EXPECT_EQ(control.sizeHint(), QSize(32, 32));
    control.resize(40, 40);
    const QImage shown = control.grab().toImage();
    const QImage ball = control.picture().image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(QColor(shown.pixel(16, 16)), QColor(ball.pixel(16, 16)));
    EXPECT_EQ(QColor(shown.pixel(0, 0)), QColor(ball.pixel(0, 0)));
}

TEST(DecorativeBitmap, MissingResourceSaysSoAndStaysEmpty) {
    hooks::clearShownMessages();
    CornerBitmap control(nullptr, 4242);
    EXPECT_TRUE(control.picture().isNull());
    ASSERT_EQ(hooks::shownMessages().size(), 1u);
    EXPECT_EQ(hooks::shownMessages()[0].text, "Cannot access bitmap resource");
    EXPECT_EQ(hooks::shownMessages()[0].caption, "Brenvik Basketball Courtlog");
}

TEST(HelpFile, OpensTheManualFromTheHelpFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("help"));
    QFile manual(dir.filePath("help/crhelp.html"));
    ASSERT_TRUE(manual.open(QIODevice::WriteOnly));
    manual.write("<html><body>Contents</body></html>");
    manual.close();

    hooks::setHelpFolders({dir.path()});
    hooks::recordHelpInstead(true);
    hooks::clearShownMessages();
    openHelpContents(nullptr);
    EXPECT_EQ(hooks::lastHelpUrl(), QUrl::fromLocalFile(QFileInfo(manual).absoluteFilePath()));
    EXPECT_TRUE(hooks::shownMessages().empty());
    hooks::setHelpFolders({});
}

TEST(HelpFile, WithoutAManualOnDiskTheBuiltInCopyOpens) {
    QTemporaryDir dir;
    hooks::setHelpFolders({dir.path()});
    hooks::recordHelpInstead(true);
    hooks::clearShownMessages();
    openHelpTopic(nullptr, QStringLiteral("roster-editor.html#keys"));
    EXPECT_EQ(hooks::lastHelpUrl(), QUrl(QStringLiteral("qrc:/help/roster-editor.html#keys")));
    EXPECT_TRUE(hooks::shownMessages().empty());

    // A program without even the built-in copy says so.
    hooks::ignoreBuiltInManual(true);
    openHelpContents(nullptr);
    hooks::ignoreBuiltInManual(false);
    EXPECT_TRUE(hooks::lastHelpUrl().isEmpty());
    ASSERT_EQ(hooks::shownMessages().size(), 1u);
    EXPECT_EQ(hooks::shownMessages()[0].text, "The help file crhelp.html cannot be found.");
    EXPECT_EQ(hooks::shownMessages()[0].caption, "Help");
    hooks::setHelpFolders({});
    hooks::recordHelpInstead(false);
}
