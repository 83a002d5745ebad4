#include "gui/scoring/GameConsoleWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "core/records/BackgroundSave.h"
#include "core/records/Game.h"
#include "core/scoring/ConsoleRules.h"
#include "gui/scoring/AccessKeys.h"
#include "gui/scoring/CourtArea.h"
#include "gui/scoring/EventEditorRoute.h"
#include "gui/scoring/ScoreDisplay.h"
#include "gui/scoring/PlayChoiceDialog.h"
#include "gui/scoring/ShotSpotDialog.h"
#include "gui/ui/AppState.h"
#include "gui/ui/GameViewer.h"
#include "gui/ui/Help.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/Picture.h"
#include "gui/ui/ProgramSettings.h"
#include "gui/ui/RecordPaths.h"
#include "gui/ui/SaveFailure.h"
#include "gui/ui/Sound.h"
#include "gui/ui/TeamLogo.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::scoring {

// The scoring core's rules used here.
using courtlog::scoring::BenchEntry;
using courtlog::scoring::ChangeOutcome;
using courtlog::scoring::CourtPoint;
using courtlog::scoring::PendingPrompts;
using courtlog::scoring::PeriodGroup;
using courtlog::scoring::PlayChoice;
using courtlog::scoring::PlayerClick;
using courtlog::scoring::playChoices;
using courtlog::scoring::defaultShotSpot;

namespace {

constexpr int kHome = 0, kVisitor = 1;
constexpr int side(bool home) { return home ? kHome : kVisitor; }

// Captions of the court buttons, slots 1..5.
const char* const kHomeCaptions[5] = {"&2  Guard", "&5  Guard", "&3  Center", "&1  Forward", "&4  Forward"};
const char* const kVisitorCaptions[5] = {"&A  Guard", "&D  Guard", "&C  Center", "&B  Forward", "&E  Forward"};

QString teamPrefix(bool home) { return home ? QStringLiteral("home") : QStringLiteral("visitor"); }

void place(QGridLayout* grid, QWidget* widget, int row, int column, int rowSpan = 1, int columnSpan = 1,
           Qt::Alignment alignment = {}) {
    grid->removeWidget(widget);
    grid->addWidget(widget, row, column, rowSpan, columnSpan, alignment);
}

QLabel* logoLabel(QWidget* parent, const Team& team, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    // Small enough to leave the console narrow between two team sheets.
    label->setFixedSize(48, 32);
    label->setAlignment(Qt::AlignCenter);
    // Found where the team sheets and printouts find it: beside the team
    // file too, and the shipped default built in.
    const ui::Picture logo = ui::loadTeamLogo(team);
    if (!logo.isNull())
        label->setPixmap(QPixmap::fromImage(logo.image().scaled(label->size(), Qt::KeepAspectRatio,
                                                                Qt::SmoothTransformation)));
    return label;
}

}  // namespace

