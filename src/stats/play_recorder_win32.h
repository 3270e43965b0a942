#pragma once
// The plays of this run of the menu: each start of an item is watched until
// its programs end and then written, all off the window's thread.

#include "stats/play_watch_win32.h"
#include "stats/play_writer.h"
#include "sys/admin_log.h"
#include "sys/big5.h"
#include "sys/win32/handles.h"

namespace corvina {

class PlayRecorder {
public:
    // Both folders end in a backslash.
    PlayRecorder(const Big5& programFolder, const Big5& statsFolder, AdminLog& log);

    // An item was started now; the texts are the menu's own.
    void Started(const Big5& channel, const Big5& item, const Big5& target, win32::ScopedHandle process);

private:
    std::string pc_;  // UTF-8
    PlayWriter writer_;
    // Ends first, handing the plays still open to the writer.
    PlayWatch watch_;
};

}  // namespace corvina
