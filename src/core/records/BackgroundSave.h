#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace courtlog {

// Saves files through safeSave on a thread of its own, so that whoever asks
// can go on at once: a play shows while the game that holds it is still
// being written and flushed to disk. Every request holds the whole file, so
// when a file is asked for again before its earlier request started, only
// the newest bytes are written. Requests for different files are written in
// the order they came.
class BackgroundSaver {
public:
    // Called on the saver's thread when a save ended: whether the file was
    // written, and why not. It must not wait for the saver (nor save or load
    // a game, which do).
    using Done = std::function<void(bool saved, const std::string& error)>;

    BackgroundSaver() = default;
    // Writes every request still waiting, then stops.
    ~BackgroundSaver();
    BackgroundSaver(const BackgroundSaver&) = delete;
    BackgroundSaver& operator=(const BackgroundSaver&) = delete;

    // Queues bytes to be saved at path. done, when given, hears how the save
    // ended; a request that newer bytes for path replaced never ends, so its
    // done is not called.
    void save(std::string path, std::vector<std::uint8_t> bytes, Done done = {});
    // Returns once every request made so far has ended.
    void waitUntilIdle();

private:
    struct Request {
        std::string path;
        std::vector<std::uint8_t> bytes;
        Done done;
    };
    void run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Request> waiting_;
    bool writing_ = false;
    bool stopping_ = false;
    std::thread thread_;  // started by the first request
};

// The program's saver for the game being scored. Game::save and Game::load
// wait for it, so a game read or written whole never races a save of it
// still under way.
BackgroundSaver& backgroundSaver();

}  // namespace courtlog
