// "Players Personal Info" as a user drives it from the roster editor.
#include <gtest/gtest.h>

#include <QDate>
#include <QDesktopServices>
#include <QHeaderView>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTableWidget>
#include <QUrl>

#include "GuiTestSupport.h"
#include "gui/people/PersonalInfoDialog.h"
#include "gui/people/RosterEdit.h"
#include "gui/ui/CalendarDialog.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/Printing.h"
#include "gui/ui/ProgramSettings.h"

using namespace courtlog;
using namespace courtlog::testsupport;
using courtlog::gui::people::PersonalInfoDialog;
using courtlog::gui::people::RosterEdit;

namespace {

// Three players living in Orla, Brenvik and Aaby, in that roster order.
Team owls() {
    Team team = courtlog::testing::team("Owls", {player("Lee", 7, 3), player("Dana", -1, 2, 3), player("Kim", 9)});
    team.personalInfo[0] = {"555-0101", "1 Shaft St", "Orla", "MN", "55000", {1991, 30, 12}, "lee@x.org", ""};
    team.personalInfo[1] = {"555-0100", "12 Pit Road", "Brenvik", "ND", "58000", {1990, 5, 2}, "", "captain"};
    team.personalInfo[2] = {"", "", "Aaby", "", "", {1989, 1, 1}, "", ""};
    return team;
}

QTableWidget* addressList(QWidget* dialog) { return control<QTableWidget>(dialog, "addressList"); }

QStringList column(QWidget* dialog, int c) {
    QStringList texts;
    QTableWidget* list = addressList(dialog);
    for (int row = 0; row < list->rowCount(); ++row) texts << list->item(row, c)->text();
    return texts;
}

QString field(QWidget* dialog, const char* name) { return control<QLineEdit>(dialog, name)->text(); }

void clickRow(QWidget* dialog, int row) {
    QTableWidget* list = addressList(dialog);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row, 0)).center());
}

void clickHeading(QWidget* dialog, int c) {
    QHeaderView* header = addressList(dialog)->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
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
    RosterEdit roster(team);
    roster.show();
    QStringList cities, citiesBack;
    whenModal<PersonalInfoDialog>([&](PersonalInfoDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Players Personal Info"));
        EXPECT_EQ(column(dialog, 0), (QStringList{"Lee", "Dana", "Kim"}));
        EXPECT_EQ(column(dialog, 2), (QStringList{"12/30/1991", "2/5/1990", "1/1/1989"}));
        clickRow(dialog, 1);
        EXPECT_EQ(dialog->current(), 1);
        EXPECT_EQ(field(dialog, "nameEdit"), QStringLiteral("Dana"));
        EXPECT_EQ(field(dialog, "noteEdit"), QStringLiteral("captain"));
        typeInto(dialog, "cityEdit", QStringLiteral("Orla"));
        typeInto(dialog, "birthdayEdit", QStringLiteral("2/30/1990"));
        click(dialog, "updateInfoButton");
        // The updated player stays selected and shown: a second press
        // stores the same entry again instead of empty fields.
        EXPECT_EQ(field(dialog, "cityEdit"), QStringLiteral("Orla"));
        click(dialog, "updateInfoButton");
        EXPECT_EQ(column(dialog, 4), (QStringList{"Orla", "Orla", "Aaby"}));
        EXPECT_EQ(column(dialog, 2)[1], QStringLiteral("2/30/1990"));
        EXPECT_EQ(column(dialog, 8)[1], QStringLiteral("captain"));

        clickHeading(dialog, 4);
        cities = column(dialog, 4);
        EXPECT_EQ(column(dialog, 0)[2], QStringLiteral("Kim"));
        clickHeading(dialog, 4);
        citiesBack = column(dialog, 4);
        // Dana is still the one selected, wherever the sort put him.
        EXPECT_EQ(field(dialog, "nameEdit"), QStringLiteral("Dana"));
        click(dialog, "okButton");
    });
    click(&roster, "personalInfoButton");
    EXPECT_EQ(cities, (QStringList{"Orla", "Orla", "Aaby"}));
    EXPECT_EQ(citiesBack, (QStringList{"Aaby", "Orla", "Orla"}));
    click(&roster, "okButton");
    ASSERT_EQ(team.playerCount(), 3);
    EXPECT_EQ(team.players[0].name, "Kim");
    EXPECT_EQ(team.players[1].name, "Lee");
    EXPECT_EQ(team.players[2].name, "Dana");
    EXPECT_EQ(team.players[2].number, -1);
    EXPECT_EQ(team.personalInfo[2].city, "Orla");
    EXPECT_EQ(team.personalInfo[2].birthday, (BirthDate{1990, 30, 2}));
    EXPECT_EQ(team.personalInfo[2].note, "captain");
}

