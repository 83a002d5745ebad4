#include "gui/people/ScheduleEditor.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/records/ScheduleListing.h"
#include "core/records/ScheduledFiles.h"
#include "core/records/TeamDamage.h"
#include "core/records/TeamSource.h"
#include "gui/people/ScheduleOutputRoutes.h"
#include "gui/people/TeamEdit.h"
#include "gui/people/TeamSave.h"
#include "gui/ui/CalendarDialog.h"
#include "gui/ui/FileDialogs.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/RecordPaths.h"
#include "gui/ui/Printing.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::people {

namespace {

constexpr int kNameChars = static_cast<int>(ScheduleEntry::kNameLength);
constexpr int kNoteChars = static_cast<int>(ScheduleEntry::kNoteLength);
const QString kGameFileSelected = QStringLiteral("Game File Selected!");

ui::FileDialogOptions fileOptions(const char* filters, const char* extension, FileFolder folder) {
    ui::FileDialogOptions options;
    options.filters = QString::fromLatin1(filters);
    options.defaultExtension = QString::fromLatin1(extension);
    options.folder = folder;
    return options;
}

QString pathText(const std::string& field) { return ui::fromRecordPath(pathFromScheduleField(field)); }

void tellCantLoadTeam(QWidget* owner) {
    ui::showMessage(owner, QStringLiteral("Can't load team !"), QStringLiteral("File corrupt or missing ?"),
                    ui::MessageButtons::Ok, ui::MessageIcon::Exclamation);
}

void tellCantLoadGame(QWidget* owner) {
    ui::showMessage(owner, QStringLiteral("Can't load game !"), QStringLiteral("File corrupt ?"),
                    ui::MessageButtons::Ok, ui::MessageIcon::Exclamation);
}

}  // namespace

ScheduleEditor::ScheduleEditor(Schedule& schedule, QWidget* parent)
    : ui::CourtlogDialog(parent), schedule_(schedule), scratch_(ScheduleEntry::blank()) {
    setObjectName(QStringLiteral("scheduleEditor"));
    setWindowTitle(QStringLiteral("Schedule"));
    setHelpTopic(QStringLiteral("schedule.html"));
    buildForm();
    refillList();
    clearAll();
    // Never smaller than it opened; the list takes what the user adds.
    resize(sizeHint());
    setMinimumSize(sizeHint());
    dateEdit_->setFocus();
}

