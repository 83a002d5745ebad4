#include "core/records/BackgroundSave.h"

#include <algorithm>
#include <utility>

#include "core/records/SafeSave.h"

namespace courtlog {

BackgroundSaver::~BackgroundSaver() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void BackgroundSaver::save(std::string path, std::vector<std::uint8_t> bytes, Done done) {
    {
        const std::lock_guard lock(mutex_);
        auto same = std::find_if(waiting_.begin(), waiting_.end(),
                                 [&path](const Request& request) { return request.path == path; });
        if (same != waiting_.end()) {
            same->bytes = std::move(bytes);
            same->done = std::move(done);
        } else {
            waiting_.push_back({std::move(path), std::move(bytes), std::move(done)});
        }
        if (!thread_.joinable()) thread_ = std::thread([this] { run(); });
    }
    wake_.notify_one();
}

void BackgroundSaver::waitUntilIdle() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return waiting_.empty() && !writing_; });
}

void BackgroundSaver::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
        if (waiting_.empty()) return;  // stopping, with nothing left to write
        Request request = std::move(waiting_.front());
        waiting_.pop_front();
        writing_ = true;
        lock.unlock();
        std::string error;
        const bool saved = safeSave(request.path, request.bytes, &error);
        if (request.done) request.done(saved, error);
        lock.lock();
        writing_ = false;
        if (waiting_.empty()) idle_.notify_all();
    }
}

BackgroundSaver& backgroundSaver() {
    static BackgroundSaver saver;
    return saver;
}

}  // namespace courtlog
