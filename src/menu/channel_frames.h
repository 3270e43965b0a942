#pragma once
// Which item frames each channel page has yet, and which are built next.
// At start the page shown first gets only the frames of its first screen;
// idle steps then build the rest a few at a time, the shown page first,
// then outwards from it (the next tab before the one before it). A page
// the customer turns to before its turn gets its first screen at once, and
// one he scrolls gets all the rest.

#include <optional>
#include <vector>

namespace corvina {

// Frames `first` to `first + count - 1` of a channel, counted within it.
struct FrameRun {
    int channel = 0;
    int first = 0;
    int count = 0;
};

class ChannelFrames {
public:
    ChannelFrames() = default;
    explicit ChannelFrames(std::vector<int> itemCounts);

    int ChannelCount() const { return static_cast<int>(counts_.size()); }
    int BuiltCount(int channel) const;
    // Whether the page has all its frames.
    bool Built(int channel) const;
    bool AllBuilt() const { return left_ == 0; }
    // Up to `most` more frames of `channel`, counted as built; none when it
    // has them all or there is no such channel.
    std::optional<FrameRun> Take(int channel, int most);
    // The channel the next idle step builds on while `shown` is on the
    // screen; none once every page has its frames.
    std::optional<int> Next(int shown) const;

private:
    std::vector<int> counts_;
    std::vector<int> built_;
    int left_ = 0;  // frames not yet built
};

}  // namespace corvina
