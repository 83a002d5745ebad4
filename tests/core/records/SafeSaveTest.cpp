#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <functional>
#include <random>

#include "RecordBuilders.h"
#include "core/records/Game.h"
#include "core/records/SafeSave.h"

namespace courtlog {
namespace {

using testing::readBytes;
using testing::ScratchFolder;
using testing::writeFile;

std::string readText(const std::string& path) {
    const auto b = readBytes(path);
    return std::string(b.begin(), b.end());
}

bool isTempName(const std::string& name) { return name.find(".tmp-") != std::string::npos; }

int countTemps(const ScratchFolder& dir) {
    const auto names = dir.names();
    return static_cast<int>(std::count_if(names.begin(), names.end(), isTempName));
}

// Runs body in a forked child and returns what it reports. The child may
// change process-wide state (limits, mounts) without touching the test run.
std::string runInChild(const std::function<std::string()>& body) {
    int fds[2];
    if (pipe(fds) != 0) return "FAIL: pipe";
    const pid_t pid = fork();
    if (pid < 0) return "FAIL: fork";
    if (pid == 0) {
        close(fds[0]);
        const std::string report = body();
        const ssize_t written = write(fds[1], report.data(), report.size());
        _exit(written == static_cast<ssize_t>(report.size()) ? 0 : 1);
    }
    close(fds[1]);
    std::string report;
    char buffer[512];
    ssize_t n;
    while ((n = read(fds[0], buffer, sizeof buffer)) > 0) report.append(buffer, static_cast<std::size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "FAIL: child ended abnormally: " + report;
    return report;
}

// A failing save seen from inside the child: it must return false with a
// reason, leave the old file as it was and leave no temporary file behind.
std::string checkFailedSave(const std::string& folder, const std::string& path, const std::string& oldText,
                            const std::string& newText) {
    std::string error;
    if (safeSave(path, newText, &error)) return "FAIL: save reported success";
    if (error.empty()) return "FAIL: no reason given";
    if (readText(path) != oldText) return "FAIL: old file changed";
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (isTempName(entry.path().filename().string()))
            return "FAIL: temporary file left: " + entry.path().string();
    }
    return "OK " + error;
}

// Mount namespace of our own, so tmpfs mounts stay private to the child.
std::string enterPrivateMounts() {
    if (unshare(CLONE_NEWNS) != 0) return std::string("SKIP: unshare: ") + std::strerror(errno);
    if (mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return std::string("SKIP: private mounts: ") + std::strerror(errno);
    return {};
}

void expectFailureReport(const std::string& report, const std::string& reason) {
    if (report.rfind("SKIP", 0) == 0) GTEST_SKIP() << report;
    ASSERT_EQ(report.rfind("OK ", 0), 0u) << report;
    EXPECT_NE(report.find(reason), std::string::npos) << report;
}

TEST(SafeSaveTest, WritesANewFileAndReplacesAnOldOne) {
    ScratchFolder dir;
    const std::string path = dir.file("game.gam");
    std::string error = "stale";
    ASSERT_TRUE(safeSave(path, std::string_view("first"), &error)) << error;
    EXPECT_EQ(error, "");
    EXPECT_EQ(readText(path), "first");
    ASSERT_TRUE(safeSave(path, std::string_view("second, longer"), &error)) << error;
    EXPECT_EQ(readText(path), "second, longer");
    ASSERT_TRUE(safeSave(path, std::string_view(""), &error)) << error;
    EXPECT_EQ(readBytes(path).size(), 0u);
    EXPECT_EQ(countTemps(dir), 0);
    EXPECT_EQ(dir.names().size(), 1u);
}

std::vector<std::pair<SaveStep, std::string>> recordedSteps;
void recordStep(SaveStep step, const std::string& path) { recordedSteps.emplace_back(step, path); }

TEST(SafeSaveTest, FlushesTheDataBeforeTheRenameAndTheFolderAfterIt) {
    ScratchFolder dir;
    const std::string path = dir.file("game.gam");
    recordedSteps.clear();
    testing::setSaveStepObserver(recordStep);
    const bool saved = safeSave(path, std::string_view("plays"));
    testing::setSaveStepObserver(nullptr);
    ASSERT_TRUE(saved);

    // Without the flush of the data a crash after the rename can leave an
    // empty game; without the folder's, the rename itself can be lost.
    ASSERT_EQ(recordedSteps.size(), 4u);
    EXPECT_EQ(recordedSteps[0].first, SaveStep::WroteTemporary);
    EXPECT_EQ(recordedSteps[1].first, SaveStep::FlushedTemporary);
    EXPECT_EQ(recordedSteps[1].second, recordedSteps[0].second);
    EXPECT_NE(recordedSteps[1].second, path);
    EXPECT_EQ(recordedSteps[2], std::make_pair(SaveStep::Renamed, path));
    EXPECT_EQ(recordedSteps[3].first, SaveStep::FlushedFolder);
    EXPECT_EQ(recordedSteps[3].second, dir.path());
}

TEST(SafeSaveTest, KeepsTheModeOfAnExistingFile) {
    ScratchFolder dir;
    const std::string path = dir.file("team.tem");
    writeFile(path, "old");
    ASSERT_EQ(chmod(path.c_str(), 0604), 0);
    ASSERT_TRUE(safeSave(path, std::string_view("new")));
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0604u);
}

TEST(SafeSaveTest, FollowsSymbolicLinks) {
    ScratchFolder dir;
    std::filesystem::create_directory(dir.file("real"));
    const std::string target = dir.file("real/team.tem");
    writeFile(target, "old");
    const std::string link = dir.file("link.tem");
    ASSERT_EQ(symlink("real/team.tem", link.c_str()), 0);  // relative link
    const std::string linkToLink = dir.file("link2.tem");
    ASSERT_EQ(symlink(link.c_str(), linkToLink.c_str()), 0);

    std::string error;
    ASSERT_TRUE(safeSave(linkToLink, std::string_view("new"), &error)) << error;
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_TRUE(std::filesystem::is_symlink(linkToLink));
    EXPECT_EQ(readText(target), "new");

    // A dangling link gets its target created.
    const std::string dangling = dir.file("dangling.tem");
    ASSERT_EQ(symlink("real/created.tem", dangling.c_str()), 0);
    ASSERT_TRUE(safeSave(dangling, std::string_view("made"), &error)) << error;
    EXPECT_TRUE(std::filesystem::is_symlink(dangling));
    EXPECT_EQ(readText(dir.file("real/created.tem")), "made");

    // A link loop is refused.
    const std::string loop = dir.file("loop.tem");
    ASSERT_EQ(symlink("loop.tem", loop.c_str()), 0);
    EXPECT_FALSE(safeSave(loop, std::string_view("x"), &error));
    EXPECT_NE(error.find(std::strerror(ELOOP)), std::string::npos) << error;
}

// In a shared folder, a link another user put there is not followed (the
// kernel refuses the same in /tmp); one the folder's owner made is.
TEST(SafeSaveTest, FollowsOnlyLinksThisUserCouldHaveMade) {
    ScratchFolder dir;
    const std::string victim = dir.file("victim.txt");
    writeFile(victim, "precious");
    const std::string planted = dir.file("scores.gam");
    ASSERT_EQ(symlink(victim.c_str(), planted.c_str()), 0);
    // Only a privileged process can give a link to another user.
    if (lchown(planted.c_str(), 65534, 65534) != 0) GTEST_SKIP() << "cannot give a link away here";

    std::string error;
    EXPECT_FALSE(safeSave(planted, std::string_view("overwritten"), &error));
    EXPECT_NE(error.find("a symbolic link another user made"), std::string::npos) << error;
    EXPECT_EQ(readText(victim), "precious");
    EXPECT_TRUE(std::filesystem::is_symlink(planted));

    // The same link in a folder of that user is that user's to make.
    ASSERT_EQ(chown(dir.path().c_str(), 65534, 65534), 0);
    EXPECT_TRUE(safeSave(planted, std::string_view("followed"), &error)) << error;
    EXPECT_EQ(readText(victim), "followed");
}

// RefuseLinks never writes through any link, its own user's included, and
// leaves the link and what it points to alone.
TEST(SafeSaveTest, RefusingLinksWritesThroughNone) {
    ScratchFolder dir;
    const std::string victim = dir.file("victim.txt");
    writeFile(victim, "precious");
    const std::string link = dir.file("scoreboard.html");
    ASSERT_EQ(symlink(victim.c_str(), link.c_str()), 0);
    std::string error;
    EXPECT_FALSE(safeSave(link, std::string_view("feed"), &error, LinkPolicy::RefuseLinks));
    EXPECT_NE(error.find("symbolic link"), std::string::npos) << error;
    EXPECT_EQ(readText(victim), "precious");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    // A dangling one creates nothing where it points either.
    const std::string dangling = dir.file("scoreboard.txt");
    ASSERT_EQ(symlink(dir.file("made.txt").c_str(), dangling.c_str()), 0);
    EXPECT_FALSE(safeSave(dangling, std::string_view("feed"), &error, LinkPolicy::RefuseLinks));
    EXPECT_FALSE(std::filesystem::exists(dir.file("made.txt")));
    // A plain file is replaced as always.
    EXPECT_TRUE(safeSave(dir.file("scoreboard.json"), std::string_view("{}"), &error, LinkPolicy::RefuseLinks))
        << error;
    EXPECT_EQ(readText(dir.file("scoreboard.json")), "{}");
}

TEST(SafeSaveTest, ImpossiblePathsFailWithAReason) {
    ScratchFolder dir;
    std::string error;
    EXPECT_FALSE(safeSave(dir.file("missing/game.gam"), std::string_view("x"), &error));
    EXPECT_NE(error.find(std::strerror(ENOENT)), std::string::npos) << error;

    // A "folder" that is a file.
    writeFile(dir.file("plain"), "not a folder");
    EXPECT_FALSE(safeSave(dir.file("plain/game.gam"), std::string_view("x"), &error));
    EXPECT_NE(error.find(std::strerror(ENOTDIR)), std::string::npos) << error;
    EXPECT_EQ(readText(dir.file("plain")), "not a folder");

    // A folder where the file should be.
    std::filesystem::create_directory(dir.file("sub"));
    EXPECT_FALSE(safeSave(dir.file("sub"), std::string_view("x"), &error));
    EXPECT_NE(error.find(std::strerror(EISDIR)), std::string::npos) << error;

    // A pipe is not replaced by a plain file.
    ASSERT_EQ(mkfifo(dir.file("pipe").c_str(), 0600), 0);
    EXPECT_FALSE(safeSave(dir.file("pipe"), std::string_view("x"), &error));
    EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
    EXPECT_TRUE(std::filesystem::is_fifo(dir.file("pipe")));

    EXPECT_FALSE(safeSave("", std::string_view("x"), &error));
    EXPECT_EQ(countTemps(dir), 0);
}

TEST(SafeSaveTest, FailsCleanlyWhenTheFileSizeLimitIsHit) {
    ScratchFolder dir;
    const std::string path = dir.file("game.gam");
    writeFile(path, "the old game");
    const std::string report = runInChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);  // writes then fail with EFBIG
        const rlimit limit{4096, 4096};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return std::string("SKIP: setrlimit");
        return checkFailedSave(dir.path(), path, "the old game", std::string(100000, 'x'));
    });
    expectFailureReport(report, std::strerror(EFBIG));
    EXPECT_EQ(readText(path), "the old game");
    EXPECT_EQ(countTemps(dir), 0);
}

