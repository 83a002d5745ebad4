#include "gui/scoring/AddPlayer.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/records/Codes.h"
#include "core/records/Game.h"
#include "core/records/PlayerEntry.h"
#include "core/records/RosterEditorRules.h"
#include "core/records/UniformChoice.h"
#include "core/records/UniformNumber.h"
#include "gui/ui/EntryMessages.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::scoring {

QStringList uniformNumberEntries() {
    QStringList entries;
    for (const std::string& choice : uniformChoices()) entries << QString::fromStdString(choice);
    return entries;
}

QString teamButtonText(const std::string& recordName, const QString& fallback) {
    QString name = ui::fromRecordText(recordName);
    if (name.trimmed().isEmpty()) name = fallback;
    return name.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

AddPlayer::AddPlayer(Game& game, QWidget* parent) : ui::CourtlogDialog(parent), game_(game) {
    setObjectName(QStringLiteral("addPlayer"));
    setWindowTitle(QStringLiteral("Add Player"));
    setHelpTopic(QStringLiteral("players-during-game.html#add"));

    nameEdit_ = new QLineEdit(this);
    nameEdit_->setObjectName(QStringLiteral("nameEdit"));
    // What the box can hold is what is kept.
    nameEdit_->setMaxLength(static_cast<int>(kAddedNameChars));
    ui::acceptRecordTextOnly(nameEdit_);
    positionList_ = new QComboBox(this);
    positionList_->setObjectName(QStringLiteral("positionList"));
    for (int code = 0; code <= 3; ++code) positionList_->addItem(QString::fromLatin1(positionText(code)));
    positionList_->setCurrentIndex(0);
    numberList_ = new QComboBox(this);
    numberList_->setObjectName(QStringLiteral("numberList"));
    numberList_->addItems(uniformNumberEntries());

    auto* teamGroup = new QGroupBox(QStringLiteral("Add Player To:"), this);
    homeButton_ = new QRadioButton(teamButtonText(game_.homeName, QStringLiteral("Home Team")), teamGroup);
    homeButton_->setObjectName(QStringLiteral("homeButton"));
    visitorButton_ =
        new QRadioButton(teamButtonText(game_.visitorName, QStringLiteral("Visiting Team")), teamGroup);
    visitorButton_->setObjectName(QStringLiteral("visitorButton"));
    homeButton_->setChecked(true);
    // The number offered is one nobody on the chosen team wears, until the
    // scorekeeper picks one.
    offerFreeNumber();
    connect(numberList_, &QComboBox::currentIndexChanged, this, [this] { numberChosen_ = true; });
    connect(visitorButton_, &QRadioButton::toggled, this, [this] {
        if (!numberChosen_) offerFreeNumber();
    });

    auto* addButton = addClickButton(QStringLiteral("&Add Player"), QStringLiteral("addPlayerButton"),
                                     [this] { addToTeam(); });
    addButton->setDefault(true);
    cancelButton_ =
        addClickButton(QStringLiteral("&Cancel"), QStringLiteral("cancelButton"), [this] { closeWith(2); });

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Name:"), nameEdit_);
    fields->addRow(QStringLiteral("Position:"), positionList_);
    fields->addRow(QStringLiteral("Uniform #:"), numberList_);
    auto* teamBox = new QVBoxLayout(teamGroup);
    teamBox->addWidget(homeButton_);
    teamBox->addWidget(visitorButton_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(addButton);
    buttons->addWidget(cancelButton_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(teamGroup);
    layout->addLayout(buttons);
    nameEdit_->setFocus();
}

void AddPlayer::reject() { cancelButton_->click(); }

void AddPlayer::offerFreeNumber() {
    const Team& team = visitorButton_->isChecked() ? game_.visitor : game_.home;
    const QSignalBlocker offered(numberList_);
    numberList_->setCurrentIndex(uniformChoiceOf(firstFreeUniform(team.players)));
}

void AddPlayer::addToTeam() {
    Player player;
    player.name = trimmedName(ui::toRecordText(nameEdit_->text(), std::string::npos), kAddedNameChars);
    player.number = static_cast<std::int16_t>(uniformOfChoice(numberList_->currentIndex()));
    player.position = static_cast<std::int16_t>(std::max(positionList_->currentIndex(), 0));
    player.courtSlot = 0;
    const bool visitor = visitorButton_->isChecked();
    Team& team = visitor ? game_.visitor : game_.home;
    // An empty name makes an entry nobody can see; a name already on the
    // team would merge the two players' plays. Neither is added.
    const PlayerNameProblem problem = checkPlayerName(team.players, player.name);
    if (problem != PlayerNameProblem::None) {
        ui::showWarning(this, ui::playerNameProblemText(problem, player.name, visitor ? game_.visitorName : game_.homeName),
                        QStringLiteral("Add Player"));
        nameEdit_->setFocus();
        nameEdit_->selectAll();
        return;
    }
    if (!ui::confirmUniformNumber(this, team.players, -1, player.number, QStringLiteral("Add Player"))) {
        numberList_->setFocus();
        return;
    }
    team.addPlayer(player, PersonalInfo::blank());
    closeWith(1);
}

}  // namespace courtlog::gui::scoring
