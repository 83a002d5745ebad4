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

#include "BenchGames.h"

using namespace courtlog;

namespace {

Game gameOf(int playsPerTeam) { return bench::benchGame("Brenvik Eagles", "Tindvik Ravens", playsPerTeam); }

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
