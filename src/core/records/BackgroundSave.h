#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace courtlog {

// Saves files through safeSave on a thread of its own, so that whoever asks
// can go on at once: a play shows while the game that holds it is still
// being written and flushed to disk. The thread gives way to the rest of
// the program, so a save never slows the repaints of the change it saves.
// Every request holds the whole file, so when a file is asked for again
// before its earlier request started, only the newest bytes are written.
// Requests for different files are written in the order they came.
//
// A saver may be told to let each request settle before it starts: a
// change's save then begins once the repaints the change caused are done,
// instead of competing with them for a processor, and changes that come
// quicker than that are written once. A newer request for the same file
// keeps the time its waiting predecessor came, so a file never waits longer
// than that, however often it changes.
class BackgroundSaver {
public:
    // Called on the saver's thread when a save ended: whether the file was
    // written, and why not. It must not wait for the saver (nor save or load
    // a game, which do).
    using Done = std::function<void(bool saved, const std::string& error)>;
    using Bytes = std::shared_ptr<const std::vector<std::uint8_t>>;

    using Clock = std::chrono::steady_clock;

    BackgroundSaver() = default;
    explicit BackgroundSaver(Clock::duration settle) : settle_(settle) {}
    // Writes every request still waiting, at once, then stops.
    ~BackgroundSaver();
    BackgroundSaver(const BackgroundSaver&) = delete;
    BackgroundSaver& operator=(const BackgroundSaver&) = delete;

    // Queues bytes to be saved at path. done, when given, hears how the save
    // ended; a request that newer bytes for path replaced never ends, so its
    // done is not called.
    void save(std::string path, std::vector<std::uint8_t> bytes, Done done = {});
    // The same with bytes another request may share (one image of a game
    // serving its save and its scoreboard feed).
    void save(std::string path, Bytes bytes, Done done = {});
    // The same with the file's bytes in parts, written one after the other
    // (a game's file image, whose parts its next snapshots share).
    void save(std::string path, std::vector<Bytes> parts, Done done = {});
    // Queues work under key, to run on the saver's thread: the most general
    // request, by which the ones above are made. Work still waiting under
    // the same key is replaced, so only the newest runs.
    void run(std::string key, std::function<void()> work);
    // Returns once every request made so far has ended; the waiting ones
    // are started at once, without letting them settle.
    void waitUntilIdle();

private:
    struct Request {
        std::string key;
        std::function<void()> work;
        Clock::time_point due;  // when the first request it replaced came, plus settle_
    };
    void loop();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Request> waiting_;
    const Clock::duration settle_{};
    bool writing_ = false;
    bool stopping_ = false;
    int hurrying_ = 0;  // callers of waitUntilIdle: nothing settles while they wait
    std::thread thread_;  // started by the first request
};

// How long the saves and writes a change at the console causes settle
// first: longer than the console and its viewers take to repaint, short
// beside the time to the scorekeeper's next click.
inline constexpr std::chrono::milliseconds kSettleAfterChange{100};

// The program's saver for the game being scored, whose requests settle for
// kSettleAfterChange. Game::save and Game::load wait for it, so a game read
// or written whole never races a save of it still waiting or under way.
BackgroundSaver& backgroundSaver();

}  // namespace courtlog