GameConsoleWindow::GameConsoleWindow(QWidget* parent, Game& game, const LeagueOptions& league)
    : QDialog(parent),
      model_(game, league),
      scoreboardFeed_(model_.game(), [console = QPointer<GameConsoleWindow>(this)](bool written, const std::string& error) {
          // Heard on the feed's thread; the title is changed on the window's.
          if (!QCoreApplication::instance()) return;
          QMetaObject::invokeMethod(
              qApp, [console, written, error] {
                  if (console) console->showScoreboardWrite(written, error);
              },
              Qt::QueuedConnection);
      }) {
    setObjectName(QStringLiteral("gameConsole"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    area_ = new CourtArea(model_, this);
    for (const bool home : {true, false}) {
        for (int slot = 1; slot <= 5; ++slot) {
            const char* caption = (home ? kHomeCaptions : kVisitorCaptions)[slot - 1];
            auto* button = new QPushButton(QString::fromLatin1(caption), area_);
            button->setObjectName(teamPrefix(home) + QStringLiteral("Slot%1Button").arg(slot));
            button->setAutoDefault(false);
            connect(button, &QPushButton::clicked, this, [this, home, slot] { clickPlayer(home, slot); });
            playerButtons_[side(home)][static_cast<std::size_t>(slot - 1)] = button;
            area_->setPlayerButton(home, slot, button);
        }
    }

    topGrid_ = new QGridLayout;
    buildTopBand(topGrid_);
    buildRows();

    auto* layout = new QVBoxLayout(this);
    // Narrow margins: on a laptop screen the console stands between the
    // two team sheets.
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(topGrid_);
    layout->addWidget(area_, 1);
    layout->addLayout(timeOutRow_);
    layout->addLayout(bottomRow_);

    arrangeSides();
    fillBenches();
    updateScoreboardFeed({});
    refresh();
    resize(820, 700);
    // A right click anywhere on the console cancels, whichever control it
    // hits; the bench lists (and their open lists) hand player keys on.
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
    for (QComboBox* bench : benches_) bench->view()->installEventFilter(this);
}

void GameConsoleWindow::buildTopBand(QGridLayout* grid) {
    const Game& game = model_.game();
    logos_[kHome] = logoLabel(this, game.home, QStringLiteral("homeLogo"));
    logos_[kVisitor] = logoLabel(this, game.visitor, QStringLiteral("visitorLogo"));
    for (const bool home : {true, false}) {
        auto* score = new ScoreDisplay(this);
        score->setObjectName(teamPrefix(home) + QStringLiteral("Score"));
        scores_[side(home)] = score;
    }
    teamLabels_[0] = new QLabel(QStringLiteral("Home"), this);
    teamLabels_[0]->setObjectName(QStringLiteral("leftTeamLabel"));
    teamLabels_[1] = new QLabel(QStringLiteral("Visitor"), this);
    teamLabels_[1]->setObjectName(QStringLiteral("rightTeamLabel"));
    for (QLabel* label : teamLabels_) label->setAlignment(Qt::AlignCenter);

    periodBox_ = new QGroupBox(this);
    periodBox_->setObjectName(QStringLiteral("periodGroup"));
    auto* periodGrid = new QGridLayout(periodBox_);
    periodGrid->setVerticalSpacing(0);
    for (int i = 0; i < 4; ++i) {
        // The period buttons only show the period; Up and Down change it.
        auto* radio = new QRadioButton(periodBox_);
        radio->setObjectName(QStringLiteral("periodRadio%1").arg(i + 1));
        radio->setAutoExclusive(false);
        radio->setFocusPolicy(Qt::NoFocus);
        radio->setAttribute(Qt::WA_TransparentForMouseEvents);
        auto* label = new QLabel(periodBox_);
        label->setObjectName(QStringLiteral("periodLabel%1").arg(i + 1));
        label->setAlignment(Qt::AlignCenter);
        periodRadios_[static_cast<std::size_t>(i)] = radio;
        periodLabels_[static_cast<std::size_t>(i)] = label;
        periodGrid->addWidget(radio, 0, i, Qt::AlignHCenter);
        periodGrid->addWidget(label, 1, i);
    }
    auto* up = new QPushButton(QStringLiteral("Up"), periodBox_);
    up->setObjectName(QStringLiteral("periodUpButton"));
    auto* down = new QPushButton(QStringLiteral("Down"), periodBox_);
    down->setObjectName(QStringLiteral("periodDownButton"));
    for (QPushButton* button : {up, down}) {
        button->setAutoDefault(false);
        button->setFixedWidth(52);
    }
    // Under the periods, so the console stays narrow.
    auto* stepRow = new QHBoxLayout;
    stepRow->addWidget(up);
    stepRow->addWidget(down);
    periodGrid->addLayout(stepRow, 2, 0, 1, 4, Qt::AlignCenter);
    connect(up, &QPushButton::clicked, this, [this] { changePeriod(true); });
    connect(down, &QPushButton::clicked, this, [this] { changePeriod(false); });

    grid->addWidget(teamLabels_[0], 0, 1);
    grid->addWidget(teamLabels_[1], 0, 3);
    grid->addWidget(periodBox_, 0, 2, 2, 1, Qt::AlignCenter);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(4, 1);
}

void GameConsoleWindow::buildRows() {
    auto button = [this](const QString& caption, const QString& name, auto action) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, action);
        return b;
    };
    timeOutButtons_[kHome] =
        button(QStringLiteral("&Time Out"), QStringLiteral("homeTimeOutButton"), [this] { timeOut(true, false); });
    shortTimeOutButtons_[kHome] =
        button(QStringLiteral("20 &Sec"), QStringLiteral("homeShortTimeOutButton"), [this] { timeOut(true, true); });
    timeOutButtons_[kVisitor] = button(QStringLiteral("Time &Out"), QStringLiteral("visitorTimeOutButton"),
                                       [this] { timeOut(false, false); });
    shortTimeOutButtons_[kVisitor] = button(QStringLiteral("2&0 Sec"), QStringLiteral("visitorShortTimeOutButton"),
                                            [this] { timeOut(false, true); });
    auto* swap = button(QStringLiteral("S&wap Sides"), QStringLiteral("swapSidesButton"), [this] { swapSides(); });

    benchLabels_[0] = new QLabel(QStringLiteral("Home Bench"), this);
    benchLabels_[0]->setObjectName(QStringLiteral("leftBenchLabel"));
    benchLabels_[1] = new QLabel(QStringLiteral("Visitor Bench"), this);
    benchLabels_[1]->setObjectName(QStringLiteral("rightBenchLabel"));
    for (const bool home : {true, false}) {
        auto* bench = new QComboBox(this);
        bench->setObjectName(teamPrefix(home) + QStringLiteral("BenchList"));
        bench->setMinimumWidth(140);
        bench->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        connect(bench, &QComboBox::activated, this, [this, home](int entry) { chooseBench(home, entry); });
        benches_[side(home)] = bench;
    }

    // What Ctrl+Z or Ctrl+Y did, until the next change; a line of its own
    // that never widens the console.
    lastStepLabel_ = new QLabel(this);
    lastStepLabel_->setObjectName(QStringLiteral("lastStepLabel"));
    lastStepLabel_->setAlignment(Qt::AlignCenter);
    lastStepLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    timeOutRow_ = new QGridLayout;
    timeOutRow_->addWidget(lastStepLabel_, 3, 0, 1, 5);
    timeOutRow_->addWidget(benchLabels_[0], 1, 0, 1, 2);
    timeOutRow_->addWidget(benchLabels_[1], 1, 3, 1, 2);
    timeOutRow_->setColumnStretch(2, 1);

    editButtons_[kHome] = button(QStringLiteral("Edit &Home Events"), QStringLiteral("editHomeEventsButton"),
                                 [this] { editEvents(true); });
    editButtons_[kVisitor] = button(QStringLiteral("Edit &Visitor Events"), QStringLiteral("editVisitorEventsButton"),
                                    [this] { editEvents(false); });
    auto* stop = button(QStringLiteral("Stop &Game"), QStringLiteral("stopGameButton"), [this] { stopGame(); });
    auto* help = button(QStringLiteral("&Help"), QStringLiteral("helpButton"), [this] {
        ui::playSoundEffect(ui::SoundClick);
        ui::openHelpTopic(this, QStringLiteral("game-console.html"));
    });
    // F1 opens the same page, as in every other window.
    auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    helpKey->setContext(Qt::WindowShortcut);
    connect(helpKey, &QShortcut::activated, this,
            [this] { ui::openHelpTopic(this, QStringLiteral("game-console.html")); });
    auto* cancel =
        button(QStringLiteral("Ca&ncel Action"), QStringLiteral("cancelActionButton"), [this] { cancelAction(); });
    cancelButton_ = cancel;
    // Two rows: the event editors at the teams' ends, the rest under them,
    // which keeps the console narrow enough for a laptop screen.
    bottomRow_ = new QGridLayout;
    bottomRow_->addWidget(swap, 0, 2);
    bottomRow_->addWidget(stop, 1, 0);
    bottomRow_->addWidget(help, 1, 2);
    bottomRow_->addWidget(cancel, 1, 4);
}

