#pragma once
// Watches the programs of each play until they have all ended: the started
// program and every process it starts, held together in a job object, so
// that a launcher which starts the game and exits at once is timed by the
// game. Where the program cannot join a job (before Windows 8 a process
// belongs to one job at most, so a menu started inside a job has none to
// give), the started program alone is watched.
//
// Nothing here waits on the window's thread: the job is made there, which
// takes no waiting, and a thread of its own watches, woken by the jobs'
// messages and, as those are not sure to arrive, once a second anyway.

#include <windows.h>

#include <functional>
#include <memory>
#include <string_view>
#include <thread>

#include "stats/play_line.h"
#include "sys/big5.h"
#include "sys/win32/handles.h"

namespace corvina {

class PlayWatch {
public:
    // Called on the watch's thread, or on the caller's for a start only.
    using Ended = std::function<void(Play)>;
    using Log = std::function<void(std::string_view big5)>;

    PlayWatch(Ended ended, Log log);
    // Every play still open ends when its programs were last seen running.
    ~PlayWatch();
    PlayWatch(const PlayWatch&) = delete;
    PlayWatch& operator=(const PlayWatch&) = delete;

    // Right after the start, with the process the shell started: the play
    // ends when it and everything it started have ended. Without one (a
    // document given to a program already running, an address) the play
    // is a start only, handed on at once.
    void Started(Play play, win32::ScopedHandle process);

private:
    struct Shared;
    static void Run(const std::shared_ptr<Shared>& shared);

    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};

// This PC's name, as the statistics name it.
Big5 ComputerNameText();

}  // namespace corvina
