#include "core/records/BackgroundSave.h"

#include <algorithm>
#include <utility>

#include "core/records/SafeSave.h"

#if defined(__linux__)
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace courtlog {

namespace {

// Lowers the calling thread's scheduling priority (Linux gives each thread
// a nice value of its own), so the program's interactive thread runs first
// whenever both want a processor.
void givePriorityToTheRest() {
#if defined(__linux__)
    constexpr int kNicer = 10;
    const auto thread = static_cast<id_t>(::syscall(SYS_gettid));
    ::setpriority(PRIO_PROCESS, thread, ::getpriority(PRIO_PROCESS, thread) + kNicer);
#endif
}

}  // namespace

BackgroundSaver::~BackgroundSaver() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void BackgroundSaver::save(std::string path, std::vector<std::uint8_t> bytes, Done done) {
    save(std::move(path), std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes)), std::move(done));
}

void BackgroundSaver::save(std::string path, Bytes bytes, Done done) {
    std::string key = path;
    run(std::move(key), [path = std::move(path), bytes = std::move(bytes), done = std::move(done)] {
        std::string error;
        const bool saved = safeSave(path, *bytes, &error);
        if (done) done(saved, error);
    });
}

void BackgroundSaver::save(std::string path, std::vector<Bytes> parts, Done done) {
    std::string key = path;
    run(std::move(key), [path = std::move(path), parts = std::move(parts), done = std::move(done)] {
        std::vector<std::span<const std::uint8_t>> spans;
        spans.reserve(parts.size());
        for (const Bytes& part : parts) spans.emplace_back(*part);
        std::string error;
        const bool saved = safeSave(path, spans, &error);
        if (done) done(saved, error);
    });
}

void BackgroundSaver::run(std::string key, std::function<void()> work) {
    {
        const std::lock_guard lock(mutex_);
        auto same = std::find_if(waiting_.begin(), waiting_.end(),
                                 [&key](const Request& request) { return request.key == key; });
        if (same != waiting_.end()) {
            same->work = std::move(work);
        } else {
            waiting_.push_back({std::move(key), std::move(work), Clock::now() + settle_});
        }
        if (!thread_.joinable()) thread_ = std::thread([this] {
            givePriorityToTheRest();
            loop();
        });
    }
    wake_.notify_one();
}

void BackgroundSaver::waitUntilIdle() {
    std::unique_lock lock(mutex_);
    ++hurrying_;
    wake_.notify_all();
    idle_.wait(lock, [this] { return waiting_.empty() && !writing_; });
    --hurrying_;
}

void BackgroundSaver::loop() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
        if (waiting_.empty()) return;  // stopping, with nothing left to write
        const Clock::time_point due = waiting_.front().due;
        if (!stopping_ && hurrying_ == 0 && Clock::now() < due) {
            // Woken early by a newer request, a caller waiting or the end.
            wake_.wait_until(lock, due);
            continue;
        }
        Request request = std::move(waiting_.front());
        waiting_.pop_front();
        writing_ = true;
        lock.unlock();
        request.work();
        request = {};  // what the work held goes before the saver says it is idle
        lock.lock();
        writing_ = false;
        if (waiting_.empty()) idle_.notify_all();
    }
}

BackgroundSaver& backgroundSaver() {
    static BackgroundSaver saver(kSettleAfterChange);
    return saver;
}

}  // namespace courtlog
