#pragma once
// Which channel pages have their item frames yet, and which one gets them
// next. Only the page shown first is built at start; the others follow
// one at a time while the menu is idle, nearest to the shown page first
// (the next tab before the one before it), and a page the customer turns
// to before its turn is built at once.

#include <optional>
#include <vector>

namespace corvina {

class ChannelFrames {
public:
    explicit ChannelFrames(int channelCount = 0);

    int ChannelCount() const { return static_cast<int>(built_.size()); }
    bool Built(int channel) const;
    bool AllBuilt() const { return left_ == 0; }
    // False when it was built already or there is no such channel: the
    // caller builds it only on true.
    bool MarkBuilt(int channel);
    // The channel the next idle step builds while `shown` is on the
    // screen; none once every page has its frames.
    std::optional<int> Next(int shown) const;

private:
    std::vector<bool> built_;
    int left_;
};

}  // namespace corvina
