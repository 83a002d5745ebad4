// Print > Game...: the "Print Game" dialog over a folder of games made here,
// printing the chosen team's score sheet through the preview.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QRadioButton>

#include "GuiTestSupport.h"
#include "core/records/Codes.h"
#include "gui/output/PrintGameCommand.h"
#include "gui/output/PrintGameDialog.h"
#include "gui/ui/GameFilesList.h"
#include "gui/ui/Printing.h"

namespace courtlog {
namespace {

using courtlog::testing::play;
using gui::output::PrintGameDialog;
using testsupport::control;

TEST(PrintGameDialogTest, FoldersAreEnteredAndTheChosenTeamIsPrinted) {
    testsupport::freshHooks();
    courtlog::testing::ScratchFolder folder;
    std::filesystem::create_directory(folder.file("season"));
    folder.saveGame(courtlog::testing::game("Hawks", "Owls & Co", {play("Ann", Shot, TwoPointMade, 0, 12)}, {}),
                    "season/opener.gam");
    const QString before = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(folder.path()));
    const QString pdf = QString::fromStdString(folder.file("sheet.pdf"));
    gui::ui::testing::printToFileInstead(pdf);

    QStringList captions;
    testsupport::whenModal<PrintGameDialog>([&](PrintGameDialog* dialog) {
        auto* files = control<gui::ui::GameFilesList>(dialog, "filesList");
        EXPECT_TRUE(control<QRadioButton>(dialog, "bothRadio")->isChecked());
        const auto highlight = [files](const QString& text) {
            const QList<QListWidgetItem*> found = files->findItems(text, Qt::MatchExactly);
            if (!found.isEmpty()) files->setCurrentItem(found.front());
            return !found.isEmpty();
        };
        // "[season]" is highlighted: Print enters it rather than printing.
        ASSERT_TRUE(highlight(QStringLiteral("[season]")));
        testsupport::click(dialog, "printButton");
        ASSERT_TRUE(highlight(QStringLiteral("opener.gam")));
        captions << control<QLabel>(dialog, "fileNameText")->text()
                 << control<QRadioButton>(dialog, "visitorRadio")->text()
                 << control<QRadioButton>(dialog, "homeRadio")->text();
        testsupport::click(dialog, "homeRadio");
        testsupport::click(dialog, "printButton");
    });
    gui::output::printGameCommand(nullptr);
    gui::ui::testing::printToFileInstead({});
    QDir::setCurrent(before);

    EXPECT_EQ(captions, (QStringList{QStringLiteral("opener.gam"), QStringLiteral("Owls && Co"), QStringLiteral("Hawks")}));
    const QString text = testsupport::pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Hawks vs Owls & Co ,scored on"))) << text.toStdString();
    EXPECT_EQ(text.count(QLatin1Char('\f')), 1) << "the home team's sheet alone";
}

}  // namespace
}  // namespace courtlog
