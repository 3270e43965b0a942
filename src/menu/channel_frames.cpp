#include "menu/channel_frames.h"

#include <algorithm>

namespace corvina {

ChannelFrames::ChannelFrames(int channelCount)
    : built_(static_cast<std::size_t>(std::max(channelCount, 0)), false), left_(std::max(channelCount, 0)) {}

bool ChannelFrames::Built(int channel) const {
    return channel >= 0 && channel < ChannelCount() && built_[static_cast<std::size_t>(channel)];
}

bool ChannelFrames::MarkBuilt(int channel) {
    if (channel < 0 || channel >= ChannelCount() || built_[static_cast<std::size_t>(channel)]) return false;
    built_[static_cast<std::size_t>(channel)] = true;
    --left_;
    return true;
}

std::optional<int> ChannelFrames::Next(int shown) const {
    if (AllBuilt()) return std::nullopt;
    const int from = std::clamp(shown, 0, ChannelCount() - 1);
    for (int distance = 0; distance < ChannelCount(); ++distance) {
        for (const int channel : {from + distance, from - distance}) {
            if (channel >= 0 && channel < ChannelCount() && !built_[static_cast<std::size_t>(channel)]) return channel;
        }
    }
    return std::nullopt;
}

}  // namespace corvina