TEST(PersonalInfoDialog, CancelDiscardsAndWidthsAreKept) {
    freshHooks();
    Team team = owls();
    const Team before = team;
    PersonalInfoDialog dialog(team);
    dialog.show();
    // Nothing selected: Update Info changes nothing.
    typeInto(&dialog, "nameEdit", QStringLiteral("Nobody"));
    click(&dialog, "updateInfoButton");
    EXPECT_EQ(column(&dialog, 0), (QStringList{"Lee", "Dana", "Kim"}));

    clickRow(&dialog, 0);
    typeInto(&dialog, "nameEdit", QStringLiteral("Kim"));  // another player's name
    click(&dialog, "updateInfoButton");
    EXPECT_EQ(gui::ui::testing::shownMessages().size(), 1u);
    typeInto(&dialog, "nameEdit", QStringLiteral("Abcdefghijklmnopqrstuvwxyz1234"));
    click(&dialog, "updateInfoButton");
    EXPECT_EQ(column(&dialog, 0)[0], QStringLiteral("Abcdefghijklmnopqrstuvwx"));
    clickHeading(&dialog, 0);
    addressList(&dialog)->horizontalHeader()->resizeSection(3, 222);

    click(&dialog, "cancelButton");
    EXPECT_EQ(dialog.result(), 2);
    EXPECT_EQ(team.players, before.players);
    EXPECT_EQ(team.personalInfo, before.personalInfo);
    EXPECT_EQ(gui::ui::programSettings().personalInfoColumnWidths[3], 222);
    gui::ui::programSettings().personalInfoColumnWidths[3] = 150;
}

TEST(PersonalInfoDialog, BirthdayPickerAndMail) {
    freshHooks();
    Team team = owls();
    PersonalInfoDialog dialog(team);
    dialog.show();
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
    ASSERT_EQ(mail.opened.size(), 1);
    EXPECT_EQ(mail.opened[0].toString(), QStringLiteral("mailto:lee@x.org"));
    // The window cannot be made smaller than it opened.
    const QSize first = dialog.size();
    dialog.resize(first.width() / 2, first.height() / 2);
    EXPECT_GE(dialog.width(), first.width());
    EXPECT_GE(dialog.height(), first.height());
}

// "&E" exports the list as it stands (sorted, edited), "&P" prints it.
TEST(PersonalInfoDialog, ExportsAndPrintsTheList) {
    freshHooks();
    QTemporaryDir dir;
    Team team = owls();
    PersonalInfoDialog dialog(team);
    dialog.show();
    clickHeading(&dialog, 0);  // names descending: Lee, Kim, Dana

    const QString csv = dir.filePath(QStringLiteral("owls"));
    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{csv, 1});
    click(&dialog, "exportButton");
    EXPECT_EQ(gui::ui::testing::lastFileDialogOptions().filters,
              QStringLiteral("Comma Delimited Format (*.csv)|*.csv|HTML (Web Page) Format (*.htm)|*.htm|"));
    EXPECT_EQ(courtlog::testing::readFile(dir.filePath(QStringLiteral("owls.csv")).toStdString()),
              "Name,Phone,Birthday,Address,City,State,Zip,e-mail,Note\n"
              "Lee,555-0101,12/30/1991,1 Shaft St,Orla,MN,55000,lee@x.org,\n"
              "Kim,,1/1/1989,,Aaby,,,,\n"
              "Dana,555-0100,2/5/1990,12 Pit Road,Brenvik,ND,58000,,captain");

    gui::ui::testing::queueFileAnswer(gui::ui::FileChoice{dir.filePath(QStringLiteral("owls")), 2});
    click(&dialog, "exportButton");
    EXPECT_EQ(courtlog::testing::readFile(dir.filePath(QStringLiteral("owls.htm")).toStdString())
                  .rfind("<HTML><HEAD><TITLE>Basketball Courtlog Address/Phone List</TITLE>", 0),
              0u);

    const QString pdf = dir.filePath(QStringLiteral("list.pdf"));
    gui::ui::testing::printToFileInstead(pdf);
    click(&dialog, "printButton");
    gui::ui::testing::printToFileInstead({});
    const QString printed = pdfText(pdf);
    EXPECT_LT(printed.indexOf(QStringLiteral("#7, Lee, Forward")), printed.indexOf(QStringLiteral("#00, Dana")));
    EXPECT_TRUE(printed.contains(QStringLiteral("Brenvik, ND 58000")));
}

#include "PersonalInfoDialogTest.moc"