QString GameConsoleWindow::cancelActionTip() const {
    QString tip = QStringLiteral(
        "Drops the question or substitution waiting (also Esc or a right click).\n"
        "Ctrl+Z takes back the last change made here: a play, an answer, a time out, a substitution,\n"
        "a period change, Swap Sides or a closed Edit Home/Visitor Events; the questions waiting\n"
        "before it come back. Ctrl+Shift+Z or Ctrl+Y makes it again.");
    const std::string undo = model_.undoDescription();
    const std::string redo = model_.redoDescription();
    if (!undo.empty()) tip += QStringLiteral("\nCtrl+Z now takes back: ") + ui::fromRecordText(undo);
    if (!redo.empty()) tip += QStringLiteral("\nCtrl+Y now makes again: ") + ui::fromRecordText(redo);
    return tip;
}

void GameConsoleWindow::arrangeSides() {
    const bool swapped = model_.sidesSwapped();
    const int left = swapped ? kVisitor : kHome;
    const int right = swapped ? kHome : kVisitor;
    place(topGrid_, logos_[static_cast<std::size_t>(left)], 0, 0, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
    place(topGrid_, logos_[static_cast<std::size_t>(right)], 0, 4, 2, 1, Qt::AlignLeft | Qt::AlignVCenter);
    place(topGrid_, scores_[static_cast<std::size_t>(left)], 1, 1, 1, 1, Qt::AlignCenter);
    place(topGrid_, scores_[static_cast<std::size_t>(right)], 1, 3, 1, 1, Qt::AlignCenter);
    teamLabels_[0]->setText(swapped ? QStringLiteral("Visitor") : QStringLiteral("Home"));
    teamLabels_[1]->setText(swapped ? QStringLiteral("Home") : QStringLiteral("Visitor"));
    benchLabels_[0]->setText(swapped ? QStringLiteral("Visitor Bench") : QStringLiteral("Home Bench"));
    benchLabels_[1]->setText(swapped ? QStringLiteral("Home Bench") : QStringLiteral("Visitor Bench"));
    place(timeOutRow_, timeOutButtons_[static_cast<std::size_t>(left)], 0, 0);
    place(timeOutRow_, shortTimeOutButtons_[static_cast<std::size_t>(left)], 0, 1);
    place(timeOutRow_, timeOutButtons_[static_cast<std::size_t>(right)], 0, 3);
    place(timeOutRow_, shortTimeOutButtons_[static_cast<std::size_t>(right)], 0, 4);
    place(timeOutRow_, benches_[static_cast<std::size_t>(left)], 2, 0, 1, 2);
    place(timeOutRow_, benches_[static_cast<std::size_t>(right)], 2, 3, 1, 2);
    place(bottomRow_, editButtons_[static_cast<std::size_t>(left)], 0, 0, 1, 2);
    place(bottomRow_, editButtons_[static_cast<std::size_t>(right)], 0, 3, 1, 2);
    area_->placeButtons();
}

// ---- actions ----

void GameConsoleWindow::clickPlayer(bool home, int slot) {
    switch (model_.clickAction(home, slot)) {
        case PlayerClick::Nothing: return;
        case PlayerClick::EventDialog: recordThroughDialog(home, slot); return;
        case PlayerClick::StolenFrom:
        case PlayerClick::Assist:
        case PlayerClick::Rebound: ui::playSoundEffect(ui::SoundClick); break;
        case PlayerClick::Substitution: break;
    }
    showOutcome(model_.clickPlayer(home, slot));
}

void GameConsoleWindow::recordThroughDialog(bool home, int slot) {
    ui::playSoundEffect(ui::SoundClick);
    // One dialog serves every play: building its 29 buttons anew each time
    // would slow every click.
    if (!playChoiceDialog_) playChoiceDialog_ = new PlayChoiceDialog(this);
    const std::optional<int> chosen =
        playChoiceDialog_->choose(ui::fromRecordText(model_.slotPlayerWords(home, slot)));
    // Without a choice nothing changed: nothing to show or save.
    if (!chosen) return;
    const PlayChoice& choice = playChoices()[static_cast<std::size_t>(*chosen)];
    // A play that cannot be recorded is told without its sound.
    if (std::optional<ChangeOutcome> refused = model_.playRefusal(home, slot)) {
        showOutcome(*refused);
        return;
    }
    ui::playSoundEffect(choice.sound);
    const CourtPoint spot = choice.isFieldGoalAttempt() ? shotSpotFor(home, choice) : CourtPoint{};
    showOutcome(model_.recordPlay(home, slot, choice, spot));
}

CourtPoint GameConsoleWindow::shotSpotFor(bool home, const PlayChoice& choice) {
    CourtPoint spot = defaultShotSpot(choice.subKind);
    // Closing the question without a click keeps the starting spot.
    if (ui::programSettings().promptForShot) ShotSpotDialog::askShotSpot(this, spot, home);
    return spot;
}

void GameConsoleWindow::chooseBench(bool home, int entry) {
    QComboBox* bench = benches_[side(home)];
    if (entry < 0 || entry >= bench->count()) return;
    ui::playSoundEffect(ui::SoundSubstitution);
    model_.chooseBenchPlayer(home, bench->itemData(entry).toInt());
    changed(false, false);
}

void GameConsoleWindow::timeOut(bool home, bool shortTimeOut) {
    const ChangeOutcome outcome = model_.takeTimeOut(home, shortTimeOut);
    if (outcome) ui::playSoundEffect(ui::SoundSubstitution);
    showOutcome(outcome);
}

void GameConsoleWindow::changePeriod(bool up) {
    ui::playSoundEffect(ui::SoundClick);
    showOutcome(up ? model_.periodUp() : model_.periodDown());
}

void GameConsoleWindow::swapSides() {
    ui::playSoundEffect(ui::SoundClick);
    const ChangeOutcome outcome = model_.swapSides();
    arrangeSides();
    showOutcome(outcome);
}

void GameConsoleWindow::cancelAction() {
    ui::playSoundEffect(ui::SoundClick);
    model_.cancelAction();
    for (QComboBox* bench : benches_) bench->setCurrentIndex(-1);
    changed(false, false);
}

void GameConsoleWindow::undoOrRedo(bool redo) {
    ui::playSoundEffect(ui::SoundClick);
    if (!(redo ? model_.redo() : model_.undo())) return;
    // The step may have swapped the sides back; prompts and bench choices
    // return as they stood.
    arrangeSides();
    changed(true, true);
}

void GameConsoleWindow::editEvents(bool home) {
    ui::playSoundEffect(ui::SoundClick);
    if (!scoring::editEvents(this, model_, home)) return;
    changed(true, true);
}

void GameConsoleWindow::stopGame() {
    ui::playSoundEffect(ui::SoundClick);
    const int answer = ui::showMessage(this, QStringLiteral("Save changes to game ?"), QStringLiteral("Save Game ?"),
                                       ui::MessageButtons::YesNoCancel, ui::MessageIcon::Question);
    if (answer == ui::ResultCancel) return;
    if (answer == ui::ResultYes && !saveGame()) return;
    closeConfirmed_ = true;
    close();
}

// ---- the shell's calls ----

void GameConsoleWindow::openWithSidesSwapped(bool swapped) {
    if (swapped == model_.sidesSwapped()) return;
    model_.openWithSidesSwapped(swapped);
    arrangeSides();
    refresh();
}

void GameConsoleWindow::refreshPlayerLists() {
    model_.rosterChanged();
    fillBenches();
    // A player added or renamed is in the game file at once, not only with
    // the next play.
    changed(true, true);
}

void GameConsoleWindow::addPlayer(bool home, const Player& player) { showOutcome(model_.addPlayer(home, player)); }

void GameConsoleWindow::editPlayers(std::optional<std::vector<Player>> homeEdited,
                                    std::optional<std::vector<Player>> visitorEdited) {
    showOutcome(model_.editPlayers(std::move(homeEdited), std::move(visitorEdited)));
}

void GameConsoleWindow::applyScoreboardSettings() {
    // Turned on (or moved) in the middle of a game: written now, not at the
    // next play.
    updateScoreboardFeed(model_.fileImage());
    showTitle();
}

void GameConsoleWindow::applyLeagueOptions() {
    // Limits and the period mode may differ: every figure is shown again.
    if (const ChangeOutcome moved = model_.leagueOptionsChanged())
        showOutcome(moved);
    else
        changed(true, false);
}

// ---- showing the model ----

void GameConsoleWindow::showOutcome(const ChangeOutcome& outcome) {
    if (outcome) {
        changed(true, true);
        return;
    }
    // Nothing to save; a question may have ended all the same.
    refresh();
    if (!outcome.message.empty())
        ui::showMessage(this, ui::fromRecordText(outcome.message), QString::fromStdString(outcome.caption),
                        ui::MessageButtons::Ok, ui::MessageIcon::Stop);
}

void GameConsoleWindow::changed(bool figures, bool save) {
    const bool saving = save && ui::appState().autoSave;
    // One image of the game serves both the feed and the auto save; it is
    // kept in step with the game, so a play costs its own record.
    GameFileImage::Snapshot image;
    if ((figures && ui::programSettings().scoreboardFeedOn) || (saving && !model_.game().fileName.empty()))
        image = model_.fileImage();
    if (figures) updateScoreboardFeed(image);
    refresh();
    if (figures && figuresChanged_) figuresChanged_();
    if (figures) ui::tellGameViewers(model_.lastChange());
    if (saving) autoSave(std::move(image));
}

void GameConsoleWindow::showTitle() {
    QString title = QString::fromLatin1(model_.title().c_str());
    if (!scoreboardProblem_.isEmpty()) title += QStringLiteral("  [Scoreboard not written: %1]").arg(scoreboardProblem_);
    setWindowTitle(title);
}

void GameConsoleWindow::refresh() {
    showTitle();
    const Game& game = model_.game();
    scores_[kHome]->setValue(game.homeScore());
    scores_[kVisitor]->setValue(game.visitorScore());
    const PeriodGroup group = model_.periodGroup();
    periodBox_->setTitle(QString::fromStdString(group.caption));
    for (std::size_t i = 0; i < 4; ++i) {
        periodLabels_[i]->setText(QString::fromStdString(group.labels[i]));
        periodRadios_[i]->setChecked(group.checked == static_cast<int>(i) + 1);
    }
    // A fouled-out player's bench line changes with the fouls.
    fillBenches();
    cancelButton_->setToolTip(cancelActionTip());
    lastStepLabel_->setText(ui::fromRecordText(model_.lastStep()));
    area_->sceneChanged();
}

void GameConsoleWindow::fillBenches() {
    for (const bool home : {true, false}) {
        QComboBox* bench = benches_[side(home)];
        const PendingPrompts& pending = model_.pending();
        const bool substitution = home ? pending.homeSubstitution : pending.visitorSubstitution;
        const int chosen = substitution ? (home ? pending.homeBenchChoice : pending.visitorBenchChoice) : -1;
        const std::vector<BenchEntry> entries = model_.bench(home);
        int current = -1;
        bool same = bench->count() == static_cast<int>(entries.size());
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const int index = static_cast<int>(i);
            if (entries[i].rosterIndex == chosen) current = index;
            same = same && bench->itemData(index).toInt() == entries[i].rosterIndex &&
                   bench->itemText(index) == ui::fromRecordText(entries[i].text);
        }
        const QSignalBlocker quiet(bench);
        // Most plays change no bench line: the list is left as it is then
        // (even choosing the same line again draws it anew).
        if (!same) {
            bench->clear();
            for (const BenchEntry& entry : entries) bench->addItem(ui::fromRecordText(entry.text), entry.rosterIndex);
        }
        if (bench->currentIndex() != current) bench->setCurrentIndex(current);
    }
}

