#include "gui/people/RosterEdit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QToolTip>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/people/PersonalInfoRoute.h"
#include "core/records/Codes.h"
#include "core/records/UniformNumber.h"
#include "core/records/PlayerEntry.h"
#include "core/records/RosterEditorRules.h"
#include "core/records/Team.h"
#include "gui/ui/CornerBitmap.h"
#include "gui/ui/EntryMessages.h"
#include "gui/ui/Help.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/Sound.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::people {

namespace {

constexpr int kSlotCount = static_cast<int>(std::tuple_size_v<LineupChoices>);

}  // namespace

QString RosterEdit::listText(const Player& player) { return ui::fromRecordText(rosterListText(player)); }

RosterEdit::RosterEdit(Team& working, QWidget* parent) : ui::CourtlogDialog(parent), team_(working) {
    setObjectName(QStringLiteral("rosterEdit"));
    setWindowTitle(QStringLiteral("Edit Roster"));
    setHelpTopic(QStringLiteral("roster-editor.html"));

    // Made in reading order, which is also the tab order.
    auto* rosterGroup = new QGroupBox(QStringLiteral("Current Roster"), this);
    rosterList_ = new QListWidget(rosterGroup);
    rosterList_->setObjectName(QStringLiteral("rosterList"));
    rosterList_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Wide enough for "07 - " and a 24-character name with its letter.
    rosterList_->setMinimumWidth(
        rosterList_->fontMetrics().horizontalAdvance(QStringLiteral("07 - Christopher Montgomery-X, C")) + 32);

    auto* lineupGroup = new QGroupBox(QStringLiteral("Starting Lineup"), this);
    auto* lineupGrid = new QGridLayout(lineupGroup);
    const std::array<const char*, kSlotCount> slotLetters{"G", "G", "C", "F", "F"};
    for (int slot = 0; slot < kSlotCount; ++slot) {
        auto* list = new QComboBox(lineupGroup);
        list->setObjectName(QStringLiteral("lineupList%1").arg(slot + 1));
        // Room for "07 - " and a whole 24-character name with its letter.
        list->setMinimumContentsLength(32);
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        lineupLists_[slot] = list;
        lineupGrid->addWidget(new QLabel(QString::fromLatin1(slotLetters[slot]), lineupGroup), slot, 0);
        lineupGrid->addWidget(list, slot, 1);
    }
    lineupGrid->setColumnStretch(1, 1);

    auto* nameLabel = new QLabel(QStringLiteral("Name:"), this);
    nameEdit_ = new QLineEdit(this);
    nameEdit_->setObjectName(QStringLiteral("nameEdit"));
    nameEdit_->setMaxLength(kTypedNameChars);
    ui::acceptRecordTextOnly(nameEdit_);
    auto* numberLabel = new QLabel(QStringLiteral("Number:"), this);
    numberEdit_ = new QLineEdit(this);
    numberEdit_->setObjectName(QStringLiteral("numberEdit"));
    numberEdit_->setMaxLength(kTypedNumberChars);
    // Uniforms are 00 and 0 to 99, zeros in front allowed ("007" is 7):
    // anything else is refused as it is typed, and the tooltip says why.
    numberEdit_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral(" *0*[0-9]{0,2} *")), numberEdit_));
    connect(numberEdit_, &QLineEdit::inputRejected, this, [this] {
        QToolTip::showText(numberEdit_->mapToGlobal(QPoint(0, numberEdit_->height())),
                           QString::fromLatin1(kUniformRule), numberEdit_);
    });
    numberEdit_->setMaximumWidth(numberEdit_->fontMetrics().horizontalAdvance(QStringLiteral("000000000")) +
                                 16);
    auto* positionLabel = new QLabel(QStringLiteral("Position:"), this);
    positionList_ = new QComboBox(this);
    positionList_->setObjectName(QStringLiteral("positionList"));
    for (int code = 0; code <= 3; ++code) positionList_->addItem(QString::fromLatin1(positionText(code)));
    nameLabel->setBuddy(nameEdit_);
    numberLabel->setBuddy(numberEdit_);
    positionLabel->setBuddy(positionList_);
    auto* clearButton = addClickButton(QStringLiteral("C&lear Data"), QStringLiteral("clearDataButton"),
                                       [this] { clearEntry(); });

    auto* okButton = addClickButton(QStringLiteral("&OK"), QStringLiteral("okButton"), [this] {
        if (commitOnOk()) closeWith(1);
    });
    okButton->setDefault(true);
    cancelButton_ =
        addClickButton(QStringLiteral("&Cancel"), QStringLiteral("cancelButton"), [this] { closeWith(2); });
    auto* addButton = addClickButton(QStringLiteral("&Add Player"), QStringLiteral("addPlayerButton"),
                                     [this] { addPlayer(); });
    auto* updateButton =
        addPlainButton(QStringLiteral("&Update Player"), QStringLiteral("updatePlayerButton"));
    addButton_ = addButton;
    updateButton_ = updateButton;
    auto* deleteButton =
        addClickButton(QStringLiteral("&Delete"), QStringLiteral("deleteButton"), [this] { deletePlayer(); });
    auto* infoButton = addClickButton(QStringLiteral("Edit Player's Personal Info ..."),
                                      QStringLiteral("personalInfoButton"), [this] { editPersonalInfo(); });
    // Teams held in a game carry no personal information.
    infoButton->setEnabled(!team_.noPersonalInfo);

    connect(updateButton, &QPushButton::clicked, this, &RosterEdit::selectPlayer);
    connect(rosterList_, &QListWidget::currentRowChanged, this, &RosterEdit::selectPlayer);
    connect(rosterList_, &QListWidget::itemDoubleClicked, this, &RosterEdit::selectPlayer);

    // Layout: roster and lineup side by side, the entry fields below them,
    // the buttons along the bottom.
    auto* rosterBox = new QVBoxLayout(rosterGroup);
    rosterBox->addWidget(rosterList_);
    auto* top = new QHBoxLayout;
    top->addWidget(rosterGroup, 1);
    top->addWidget(lineupGroup, 1);

    auto* entry = new QGridLayout;
    entry->addWidget(nameLabel, 0, 0);
    entry->addWidget(nameEdit_, 0, 1, 1, 4);
    entry->addWidget(numberLabel, 1, 0);
    entry->addWidget(numberEdit_, 1, 1);
    entry->addWidget(positionLabel, 1, 2, Qt::AlignRight);
    entry->addWidget(positionList_, 1, 3);
    entry->addWidget(clearButton, 1, 4);
    entry->setColumnStretch(1, 1);
    entry->setColumnStretch(3, 1);

    auto* buttons = buttonRow({okButton, cancelButton_, addButton, updateButton, deleteButton});
    auto* infoRow = new QHBoxLayout;
    infoRow->addStretch(1);
    infoRow->addWidget(infoButton);
    infoRow->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(entry);
    layout->addSpacing(4);
    layout->addLayout(buttons);
    layout->addLayout(infoRow);

    // Opening: fill the lists and show the first player, if any.
    fillLists();
    if (team_.playerCount() > 0) {
        showEntry(0);
        showStartingLineup();
        selectRosterRow(0);
        current_ = 0;
    } else {
        // An empty roster opens on an empty form: no position chosen yet.
        positionList_->setCurrentIndex(-1);
        selectRosterRow(-1);
        current_ = -1;
    }
    nameEdit_->setFocus();
}