void ScheduleEditor::buildForm() {
    // Made in reading order, which is also the tab order.
    auto* dateButton = addClickButton(QStringLiteral("&Date:"), QStringLiteral("dateButton"), [this] { pickDate(); });
    dateEdit_ = new QLineEdit(this);
    dateEdit_->setObjectName(QStringLiteral("dateEdit"));
    dateEdit_->setMaxLength(16);
    auto* timeLabel = new QLabel(QStringLiteral("Time:"), this);
    timeEdit_ = new QLineEdit(this);
    timeEdit_->setObjectName(QStringLiteral("timeEdit"));
    timeEdit_->setMaxLength(12);
    auto* courtLabel = new QLabel(QStringLiteral("Court:"), this);
    courtEdit_ = addRecordTextEdit(QStringLiteral("courtEdit"), kNameChars, {});
    kindList_ = new QComboBox(this);
    kindList_->setObjectName(QStringLiteral("kindList"));
    kindList_->setAccessibleName(QStringLiteral("Event"));
    for (int kind = 1; kind <= kLastScheduleEventKind; ++kind)
        kindList_->addItem(QString::fromLatin1(scheduleEventKindText(kind).data(),
                                               static_cast<int>(scheduleEventKindText(kind).size())));
    auto* noteLabel = new QLabel(QStringLiteral("Note:"), this);
    noteEdit_ = addRecordTextEdit(QStringLiteral("noteEdit"), kNoteChars, {});

    auto* homeButton = addClickButton(QStringLiteral("&Home Team:"), QStringLiteral("homeTeamFileButton"),
                                      [this] { chooseTeamFile(true); });
    homeNameEdit_ = addRecordTextEdit(QStringLiteral("homeNameEdit"), kNameChars, {});
    homeTeamButton_ = addClickButton(QStringLiteral("Create"), QStringLiteral("homeTeamButton"),
                                     [this] { createOrEditTeam(true); });
    auto* visitorButton = addClickButton(QStringLiteral("&Visiting Team:"), QStringLiteral("visitorTeamFileButton"),
                                         [this] { chooseTeamFile(false); });
    visitorNameEdit_ = addRecordTextEdit(QStringLiteral("visitorNameEdit"), kNameChars, {});
    visitorTeamButton_ = addClickButton(QStringLiteral("Create"), QStringLiteral("visitorTeamButton"),
                                        [this] { createOrEditTeam(false); });
    auto* selectGameButton =
        addClickButton(QStringLiteral("Select &Game:"), QStringLiteral("selectGameButton"), [this] { selectGame(); });
    gameEdit_ = new QLineEdit(this);
    gameEdit_->setObjectName(QStringLiteral("gameEdit"));
    gameEdit_->setReadOnly(true);
    gameButton_ =
        addClickButton(QStringLiteral("Start"), QStringLiteral("gameButton"), [this] { startOrEditGame(); });
    timeLabel->setBuddy(timeEdit_);
    courtLabel->setBuddy(courtEdit_);
    noteLabel->setBuddy(noteEdit_);

    list_ = new QTableWidget(0, kScheduleColumnCount, this);
    list_->setObjectName(QStringLiteral("scheduleList"));
    list_->setShowGrid(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setWordWrap(false);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 6);
    list_->horizontalHeader()->setSectionsClickable(true);
    list_->horizontalHeader()->setHighlightSections(false);
    QStringList titles;
    const auto& widths = ui::programSettings().scheduleColumnWidths;
    int listWidth = 2 * list_->frameWidth() + list_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < kScheduleColumnCount; ++c) {
        const std::string_view title = scheduleColumnTitle(scheduleColumnAt(c));
        titles << QString::fromLatin1(title.data(), static_cast<int>(title.size()));
        list_->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
        listWidth += std::max(0, widths[static_cast<std::size_t>(c)]);
    }
    list_->setHorizontalHeaderLabels(titles);
    list_->setMinimumWidth(std::min(listWidth, 1000));
    list_->setMinimumHeight(list_->horizontalHeader()->sizeHint().height() +
                            10 * list_->verticalHeader()->defaultSectionSize());
    connect(list_, &QTableWidget::itemSelectionChanged, this, [this] {
        if (selectedRow() >= 0) loadSelectedRow();
    });
    connect(list_->horizontalHeader(), &QHeaderView::sectionClicked, this, &ScheduleEditor::sortByColumn);

    auto* addButton = addClickButton(QStringLiteral("&Add Event"), QStringLiteral("addButton"), [this] { addEvent(); });
    auto* deleteButton =
        addClickButton(QStringLiteral("D&elete Event"), QStringLiteral("deleteButton"), [this] { deleteEvent(); });
    auto* updateButton =
        addClickButton(QStringLiteral("&Update Event"), QStringLiteral("updateButton"), [this] { updateEvent(); });
    auto* clearButton = addClickButton(QStringLiteral("C&lear All"), QStringLiteral("clearButton"), [this] { clearAll(); });
    auto* okButton = addClickButton(QStringLiteral("&OK"), QStringLiteral("okButton"), [this] { closeWith(1); });
    okButton->setDefault(true);
    auto* exportButton =
        addClickButton(QStringLiteral("E&xport..."), QStringLiteral("exportButton"), [this] { exportSchedule(); });
    auto* printButton =
        addClickButton(QStringLiteral("&Print..."), QStringLiteral("printButton"), [this] { printSchedule(); });
    auto* setupButton = addClickButton(QStringLiteral("Printer Se&tup..."), QStringLiteral("printerSetupButton"),
                                       [this] { ui::printerSetup(this); });
    auto* cancelButton =
        addClickButton(QStringLiteral("&Cancel"), QStringLiteral("cancelButton"), [this] { closeWith(2); });

    // The event's facts on the left, its teams and game on the right, the
    // note under both; the list below takes every size change.
    auto* facts = new QGridLayout;
    facts->addWidget(dateButton, 0, 0);
    facts->addWidget(dateEdit_, 0, 1);
    facts->addWidget(timeLabel, 1, 0, Qt::AlignRight);
    facts->addWidget(timeEdit_, 1, 1);
    facts->addWidget(courtLabel, 2, 0, Qt::AlignRight);
    facts->addWidget(courtEdit_, 2, 1);
    facts->addWidget(kindList_, 3, 1);
    auto* sides = new QGridLayout;
    sides->addWidget(homeButton, 0, 0);
    sides->addWidget(homeNameEdit_, 0, 1);
    sides->addWidget(homeTeamButton_, 0, 2);
    sides->addWidget(visitorButton, 1, 0);
    sides->addWidget(visitorNameEdit_, 1, 1);
    sides->addWidget(visitorTeamButton_, 1, 2);
    sides->addWidget(selectGameButton, 2, 0);
    sides->addWidget(gameEdit_, 2, 1);
    sides->addWidget(gameButton_, 2, 2);
    sides->setColumnStretch(1, 1);
    sides->setRowStretch(3, 1);
    auto* top = new QHBoxLayout;
    top->addLayout(facts, 2);
    top->addSpacing(12);
    top->addLayout(sides, 3);
    auto* noteRow = new QHBoxLayout;
    noteRow->addWidget(noteLabel);
    noteRow->addWidget(noteEdit_, 1);
    auto* editRow = new QHBoxLayout;
    for (QPushButton* b : {addButton, deleteButton, updateButton, clearButton}) editRow->addWidget(b);
    editRow->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(noteRow);
    layout->addWidget(list_, 1);
    layout->addLayout(editRow);
    layout->addLayout(buttonRow({okButton, exportButton, printButton, setupButton, cancelButton}));
}

