#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>
#include <csignal>
#include <vector>

#include "gui/app/TerminationSignals.h"

using courtlog::gui::app::TerminationSignals;

namespace {

// The signals heard while one event loop ran, each raised from inside it.
std::vector<int> heardWhileRunning(const std::vector<int>& raised) {
    std::vector<int> heard;
    QEventLoop loop;
    const TerminationSignals watcher([&](int number) {
        heard.push_back(number);
        if (heard.size() == raised.size()) loop.quit();
    });
    QTimer::singleShot(0, [&] {
        for (const int number : raised) std::raise(number);
    });
    // Unheard, a signal would have ended the test program; a lost one ends the loop here.
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    return heard;
}

}  // namespace

// The signals as a program started from a terminal finds them, whatever
// the test runner left ignored; as they were again at the end.
struct DefaultSignals {
    static constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
    struct sigaction kept[3] {};
    DefaultSignals() {
        struct sigaction standard {};
        standard.sa_handler = SIG_DFL;
        for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &standard, &kept[i]);
    }
    ~DefaultSignals() {
        for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &kept[i], nullptr);
    }
};

TEST(TerminationSignals, EndingSignalsReachTheEventLoopInsteadOfEndingTheProgramAndLeaveWithIt) {
    const DefaultSignals standard;
    struct sigaction before {};
    ASSERT_EQ(sigaction(SIGTERM, nullptr, &before), 0);
    EXPECT_EQ(heardWhileRunning({SIGTERM, SIGHUP, SIGINT}), (std::vector<int>{SIGTERM, SIGHUP, SIGINT}));
    // Handled by a second watcher just as by the first: the first gave its place back.
    EXPECT_EQ(heardWhileRunning({SIGTERM}), std::vector<int>{SIGTERM});
    // Gone, it leaves the signal as it found it.
    struct sigaction after {};
    ASSERT_EQ(sigaction(SIGTERM, nullptr, &after), 0);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
}

TEST(TerminationSignals, ASignalTheProgramWasStartedToIgnoreStaysIgnored) {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction earlier {};
    ASSERT_EQ(sigaction(SIGHUP, &ignore, &earlier), 0);
    {
        const TerminationSignals watcher([](int) {});
        struct sigaction now {};
        ASSERT_EQ(sigaction(SIGHUP, nullptr, &now), 0);
        EXPECT_EQ(now.sa_handler, SIG_IGN);
    }
    sigaction(SIGHUP, &earlier, nullptr);
}