void RosterEdit::reject() { cancelButton_->click(); }

bool RosterEdit::entryPending() const {
    return courtlog::entryPending(shownPlayer(), typedEntry());
}

const Player* RosterEdit::shownPlayer() const {
    const bool shown = current_ >= 0 && current_ < team_.playerCount();
    return shown ? &team_.players[static_cast<std::size_t>(current_)] : nullptr;
}

TypedEntry RosterEdit::typedEntry() const {
    return {trimmedName(ui::toRecordText(nameEdit_->text(), std::string::npos)), numberEdit_->text().toStdString(),
            positionList_->currentIndex()};
}

void RosterEdit::keyPressEvent(QKeyEvent* event) {
    const bool enter =
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    // A focused button is pressed by Enter as usual; from the fields, Enter
    // means "take this player": fast entry is name, Tab, number, Enter.
    QWidget* focus = focusWidget();
    const bool onButton = focus && focus->inherits("QAbstractButton");
    const RosterEnterAction action = rosterEnterAction(shownPlayer(), typedEntry());
    if (enter && !onButton && action != RosterEnterAction::PressOk) {
        event->accept();
        const bool adding = action == RosterEnterAction::AddPlayer;
        entryRefused_ = false;
        (adding ? addButton_ : updateButton_)->click();
        // A refused entry keeps the focus where its message sent it.
        if (entryRefused_) return;
        nameEdit_->setFocus();
        if (!adding) nameEdit_->selectAll();
        return;
    }
    ui::CourtlogDialog::keyPressEvent(event);
}

