#include "core/scoring/ConsoleCommands.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "core/records/Codes.h"
#include "core/scoring/ConsoleRules.h"
#include "core/scoring/PlayTally.h"

namespace courtlog::scoring {

namespace {

void markPlayedInPeriod(Team& side, int period) {
    const auto index = static_cast<std::size_t>(std::clamp(period, 0, Player::kPeriodSlots - 1));
    for (int slot = 1; slot <= 5; ++slot) {
        const int i = rosterIndexInSlot(side, slot);
        if (i >= 0) side.players[static_cast<std::size_t>(i)].playedInPeriod[index] = 1;
    }
}

class AddPlayCommand final : public ConsoleCommand {
public:
    AddPlayCommand(bool home, const PlayEvent& play, bool markPlayers, std::string description,
                   std::optional<ConsoleState> after)
        : ConsoleCommand(std::move(description), std::move(after)), home_(home), play_(play), markPlayers_(markPlayers) {}

private:
    bool applyToGame(Game& game) override {
        Team& side = team(game, home_);
        std::optional<std::vector<Player>> before;
        if (markPlayers_) {
            before = side.players;
            markPlayedInPeriod(side, play_.period);
        }
        const bool added = home_ ? game.addHomeEvent(play_) : game.addVisitorEvent(play_);
        if (!added) {
            if (before) side.players = std::move(*before);
            return false;
        }
        appended_ = game.events(home_).back();
        // Most plays find their players marked already: keep the roster
        // only when the marks changed.
        playersBefore_.reset();
        if (before && *before != side.players) playersBefore_ = std::move(before);
        return true;
    }

    void revertOnGame(Game& game) override {
        // Nothing newer is left, so the play is the last of its list.
        game.removeLastEvent(home_);
        if (playersBefore_) team(game, home_).players = std::move(*playersBefore_);
        playersBefore_.reset();
    }

    void updateTallies(const Game&, PlayTally& home, PlayTally& visitor, bool applied) const override {
        PlayTally& tally = home_ ? home : visitor;
        if (applied)
            tally.add(appended_);
        else
            tally.remove(appended_);
    }

    const bool home_;
    const PlayEvent play_;
    const bool markPlayers_;
    std::optional<std::vector<Player>> playersBefore_;
    PlayEvent appended_;  // the play as the list holds it
};

// A change whose undo and redo are the same exchange of two values.
template <class Exchange>
class ExchangeCommand final : public ConsoleCommand {
public:
    // replacesHome / replacesVisitor: the exchange swaps that team's whole
    // play list, which is then counted afresh.
    ExchangeCommand(Exchange exchange, std::string description, std::optional<ConsoleState> after,
                    bool replacesHome, bool replacesVisitor)
        : ConsoleCommand(std::move(description), std::move(after)),
          exchange_(std::move(exchange)),
          replacesHome_(replacesHome),
          replacesVisitor_(replacesVisitor) {}

private:
    bool applyToGame(Game& game) override {
        exchange_(game);
        return true;
    }
    void revertOnGame(Game& game) override { exchange_(game); }

    void updateTallies(const Game& game, PlayTally& home, PlayTally& visitor, bool) const override {
        if (replacesHome_) home.recount(game.homeEvents());
        if (replacesVisitor_) visitor.recount(game.visitorEvents());
    }

    Exchange exchange_;
    bool replacesHome_;
    bool replacesVisitor_;
};

template <class Exchange>
std::unique_ptr<ConsoleCommand> exchangeCommand(Exchange exchange, std::string description,
                                                std::optional<ConsoleState> after, bool replacesHome = false,
                                                bool replacesVisitor = false) {
    return std::make_unique<ExchangeCommand<Exchange>>(std::move(exchange), std::move(description), std::move(after),
                                                       replacesHome, replacesVisitor);
}

// "Lost Ball" -> "lost ball" (from = 0) or "Lost ball" (from = 1).
std::string lowerCase(std::string_view text, std::size_t from = 0) {
    std::string words(text);
    for (std::size_t i = from; i < words.size(); ++i)
        words[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(words[i])));
    return words;
}

std::string sentenceCase(std::string_view text) { return lowerCase(text, 1); }

std::string shotWords(int result) {
    switch (result) {
        case TwoPointMade: return "2 pointer made";
        case ThreePointMade: return "3 pointer made";
        case FreeThrowMade: return "Free throw made";
        case TwoPointMissed: return "2 pointer missed";
        case ThreePointMissed: return "3 pointer missed";
        case FreeThrowMissed: return "Free throw missed";
        default: return "Shot";
    }
}

std::string playWords(const PlayEvent& play) {
    const std::string_view detail = subKindText(play);
    const bool withDetail = !detail.empty() && detail.substr(0, 3) != "No ";
    switch (play.kind) {
        case Shot: return shotWords(play.shotResult);
        case Turnover: return withDetail ? "Turnover: " + lowerCase(detail) : "Turnover";
        case ShortTimeOut: return "20-second time out";
        default: break;
    }
    if (withDetail) return sentenceCase(detail);
    const std::string_view kind = eventKindText(play.kind);
    return kind.empty() ? "Play" : sentenceCase(kind);
}

}  // namespace

std::unique_ptr<ConsoleCommand> addPlayCommand(bool home, const PlayEvent& play, bool markPlayers,
                                               std::string description, std::optional<ConsoleState> after) {
    return std::make_unique<AddPlayCommand>(home, play, markPlayers, std::move(description), std::move(after));
}

std::unique_ptr<ConsoleCommand> lineupCommand(bool home, std::vector<Player> players, std::string description,
                                              std::optional<ConsoleState> after) {
    return exchangeCommand([home, players = std::move(players)](Game& game) mutable {
        std::swap(team(game, home).players, players);
    }, std::move(description), std::move(after));
}

std::unique_ptr<ConsoleCommand> periodCommand(int period, std::string description,
                                              std::optional<ConsoleState> after) {
    return exchangeCommand([period = static_cast<std::int16_t>(period)](Game& game) mutable {
        std::swap(game.currentPeriod, period);
    }, std::move(description), std::move(after));
}

std::unique_ptr<ConsoleCommand> consoleStateCommand(std::string description, ConsoleState after) {
    return exchangeCommand([](Game&) {}, std::move(description), std::move(after));
}

std::unique_ptr<ConsoleCommand> playListsCommand(std::optional<std::vector<PlayEvent>> homePlays,
                                                 std::optional<std::vector<PlayEvent>> visitorPlays,
                                                 std::string description) {
    const bool replacesHome = homePlays.has_value();
    const bool replacesVisitor = visitorPlays.has_value();
    return exchangeCommand([home = std::move(homePlays), visitor = std::move(visitorPlays)](Game& game) mutable {
        if (home) game.swapEvents(true, *home);
        if (visitor) game.swapEvents(false, *visitor);
    }, std::move(description), std::nullopt, replacesHome, replacesVisitor);
}

std::string playerWords(const Player& player) { return "#" + uniformText(player.number) + " " + player.name; }

std::string playDescription(const PlayEvent& play, const std::string& teamName) {
    const std::string who = play.player.name.empty() ? teamName : playerWords(play.player);
    return who.empty() ? playWords(play) : playWords(play) + ", " + who;
}

}  // namespace courtlog::scoring
