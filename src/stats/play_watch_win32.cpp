#include "stats/play_watch_win32.h"

#include <tlhelp32.h>

#include <mutex>
#include <set>
#include <utility>
#include <vector>

#include "stats/open_play.h"
#include "sys/text.h"
#include "sys/win32/local_time.h"

namespace corvina {

namespace {

constexpr DWORD kPollMs = 1000;
constexpr ULONG_PTR kWakeKey = 1;
constexpr ULONG_PTR kJobKey = 2;

struct Watched {
    OpenPlay open;
    win32::ScopedHandle process;
    win32::ScopedHandle job;  // none: the process alone is watched
    bool processJoined = false;
};

std::int64_t NowTick() { return static_cast<std::int64_t>(GetTickCount64()); }

ULONGLONG CreationTime(HANDLE process) {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
    return (static_cast<ULONGLONG>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

// A process started by the root before the root joined the job stayed
// outside it: found by its parent's id, which cannot be another process's
// while a handle holds the parent, and made younger than the parent.
// Returns whether any joined.
bool JoinEarlyChildren(HANDLE job, HANDLE root) {
    const win32::ScopedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return false;
    std::vector<std::pair<DWORD, DWORD>> processes;  // id, parent id
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more; more = Process32NextW(snapshot.Get(), &entry)) {
        processes.emplace_back(entry.th32ProcessID, entry.th32ParentProcessID);
    }
    struct Parent {
        DWORD id;
        ULONGLONG created;
    };
    std::vector<Parent> parents{{GetProcessId(root), CreationTime(root)}};
    std::vector<win32::ScopedHandle> held;
    std::set<DWORD> seen{parents[0].id};
    bool joined = false;
    for (std::size_t i = 0; i < parents.size(); ++i) {
        const Parent parent = parents[i];
        for (const auto& [id, parentId] : processes) {
            if (parentId != parent.id || id == 0 || !seen.insert(id).second) continue;
            win32::ScopedHandle child(
                OpenProcess(PROCESS_SET_QUOTA | PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
            if (!child) continue;
            const ULONGLONG created = CreationTime(child.Get());
            if (created < parent.created) continue;
            // Refused for one already in this job, or kept out by a job of its own.
            joined |= AssignProcessToJobObject(job, child.Get()) != FALSE;
            parents.push_back({id, created});
            held.push_back(std::move(child));
        }
    }
    return joined;
}

bool StillRunning(const Watched& watched) {
    if (watched.job) {
        JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info{};
        if (QueryInformationJobObject(watched.job.Get(), JobObjectBasicAccountingInformation, &info, sizeof info,
                                      nullptr)) {
            return info.ActiveProcesses > 0;
        }
    }
    return WaitForSingleObject(watched.process.Get(), 0) == WAIT_TIMEOUT;
}

}  // namespace

struct PlayWatch::Shared {
    Shared(Ended e, Log l) : ended(std::move(e)), log(std::move(l)) {}

    // Puts the process in a job of its own that messages the port; no job
    // where Windows has none to give.
    void Join(Watched& watched) const {
        win32::ScopedHandle job(CreateJobObjectW(nullptr, nullptr));
        if (!job) return;
        // A program may still start another outside the job: before Windows
        // 8 that is how one makes a job of its own once inside ours.
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_BREAKAWAY_OK;
        SetInformationJobObject(job.Get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
        JOBOBJECT_ASSOCIATE_COMPLETION_PORT messages{reinterpret_cast<void*>(kJobKey), port.Get()};
        SetInformationJobObject(job.Get(), JobObjectAssociateCompletionPortInformation, &messages, sizeof messages);
        watched.processJoined = AssignProcessToJobObject(job.Get(), watched.process.Get()) != FALSE;
        watched.job = std::move(job);
    }

    Ended ended;
    Log log;
    win32::ScopedHandle port{CreateIoCompletionPort(INVALID_HANDLE_VALUE, nullptr, 0, 1)};

    std::mutex mutex;
    std::vector<Watched> arriving;
    bool stop = false;
};

PlayWatch::PlayWatch(Ended ended, Log log)
    : shared_(std::make_shared<Shared>(std::move(ended), std::move(log))), thread_(Run, shared_) {}

PlayWatch::~PlayWatch() {
    {
        const std::lock_guard lock(shared_->mutex);
        shared_->stop = true;
    }
    PostQueuedCompletionStatus(shared_->port.Get(), 0, kWakeKey, nullptr);
    thread_.join();
}

void PlayWatch::Started(Play play, win32::ScopedHandle process) {
    if (!process) {
        play.end.reset();
        play.seconds = 0;
        shared_->ended(std::move(play));
        return;
    }
    Watched watched;
    watched.open = OpenPlayAt(std::move(play), NowTick());
    watched.process = std::move(process);
    // At once: whatever the program starts from now on is in the job too.
    shared_->Join(watched);
    {
        const std::lock_guard lock(shared_->mutex);
        shared_->arriving.push_back(std::move(watched));
    }
    PostQueuedCompletionStatus(shared_->port.Get(), 0, kWakeKey, nullptr);
}

void PlayWatch::Run(const std::shared_ptr<Shared>& shared) {
    std::vector<Watched> watching;
    bool toldAlone = false;
    for (;;) {
        DWORD message = 0;
        ULONG_PTR key = 0;
        LPOVERLAPPED detail = nullptr;
        // Without a port (refused by Windows) the jobs are only polled.
        if (shared->port) {
            GetQueuedCompletionStatus(shared->port.Get(), &message, &key, &detail, kPollMs);
        } else {
            Sleep(kPollMs);
        }
        std::vector<Watched> arrived;
        bool stopping = false;
        {
            const std::lock_guard lock(shared->mutex);
            arrived = std::exchange(shared->arriving, {});
            stopping = shared->stop;
        }
        for (Watched& watched : arrived) {
            // A program refused by the job, or ended before it could join,
            // is watched by what it started meanwhile, else alone.
            if (watched.job && !JoinEarlyChildren(watched.job.Get(), watched.process.Get()) && !watched.processJoined) {
                watched.job.Reset();
                if (!toldAlone) {
                    toldAlone = true;
                    shared->log(
                        T(u8"遊玩統計：Windows 不讓啟動的程式加入工作物件 (job object)，只計算該程式本身的時間，"
                          u8"它另外啟動的程式不計。"));
                }
            }
            watching.push_back(std::move(watched));
        }
        const CalendarTime now = LocalCalendarNow();
        const std::int64_t tick = NowTick();
        if (stopping) {
            for (Watched& watched : watching) {
                if (StillRunning(watched)) SeenRunning(watched.open, now, tick);
                shared->ended(PlayAtMenuEnd(watched.open));
            }
            return;
        }
        for (auto it = watching.begin(); it != watching.end();) {
            if (StillRunning(*it) && !PastLongestPlay(it->open, tick)) {
                SeenRunning(it->open, now, tick);
                ++it;
                continue;
            }
            shared->ended(EndedPlay(it->open, now, tick));
            it = watching.erase(it);
        }
    }
}

Big5 ComputerNameText() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1]{};
    DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
    if (!GetComputerNameW(name, &length)) return "PC";
    return Big5FromWide(std::wstring_view(name, length));
}

}  // namespace corvina