std::string ScheduleEditor::formGameFile() const { return pathFromScheduleField(scratch_.gameFile); }

ScheduleFormFields ScheduleEditor::formFields() const {
    ScheduleFormFields form;
    form.date = dateEdit_->text().toStdString();
    form.time = timeEdit_->text().toStdString();
    form.court = ui::toRecordText(courtEdit_->text(), ScheduleEntry::kNameLength);
    form.homeName = ui::toRecordText(homeNameEdit_->text(), ScheduleEntry::kNameLength);
    form.visitorName = ui::toRecordText(visitorNameEdit_->text(), ScheduleEntry::kNameLength);
    form.note = ui::toRecordText(noteEdit_->text(), ScheduleEntry::kNoteLength);
    form.kindIndex = kindList_->currentIndex();
    return form;
}

void ScheduleEditor::done(int result) {
    // The list's column widths are kept for the next time, however it closes.
    auto& widths = ui::programSettings().scheduleColumnWidths;
    for (int c = 0; c < kScheduleColumnCount; ++c) widths[static_cast<std::size_t>(c)] = list_->columnWidth(c);
    ui::CourtlogDialog::done(result);
}

std::vector<std::string> ScheduleEditor::gameFolders() const { return scheduledGameFolders(schedule_.fileName); }

void ScheduleEditor::refillList() {
    const ScheduleListing listing = listSchedule(schedule_, gameFolders());
    {
        const QSignalBlocker quiet(list_);
        list_->clearSelection();
        list_->setRowCount(static_cast<int>(listing.rows.size()));
        for (int r = 0; r < list_->rowCount(); ++r) {
            const ScheduleListRow& row = listing.rows[static_cast<std::size_t>(r)];
            for (int c = 0; c < kScheduleColumnCount; ++c) {
                const ScheduleColumn column = scheduleColumnAt(c);
                const std::string& cell = row[static_cast<std::size_t>(c)];
                auto* item = new QTableWidgetItem(column == ScheduleColumn::GameFile ? pathText(cell)
                                                                                    : ui::fromRecordText(cell));
                item->setTextAlignment(
                    Qt::AlignVCenter | (scheduleColumnCentred(column) ? Qt::AlignHCenter : Qt::AlignLeft));
                list_->setItem(r, c, item);
            }
        }
    }
    // Told after the list shows what is left of each lost entry.
    for (std::size_t i = 0; i < listing.lostGames.size(); ++i)
        ui::showMessage(this, QStringLiteral("Can't load game!"), QStringLiteral("File corrupt or missing?"),
                        ui::MessageButtons::Ok, ui::MessageIcon::Exclamation);
}

int ScheduleEditor::selectedRow() const {
    const QList<QTableWidgetSelectionRange> ranges = list_->selectedRanges();
    if (ranges.isEmpty()) return -1;
    const int row = ranges.first().topRow();
    return row < schedule_.entryCount() ? row : -1;
}

void ScheduleEditor::showEntry(const ScheduleEntry& entry) {
    dateEdit_->setText(QString::fromStdString(dateFieldText(entry.date)));
    timeEdit_->setText(QString::fromStdString(timeFieldText(entry.hour, entry.minute)));
    courtEdit_->setText(ui::fromRecordText(entry.court));
    // An entry without a known kind shows "Game", as the blank form does.
    const bool known = entry.kind >= 1 && entry.kind <= kLastScheduleEventKind;
    kindList_->setCurrentIndex(known ? entry.kind - 1 : GameEvent - 1);
    noteEdit_->setText(ui::fromRecordText(entry.note));
    homeNameEdit_->setText(ui::fromRecordText(entry.homeName));
    visitorNameEdit_->setText(ui::fromRecordText(entry.visitorName));
    for (QLineEdit* edit : {courtEdit_, noteEdit_, homeNameEdit_, visitorNameEdit_}) edit->setCursorPosition(0);
}

