#include <gtest/gtest.h>

#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <QTimer>

#include "GuiTestSupport.h"
#include "core/scoring/PlayChoice.h"
#include "gui/scoring/PlayChoiceDialog.h"

using namespace courtlog;
using namespace courtlog::testsupport;
using courtlog::gui::scoring::PlayChoiceDialog;

TEST(PlayChoiceDialog, TwentyNineChoicesWithUniqueAccessKeys) {
    PlayChoiceDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Event"));
    QSet<QString> keys;
    for (int i = 0; i < scoring::kPlayChoiceCount; ++i) {
        auto* button = control<QRadioButton>(&dialog, PlayChoiceDialog::choiceObjectName(i).toLatin1().constData());
        ASSERT_NE(button, nullptr);
        const QString caption = button->text();
        EXPECT_EQ(caption.toStdString(), std::string(scoring::playChoices()[static_cast<std::size_t>(i)].caption));
        const int amp = caption.indexOf(QLatin1Char('&'));
        ASSERT_GE(amp, 0) << caption.toStdString();
        keys.insert(caption.mid(amp + 1, 1).toLower());
    }
    EXPECT_EQ(keys.size(), scoring::kPlayChoiceCount);
    EXPECT_EQ(PlayChoiceDialog::choiceObjectName(0), QStringLiteral("shotMade2PointerButton"));
}

TEST(PlayChoiceDialog, AClickOrAKeyChoosesAtOnceAndCancelChoosesNothing) {
    {
        PlayChoiceDialog dialog;
        QTimer::singleShot(0, &dialog, [&dialog] { click(&dialog, "turnoverBackCourtButton"); });
        const auto chosen = dialog.choose();
        ASSERT_TRUE(chosen.has_value());
        EXPECT_EQ(scoring::playChoices()[static_cast<std::size_t>(*chosen)].caption, "Back Cou&rt");
    }
    {
        PlayChoiceDialog dialog;
        QTimer::singleShot(0, &dialog, [&dialog] { QTest::keyClick(&dialog, Qt::Key_X); });
        const auto chosen = dialog.choose();
        ASSERT_TRUE(chosen.has_value());
        EXPECT_EQ(scoring::playChoices()[static_cast<std::size_t>(*chosen)].caption, "Lost Ball - &x");
    }
    {
        PlayChoiceDialog dialog;
        QTimer::singleShot(0, &dialog, [&dialog] { QTest::keyClick(&dialog, Qt::Key_Slash); });
        const auto chosen = dialog.choose();
        ASSERT_TRUE(chosen.has_value());
        EXPECT_EQ(scoring::playChoices()[static_cast<std::size_t>(*chosen)].caption, "Palm&/Carry");
    }
    {
        PlayChoiceDialog dialog;
        QTimer::singleShot(0, &dialog, [&dialog] { click(&dialog, "cancelButton"); });
        EXPECT_FALSE(dialog.choose().has_value());
    }
    {
        PlayChoiceDialog dialog;
        QTimer::singleShot(0, &dialog, [&dialog] { QTest::keyClick(&dialog, Qt::Key_Escape); });
        EXPECT_FALSE(dialog.choose().has_value());
    }
}
