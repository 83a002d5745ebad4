#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <optional>

#include "RecordBuilders.h"
#include "core/records/BackgroundSave.h"
#include "core/records/Game.h"
#include "core/records/SafeSave.h"

using namespace courtlog;
using courtlog::testing::ScratchFolder;
using courtlog::testing::readFile;

namespace {

std::vector<std::uint8_t> bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

// Holds the saver inside its first write until the test opens the gate.
struct WriteGate {
    static inline std::mutex mutex;
    static inline std::condition_variable changed;
    static inline bool writing = false;
    static inline bool open = false;

    static void observe(SaveStep step, const std::string&) {
        if (step != SaveStep::WroteTemporary) return;
        std::unique_lock lock(mutex);
        writing = true;
        changed.notify_all();
        changed.wait(lock, [] { return open; });
    }
    WriteGate() {
        writing = open = false;
        courtlog::testing::setSaveStepObserver(&observe);
    }
    ~WriteGate() {
        release();
        courtlog::testing::setSaveStepObserver(nullptr);
    }
    void waitUntilWriting() {
        std::unique_lock lock(mutex);
        changed.wait(lock, [] { return writing; });
    }
    void release() {
        const std::lock_guard lock(mutex);
        open = true;
        changed.notify_all();
    }
};

// Which saves ended, in order, and how.
struct Endings {
    std::mutex mutex;
    std::vector<std::string> seen;
    BackgroundSaver::Done note(std::string name) {
        return [this, name](bool saved, const std::string& error) {
            const std::lock_guard lock(mutex);
            seen.push_back(name + (saved ? " saved" : " failed: " + error));
        };
    }
};

}  // namespace

TEST(BackgroundSaver, NewerBytesReplaceWaitingOnesOfTheSameFileAndOthersKeepTheirTurn) {
    ScratchFolder folder;
    Endings endings;
    {
        BackgroundSaver saver;
        WriteGate gate;
        saver.save(folder.file("a.gam"), bytesOf("first"), endings.note("a1"));
        gate.waitUntilWriting();
        // While the first is being written: a is asked for twice more, b once.
        saver.save(folder.file("a.gam"), bytesOf("second"), endings.note("a2"));
        saver.save(folder.file("b.gam"), bytesOf("other"), endings.note("b"));
        saver.save(folder.file("a.gam"), bytesOf("third"), endings.note("a3"));
        gate.release();
        saver.waitUntilIdle();
    }
    EXPECT_EQ(readFile(folder.file("a.gam")), "third");
    EXPECT_EQ(readFile(folder.file("b.gam")), "other");
    EXPECT_EQ(endings.seen, (std::vector<std::string>{"a1 saved", "a3 saved", "b saved"}));
}

TEST(BackgroundSaver, AFailureSaysWhyTheNextSaveStillWritesAndNothingWaitingIsLostAtTheEnd) {
    ScratchFolder folder;
    Endings endings;
    {
        BackgroundSaver saver;
        saver.save(folder.file("no such folder/x.gam"), bytesOf("lost"), endings.note("x"));
        for (int i = 0; i < 5; ++i)
            saver.save(folder.file("game" + std::to_string(i) + ".gam"), bytesOf(std::to_string(i)));
        // Gone before it wrote them all: it writes them first.
    }
    ASSERT_EQ(endings.seen.size(), 1u);
    EXPECT_NE(endings.seen[0].find("x failed: "), std::string::npos);
    EXPECT_NE(endings.seen[0].find("No such file or directory"), std::string::npos);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(readFile(folder.file("game" + std::to_string(i) + ".gam")), std::to_string(i));
}

TEST(BackgroundSaver, AGameReadOrSavedWholeWaitsForTheSaveUnderWay) {
    ScratchFolder folder;
    const std::string path = folder.file("live.gam");
    Game game = courtlog::testing::game("Hawks", "Owls");
    ASSERT_TRUE(game.save(path));
    game.addHomeEvent(courtlog::testing::play(game.home.players[0].name, Shot, TwoPointMade));
    {
        WriteGate gate;
        backgroundSaver().save(path, game.toBytes());
        gate.waitUntilWriting();
        gate.release();
        // Without waiting, this would read the game of the first save.
        Game read;
        ASSERT_TRUE(read.load(path));
        EXPECT_EQ(read.homeEvents().size(), 1u);
    }
}

TEST(BackgroundSaver, AFileGivenInPartsIsWrittenWholeInTheirOrder) {
    ScratchFolder folder;
    const auto part = [](const std::string& text) { return std::make_shared<const std::vector<std::uint8_t>>(bytesOf(text)); };
    {
        BackgroundSaver saver;
        saver.save(folder.file("parts.gam"), std::vector<BackgroundSaver::Bytes>{part("head|"), part(""), part("a|"), part("b")});
        saver.save(folder.file("none.gam"), std::vector<BackgroundSaver::Bytes>{});
        saver.waitUntilIdle();
    }
    EXPECT_EQ(readFile(folder.file("parts.gam")), "head|a|b");
    EXPECT_EQ(readFile(folder.file("none.gam")), "");
}

TEST(BackgroundSaver, ASettlingSaverWritesOnlyTheNewestOfAFileAndNothingWaitsWhenWaitedForOrAtTheEnd) {
    ScratchFolder folder;
    Endings endings;
    {
        // An hour to settle: whatever is written below was hurried.
        BackgroundSaver saver(std::chrono::hours(1));
        saver.save(folder.file("a.gam"), bytesOf("first"), endings.note("a1"));
        saver.save(folder.file("b.gam"), bytesOf("other"), endings.note("b"));
        saver.save(folder.file("a.gam"), bytesOf("second"), endings.note("a2"));
        EXPECT_FALSE(std::filesystem::exists(folder.file("a.gam")));
        saver.waitUntilIdle();
        EXPECT_EQ(readFile(folder.file("a.gam")), "second");
        EXPECT_EQ(readFile(folder.file("b.gam")), "other");
        saver.save(folder.file("a.gam"), bytesOf("third"), endings.note("a3"));
    }
    EXPECT_EQ(readFile(folder.file("a.gam")), "third");
    EXPECT_EQ(endings.seen, (std::vector<std::string>{"a2 saved", "b saved", "a3 saved"}));
}

TEST(BackgroundSaver, ARequestNobodyWaitsForSettlesBeforeItIsWritten) {
    ScratchFolder folder;
    using Clock = BackgroundSaver::Clock;
    const auto settle = std::chrono::milliseconds(50);
    std::mutex mutex;
    std::condition_variable ended;
    std::optional<Clock::time_point> writtenAt;
    BackgroundSaver saver(settle);
    const Clock::time_point asked = Clock::now();
    saver.save(folder.file("a.gam"), bytesOf("a"), [&](bool, const std::string&) {
        const std::lock_guard lock(mutex);
        writtenAt = Clock::now();
        ended.notify_all();
    });
    std::unique_lock lock(mutex);
    ended.wait(lock, [&] { return writtenAt.has_value(); });
    EXPECT_GE(*writtenAt - asked, settle);
}
