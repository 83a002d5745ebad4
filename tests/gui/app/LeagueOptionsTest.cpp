#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "gui/app/LeagueOptions.h"
#include "core/records/Game.h"
#include "GuiTestSupport.h"

using namespace courtlog;
using namespace courtlog::testsupport;

namespace {

TEST(LeagueOptionsDialog, ShowsTheOptions) {
    courtlog::LeagueOptions options;
    options.foulOutAfter = 6;
    options.bonusAfter = 0;  // never chosen
    options.threePointArc = 7;
    gui::app::LeagueOptions dialog(nullptr, options);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select League Options"));

    auto* foulOut = control<QComboBox>(&dialog, "foulOutList");
    ASSERT_EQ(foulOut->count(), 15);
    EXPECT_EQ(foulOut->itemText(0), QStringLiteral("1st"));
    EXPECT_EQ(foulOut->itemText(1), QStringLiteral("2nd"));
    EXPECT_EQ(foulOut->itemText(2), QStringLiteral("3rd"));
    EXPECT_EQ(foulOut->itemText(3), QStringLiteral("4th"));
    EXPECT_EQ(foulOut->itemText(10), QStringLiteral("11th"));
    EXPECT_EQ(foulOut->itemText(14), QStringLiteral("15th"));
    EXPECT_EQ(foulOut->currentText(), QStringLiteral("6th"));
    EXPECT_EQ(control<QComboBox>(&dialog, "bonusList")->currentIndex(), -1);
    auto* fullTimeOuts = control<QComboBox>(&dialog, "fullTimeOutsList");
    ASSERT_EQ(fullTimeOuts->count(), 15);
    EXPECT_EQ(fullTimeOuts->itemText(14), QStringLiteral("15"));
    EXPECT_EQ(fullTimeOuts->currentText(), QStringLiteral("4"));

    // The radio buttons, their captions and which is checked.
    const std::vector<std::pair<const char*, const char*>> captions{{"halvesRadio", "Hal&ves"},
                                                                    {"quartersRadio", "&Quarters"},
                                                                    {"arcNoneRadio", "&None"},
                                                                    {"arcCollegeRadio", "&College"},
                                                                    {"arcProRadio", "&Pro"},
                                                                    {"bonusHalfRadio", "&Half"},
                                                                    {"bonusQuarterRadio", "Q&uarter"},
                                                                    {"doubleBonusHalfRadio", "H&alf"},
                                                                    {"doubleBonusQuarterRadio", "Qua&rter"},
                                                                    {"fullPerHalfRadio", "Ha&lf"},
                                                                    {"fullPerGameRadio", "&Game"},
                                                                    {"shortPerHalfRadio", "Hal&f"},
                                                                    {"shortPerGameRadio", "Ga&me"}};
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(control<QRadioButton>(&dialog, name)->text(), QString::fromLatin1(caption));
    EXPECT_TRUE(control<QRadioButton>(&dialog, "quartersRadio")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(&dialog, "bonusQuarterRadio")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(&dialog, "doubleBonusHalfRadio")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(&dialog, "fullPerGameRadio")->isChecked());
    // An arc outside 0..2 checks no arc button.
    for (const char* arc : {"arcNoneRadio", "arcCollegeRadio", "arcProRadio"})
        EXPECT_FALSE(control<QRadioButton>(&dialog, arc)->isChecked());
    EXPECT_EQ(control<QGroupBox>(&dialog, "timeOutsGroup")->title(), QStringLiteral("Time Outs"));
}

TEST(LeagueOptionsDialog, OkStoresEveryControl) {
    courtlog::LeagueOptions options;
    options.bonusAfter = 0;
    gui::app::LeagueOptions dialog(nullptr, options);
    dialog.show();
    click(&dialog, "halvesRadio");
    click(&dialog, "arcProRadio");
    control<QComboBox>(&dialog, "foulOutList")->setCurrentIndex(5);
    control<QComboBox>(&dialog, "doubleBonusList")->setCurrentIndex(14);
    control<QComboBox>(&dialog, "shortTimeOutsList")->setCurrentIndex(0);
    click(&dialog, "bonusHalfRadio");
    click(&dialog, "doubleBonusQuarterRadio");
    click(&dialog, "fullPerHalfRadio");
    click(&dialog, "shortPerHalfRadio");
    click(&dialog, "okButton");
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_TRUE(options.halves);
    EXPECT_EQ(options.threePointArc, 2);
    EXPECT_EQ(options.foulOutAfter, 6);
    EXPECT_EQ(options.foulTroubleAfter, 3);
    EXPECT_EQ(options.bonusAfter, 0);  // nothing chosen stays 0
    EXPECT_EQ(options.doubleBonusAfter, 15);
    EXPECT_EQ(options.shortTimeOuts, 1);
    EXPECT_FALSE(options.bonusPerQuarter);
    EXPECT_TRUE(options.doubleBonusPerQuarter);
    EXPECT_TRUE(options.fullTimeOutsPerHalf);
    EXPECT_TRUE(options.shortTimeOutsPerHalf);
}

TEST(LeagueOptionsDialog, CancelChangesNothing) {
    courtlog::LeagueOptions options;
    const courtlog::LeagueOptions before = options;
    gui::app::LeagueOptions dialog(nullptr, options);
    dialog.show();
    click(&dialog, "halvesRadio");
    click(&dialog, "arcNoneRadio");
    control<QComboBox>(&dialog, "foulOutList")->setCurrentIndex(1);
    click(&dialog, "cancelButton");
    EXPECT_EQ(dialog.result(), 2);
    EXPECT_EQ(options, before);
}

}  // namespace
