#include "gui/app/TerminationSignals.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace courtlog::gui::app {

namespace {

constexpr std::array kSignals{SIGTERM, SIGHUP, SIGINT};

// The handler may only write to a descriptor: the signal's number goes down
// a socket pair whose other end the event loop watches.
int sockets[2] = {-1, -1};
struct sigaction earlier[kSignals.size()];

extern "C" void tell(int signal) {
    const int saved = errno;
    const char number = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(sockets[0], &number, 1);
    errno = saved;
}

}  // namespace

TerminationSignals::TerminationSignals(std::function<void(int)> signalled, QObject* parent)
    : QObject(parent), signalled_(std::move(signalled)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, sockets) != 0) return;
    notifier_ = new QSocketNotifier(sockets[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char number = 0;
        while (::read(sockets[1], &number, 1) == 1) signalled_(number);
    });
    struct sigaction action {};
    action.sa_handler = tell;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        ::sigaction(kSignals[i], nullptr, &earlier[i]);
        // A signal ignored when the program started (nohup, a background
        // job) stays ignored.
        if (earlier[i].sa_handler != SIG_IGN) ::sigaction(kSignals[i], &action, nullptr);
    }
}

TerminationSignals::~TerminationSignals() {
    if (!notifier_) return;
    for (std::size_t i = 0; i < kSignals.size(); ++i) ::sigaction(kSignals[i], &earlier[i], nullptr);
    delete notifier_;
    for (int& end : sockets) {
        ::close(end);
        end = -1;
    }
}

}  // namespace courtlog::gui::app