void RosterEdit::fillLists() {
    const QSignalBlocker blockRoster(rosterList_);
    rosterList_->clear();
    for (QComboBox* list : lineupLists_) {
        const QSignalBlocker block(list);
        list->clear();
    }
    for (const Player& player : team_.players) {
        const QString text = listText(player);
        rosterList_->addItem(text);
        for (QComboBox* list : lineupLists_) {
            const QSignalBlocker block(list);
            list->addItem(text);
        }
    }
    for (QComboBox* list : lineupLists_) {
        const QSignalBlocker block(list);
        list->setCurrentIndex(-1);
    }
}

void RosterEdit::showStartingLineup() {
    // Items of a lineup list are in roster order, so the player's index is
    // his item: players whose texts look alike are never confused.
    for (int i = 0; i < team_.playerCount(); ++i) {
        const int slot = team_.players[static_cast<std::size_t>(i)].courtSlot;
        if (slot >= 1 && slot <= kSlotCount) {
            const QSignalBlocker block(lineupLists_[static_cast<std::size_t>(slot - 1)]);
            lineupLists_[static_cast<std::size_t>(slot - 1)]->setCurrentIndex(i);
        }
    }
}

void RosterEdit::selectRosterRow(int row) {
    const QSignalBlocker block(rosterList_);
    rosterList_->setCurrentRow(row);
    if (row < 0) rosterList_->clearSelection();
}

void RosterEdit::showEntry(int index) {
    const Player& player = team_.players[static_cast<std::size_t>(index)];
    nameEdit_->setText(ui::fromRecordText(player.name));
    nameEdit_->setCursorPosition(0);
    const QSignalBlocker block(positionList_);
    positionList_->setCurrentIndex(player.position >= 0 && player.position <= 3 ? player.position : -1);
    numberEdit_->setText(QString::fromStdString(uniformText(player.number)));
}

void RosterEdit::showPlayer(int index) {
    if (index < 0 || index >= team_.playerCount()) return;
    setWindowTitle(QStringLiteral("%1 - Player %2 out of %3")
                       .arg(ui::fromRecordText(team_.name))
                       .arg(index + 1)
                       .arg(team_.playerCount()));
    showEntry(index);
}

void RosterEdit::clearEntry() {
    nameEdit_->clear();
    numberEdit_->clear();
    {
        const QSignalBlocker block(positionList_);
        positionList_->setCurrentIndex(-1);
    }
    selectRosterRow(-1);
    current_ = -1;
    setWindowTitle(QStringLiteral("No Player Selected"));
}

LineupChoices RosterEdit::lineupChoices() const {
    LineupChoices chosen{};
    for (std::size_t i = 0; i < chosen.size(); ++i) chosen[i] = lineupLists_[i]->currentIndex();
    return chosen;
}

