// Options > HTML Options as a user works it: Reset then Cancel keeps the
// stored style; changes confirmed with OK are stored and reach the file.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

#include "GuiTestSupport.h"
#include "core/output/HtmlStyle.h"
#include "gui/output/ColourSwatch.h"
#include "gui/output/HtmlOptionsDialog.h"
#include "gui/ui/ColourChooser.h"

namespace courtlog {
namespace {

using gui::output::ColourSwatch;
using gui::output::HtmlOptionsDialog;
using output::HtmlStyle;
using testsupport::click;
using testsupport::control;

QColor swatchOf(HtmlOptionsDialog* dialog) { return control<ColourSwatch>(dialog, "colourSwatch")->colour(); }

class HtmlOptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::freshHooks();
        saved = gui::ui::programSettings();
        Settings& settings = gui::ui::programSettings();
        settings.htmlColors = {0x000000FFu, 0x0000FF00u, 0x00FF0000u, 0x00010203u, 0x00040506u};
        settings.htmlFontFace = "Fixed Width";
        settings.htmlBodyFontSize = 3;
        settings.htmlHeaderFontSize = 4;
        settings.htmlFootLink.clear();
    }
    void TearDown() override { gui::ui::programSettings() = saved; }

    Settings saved;
};

TEST_F(HtmlOptionsTest, ResetThenCancelKeepsTheStyleAndOkStoresTheChanges) {
    const Settings before = gui::ui::programSettings();
    testsupport::whenModal<HtmlOptionsDialog>([](HtmlOptionsDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Select HTML Options"));
        auto* colours = control<QComboBox>(dialog, "colourList");
        ASSERT_EQ(colours->count(), 5);
        EXPECT_EQ(colours->itemText(0), QStringLiteral("Header Background Color"));
        EXPECT_EQ(colours->itemText(4), QStringLiteral("Header Font Color"));
        EXPECT_EQ(swatchOf(dialog), QColor(255, 0, 0));  // 0x000000FF: red in the low byte
        colours->setCurrentIndex(2);
        EXPECT_EQ(swatchOf(dialog), QColor(0, 0, 255));
        click(dialog, "resetColoursButton");
        EXPECT_EQ(swatchOf(dialog), QColor(0xEE, 0xEE, 0xEE));
        click(dialog, "cancelButton");
    });
    gui::output::htmlOptionsCommand(nullptr);
    EXPECT_EQ(gui::ui::programSettings(), before);

    testsupport::whenModal<HtmlOptionsDialog>([](HtmlOptionsDialog* dialog) {
        auto* faces = control<QComboBox>(dialog, "fontFaceList");
        EXPECT_EQ(faces->currentText(), QStringLiteral("Fixed Width"));
        EXPECT_EQ(faces->itemText(0), QStringLiteral("Variable Width"));
        EXPECT_EQ(faces->itemText(1), QStringLiteral("Fixed Width"));
        EXPECT_GT(faces->findText(QStringLiteral("Liberation Sans")), 1) << "installed faces follow";
        faces->setCurrentIndex(faces->findText(QStringLiteral("Liberation Sans")));
        EXPECT_EQ(control<QSpinBox>(dialog, "headerSizeBox")->value(), 4);
        EXPECT_EQ(control<QSpinBox>(dialog, "fontSizeBox")->maximum(), 20);
        control<QSpinBox>(dialog, "fontSizeBox")->setValue(5);

        control<QComboBox>(dialog, "colourList")->setCurrentIndex(3);
        gui::ui::testing::queueColourAnswer(QColor(0x12, 0x34, 0x56));
        click(dialog, "changeColourButton");
        EXPECT_EQ(gui::ui::testing::lastColourChooserStart(), QColor(3, 2, 1));
        EXPECT_EQ(swatchOf(dialog), QColor(0x12, 0x34, 0x56));
        gui::ui::testing::queueColourAnswer(std::nullopt);  // a cancelled chooser changes nothing
        click(dialog, "changeColourButton");
        EXPECT_EQ(swatchOf(dialog), QColor(0x12, 0x34, 0x56));

        testsupport::typeInto(dialog, "footLinkEdit", QStringLiteral("https://example.org/eagles"));
        click(dialog, "okButton");
    });
    gui::output::htmlOptionsCommand(nullptr);

    const HtmlStyle stored = HtmlStyle::fromSettings(gui::ui::programSettings());
    EXPECT_EQ(stored.colours[HtmlStyle::Font], 0x00563412u);
    EXPECT_EQ(stored.colours[HtmlStyle::HeaderBackground], 0x000000FFu) << "only the changed entry";
    EXPECT_EQ(stored.fontFace, "Liberation Sans");
    EXPECT_EQ(stored.bodyFontSize, 5);
    EXPECT_EQ(stored.headerFontSize, 4);
    EXPECT_EQ(stored.footLink, "https://example.org/eagles");
    // Every button clicked: reset, cancel; change twice, OK.
    EXPECT_EQ(gui::ui::testing::playedSounds(), (std::vector<int>(5, gui::ui::SoundClick)));
}

}  // namespace
}  // namespace courtlog