bool GameConsoleWindow::saveGame() {
    Game& game = model_.game();
    std::string error;
    if (game.save(game.fileName, &error)) return true;
    showSaveFailure(game.fileName, error);
    return false;
}

GameConsoleWindow::~GameConsoleWindow() { backgroundSaver().waitUntilIdle(); }

void GameConsoleWindow::autoSave(GameFileImage::Snapshot image) {
    const Game& game = model_.game();
    // A game without a file yet fails at once, as a save made here does.
    if (game.fileName.empty()) {
        saveGame();
        return;
    }
    // Written and flushed to disk beside the console, so the next click is
    // answered at once; a failure is told as a save made here tells it.
    const std::string path = game.fileName;
    if (image.parts.empty()) image = model_.fileImage();
    backgroundSaver().save(path, std::move(image.parts),
                           [console = QPointer<GameConsoleWindow>(this), path](bool saved, const std::string& error) {
                               if (saved || !QCoreApplication::instance()) return;
                               QMetaObject::invokeMethod(
                                   qApp, [console, path, error] {
                                       if (console) console->showSaveFailure(path, error);
                                   },
                                   Qt::QueuedConnection);
                           });
}

void GameConsoleWindow::showSaveFailure(const std::string& path, const std::string& error) {
    // Why the file could not be written, as every other save says it.
    ui::showMessage(this, ui::saveFailureText(QStringLiteral("game"), ui::fromRecordPath(path), error),
                    QStringLiteral("Disk Full ?"), ui::MessageButtons::Ok, ui::MessageIcon::Exclamation);
}

