#include "stats/play_writer.h"

#include <exception>
#include <utility>
#include <vector>

#include "sys/text.h"

namespace corvina {

namespace {

// How long the menu's end waits for a delivery under way.
constexpr std::chrono::seconds kEndGrace{3};

}  // namespace

struct PlayWriter::State {
    State(PlayStore s, Log l, Probe p, std::chrono::milliseconds r)
        : store(std::move(s)), log(std::move(l)), probe(std::move(p)), retry(r) {}

    // Spools the play; a play the spool will not take goes to the log whole.
    void Spool(const Play& play) {
        const std::lock_guard lock(spoolMutex);
        try {
            store.Spool(play);
        } catch (const std::exception& error) {
            WriteLog(T(u8"遊玩統計無法寫入暫存檔，這筆紀錄只留在記錄檔：") + Big5FromUtf8(error.what()) + " " +
                     Big5FromUtf8(PlayLine(play)));
        }
    }

    void Deliver() {
        const FolderProbe answer = probe(store.StatsFolder());
        if (answer != FolderProbe::Reachable) {
            Outage(answer == FolderProbe::Missing ? T(u8"遊玩統計資料夾不存在，紀錄暫存在 StatsSpool.csv：")
                                                  : T(u8"遊玩統計資料夾沒有回應，紀錄暫存在 StatsSpool.csv："));
            return;
        }
        // A delivery left unfinished goes first, then what waits behind it.
        for (int round = 0; round < 2 && store.HasWaiting(); ++round) {
            if (!DeliverOnce()) return;
        }
    }

    bool DeliverOnce() {
        try {
            {
                // The share's writes run without the lock: a share that
                // hangs never holds up the spool.
                const std::lock_guard lock(spoolMutex);
                store.TakeSpool();
            }
            for (const std::string& line : store.Deliver()) {
                WriteLog(T(u8"StatsSpool.csv 中有一行不是遊玩紀錄，已略過：") + Big5FromUtf8(line));
            }
            inOutage = false;
            return true;
        } catch (const std::exception& error) {
            Outage(T(u8"遊玩統計無法寫入統計資料夾，紀錄暫存在 StatsSpool.csv：") + Big5FromUtf8(error.what()) + " ");
            return false;
        }
    }

    void Outage(const Big5& why) {
        if (inOutage) return;
        inOutage = true;
        WriteLog(why + store.StatsFolder());
    }

    // The log belongs to the menu: once the menu has let the worker go,
    // nothing more is written to it.
    void WriteLog(const Big5& text) {
        const std::lock_guard lock(logMutex);
        if (log) log(text);
    }

    PlayStore store;
    Log log;
    Probe probe;
    std::chrono::milliseconds retry;
    bool inOutage = false;  // the worker's own

    std::mutex logMutex;
    std::mutex spoolMutex;
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<Play> queue;
    bool stop = false;
    bool done = false;
};

PlayWriter::PlayWriter(PlayStore store, Log log, Probe probe, std::chrono::milliseconds retry)
    : state_(std::make_shared<State>(std::move(store), std::move(log), std::move(probe), retry)),
      thread_(Run, state_) {}

PlayWriter::~PlayWriter() {
    std::unique_lock lock(state_->mutex);
    state_->stop = true;
    state_->changed.notify_all();
    const bool finished = state_->changed.wait_for(lock, kEndGrace, [this] { return state_->done; });
    if (finished) {
        lock.unlock();
        thread_.join();
        return;
    }
    // The worker is held by the share: the plays still queued go to the
    // spool from here, and the worker is left to end with the process.
    std::deque<Play> left = std::exchange(state_->queue, {});
    lock.unlock();
    for (const Play& play : left) state_->Spool(play);
    {
        const std::lock_guard logLock(state_->logMutex);
        state_->log = nullptr;
    }
    thread_.detach();
}

void PlayWriter::Add(Play play) {
    const std::lock_guard lock(state_->mutex);
    state_->queue.push_back(std::move(play));
    state_->changed.notify_all();
}

void PlayWriter::Run(const std::shared_ptr<State>& state) {
    bool firstRound = true;
    for (;;) {
        std::deque<Play> plays;
        bool stopping = false;
        {
            std::unique_lock lock(state->mutex);
            if (!firstRound) {
                state->changed.wait_for(lock, state->retry, [&] { return state->stop || !state->queue.empty(); });
            }
            plays = std::exchange(state->queue, {});
            stopping = state->stop;
        }
        firstRound = false;
        for (const Play& play : plays) state->Spool(play);
        if (stopping) break;
        if (state->store.HasWaiting()) state->Deliver();
    }
    const std::lock_guard lock(state->mutex);
    state->done = true;
    state->changed.notify_all();
}

}  // namespace corvina
