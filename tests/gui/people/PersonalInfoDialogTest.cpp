// "Players Personal Info" as a user drives it from the roster editor.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUrl>

#include "GuiTestSupport.h"
#include "gui/people/PersonalInfoDialog.h"
#include "gui/people/RosterEdit.h"
#include "gui/ui/CalendarDialog.h"
#include "gui/ui/DesktopLinks.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/Printing.h"
#include "gui/ui/ProgramSettings.h"

using namespace courtlog;
using namespace courtlog::testsupport;
using courtlog::gui::people::PersonalInfoDialog;

namespace {

// Lee, Dana and Kim living in Orla, Brenvik and Aaby.
Team owls() {
    Team team =
        courtlog::testing::team("Owls", {player("Lee", 7, 3), player("Dana", -1, 2, 3), player("Kim", 9)});
    team.personalInfo[0] = {"555-0101", "1 Shaft St", "Orla", "MN", "55000", {1991, 30, 12}, "lee@x.org", ""};
    team.personalInfo[1] = {"555-0100", "12 Pit Road", "Brenvik", "ND", "58000", {1990, 5, 2}, "", "captain"};
    team.personalInfo[2] = {"", "", "Aaby", "", "", {1989, 1, 1}, "", ""};
    return team;
}

QTableWidget* addressList(QWidget* dialog) { return control<QTableWidget>(dialog, "addressList"); }

QStringList column(QWidget* dialog, int c) {
    QStringList texts;
    for (int row = 0; row < addressList(dialog)->rowCount(); ++row)
        texts << addressList(dialog)->item(row, c)->text();
    return texts;
}

QString field(QWidget* dialog, const char* name) { return control<QLineEdit>(dialog, name)->text(); }

void clickRow(QWidget* dialog, int row) {
    QTableWidget* list = addressList(dialog);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row, 0)).center());
}

void clickHeading(QWidget* dialog, int c) {
    QHeaderView* header = addressList(dialog)->horizontalHeader();
    QTest::mouseClick(
        header->viewport(), Qt::LeftButton, {},
        QPoint(header->sectionViewportPosition(c) + header->sectionSize(c) / 2, header->height() / 2));
}

// Receives the addresses the dialog hands to the desktop's mail program.
class MailCatcher : public QObject {
    Q_OBJECT
public:
    MailCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "openMail"); }
    ~MailCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("mailto")); }
    QList<QUrl> opened;
public slots:
    void openMail(const QUrl& url) { opened << url; }
};

}  // namespace

// Select, edit, update twice, sort by City twice, OK: the roster editor gets
// the edited players in the order the list showed.
TEST(PersonalInfoDialog, EditUpdateTwiceSortAndKeepFromTheRosterEditor) {
    freshHooks();
    Team team = owls();
    gui::people::RosterEdit roster(team);
    roster.show();
    QStringList namesByCity, citiesBack;
    whenModal<PersonalInfoDialog>([&](PersonalInfoDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Players Personal Info"));
        EXPECT_EQ(column(dialog, 2), (QStringList{"12/30/1991", "2/5/1990", "1/1/1989"}));
        clickRow(dialog, 1);
        EXPECT_EQ(field(dialog, "nameEdit"), QStringLiteral("Dana"));
        typeInto(dialog, "cityEdit", QStringLiteral("Orla"));
        typeInto(dialog, "birthdayEdit", QStringLiteral("2/30/1990"));
        click(dialog, "updateInfoButton");
        // The updated player stays selected and shown: a second press
        // stores the same entry again instead of empty fields.
        EXPECT_EQ(field(dialog, "cityEdit"), QStringLiteral("Orla"));
        click(dialog, "updateInfoButton");
        EXPECT_EQ(column(dialog, 4), (QStringList{"Orla", "Orla", "Aaby"}));
        EXPECT_EQ(column(dialog, 8)[1], QStringLiteral("captain"));
        clickHeading(dialog, 4);
        namesByCity = column(dialog, 0);
        clickHeading(dialog, 4);
        citiesBack = column(dialog, 4);
        EXPECT_EQ(field(dialog, "nameEdit"), QStringLiteral("Dana"));  // still selected
        click(dialog, "okButton");
    });
    click(&roster, "personalInfoButton");
    EXPECT_EQ(namesByCity, (QStringList{"Lee", "Dana", "Kim"}));  // Orla, Orla, Aaby
    EXPECT_EQ(citiesBack, (QStringList{"Aaby", "Orla", "Orla"}));
    click(&roster, "okButton");
    ASSERT_EQ(team.playerCount(), 3);
    EXPECT_EQ(team.players[0].name, "Kim");
    EXPECT_EQ(team.players[2].name, "Dana");
    EXPECT_EQ(team.players[2].number, -1);
    EXPECT_EQ(team.personalInfo[2].birthday, (BirthDate{1990, 30, 2}));
    EXPECT_EQ(team.personalInfo[2].note, "captain");
}