void ScheduleEditor::showChoices() {
    auto caption = [](std::string_view text) { return QString::fromLatin1(text.data(), static_cast<int>(text.size())); };
    gameButton_->setText(caption(choices_.gameCaption()));
    homeTeamButton_->setText(caption(choices_.homeCaption()));
    visitorTeamButton_->setText(caption(choices_.visitorCaption()));
}

void ScheduleEditor::loadSelectedRow() {
    const int row = selectedRow();
    if (row < 0) return;
    scratch_ = schedule_.entries[static_cast<std::size_t>(row)];
    choices_ = {};
    gameEdit_->clear();
    if (!scratch_.gameFile.empty()) {
        std::optional<ScheduledGame> found = loadScheduledGame(scratch_.gameFile, gameFolders());
        if (!found) {
            tellCantLoadGame(this);
        } else {
            if (auto field = scheduleFieldForPath(found->path)) scratch_.gameFile = *field;
            choices_ = {true, true, true};
            scratch_.takeFromGame(found->game);
            scratch_.homeName = found->game.homeName;
            scratch_.visitorName = found->game.visitorName;
            gameEdit_->setText(ui::fromRecordText(gameFieldText(found->game.homeName, found->game.visitorName)));
        }
    }
    if (!choices_.game) {
        choices_.homeTeam = !scratch_.homeFile.empty();
        choices_.visitorTeam = !scratch_.visitorFile.empty();
    }
    showEntry(scratch_);
    showChoices();
}

void ScheduleEditor::clearAll() {
    {
        const QSignalBlocker quiet(list_);
        list_->clearSelection();
    }
    scratch_ = ScheduleEntry::blank();
    choices_ = {};
    gameEdit_->clear();
    showEntry(scratch_);
    showChoices();
}

void ScheduleEditor::pickDate() {
    const EventDate shown = dateFromField(dateEdit_->text().toStdString(), EventDate::today());
    ui::CalendarDialog picker(this, shown.year, shown.day, shown.month);
    if (picker.run() != 1) return;
    EventDate chosen;
    chosen.year = picker.year();
    chosen.day = static_cast<std::int8_t>(picker.day());
    chosen.month = static_cast<std::int8_t>(picker.month());
    dateEdit_->setText(QString::fromStdString(dateFieldText(chosen)));
}

std::optional<std::string> ScheduleEditor::storablePath(const QString& path) {
    if (auto field = scheduleFieldForPath(ui::toRecordPath(path))) return field;
    ui::showMessage(this,
                    QStringLiteral("The schedule cannot keep this file's path (it is too long, or it holds "
                                   "characters a schedule file cannot store):\n%1")
                        .arg(path),
                    QStringLiteral("Schedule"), ui::MessageButtons::Ok, ui::MessageIcon::Exclamation);
    return std::nullopt;
}

void ScheduleEditor::chooseTeamFile(bool home) {
    if (choices_.game) {
        ui::showMessage(this, QStringLiteral("Teams already set in Game File"), kGameFileSelected);
        return;
    }
    const std::optional<ui::FileChoice> choice =
        ui::getOpenFile(this, fileOptions("Team Files (*.tem)|*.tem|", "tem", FileFolder::Teams));
    if (!choice || choice->path.isEmpty()) return;
    Team team;
    // A damaged team is refused now rather than when its game is started.
    std::string damage;
    switch (loadTeamForUse(ui::toRecordPath(choice->path), team, &damage,
                           ui::toRecordPath(QFileInfo(choice->path).fileName()))) {
        case TeamLoad::Loaded: break;
        case TeamLoad::CannotLoad: tellCantLoadTeam(this); return;
        case TeamLoad::Damaged:
            ui::showMessage(this, ui::fromRecordPath(damage), QString::fromLatin1(kDamagedTeamCaption),
                            ui::MessageButtons::Ok, ui::MessageIcon::Exclamation);
            return;
    }
    takeTeam(home, team, choice->path);
}

