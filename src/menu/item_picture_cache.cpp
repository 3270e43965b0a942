#include "menu/item_picture_cache.h"

#include <algorithm>

namespace corvina {

int ItemPictureCache::AddItem(int page) {
    items_.push_back(Entry{page, State::None, 0, 0});
    if (page >= 0 && static_cast<std::size_t>(page) >= pageStamps_.size()) {
        pageStamps_.resize(static_cast<std::size_t>(page) + 1, 0);
    }
    return ItemCount() - 1;
}

std::optional<PictureTicket> ItemPictureCache::Request(int item) {
    Entry& entry = Item(item);
    if (entry.state != State::None) return std::nullopt;
    entry.state = State::Pending;
    entry.generation = ++generations_;
    ++pending_;
    return PictureTicket{item, entry.generation};
}

void ItemPictureCache::Withdraw(const PictureTicket& ticket) {
    if (ticket.item < 0 || ticket.item >= ItemCount()) return;
    Entry& entry = Item(ticket.item);
    if (entry.state != State::Pending || entry.generation != ticket.generation) return;
    entry.state = State::None;
    --pending_;
}

bool ItemPictureCache::Arrived(const PictureTicket& ticket, std::size_t bytes) {
    if (ticket.item < 0 || ticket.item >= ItemCount()) return false;
    Entry& entry = Item(ticket.item);
    if (entry.state != State::Pending || entry.generation != ticket.generation) return false;
    entry.state = State::Held;
    --pending_;
    entry.bytes = bytes;
    heldBytes_ += bytes;
    return true;
}

void ItemPictureCache::Drop(Entry& entry) {
    if (entry.state == State::Held) heldBytes_ -= entry.bytes;
    if (entry.state == State::Pending) --pending_;
    entry.state = State::None;
    entry.bytes = 0;
    // Whatever is on its way for the old state is stale now.
    entry.generation = ++generations_;
}

void ItemPictureCache::Forget(int item) { Drop(Item(item)); }

void ItemPictureCache::ForgetPage(int page) {
    for (Entry& entry : items_) {
        if (entry.page == page) Drop(entry);
    }
}

void ItemPictureCache::Touch(int page) {
    if (page < 0) return;
    if (static_cast<std::size_t>(page) >= pageStamps_.size()) pageStamps_.resize(static_cast<std::size_t>(page) + 1, 0);
    pageStamps_[static_cast<std::size_t>(page)] = ++clock_;
}

std::uint64_t ItemPictureCache::Stamp(int page) const {
    if (page < 0 || static_cast<std::size_t>(page) >= pageStamps_.size()) return 0;
    return pageStamps_[static_cast<std::size_t>(page)];
}

std::vector<int> ItemPictureCache::Evict(const std::function<bool(int item)>& keep) {
    std::vector<int> released;
    if (heldBytes_ <= budget_) return released;
    std::vector<int> candidates;
    for (int item = 0; item < ItemCount(); ++item) {
        if (Item(item).state == State::Held && !(keep && keep(item))) candidates.push_back(item);
    }
    std::sort(candidates.begin(), candidates.end(), [this](int a, int b) {
        const std::uint64_t stampA = Stamp(Item(a).page);
        const std::uint64_t stampB = Stamp(Item(b).page);
        return stampA != stampB ? stampA < stampB : a > b;
    });
    for (const int item : candidates) {
        if (heldBytes_ <= budget_) break;
        Drop(Item(item));
        released.push_back(item);
    }
    return released;
}

std::vector<int> ItemPictureCache::ReleaseAll() {
    std::vector<int> released;
    for (int item = 0; item < ItemCount(); ++item) {
        Entry& entry = Item(item);
        if (entry.state == State::Held) released.push_back(item);
        if (entry.state != State::None) Drop(entry);
    }
    return released;
}

}  // namespace corvina
