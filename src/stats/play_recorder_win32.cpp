#include "stats/play_recorder_win32.h"

#include <utility>

#include "sys/text.h"
#include "sys/win32/local_time.h"

namespace corvina {

PlayRecorder::PlayRecorder(const Big5& programFolder, const Big5& statsFolder, AdminLog& log)
    : pc_(Utf8FromBig5(ComputerNameText())),
      writer_(PlayStore(programFolder, statsFolder), [&log](std::string_view text) { log.Write(text); }),
      watch_([this](Play play) { writer_.Add(std::move(play)); }, [&log](std::string_view text) { log.Write(text); }) {}

void PlayRecorder::Started(const Big5& channel, const Big5& item, const Big5& target, win32::ScopedHandle process) {
    Play play;
    play.start = LocalCalendarNow();
    play.start.millisecond = 0;
    play.pc = pc_;
    play.channel = Utf8FromBig5(channel);
    play.item = Utf8FromBig5(item);
    play.target = Utf8FromBig5(target);
    watch_.Started(std::move(play), std::move(process));
}

}  // namespace corvina
