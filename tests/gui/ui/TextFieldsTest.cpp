#include <gtest/gtest.h>

#include "gui/ui/TextFields.h"

using namespace courtlog::gui::ui;

TEST(TextFields, UnicodeToWindows1252AndBack) {
    EXPECT_EQ(toRecordText(QStringLiteral("Café Müller"), 24), "Caf\xE9 M\xFCller");
    EXPECT_EQ(toRecordText(QStringLiteral("€5"), 24),
              "\x80"
              "5");
    EXPECT_EQ(fromRecordText("Caf\xE9 M\xFCller"), QStringLiteral("Café Müller"));
    EXPECT_EQ(fromRecordText("\x80"
                             "5"),
              QStringLiteral("€5"));
}

TEST(TextFields, UnmappableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(toRecordText(QStringLiteral("Li 李"), 24), "Li ?");
    EXPECT_EQ(toRecordText(QStringLiteral("😀x"), 24), "?x");
}

TEST(TextFields, CutToTheFieldWidthInBytes) {
    EXPECT_EQ(toRecordText(QStringLiteral("Westfield Wildcats Varsity Team"), 24),
              "Westfield Wildcats Varsi");
    EXPECT_EQ(toRecordText(QStringLiteral("ééé"), 2), "\xE9\xE9");
    EXPECT_EQ(toRecordText(QString(), 24), "");
}

TEST(TextFields, RecordTextEndsAtItsFirstNul) {
    EXPECT_EQ(fromRecordText(std::string("Lions\0junk", 10)), QStringLiteral("Lions"));
}

TEST(TextFields, FirstUnstorableCharacterIsFoundWholeEvenBeyondTheBasicPlane) {
    EXPECT_EQ(firstUnstorableCharacter(QStringLiteral("José € ß")), QString());
    EXPECT_EQ(firstUnstorableCharacter(QStringLiteral("Zhang 张伟")), QStringLiteral("张"));
    EXPECT_EQ(firstUnstorableCharacter(QStringLiteral("ok 😀")), QStringLiteral("😀"));
}
