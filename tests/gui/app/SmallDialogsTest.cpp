#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "gui/app/AboutDialog.h"
#include "gui/app/LeagueOptions.h"
#include "gui/ui/Help.h"
#include "gui/ui/PickTeam.h"
#include "gui/ui/PageCountDialog.h"
#include "core/records/Game.h"
#include "GuiTestSupport.h"

using namespace courtlog;
using namespace courtlog::gui::app;
using namespace courtlog::gui::ui;
using namespace courtlog::testsupport;

namespace {

TEST(PickTeamDialog, HomeIsPreselected) {
    const Game game = courtlog::testing::game("Brenvik Hawks", "Harbour Owls");
    PickTeam dialog(nullptr, game);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Current Game Stats"));
    EXPECT_EQ(control<QRadioButton>(&dialog, "homeRadio")->text(), QStringLiteral("Brenvik Hawks"));
    EXPECT_EQ(control<QRadioButton>(&dialog, "visitorRadio")->text(), QStringLiteral("Harbour Owls"));
    click(&dialog, "okButton");
    EXPECT_EQ(dialog.result(), PickTeam::HomeTeam);
    EXPECT_EQ(dialog.result(), 1002);
}

TEST(PickTeamDialog, VisitorAndCancel) {
    const Game game = courtlog::testing::game("Brenvik Hawks", "Harbour Owls");
    PickTeam visitor(nullptr, game);
    visitor.show();
    click(&visitor, "visitorRadio");
    click(&visitor, "okButton");
    EXPECT_EQ(visitor.result(), 1003);

    PickTeam cancelled(nullptr, game);
    cancelled.show();
    click(&cancelled, "visitorRadio");
    click(&cancelled, "cancelButton");
    EXPECT_EQ(cancelled.result(), 2);

    PickTeam escaped(nullptr, game);
    escaped.show();
    QTest::keyClick(&escaped, Qt::Key_Escape);
    EXPECT_EQ(escaped.result(), 2);
}

TEST(PageCountDialog, LimitsOneToNine) {
    int pages = 8;
    bool halves = false;
    PageCountDialog dialog(nullptr, pages, halves);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Print Game"));
    auto* field = control<QSpinBox>(&dialog, "pageCountField");
    EXPECT_EQ(field->value(), 8);
    EXPECT_TRUE(control<QRadioButton>(&dialog, "quartersRadio")->isChecked());
    for (int i = 0; i < 5; ++i) QTest::keyClick(field, Qt::Key_Up);
    EXPECT_EQ(field->value(), 9);
    for (int i = 0; i < 12; ++i) QTest::keyClick(field, Qt::Key_Down);
    EXPECT_EQ(field->value(), 1);
    // A number outside 1..9 cannot be typed.
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("12"));
    QTest::keyClick(field, Qt::Key_Tab);
    EXPECT_GE(field->value(), 1);
    EXPECT_LE(field->value(), 9);

    field->setValue(1);
    QTest::keyClick(field, Qt::Key_Up);
    QTest::keyClick(field, Qt::Key_Up);
    click(&dialog, "halvesRadio");
    click(&dialog, "printButton");
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(pages, 3);
    EXPECT_TRUE(halves);
}

TEST(PageCountDialog, CancelLeavesTheValues) {
    int pages = 4;
    bool halves = true;
    PageCountDialog dialog(nullptr, pages, halves);
    dialog.show();
    EXPECT_TRUE(control<QRadioButton>(&dialog, "halvesRadio")->isChecked());
    EXPECT_EQ(control<QRadioButton>(&dialog, "halvesRadio")->text(),
              QStringLiteral("Game is Played with &Halves"));
    EXPECT_EQ(control<QRadioButton>(&dialog, "quartersRadio")->text(),
              QStringLiteral("Game is Played with &Quarters"));
    QTest::keyClick(control<QSpinBox>(&dialog, "pageCountField"), Qt::Key_Up);
    click(&dialog, "quartersRadio");
    click(&dialog, "cancelButton");
    EXPECT_EQ(dialog.result(), 2);
    EXPECT_EQ(pages, 4);
    EXPECT_TRUE(halves);
}

// Receives the addresses the About box opens instead of a browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

TEST(AboutBox, TextsAndTheWayToTheManual) {
    AboutDialog dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Courtlog 2.3"));
    EXPECT_EQ(control<QGroupBox>(&dialog, "aboutFrame")->title(), QStringLiteral("Basketball Courtlog"));
    EXPECT_TRUE(control<QLabel>(&dialog, "versionText")->text().startsWith(QStringLiteral("Version 2.3")));
    EXPECT_TRUE(control<QLabel>(&dialog, "supportText")->text().contains(QStringLiteral("Help > Contents")));
    EXPECT_EQ(dialog.findChildren<QWidget*>(QStringLiteral("decorativeBitmap")).size(), 2);

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    gui::ui::testing::recordHelpInstead(true);
    click(&dialog, "manualButton");
    gui::ui::testing::recordHelpInstead(false);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    // No web address: the manual opens inside the program.
    EXPECT_TRUE(catcher.opened.isEmpty());
    EXPECT_TRUE(gui::ui::testing::lastHelpUrl().toString().endsWith(QStringLiteral("crhelp.html")));
    EXPECT_TRUE(dialog.findChildren<QPushButton*>(QStringLiteral("webAddressButton")).isEmpty());

    click(&dialog, "okButton");
    EXPECT_EQ(dialog.result(), 1);
}

TEST(SmallDialogs, KeepTheirSizeAsFixedDialogs) {
    const Game game = courtlog::testing::game("Brenvik Hawks", "Harbour Owls");
    int pages = 1;
    bool halves = false;
    PickTeam pickTeam(nullptr, game);
    PageCountDialog pageCount(nullptr, pages, halves);
    AboutDialog about;
    courtlog::LeagueOptions options;
    gui::app::LeagueOptions league(nullptr, options);
    for (QDialog* dialog : std::initializer_list<QDialog*>{&pickTeam, &pageCount, &about, &league}) {
        dialog->show();
        // Equal minimum and maximum sizes: the window cannot be resized or
        // maximised, as befits a small dialog.
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize()) << dialog->objectName().toStdString();
        EXPECT_EQ(dialog->size(), dialog->minimumSize()) << dialog->objectName().toStdString();
        dialog->hide();
    }
}

}  // namespace

#include "SmallDialogsTest.moc"