std::optional<RosterEdit::Entry> RosterEdit::checkedEntry(int except, std::size_t nameChars) {
    Entry entry;
    entry.name = trimmedName(ui::toRecordText(nameEdit_->text(), std::string::npos), nameChars);
    const PlayerNameProblem nameProblem = checkPlayerName(team_.players, entry.name, except);
    if (nameProblem != PlayerNameProblem::None) {
        ui::showWarning(this, ui::playerNameProblemText(nameProblem, entry.name, team_.name),
                        QStringLiteral("Edit Roster"));
        entryRefused_ = true;
        nameEdit_->setFocus();
        nameEdit_->selectAll();
        return std::nullopt;
    }
    const std::optional<int> number = parseUniform(numberEdit_->text().toStdString());
    if (!number) {
        ui::showWarning(this, ui::uniformNumberProblemText(numberEdit_->text()), QStringLiteral("Edit Roster"));
        entryRefused_ = true;
        numberEdit_->setFocus();
        numberEdit_->selectAll();
        return std::nullopt;
    }
    // A number another player wears is pointed out; the user may keep it.
    if (!ui::confirmUniformNumber(this, team_.players, except, *number, QStringLiteral("Edit Roster"))) {
        entryRefused_ = true;
        numberEdit_->setFocus();
        numberEdit_->selectAll();
        return std::nullopt;
    }
    entry.number = static_cast<std::int16_t>(*number);
    return entry;
}

bool RosterEdit::commitOnOk() {
    if (team_.playerCount() > 0 && current_ >= 0 && current_ < team_.playerCount()) {
        const std::optional<Entry> entry = checkedEntry(current_, kAddedNameChars);
        if (!entry) return false;
        Player& player = team_.players[static_cast<std::size_t>(current_)];
        player.name = entry->name;
        player.position = static_cast<std::int16_t>(positionList_->currentIndex());
        player.number = entry->number;
    }
    setSlotsFromLineup(team_.players, lineupChoices());
    return true;
}

void RosterEdit::addPlayer() {
    // Nothing is added that would be invisible, merge with another player
    // or carry a number no uniform has.
    const std::optional<Entry> entry = checkedEntry(-1, kAddedNameChars);
    if (!entry) return;
    Player player;
    player.name = entry->name;
    player.position = static_cast<std::int16_t>(std::max(positionList_->currentIndex(), 0));
    player.number = entry->number;
    player.courtSlot = 0;
    {
        const QSignalBlocker block(positionList_);
        positionList_->setCurrentIndex(player.position);
    }

    team_.addPlayer(player, PersonalInfo::blank());
    nameEdit_->clear();
    current_ = entryAfterAdding(current_, team_.playerCount());

    addSlotsFromLineup(team_.players, lineupChoices());

    fillLists();
    showStartingLineup();
    selectRosterRow(team_.playerCount() - 1);
    clearEntry();
    nameEdit_->setFocus();
}

bool RosterEdit::selectPlayer() {
    const int chosen = rosterList_->currentRow();
    if (team_.playerCount() == 0) return false;

    if (current_ >= 0 && current_ < team_.playerCount()) {
        // Save the player on display before showing the next one; a refused
        // entry stays on display, and so does its row.
        const std::optional<Entry> entry = checkedEntry(current_, kUpdatedNameChars);
        if (!entry) {
            selectRosterRow(current_);
            return false;
        }
        Player updated;
        updated.name = entry->name;
        updated.position = static_cast<std::int16_t>(positionList_->currentIndex());
        updated.number = entry->number;
        updatePlayerFromLineup(team_.players, current_, updated, lineupChoices());
        fillLists();
        showStartingLineup();
    }

    current_ = chosen;
    selectRosterRow(chosen);
    showPlayer(chosen);
    return true;
}

void RosterEdit::deletePlayer() {
    // The player on display is the one going: his entry needs no commit
    // (nor checking), only the lineup lists are taken.
    const int chosen = rosterList_->currentRow();
    if (chosen >= 0 && chosen == current_)
        setSlotsFromLineup(team_.players, lineupChoices());
    else if (!selectPlayer())
        return;
    if (team_.playerCount() == 0 || current_ < 0) return;
    team_.removePlayer(current_);
    clearEntry();
    fillLists();
    showStartingLineup();
}

void RosterEdit::editPersonalInfo() {
    Team second = team_;
    if (!people::editPersonalInfo(this, second)) return;
    team_.assignFrom(second);
    nameEdit_->clear();
    numberEdit_->clear();
    {
        const QSignalBlocker block(positionList_);
        positionList_->setCurrentIndex(-1);
    }
    fillLists();
    showStartingLineup();
    if (team_.playerCount() > 0) {
        selectRosterRow(0);
        current_ = 0;
        showPlayer(0);
    } else {
        current_ = -1;
    }
}

}  // namespace courtlog::gui::people