TEST(SafeSaveTest, FailsCleanlyOnAFullDisk) {
    ScratchFolder dir;
    const std::string report = runInChild([&] {
        std::string skip = enterPrivateMounts();
        if (!skip.empty()) return skip;
        if (mount("courtlog-test", dir.path().c_str(), "tmpfs", 0, "size=64k") != 0)
            return std::string("SKIP: tmpfs: ") + std::strerror(errno);
        const std::string path = dir.file("game.gam");
        writeFile(path, "the old game");
        return checkFailedSave(dir.path(), path, "the old game", std::string(1 << 20, 'x'));
    });
    expectFailureReport(report, std::strerror(ENOSPC));
}

TEST(SafeSaveTest, FailsCleanlyInAReadOnlyFolder) {
    // chmod does not stop root, so the folder is a read-only mount.
    ScratchFolder dir;
    const std::string report = runInChild([&] {
        std::string skip = enterPrivateMounts();
        if (!skip.empty()) return skip;
        if (mount("courtlog-test", dir.path().c_str(), "tmpfs", 0, "size=1m") != 0)
            return std::string("SKIP: tmpfs: ") + std::strerror(errno);
        const std::string path = dir.file("team.tem");
        writeFile(path, "the old team");
        if (mount(nullptr, dir.path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
            return std::string("SKIP: read-only remount: ") + std::strerror(errno);
        return checkFailedSave(dir.path(), path, "the old team", "the new team");
    });
    expectFailureReport(report, std::strerror(EROFS));
}

TEST(SafeSaveTest, RemovesStaleTemporaryFiles) {
    ScratchFolder dir;
    // A process that has ended.
    const pid_t dead = fork();
    if (dead == 0) _exit(0);
    ASSERT_GT(dead, 0);
    waitpid(dead, nullptr, 0);
    const std::string self = std::to_string(getpid());

    const std::string deadTemp = ".a.gam.tmp-" + std::to_string(dead) + "-0";
    const std::string oldTemp = ".b.tem.tmp-" + self + "-77";
    const std::string liveTemp = ".c.gam.tmp-" + self + "-5";
    const std::string notOurs1 = ".d.gam.tmp-" + self + "-x";
    const std::string notOurs2 = "e.gam.tmp-" + std::to_string(dead) + "-1";
    for (const auto& name : {deadTemp, oldTemp, liveTemp, notOurs1, notOurs2})
        writeFile(dir.file(name), "junk");
    const timeval twoMinutesAgo[2] = {{time(nullptr) - 120, 0}, {time(nullptr) - 120, 0}};
    ASSERT_EQ(utimes(dir.file(oldTemp).c_str(), twoMinutesAgo), 0);

    ASSERT_TRUE(safeSave(dir.file("x.gam"), std::string_view("x")));
    auto names = dir.names();
    std::sort(names.begin(), names.end());
    std::vector<std::string> expected{liveTemp, notOurs1, notOurs2, "x.gam"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected);
}

// Only temporaries this user's saves could have left are removed: not a
// file of another user, nor a second name of some other file; and a save
// that refuses links (the feed, in folders others share) removes only its
// own file's temporaries.
TEST(SafeSaveTest, RemovesOnlyItsOwnTemporaries) {
    ScratchFolder dir;
    const pid_t dead = fork();
    if (dead == 0) _exit(0);
    ASSERT_GT(dead, 0);
    waitpid(dead, nullptr, 0);
    const std::string tag = ".tmp-" + std::to_string(dead) + "-0";

    writeFile(dir.file("precious.txt"), "keep");
    ASSERT_EQ(link(dir.file("precious.txt").c_str(), dir.file(".a.gam" + tag).c_str()), 0);
    writeFile(dir.file(".b.gam" + tag), "another user's");
    const bool givenAway = chown(dir.file(".b.gam" + tag).c_str(), 65534, 65534) == 0;
    writeFile(dir.file(".c.gam" + tag), "another file's temporary");
    writeFile(dir.file(".scoreboard.html" + tag), "the feed's own leftover");

    ASSERT_TRUE(safeSave(dir.file("scoreboard.html"), std::string_view("x"), nullptr, LinkPolicy::RefuseLinks));
    EXPECT_FALSE(std::filesystem::exists(dir.file(".scoreboard.html" + tag)));
    EXPECT_TRUE(std::filesystem::exists(dir.file(".c.gam" + tag)));
    EXPECT_EQ(readText(dir.file("precious.txt")), "keep");

    ASSERT_TRUE(safeSave(dir.file("x.gam"), std::string_view("x")));
    EXPECT_FALSE(std::filesystem::exists(dir.file(".c.gam" + tag)));
    EXPECT_TRUE(std::filesystem::exists(dir.file(".a.gam" + tag)));
    if (givenAway) {
        EXPECT_TRUE(std::filesystem::exists(dir.file(".b.gam" + tag)));
    }
}

TEST(SafeSaveTest, ReadWholeFileAndFileSize) {
    ScratchFolder dir;
    writeFile(dir.file("f"), "0123456789");
    auto bytes = readWholeFile(dir.file("f"), 10);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(bytes->size(), 10u);
    std::string error;
    EXPECT_FALSE(readWholeFile(dir.file("f"), 9, &error).has_value());
    EXPECT_NE(error.find(std::strerror(EFBIG)), std::string::npos) << error;
    EXPECT_FALSE(readWholeFile(dir.path(), 100, &error).has_value());
    EXPECT_FALSE(readWholeFile(dir.file("none"), 100, &error).has_value());
    EXPECT_NE(error.find(std::strerror(ENOENT)), std::string::npos) << error;

    EXPECT_EQ(fileSizeOf(dir.file("f")), 10);
    EXPECT_EQ(fileSizeOf(dir.file("none")), -1);
}

Game bigGame(int variant) {
    Game g;
    g.court = variant == 0 ? "North Hall" : "South Hall";
    for (int i = 0; i < 12; ++i) {
        const Player p = testing::player("Player " + std::to_string(i), i, 0);
        g.home.addPlayer(p, {});
        g.visitor.addPlayer(p, {});
    }
    for (int i = 0; i < 1500; ++i) {
        PlayEvent e = testing::playBy(g.home.players[static_cast<std::size_t>(i % 12)], Shot, 1 + (i + variant) % 6, i % 4);
        e.shotX = static_cast<std::int16_t>(i);
        g.addHomeEvent(e);
        g.addVisitorEvent(e);
    }
    return g;
}

TEST(SafeSaveTest, KilledWhileSavingLeavesOneCompleteGame) {
    ScratchFolder dir;
    const std::string path = dir.file("live.gam");
    const Game a = bigGame(0), b = bigGame(1);
    const auto bytesA = a.toBytes(), bytesB = b.toBytes();
    ASSERT_NE(bytesA, bytesB);
    ASSERT_TRUE(safeSave(path, bytesA));

    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delayMicros(0, 25000);
    int sawA = 0, sawB = 0, killedMidSave = 0;
    for (int round = 0; round < 50; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;) {
                safeSave(path, bytesA);
                safeSave(path, bytesB);
            }
        }
        usleep(static_cast<useconds_t>(delayMicros(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        const auto onDisk = readBytes(path);
        const bool isA = onDisk == bytesA, isB = onDisk == bytesB;
        ASSERT_TRUE(isA || isB) << "round " << round << ", seed " << seed << ", " << onDisk.size()
                                << " bytes";
        sawA += isA;
        sawB += isB;
        killedMidSave += countTemps(dir) > 0;
    }
    // The game on disk still loads whole.
    Game loaded;
    ASSERT_TRUE(loaded.load(path));
    EXPECT_EQ(loaded.homeEventCount(), 1500);

    // Temporary files of the killed savers go with the next save.
    ASSERT_TRUE(safeSave(path, bytesA));
    EXPECT_EQ(countTemps(dir), 0);
    RecordProperty("finalA", sawA);
    RecordProperty("finalB", sawB);
    RecordProperty("killedMidSave", killedMidSave);
}

}  // namespace
}  // namespace courtlog
