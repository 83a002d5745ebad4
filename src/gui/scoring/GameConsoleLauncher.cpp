#include <QDialog>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/records/Game.h"
#include "gui/scoring/GameCommands.h"
#include "gui/ui/AppState.h"
#include "gui/ui/GameConsoleLink.h"
#include "gui/ui/MessageBox.h"
#include "gui/ui/Sound.h"
#include "gui/ui/TextFields.h"

namespace courtlog::scoring {

namespace {

// Until the full game console is built, a small console shows the game that
// is being scored and stops it.
class StandInConsole : public QDialog, public ui::GameConsoleLink {
public:
    StandInConsole(QWidget* parent, const Game& game) : QDialog(parent), game_(game) {
        setObjectName(QStringLiteral("gameConsole"));
        setWindowTitle(ui::kApplicationName);
        setWindowFlag(Qt::WindowContextHelpButtonHint, false);
        auto* teams =
            new QLabel(QStringLiteral("%1 vs %2")
                           .arg(ui::fromRecordText(game.homeName), ui::fromRecordText(game.visitorName)),
                       this);
        teams->setObjectName(QStringLiteral("teamsLabel"));
        teams->setAlignment(Qt::AlignCenter);
        auto* score = new QLabel(QStringLiteral("%1 - %2").arg(game.homeScore).arg(game.visitorScore), this);
        score->setObjectName(QStringLiteral("scoreLabel"));
        score->setAlignment(Qt::AlignCenter);
        QFont big = score->font();
        big.setPointSize(big.pointSize() * 2);
        big.setBold(true);
        score->setFont(big);
        auto* stop = new QPushButton(QStringLiteral("Stop &Game"), this);
        stop->setObjectName(QStringLiteral("stopGameButton"));
        connect(stop, &QPushButton::clicked, this, [this] {
            ui::playSoundEffect(ui::SoundClick);
            stopGame();
        });
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(teams);
        layout->addWidget(score);
        layout->addWidget(stop, 0, Qt::AlignHCenter);
        resize(360, 160);
    }

    // Escape and the close box stop the game as the button does.
    void reject() override { stopGame(); }

    QWidget* consoleWidget() override { return this; }
    void refreshPlayerLists() override { setWindowTitle(ui::kApplicationName); }
    void applyLeagueOptions() override {}

private:
    void stopGame() {
        if (stopped_) return;
        stopped_ = true;
        // Stopping saves the game, so players added or renamed beside the
        // console are never lost.
        if (!game_.fileName.empty()) saveGameCommand(this);
        done(1);
    }

    const Game& game_;
    bool stopped_ = false;
};

}  // namespace

void startGameConsole(QWidget* mainWindow, Game& game, bool fromFileOrSchedule) {
    ui::AppState& state = ui::appState();
    state.currentGame = &game;
    state.gameInProgress = true;
    // League Options shows a check mark while the game last started from a
    // file or a schedule is played in halves; a new game leaves it alone.
    if (fromFileOrSchedule) state.lastGameInHalves = game.halves != 0;
    ui::notifyGameStateChanged();

    {
        // The console runs its own loop until the game is stopped, but leaves
        // the main window's menu usable: the commands of a game in progress
        // (Save, Auto Save, Add and Modify Player) are used beside it.
        StandInConsole console(mainWindow, game);
        state.console = &console;
        QEventLoop loop;
        QObject::connect(&console, &QDialog::finished, &loop, &QEventLoop::quit);
        console.setModal(false);
        console.show();
        loop.exec();
        state.console = nullptr;
    }

    state.gameInProgress = false;
    // The game belongs to the command that made it and goes with it.
    state.currentGame = nullptr;
    ui::notifyGameStateChanged();
}

}  // namespace courtlog::scoring
