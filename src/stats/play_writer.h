#pragma once
// Writes plays on a thread of its own: each goes to the spool at once and
// on to the statistics folder whenever the folder answers, asked with a
// deadline, so that neither a game's start nor the menu waits for a share.
// Faults go to the administrator's log, once per outage.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string_view>
#include <thread>

#include "stats/play_line.h"
#include "stats/play_store.h"
#include "sys/folder_probe.h"

namespace corvina {

// How long a waiting play waits before the folder is asked again, unless
// another play comes first.
inline constexpr std::chrono::seconds kPlayRetryInterval{60};

class PlayWriter {
public:
    using Log = std::function<void(std::string_view big5)>;
    using Probe = std::function<FolderProbe(const Big5& folder)>;

    // Plays left waiting by an earlier run are delivered first.
    PlayWriter(PlayStore store, Log log, Probe probe = DefaultProbe,
               std::chrono::milliseconds retry = kPlayRetryInterval);
    // Every play handed in is in the spool, or in the log when the spool
    // cannot be written. A delivery under way is given a moment; one held
    // by a share that will not answer is left to the next run.
    ~PlayWriter();
    PlayWriter(const PlayWriter&) = delete;
    PlayWriter& operator=(const PlayWriter&) = delete;

    void Add(Play play);

private:
    struct State;
    static FolderProbe DefaultProbe(const Big5& folder) { return ProbeFolder(folder); }
    static void Run(const std::shared_ptr<State>& state);

    std::shared_ptr<State> state_;
    std::thread thread_;
};

}  // namespace corvina