void GameConsoleWindow::updateScoreboardFeed(GameFileImage::Snapshot image) {
    // The feed is written beside the console; how it went comes back to
    // showScoreboardWrite.
    scoreboardFeed_.gameChanged(model_.game(), model_.league(), ui::programSettings(), std::time(nullptr),
                                std::move(image));
    // Turned off, it has nothing left to complain about.
    if (!ui::programSettings().scoreboardFeedOn) scoreboardProblem_.clear();
}

void GameConsoleWindow::showScoreboardWrite(bool written, const std::string& error) {
    // Scoring goes on whatever became of the feed; the title says it once,
    // without a message to answer, and the next change tries again.
    const QString problem = written ? QString() : ui::fromRecordPath(error);
    if (problem == scoreboardProblem_) return;
    scoreboardProblem_ = problem;
    showTitle();
}

// ---- keys, mouse, closing ----

void GameConsoleWindow::reject() { cancelAction(); }

void GameConsoleWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cancelAction();
        return;
    }
    const QKeyCombination keys = event->keyCombination();
    if (keys == QKeyCombination(Qt::ControlModifier, Qt::Key_Z)) {
        undoOrRedo(false);
        return;
    }
    if (keys == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z) ||
        keys == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)) {
        undoOrRedo(true);
        return;
    }
    if (clickButtonForKey(this, event)) return;
    QDialog::keyPressEvent(event);
}

void GameConsoleWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        cancelAction();
        return;
    }
    QDialog::mousePressEvent(event);
}

bool GameConsoleWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        cancelAction();
        return true;
    }
    // A player key in a bench list is for the court buttons, never the
    // list's type-ahead ("3" must not pick "33"); the bench player is
    // chosen with the arrow keys or the mouse.
    const bool keyEvent = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (keyEvent && isPlayerKey(static_cast<QKeyEvent*>(event))) {
        for (QComboBox* bench : benches_) {
            if (watched != bench && watched != bench->view()) continue;
            event->accept();
            if (event->type() == QEvent::ShortcutOverride) return true;
            bench->hidePopup();
            clickPlayerButtonForKey(this, static_cast<QKeyEvent*>(event));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void GameConsoleWindow::closeEvent(QCloseEvent* event) {
    if (!closeConfirmed_) {
        const int answer = ui::showMessage(this, QStringLiteral("Save changes to game ?"),
                                           QStringLiteral("Save Game ?"), ui::MessageButtons::YesNo,
                                           ui::MessageIcon::Question);
        // A game that could not be saved keeps its console, so no play is lost.
        if (answer == ui::ResultYes && !saveGame()) {
            event->ignore();
            return;
        }
        closeConfirmed_ = true;
    }
    event->accept();
    done(1);
}

}  // namespace courtlog::gui::scoring
