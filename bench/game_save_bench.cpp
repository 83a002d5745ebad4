// Building and saving the whole game file, as auto save does after every
// play, on games of 800 and 30,000 plays per team. "Bytes" is building the
// file image alone; "Save" adds the safe save (temporary file, flush to disk,
// rename, folder flush), so it depends on the disk as much as on the program.
//
//   cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCOURTLOG_BENCH=ON -DCOURTLOG_GUI=OFF
//   cmake --build build-bench --target game_save_bench
//   build-bench/game_save_bench

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/records/Codes.h"
#include "core/records/Game.h"

using namespace courtlog;

namespace {

Team team(const std::string& name) {
    Team t;
    t.name = name;
    t.noPersonalInfo = true;
    for (int i = 0; i < 12; ++i) {
        Player p;
        p.name = name + " Player " + std::to_string(i + 1);
        p.number = static_cast<std::int16_t>(i + 3);
        p.courtSlot = static_cast<std::int16_t>(i < 5 ? i + 1 : 0);
        t.addPlayer(p, PersonalInfo::blank());
    }
    return t;
}

Game gameOf(int playsPerTeam) {
    Game g;
    g.home = team("Brenvik Eagles");
    g.visitor = team("Tindvik Ravens");
    for (Team* side : {&g.home, &g.visitor}) {
        for (int i = 0; i < playsPerTeam; ++i) {
            PlayEvent e;
            e.player = side->players[static_cast<std::size_t>(i % 12)];
            e.kind = i % 3 == 0 ? Rebound : Shot;
            e.shotResult = i % 3 == 0 ? 0 : TwoPointMade;
            e.shotX = static_cast<std::int16_t>(i % 300);
            e.shotY = static_cast<std::int16_t>(i % 280);
            e.period = static_cast<std::int16_t>(4 * i / playsPerTeam);
            side == &g.home ? g.addHomeEvent(e) : g.addVisitorEvent(e);
        }
    }
    return g;
}

void Bytes(benchmark::State& state) {
    const Game game = gameOf(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(game.toBytes());
}
BENCHMARK(Bytes)->Arg(800)->Arg(30000)->Unit(benchmark::kMillisecond);

void Save(benchmark::State& state) {
    Game game = gameOf(static_cast<int>(state.range(0)));
    std::string folder = (std::filesystem::temp_directory_path() / "courtlog-save-XXXXXX").string();
    if (!mkdtemp(folder.data())) {
        state.SkipWithError("no scratch folder");
        return;
    }
    for (auto _ : state) {
        if (!game.save(folder + "/game.gam")) state.SkipWithError("save failed");
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(Save)->Arg(800)->Arg(30000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
