#pragma once
// The item pictures of the whole menu: which frames get theirs when. A
// page's frames on the screen come first; then, once the menu is idle, the
// rest of that page and the first screen of the neighbouring channels, as
// far as the memory budget allows. Pictures of
// pages seen long ago are let go when the budget is exceeded, and all of
// them when the customer turns to another program.

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "menu/item_picture_cache.h"
#include "menu/item_picture_loader.h"
#include "widgets/ev_image_btn.h"
#include "widgets/ev_scroll_box.h"

namespace corvina {

class MenuPictures {
public:
    // The channel pages, by channel.
    using BoxOf = std::function<TEVScrollBox*(int channel)>;

    MenuPictures(std::size_t budgetBytes, BoxOf boxOf);
    ~MenuPictures();

    // A new channel, then the items of its page in order.
    void AddChannel();
    void AddItem(Big5 pictureFile, Big5 target);
    // The item's frame is built: its picture button. Until then the item
    // counts as out of view and gets no picture.
    void Attach(int item, TEVImageBtn& button);
    int ChannelCount() const { return static_cast<int>(firstItem_.size()) - 1; }
    // The workers start; `message` reaches `window` when pictures are done.
    void Start(ItemPictureLooks looks, HWND window, UINT message, int threads);
    // Waits for the workers and drops what they still had to do.
    void Stop();

    // The customer sees `channel` now (or again): its frames in view get
    // their pictures first.
    void ShowChannel(int channel);
    // Once the customer lets the menu be: the rest of the shown page and
    // the first screens of its neighbours, as far as the budget allows.
    // False while pictures on the screen are still being made: ask later.
    bool QueueBackground();
    // The shown channel's page scrolled: what came into view comes first.
    void Scrolled();
    // Takes the finished pictures onto their frames (the message's handler).
    void Deliver();
    // Waits at most `milliseconds` for the pictures on the screen and shows them.
    void AwaitOnScreen(DWORD milliseconds);
    // Lets go of every decoded picture; ShowChannel brings them back.
    void ReleaseAll();

    bool Holds(int item) const { return cache_.Holds(item); }
    std::size_t HeldBytes() const { return cache_.HeldBytes(); }
    int ShownChannel() const { return shown_; }

private:
    struct Slot {
        TEVImageBtn* button;  // null until its frame is built
        Big5 pictureFile;
        Big5 target;
    };

    // The channel's items whose frames lie in its page's view, in order;
    // `all` gives every item of the channel.
    std::vector<int> ItemsInView(int channel) const;
    std::vector<int> ItemsOf(int channel) const;
    void RequestAll(const std::vector<int>& items, bool onScreen, int& room);
    void Clear(int item);
    void EvictOverBudget();
    std::size_t PictureEstimate() const;

    ItemPictureCache cache_;
    BoxOf boxOf_;
    std::vector<Slot> slots_;
    std::vector<int> firstItem_;  // by channel; one more at the end
    std::unique_ptr<ItemPictureLoader> loader_;
    Size button_;
    int shown_ = -1;
};

}  // namespace corvina
