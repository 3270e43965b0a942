#include "menu/channel_frames.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace corvina {

ChannelFrames::ChannelFrames(std::vector<int> itemCounts) : counts_(std::move(itemCounts)), built_(counts_.size(), 0) {
    for (int& count : counts_) count = std::max(count, 0);
    left_ = std::accumulate(counts_.begin(), counts_.end(), 0);
}

int ChannelFrames::BuiltCount(int channel) const {
    return channel >= 0 && channel < ChannelCount() ? built_[static_cast<std::size_t>(channel)] : 0;
}

bool ChannelFrames::Built(int channel) const {
    return channel >= 0 && channel < ChannelCount() &&
           built_[static_cast<std::size_t>(channel)] == counts_[static_cast<std::size_t>(channel)];
}

std::optional<FrameRun> ChannelFrames::Take(int channel, int most) {
    if (channel < 0 || channel >= ChannelCount() || most <= 0) return std::nullopt;
    const auto at = static_cast<std::size_t>(channel);
    const int count = std::min(most, counts_[at] - built_[at]);
    if (count <= 0) return std::nullopt;
    const FrameRun run{channel, built_[at], count};
    built_[at] += count;
    left_ -= count;
    return run;
}

std::optional<int> ChannelFrames::Next(int shown) const {
    if (AllBuilt()) return std::nullopt;
    const int from = std::clamp(shown, 0, ChannelCount() - 1);
    for (int distance = 0; distance < ChannelCount(); ++distance) {
        for (const int channel : {from + distance, from - distance}) {
            if (channel >= 0 && channel < ChannelCount() && !Built(channel)) return channel;
        }
    }
    return std::nullopt;
}

}  // namespace corvina
