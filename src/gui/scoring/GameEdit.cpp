
#include "gui/scoring/ScoringCoreNames.h"
#include "gui/scoring/GameEdit.h"

#include <QDate>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/ui/CalendarDialog.h"
#include "gui/people/TeamEdit.h"
#include "core/records/Game.h"
#include "core/records/TeamDamage.h"
#include "core/records/TeamSource.h"
#include "core/scoring/GameInfoRules.h"
#include "core/scoring/GameSetupRules.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/RecordPaths.h"
#include "gui/ui/Sound.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::scoring {

namespace {

constexpr int kGameTextChars = 24;

GameDate today() {
    const QDate date = QDate::currentDate();
    return {date.month(), date.day(), date.year()};
}

QString summaryOf(const Team& team) {
    return QStringLiteral("Name: %1\nCoach: %2\nAssistant: %3\n")
        .arg(ui::fromRecordText(team.name), ui::fromRecordText(team.coach),
             ui::fromRecordText(team.assistant));
}

}  // namespace

GameEdit::GameEdit(Game& game, QWidget* parent) : ui::CourtlogDialog(parent), game_(game) {
    setObjectName(QStringLiteral("gameEdit"));
    setWindowTitle(QStringLiteral("Edit Game Information"));
    setHelpTopic(QStringLiteral("game-setup.html"));

    // A game still being described opens with today's date and no teams; a
    // game read from its file shows its own information and both teams.
    const GameInfoTexts opening = openingGameInfo(game_, today());
    if (!game_.isNew) {
        homeSelected_ = visitorSelected_ = true;
        homeName_ = ui::fromRecordText(game_.homeName);
        visitorName_ = ui::fromRecordText(game_.visitorName);
    }

    // Made in reading order, which is also the tab order.
    auto* dateButton =
        addClickButton(QStringLiteral("Date:"), QStringLiteral("dateButton"), [this] { pickDate(); });
    dateEdit_ = new QLineEdit(QString::fromStdString(opening.date), this);
    dateEdit_->setObjectName(QStringLiteral("dateEdit"));
    dateEdit_->setMaxLength(16);
    auto* timeLabel = new QLabel(QStringLiteral("Time:"), this);
    timeEdit_ = new QLineEdit(QString::fromStdString(opening.time), this);
    timeEdit_->setObjectName(QStringLiteral("timeEdit"));
    timeEdit_->setMaxLength(12);
    auto* seasonLabel = new QLabel(QStringLiteral("Season:"), this);
    seasonEdit_ = new QLineEdit(QString::fromStdString(opening.season), this);
    seasonEdit_->setObjectName(QStringLiteral("seasonEdit"));
    seasonEdit_->setMaxLength(12);
    auto* seasonUpButton = new QToolButton(this);
    seasonUpButton->setObjectName(QStringLiteral("seasonUpButton"));
    seasonUpButton->setArrowType(Qt::UpArrow);
    seasonUpButton->setToolTip(QStringLiteral("Next season"));
    auto* seasonDownButton = new QToolButton(this);
    seasonDownButton->setObjectName(QStringLiteral("seasonDownButton"));
    seasonDownButton->setArrowType(Qt::DownArrow);
    seasonDownButton->setToolTip(QStringLiteral("Previous season"));
    auto* courtLabel = new QLabel(QStringLiteral("Court:"), this);
    courtEdit_ = addRecordTextEdit(QStringLiteral("courtEdit"), kGameTextChars, game_.court);
    auto* attendanceLabel = new QLabel(QStringLiteral("Attendance:"), this);
    attendanceEdit_ = addRecordTextEdit(QStringLiteral("attendanceEdit"), kGameTextChars, game_.attendance);
    timeLabel->setBuddy(timeEdit_);
    seasonLabel->setBuddy(seasonEdit_);
    courtLabel->setBuddy(courtEdit_);
    attendanceLabel->setBuddy(attendanceEdit_);

    auto* refereeGroup = new QGroupBox(QStringLiteral("Referees:"), this);
    auto* refereeGrid = new QGridLayout(refereeGroup);
    const std::string* refereeTexts[3] = {&game_.referee1, &game_.referee2, &game_.referee3};
    for (int i = 0; i < 3; ++i) {
        refereeEdits_[i] =
            addRecordTextEdit(QStringLiteral("referee%1Edit").arg(i + 1), kGameTextChars, *refereeTexts[i]);
        auto* label = new QLabel(QStringLiteral("%1.").arg(i + 1), refereeGroup);
        label->setBuddy(refereeEdits_[i]);
        refereeGrid->addWidget(label, i, 0);
        refereeGrid->addWidget(refereeEdits_[i], i, 1);
    }

    auto* homeGroup = new QGroupBox(QStringLiteral("Home Team"), this);
    homeSummary_ = new QLabel(homeGroup);
    homeSummary_->setObjectName(QStringLiteral("homeSummary"));
    auto* homeSelect = addClickButton(QStringLiteral("&Select Team"), QStringLiteral("homeSelectButton"),
                                      [this] { selectTeam(true); });
    auto* homeEdit = addClickButton(QStringLiteral("&Edit Team"), QStringLiteral("homeEditButton"),
                                    [this] { editTeam(true); });
    auto* visitorGroup = new QGroupBox(QStringLiteral("Visiting Team"), this);
    visitorSummary_ = new QLabel(visitorGroup);
    visitorSummary_->setObjectName(QStringLiteral("visitorSummary"));
    auto* visitorSelect = addClickButton(
        QStringLiteral("Select &Team"), QStringLiteral("visitorSelectButton"), [this] { selectTeam(false); });
    auto* visitorEdit = addClickButton(QStringLiteral("E&dit Team"), QStringLiteral("visitorEditButton"),
                                       [this] { editTeam(false); });
    for (QLabel* summary : {homeSummary_, visitorSummary_}) {
        summary->setTextFormat(Qt::PlainText);
        summary->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        summary->setMinimumHeight(summary->fontMetrics().lineSpacing() * 3);
        summary->setMinimumWidth(
            summary->fontMetrics().horizontalAdvance(QStringLiteral("Assistant: MMMMMMMMMMMMMMM")));
    }

    auto* okButton = addPlainButton(QStringLiteral("&OK"), QStringLiteral("okButton"));
    okButton->setDefault(true);
    auto* startButton =
        addPlainButton(QStringLiteral("St&art Game"), QStringLiteral("startGameButton"));
    auto* cancelButton = addPlainButton(QStringLiteral("&Cancel"), QStringLiteral("cancelButton"));

    connect(seasonUpButton, &QToolButton::clicked, this, [this] { stepSeason(true); });
    connect(seasonDownButton, &QToolButton::clicked, this, [this] { stepSeason(false); });
    connect(okButton, &QPushButton::clicked, this, &GameEdit::pressOk);
    connect(startButton, &QPushButton::clicked, this, &GameEdit::startGame);
    connect(cancelButton, &QPushButton::clicked, this, [this] { closeWith(2); });

    // Layout: the game's facts on top, referees beside them, the two teams
    // below and the buttons along the bottom.
    auto* seasonRow = new QHBoxLayout;
    seasonRow->setSpacing(2);
    seasonRow->addWidget(seasonEdit_, 1);
    seasonRow->addWidget(seasonUpButton);
    seasonRow->addWidget(seasonDownButton);

    auto* facts = new QGridLayout;
    facts->addWidget(dateButton, 0, 0);
    facts->addWidget(dateEdit_, 0, 1);
    facts->addWidget(timeLabel, 1, 0, Qt::AlignRight);
    facts->addWidget(timeEdit_, 1, 1);
    facts->addWidget(seasonLabel, 2, 0, Qt::AlignRight);
    facts->addLayout(seasonRow, 2, 1);
    facts->addWidget(courtLabel, 3, 0, Qt::AlignRight);
    facts->addWidget(courtEdit_, 3, 1);
    facts->addWidget(attendanceLabel, 4, 0, Qt::AlignRight);
    facts->addWidget(attendanceEdit_, 4, 1);
    facts->setColumnStretch(1, 1);
    facts->setRowStretch(5, 1);

    auto* top = new QHBoxLayout;
    top->addLayout(facts, 1);
    top->addWidget(refereeGroup, 1, Qt::AlignTop);

    auto teamBox = [](QGroupBox* group, QLabel* summary, QPushButton* select, QPushButton* edit) {
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(select);
        buttons->addWidget(edit);
        auto* box = new QVBoxLayout(group);
        box->addWidget(summary, 1);
        box->addLayout(buttons);
    };
    teamBox(homeGroup, homeSummary_, homeSelect, homeEdit);
    teamBox(visitorGroup, visitorSummary_, visitorSelect, visitorEdit);
    auto* teams = new QHBoxLayout;
    teams->addWidget(homeGroup, 1);
    teams->addWidget(visitorGroup, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(startButton);
    buttons->addWidget(cancelButton);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(teams, 1);
    layout->addSpacing(4);
    layout->addLayout(buttons);

    showSummaries();
    dateEdit_->setFocus();
}

void GameEdit::showSummaries() {
    homeSummary_->setText(homeSelected_ ? summaryOf(game_.home) : QString());
    visitorSummary_->setText(visitorSelected_ ? summaryOf(game_.visitor) : QString());
}

void GameEdit::pickDate() {
    const GameDate start = pickerStartDate(dateEdit_->text().toStdString(), today());
    ui::CalendarDialog picker(this, start.year, start.day, start.month);
    if (picker.run() == 1)
        dateEdit_->setText(QString::fromStdString(gameDateText({picker.month(), picker.day(), picker.year()})));
}

void GameEdit::stepSeason(bool up) {
    ui::playSoundEffect(ui::SoundClick);
    seasonEdit_->setText(QString::fromStdString(steppedSeasonText(seasonEdit_->text().toStdString(), up)));
}

void GameEdit::selectTeam(bool home) {
    ui::FileDialogOptions options;
    options.filters = QStringLiteral("Team Files (*.tem)|*.tem|");
    options.defaultExtension = QStringLiteral("tem");
    options.folder = FileFolder::Teams;
    const std::optional<ui::FileChoice> choice = ui::getOpenFile(this, options);
    if (!choice || choice->path.isEmpty()) return;

    Team& target = home ? game_.home : game_.visitor;
    // A game is not played with players missing from a damaged file.
    std::string damage;
    switch (replaceTeamFromFile(ui::toRecordPath(choice->path), target, &damage,
                                ui::toRecordPath(QFileInfo(choice->path).fileName()))) {
        case TeamLoad::Loaded: break;
        case TeamLoad::CannotLoad:
            ui::showWarning(this, QStringLiteral("Can't load team !"), QStringLiteral("File corrupt or missing ?"));
            return;
        case TeamLoad::Damaged:
            ui::showWarning(this, QString::fromStdString(damage), QString::fromLatin1(kDamagedTeamCaption));
            return;
    }
    (home ? homeName_ : visitorName_) = ui::fromRecordText(target.name);
    (home ? homeSelected_ : visitorSelected_) = true;
    showSummaries();
}

void GameEdit::editTeam(bool home) {
    if (!(home ? homeSelected_ : visitorSelected_)) {
        ui::showWarning(this, QStringLiteral("You must first select a team."),
                        QStringLiteral("Team Not Selected"));
        return;
    }
    Team& target = home ? game_.home : game_.visitor;
    Team copy = target;
    people::TeamEdit editor(copy, this);
    if (editor.run() != 1) return;
    target = std::move(copy);
    // The game is recorded under the team's name as it now stands.
    (home ? homeName_ : visitorName_) = ui::fromRecordText(target.name);
    showSummaries();
}

void GameEdit::pressOk() {
    if (!homeSelected_ || !visitorSelected_) {
        ui::showWarning(this, QStringLiteral("Teams Not Selected."), QStringLiteral("Cannot Save"));
        return;
    }
    collectFields();
    ui::playSoundEffect(ui::SoundClick);
    closeWith(1);
}

bool GameEdit::checkStartingLineup(QWidget* owner, const Team& team, bool isHome) {
    const LineupProblem problem = scoring::checkStartingLineup(team);
    if (problem == LineupProblem::None) return true;
    const QString text = problem == LineupProblem::Incomplete
                             ? (isHome ? QStringLiteral("Incomplete Home Team Starting Lineup!")
                                       : QStringLiteral("Incomplete Visiting Team Starting Lineup!"))
                             : (isHome ? QStringLiteral("Duplicates in Home Team Starting Lineup")
                                       : QStringLiteral("Duplicates in Visiting Team Starting Lineup"));
    ui::showWarning(owner, text, QStringLiteral("Lineup Error"));
    return false;
}

void GameEdit::startGame() {
    if (!homeSelected_ || !visitorSelected_) {
        ui::showWarning(this, QStringLiteral("You must first select teams."),
                        QStringLiteral("Team Not Selected"));
        return;
    }
    if (!checkStartingLineup(this, game_.visitor, false) || !checkStartingLineup(this, game_.home, true))
        return;
    ui::playSoundEffect(ui::SoundGameStart);
    collectFields();
    closeWith(kStartGame);
}

void GameEdit::collectFields() {
    readBackGameInfo(game_,
                     {dateEdit_->text().toStdString(), timeEdit_->text().toStdString(),
                      seasonEdit_->text().toStdString()},
                     today().year);

    game_.court = ui::toRecordText(courtEdit_->text(), kGameTextChars);
    game_.attendance = ui::toRecordText(attendanceEdit_->text(), kGameTextChars);
    game_.referee1 = ui::toRecordText(refereeEdits_[0]->text(), kGameTextChars);
    game_.referee2 = ui::toRecordText(refereeEdits_[1]->text(), kGameTextChars);
    game_.referee3 = ui::toRecordText(refereeEdits_[2]->text(), kGameTextChars);
    game_.homeName = ui::toRecordText(homeName_, kGameTextChars);
    game_.visitorName = ui::toRecordText(visitorName_, kGameTextChars);
    game_.isNew = 1;
}

}  // namespace courtlog::gui::scoring
