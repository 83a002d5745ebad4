#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace courtlog::gui::app {

// Turns the signals that ask the program to end (SIGTERM when the session
// ends or the system shuts down, SIGHUP when its terminal goes, SIGINT for
// Ctrl+C) into a call on the GUI thread, instead of ending the program on
// the spot: a game saved a moment before is then still written, the windows
// close and the settings are kept. A signal the program was started to
// ignore (nohup, a background job) stays ignored. One at a time; the
// signals' earlier handling comes back when it goes.
class TerminationSignals : public QObject {
public:
    // signalled gets the signal's number, in the event loop.
    explicit TerminationSignals(std::function<void(int)> signalled, QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    std::function<void(int)> signalled_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace courtlog::gui::app