void ScheduleEditor::takeTeam(bool home, const Team& team, const QString& path) {
    const std::optional<std::string> field = storablePath(path);
    if (!field) return;
    (home ? homeNameEdit_ : visitorNameEdit_)->setText(ui::fromRecordText(team.name));
    (home ? scratch_.homeName : scratch_.visitorName) = cut(team.name, ScheduleEntry::kNameLength);
    (home ? scratch_.homeFile : scratch_.visitorFile) = *field;
    (home ? choices_.homeTeam : choices_.visitorTeam) = true;
    showChoices();
}

void ScheduleEditor::createOrEditTeam(bool home) {
    if (choices_.game) {
        ui::showMessage(this, QStringLiteral("Edit Team by Selecting Game Edit Button"), kGameFileSelected);
        return;
    }
    const bool chosen = home ? choices_.homeTeam : choices_.visitorTeam;
    Team team;
    if (chosen) {
        team.fileName = pathFromScheduleField(home ? scratch_.homeFile : scratch_.visitorFile);
        if (!team.load()) {
            tellCantLoadTeam(this);
            return;
        }
    }
    TeamEdit editor(team, this);
    if (editor.run() != 1) return;
    // A new team has no file yet: saving asks for one. Either way the side
    // shows the team as it was saved.
    if (!saveTeam(this, team)) return;
    takeTeam(home, team, ui::fromRecordPath(team.fileName));
}

void ScheduleEditor::selectGame() {
    const std::optional<ui::FileChoice> choice =
        ui::getOpenFile(this, fileOptions("Game Files (*.gam)|*.gam|", "gam", FileFolder::Games));
    if (!choice || choice->path.isEmpty()) {
        clearAll();
        return;
    }
    Game game;
    if (!game.load(ui::toRecordPath(choice->path))) {
        tellCantLoadGame(this);
        return;
    }
    const std::optional<std::string> field = storablePath(choice->path);
    if (!field) return;
    choices_.game = true;
    scratch_.gameFile = *field;
    gameEdit_->setText(ui::fromRecordText(gameFieldText(game.homeName, game.visitorName)));
    homeNameEdit_->setText(ui::fromRecordText(game.homeName));
    visitorNameEdit_->setText(ui::fromRecordText(game.visitorName));
    courtEdit_->setText(ui::fromRecordText(cut(game.court, ScheduleEntry::kNameLength)));
    showChoices();
}

void ScheduleEditor::startOrEditGame() {
    if (choices_.game) {
        chosenEntry_ = selectedRow();
        closeWith(kContinueGame);
        return;
    }
    const int row = selectedRow();
    if (row < 0) {
        if (ui::showMessage(this, QStringLiteral("Want to Add This Event to Schedule Before Starting Game?"),
                            QStringLiteral("Event Not in Schedule"), ui::MessageButtons::YesNo,
                            ui::MessageIcon::Question) == ui::ResultYes)
            addEvent();
        return;
    }
    if (!choices_.homeTeam || !choices_.visitorTeam) {
        ui::showWarning(this, QStringLiteral("You must first select teams."), QStringLiteral("Team Not Selected"));
        return;
    }
    std::optional<Game> game = gameForScheduledEvent(scratch_, formFields(), EventDate::today(),
                                                     ui::programSettings().league.halves);
    if (!game) {
        tellCantLoadTeam(this);
        return;
    }
    prepared_ = std::move(game);
    chosenEntry_ = row;
    closeWith(kStartNewGame);
}

void ScheduleEditor::addEvent() {
    if (!schedule_.addEntry(entryFromForm(formFields(), scratch_, EventDate::today())))
        ui::showWarning(this, QStringLiteral("The schedule is full."), QStringLiteral("Schedule"));
    clearAll();
    refillList();
}

void ScheduleEditor::updateEvent() {
    const int row = selectedRow();
    if (row < 0) return;
    schedule_.entries[static_cast<std::size_t>(row)] = entryFromForm(formFields(), scratch_, EventDate::today());
    clearAll();
    refillList();
}

void ScheduleEditor::deleteEvent() {
    const int row = selectedRow();
    if (row < 0) return;
    schedule_.removeEntry(row);
    clearAll();
    refillList();
}

void ScheduleEditor::sortByColumn(int column) {
    const ScheduleColumn sorted = scheduleColumnAt(column);
    schedule_.sortBy(sorted, directions_.takeFlag(sorted));
    refillList();
}

void ScheduleEditor::exportSchedule() { exportScheduleFile(this, schedule_); }

void ScheduleEditor::printSchedule() { printScheduleList(this, schedule_); }

}  // namespace courtlog::gui::people
