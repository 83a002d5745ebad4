// The command courtlog as built: its verbs run without Qt, and everything
// else becomes the window program beside it, in the same process.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "RecordBuilders.h"

extern char** environ;

namespace courtlog {
namespace {

namespace fs = std::filesystem;
using testing::ScratchFolder;

struct Started {
    pid_t pid = -1;
    int status = -1;
    std::string out;
    std::string err;
};

// Starts program with args, standard output and error going to files in
// folder; wait() reaps it and reads them.
class ProgramRun {
public:
    ProgramRun(const ScratchFolder& folder, const std::string& program, const std::vector<std::string>& args)
        : folder_(folder) {
        std::vector<std::string> all{"courtlog"};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& a : all) argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        posix_spawn_file_actions_addopen(&files, 1, folder.file("stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addopen(&files, 2, folder.file("stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        EXPECT_EQ(posix_spawn(&started_.pid, program.c_str(), &files, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&files);
    }
    pid_t pid() const { return started_.pid; }
    Started wait() {
        waitpid(started_.pid, &started_.status, 0);
        started_.status = WIFEXITED(started_.status) ? WEXITSTATUS(started_.status) : -1;
        started_.out = testing::readFile(folder_.file("stdout"));
        started_.err = testing::readFile(folder_.file("stderr"));
        return started_;
    }

private:
    const ScratchFolder& folder_;
    Started started_;
};

// A copy of the command in a folder of its own, with a stand-in window
// program beside it that notes its process and arguments.
struct InstalledCommand {
    ScratchFolder folder;
    std::string command = folder.file("courtlog");
    std::string notes = folder.file("window-notes");

    explicit InstalledCommand(bool withWindowProgram = true) {
        fs::copy_file(COURTLOG_LAUNCHER, command);
        if (!withWindowProgram) return;
        const std::string window = folder.file("courtlog-window");
        testing::writeFile(window, "#!/bin/sh\necho \"$$ $*\" > '" + notes + "'\n");
        fs::permissions(window, fs::perms::owner_all);
    }
};

TEST(Launcher, LinksNoQtLibrary) {
    FILE* ldd = popen(("ldd '" + std::string(COURTLOG_LAUNCHER) + "'").c_str(), "r");
    ASSERT_NE(ldd, nullptr);
    std::string libraries;
    char line[512];
    while (std::fgets(line, sizeof line, ldd)) libraries += line;
    pclose(ldd);
    EXPECT_NE(libraries.find("libc.so"), std::string::npos) << libraries;
    EXPECT_EQ(libraries.find("Qt"), std::string::npos) << libraries;
}

TEST(Launcher, AVerbRunsWithoutQtInTheProcess) {
    ScratchFolder folder;
    // dump waits on the pipe until the test writes the game into it, so the
    // running verb's memory map can be read in the meantime.
    const std::string pipe = folder.file("game.gam");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    ProgramRun run(folder, COURTLOG_LAUNCHER, {"dump", pipe});
    const int writer = ::open(pipe.c_str(), O_WRONLY);  // returns once dump has opened it
    ASSERT_GE(writer, 0);
    const std::string maps = testing::readFile("/proc/" + std::to_string(run.pid()) + "/maps");
    const auto bytes = testing::game("Home", "Away").toBytes();
    ASSERT_EQ(::write(writer, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    ::close(writer);
    const Started done = run.wait();

    EXPECT_NE(maps.find("libc.so"), std::string::npos) << maps;
    EXPECT_EQ(maps.find("Qt"), std::string::npos) << maps;
    EXPECT_EQ(done.status, 0) << done.err;
    EXPECT_NE(done.out.find("\"homeName\": \"Home\""), std::string::npos) << done.out;
}

struct WindowCase {
    const char* name;
    std::vector<std::string> args;
    bool window;  // the window program gets them
};

void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.name; }

class LauncherRoute : public ::testing::TestWithParam<WindowCase> {};

TEST_P(LauncherRoute, WindowArgumentsReplaceTheCommandByTheWindowProgram) {
    const WindowCase& c = GetParam();
    InstalledCommand installed;
    ProgramRun run(installed.folder, installed.command, c.args);
    const Started done = run.wait();
    const std::string notes = testing::readFile(installed.notes);
    if (c.window) {
        std::string joined;
        for (const std::string& a : c.args) joined += (joined.empty() ? "" : " ") + a;
        // The same process: the command was replaced, not joined by another.
        EXPECT_EQ(notes, std::to_string(run.pid()) + " " + joined + "\n");
        EXPECT_EQ(done.status, 0) << done.err;
    } else {
        EXPECT_EQ(notes, "");
        EXPECT_NE(done.out + done.err, "");
    }
}

const WindowCase kRoutes[] = {
    {"NoArguments", {}, true},
    {"WindowSystemOptions", {"-platform", "offscreen", "-style", "fusion"}, true},
    {"PdfPrintout", {"pdf", "box-score", "game.gam", "out.pdf"}, true},
    {"Version", {"--version"}, false},
    {"Help", {"help"}, false},
    {"MistypedVerb", {"dupm", "x.gam"}, false},
    {"Dump", {"dump", "missing.gam"}, false},
};

INSTANTIATE_TEST_SUITE_P(Arguments, LauncherRoute, ::testing::ValuesIn(kRoutes),
                         [](const ::testing::TestParamInfo<WindowCase>& info) { return std::string(info.param.name); });

TEST(Launcher, WithoutTheWindowProgramItSaysWhyAndVerbsStillRun) {
    InstalledCommand installed(false);
    ProgramRun window(installed.folder, installed.command, {});
    Started done = window.wait();
    EXPECT_EQ(done.status, 1);
    EXPECT_EQ(done.err, "Can't start the window program " + installed.folder.file("courtlog-window") +
                            ": No such file or directory\n");

    // pdf says why the hand-over failed, then what it needs.
    ProgramRun pdf(installed.folder, installed.command, {"pdf", "box-score", "game.gam", "out.pdf"});
    done = pdf.wait();
    EXPECT_EQ(done.status, 2);
    EXPECT_EQ(done.err.rfind("Can't start the window program " + installed.folder.file("courtlog-window") +
                                 ": No such file or directory\n",
                             0),
              0u)
        << done.err;
    EXPECT_NE(done.err.find("PDF printouts need the full program"), std::string::npos) << done.err;

    ProgramRun version(installed.folder, installed.command, {"--version"});
    done = version.wait();
    EXPECT_EQ(done.status, 0);
    EXPECT_NE(done.out.find("Courtlog"), std::string::npos) << done.out;
}

}  // namespace
}  // namespace courtlog
