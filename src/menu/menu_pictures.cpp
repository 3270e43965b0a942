#include "menu/menu_pictures.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace corvina {

namespace {

bool Overlaps(const Rect& a, int width, int height) {
    return a.left < width && a.top < height && a.left + a.width > 0 && a.top + a.height > 0;
}

}  // namespace

MenuPictures::MenuPictures(std::size_t budgetBytes, BoxOf boxOf)
    : cache_(budgetBytes), boxOf_(std::move(boxOf)), firstItem_{0} {}

MenuPictures::~MenuPictures() { Stop(); }

void MenuPictures::AddChannel() { firstItem_.push_back(firstItem_.back()); }

void MenuPictures::AddItem(Big5 pictureFile, Big5 target) {
    cache_.AddItem(ChannelCount() - 1);
    slots_.push_back(Slot{nullptr, std::move(pictureFile), std::move(target)});
    firstItem_.back() = cache_.ItemCount();
}

void MenuPictures::Attach(int item, TEVImageBtn& button) {
    if (item < 0 || item >= static_cast<int>(slots_.size())) return;
    slots_[static_cast<std::size_t>(item)].button = &button;
    button_ = {button.Width(), button.Height()};
}

void MenuPictures::Start(ItemPictureLooks looks, HWND window, UINT message, int threads) {
    loader_ = std::make_unique<ItemPictureLoader>(std::move(looks), window, message, threads);
}

void MenuPictures::Stop() { loader_.reset(); }

std::vector<int> MenuPictures::ItemsOf(int channel) const {
    std::vector<int> items;
    if (channel < 0 || channel >= ChannelCount()) return items;
    for (int item = firstItem_[static_cast<std::size_t>(channel)];
         item < firstItem_[static_cast<std::size_t>(channel) + 1]; ++item) {
        items.push_back(item);
    }
    return items;
}

std::vector<int> MenuPictures::ItemsInView(int channel) const {
    std::vector<int> items;
    const TEVScrollBox* shownBox = boxOf_(shown_);
    const TEVScrollBox* box = boxOf_(channel);
    if (shownBox == nullptr || box == nullptr) return items;
    // Every page has the size of the one shown; a hidden one may not know it.
    const int width = shownBox->ClientWidth();
    const int height = shownBox->ClientHeight();
    for (const int item : ItemsOf(channel)) {
        const TEVImageBtn* button = slots_[static_cast<std::size_t>(item)].button;
        if (button != nullptr && Overlaps(button->Bounds(), width, height)) items.push_back(item);
    }
    return items;
}

std::size_t MenuPictures::PictureEstimate() const {
    return (static_cast<std::size_t>(button_.width) * 3 + 3) / 4 * 4 * static_cast<std::size_t>(button_.height);
}

void MenuPictures::RequestAll(const std::vector<int>& items, bool onScreen, int& room) {
    for (const int item : items) {
        if (!onScreen && room <= 0) return;
        if (slots_[static_cast<std::size_t>(item)].button == nullptr) continue;
        const std::optional<PictureTicket> ticket = cache_.Request(item);
        if (!ticket) continue;
        const Slot& slot = slots_[static_cast<std::size_t>(item)];
        loader_->Queue(ItemPictureJob{*ticket, slot.pictureFile, slot.target, onScreen});
        --room;
    }
}

void MenuPictures::ShowChannel(int channel) {
    if (!loader_ || channel < 0 || channel >= ChannelCount()) return;
    shown_ = channel;
    // What was asked for another page waits behind this one.
    for (const PictureTicket& ticket : loader_->TakeQueued()) cache_.Withdraw(ticket);
    if (channel + 1 < ChannelCount()) cache_.Touch(channel + 1);
    if (channel > 0) cache_.Touch(channel - 1);
    cache_.Touch(channel);

    int unlimited = std::numeric_limits<int>::max();
    RequestAll(ItemsInView(channel), true, unlimited);
}

bool MenuPictures::QueueBackground() {
    if (!loader_ || shown_ < 0) return true;
    if (loader_->OnScreenWaiting()) return false;
    const std::size_t estimate = std::max<std::size_t>(PictureEstimate(), 1);
    const std::size_t used = cache_.HeldBytes() + static_cast<std::size_t>(cache_.PendingCount()) * estimate;
    int room = used >= cache_.Budget() ? 0 : static_cast<int>((cache_.Budget() - used) / estimate);
    RequestAll(ItemsOf(shown_), false, room);
    if (shown_ + 1 < ChannelCount()) RequestAll(ItemsInView(shown_ + 1), false, room);
    if (shown_ > 0) RequestAll(ItemsInView(shown_ - 1), false, room);
    return true;
}

void MenuPictures::Scrolled() {
    if (!loader_ || shown_ < 0) return;
    int unlimited = std::numeric_limits<int>::max();
    RequestAll(ItemsInView(shown_), true, unlimited);
}

void MenuPictures::Clear(int item) {
    TEVImageBtn* button = slots_[static_cast<std::size_t>(item)].button;
    if (button == nullptr) return;
    button->Wallpaper().Picture().Clear();
    button->Invalidate();
}

void MenuPictures::Deliver() {
    if (!loader_) return;
    bool delivered = false;
    for (ItemPictureDone& done : loader_->TakeDone()) {
        if (done.picture.Empty()) {
            // Asked for again when its page is shown next.
            cache_.Withdraw(done.ticket);
            continue;
        }
        // A stale picture (released or forgotten meanwhile) just goes.
        if (!cache_.Arrived(done.ticket, PictureBytes(done.picture))) continue;
        TEVImageBtn* button = slots_[static_cast<std::size_t>(done.ticket.item)].button;
        if (button == nullptr) continue;
        button->Wallpaper().Picture() = std::move(done.picture);
        button->Invalidate();
        delivered = true;
    }
    if (delivered) EvictOverBudget();
}

void MenuPictures::EvictOverBudget() {
    const std::vector<int> inView = ItemsInView(shown_);
    for (const int item :
         cache_.Evict([&](int candidate) { return std::binary_search(inView.begin(), inView.end(), candidate); })) {
        Clear(item);
    }
}

void MenuPictures::AwaitOnScreen(DWORD milliseconds) {
    if (!loader_) return;
    loader_->WaitForOnScreen(milliseconds);
    Deliver();
}

void MenuPictures::ReleaseAll() {
    if (loader_) {
        for (const PictureTicket& ticket : loader_->TakeQueued()) cache_.Withdraw(ticket);
    }
    for (const int item : cache_.ReleaseAll()) Clear(item);
}

}  // namespace corvina