TEST(PersonalInfoDialog, PickMailExportPrintThenCancelDiscards) {
    freshHooks();
    QTemporaryDir dir;
    Team team = owls();
    const Team before = team;
    PersonalInfoDialog dialog(team);
    dialog.show();
    typeInto(&dialog, "nameEdit", QStringLiteral("Nobody"));
    click(&dialog, "updateInfoButton");  // nothing selected: nothing changes
    EXPECT_EQ(column(&dialog, 0), (QStringList{"Lee", "Dana", "Kim"}));
    clickRow(&dialog, 0);

    QString opened;
    whenModal<gui::ui::CalendarDialog>([&](gui::ui::CalendarDialog* picker) {
        opened = picker->captionText();
        for (int cell = 0; cell < 42; ++cell)
            if (picker->dayCell(cell)->isVisible() && picker->dayCell(cell)->text() == QStringLiteral("15"))
                picker->dayCell(cell)->click();
        picker->done(1);
    });
    click(&dialog, "birthdayButton");
    EXPECT_EQ(opened, QStringLiteral("Monday, December 30, 1991"));
    EXPECT_EQ(field(&dialog, "birthdayEdit"), QStringLiteral("12/15/1991"));
    MailCatcher mail;
    click(&dialog, "emailButton");
    EXPECT_EQ(mail.opened, (QList<QUrl>{QUrl(QStringLiteral("mailto:lee@x.org"))}));

    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{dir.filePath(QStringLiteral("owls")), 1});
    click(&dialog, "exportButton");
    EXPECT_EQ(
        courtlog::testing::readFile(dir.filePath(QStringLiteral("owls.csv")).toStdString()).substr(0, 76),
        "\xEF\xBB\xBFName,Phone,Birthday,Address,City,State,Zip,e-mail,Note\nLee,555-0101,12/30");
    EXPECT_EQ(gui::ui::testing::lastFileDialogOptions().initialName, QStringLiteral("Owls address list.csv"));
    // A typed extension chooses the kind, whatever kind shows.
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{dir.filePath(QStringLiteral("owls.html")), 1});
    click(&dialog, "exportButton");
    EXPECT_EQ(courtlog::testing::readFile(dir.filePath(QStringLiteral("owls.html")).toStdString())
                  .rfind("<HTML>", 0),
              0u);
    const QString pdf = dir.filePath(QStringLiteral("list.pdf"));
    gui::ui::testing::printToFileInstead(pdf);
    click(&dialog, "printButton");
    gui::ui::testing::printToFileInstead({});
    EXPECT_TRUE(pdfText(pdf, true).contains(QRegularExpression(QStringLiteral("Dana +555-0100 +2/5/1990 +12 Pit Road"))))
        << pdfText(pdf, true).toStdString();

    addressList(&dialog)->horizontalHeader()->resizeSection(3, 222);
    click(&dialog, "cancelButton");
    EXPECT_EQ(team.players, before.players);
    EXPECT_EQ(team.personalInfo, before.personalInfo);
    EXPECT_EQ(gui::ui::programSettings().personalInfoColumnWidths[3], 222);
    gui::ui::programSettings().personalInfoColumnWidths[3] = 150;
}

#include "PersonalInfoDialogTest.moc"

// The team's e-mail buttons: one link with every address as the list shows
// it (an update not yet kept included), a message when the desktop has no
// mail program, the addresses on the clipboard, and for a team without
// addresses a message instead of an empty mail.
TEST(PersonalInfoDialog, MailTheWholeTeamOrCopyItsAddresses) {
    freshHooks();
    Team team = owls();
    team.personalInfo[2].email = "kim@y.org; LEE@x.org";
    PersonalInfoDialog dialog(team);
    dialog.show();
    QList<QUrl> opened;
    bool desktopHasMail = true;
    gui::ui::testing::setDesktopOpener([&](const QUrl& link) {
        opened << link;
        return desktopHasMail;
    });
    clickRow(&dialog, 1);
    typeInto(&dialog, "emailEdit", QStringLiteral("dana@z.org"));
    click(&dialog, "updateInfoButton");
    click(&dialog, "mailTeamButton");
    EXPECT_EQ(opened, (QList<QUrl>{QUrl(QStringLiteral("mailto:lee@x.org,dana@z.org,kim@y.org"))}));
    EXPECT_TRUE(gui::ui::testing::shownMessages().empty());

    desktopHasMail = false;
    click(&dialog, "emailButton");
    EXPECT_EQ(opened.last(), QUrl(QStringLiteral("mailto:dana@z.org")));
    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 1u);
    EXPECT_TRUE(gui::ui::testing::shownMessages()[0].text.startsWith(
        QStringLiteral("No mail program could be opened")));
    EXPECT_EQ(gui::ui::testing::shownMessages()[0].caption, QStringLiteral("Players Personal Info"));

    click(&dialog, "copyAddressesButton");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("lee@x.org, dana@z.org, kim@y.org"));

    gui::ui::testing::clearShownMessages();
    Team silent = courtlog::testing::team("Hawks", 2);
    PersonalInfoDialog none(silent);
    none.show();
    const qsizetype before = opened.size();
    click(&none, "mailTeamButton");
    click(&none, "copyAddressesButton");
    EXPECT_EQ(opened.size(), before);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("lee@x.org, dana@z.org, kim@y.org"));
    ASSERT_EQ(gui::ui::testing::shownMessages().size(), 2u);
    EXPECT_TRUE(gui::ui::testing::shownMessages()[1].text.startsWith(
        QStringLiteral("No player of Hawks has an e-mail address")));
    gui::ui::testing::setDesktopOpener({});
}
