#pragma once
// The bookkeeping of the item pictures: which items hold a decoded picture
// and how many bytes it costs, which are being decoded, and which pictures
// go when the memory budget is exceeded. Pages that were shown last keep
// their pictures longest. Every request carries a ticket; a picture that
// arrives for a ticket no longer current (its frame was destroyed, its page
// rebuilt, or the pictures were released meanwhile) is refused, so a late
// picture never lands on the wrong frame.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace corvina {

struct PictureTicket {
    int item = -1;
    std::uint64_t generation = 0;
};

class ItemPictureCache {
public:
    explicit ItemPictureCache(std::size_t budgetBytes) : budget_(budgetBytes) {}

    // A new item on `page`; items are numbered from 0 in the order added.
    int AddItem(int page);
    int ItemCount() const { return static_cast<int>(items_.size()); }
    int PageOf(int item) const { return items_.at(static_cast<std::size_t>(item)).page; }

    // A ticket for decoding the item's picture; nothing when it holds one
    // or one is on its way.
    std::optional<PictureTicket> Request(int item);
    // A request that will not be carried out after all (taken off the queue).
    void Withdraw(const PictureTicket& ticket);
    // The decoded picture of `ticket` arrived: true when it is to be shown,
    // and then it counts against the budget.
    bool Arrived(const PictureTicket& ticket, std::size_t bytes);

    // The frame is gone: its picture and any request for it are forgotten.
    void Forget(int item);
    // Every frame of the page is gone or made anew.
    void ForgetPage(int page);

    // The customer sees `page` now: its pictures are the last to go.
    void Touch(int page);
    // The pictures to let go, in order, until the held bytes are within the
    // budget: the pages seen longest ago first, within a page the last
    // item first; never an item for which `keep` says true. They count as
    // released when returned.
    std::vector<int> Evict(const std::function<bool(int item)>& keep);
    // Every held picture, released; requests under way become stale.
    std::vector<int> ReleaseAll();

    bool Holds(int item) const { return Item(item).state == State::Held; }
    bool Pending(int item) const { return Item(item).state == State::Pending; }
    int PendingCount() const { return pending_; }
    std::size_t HeldBytes() const { return heldBytes_; }
    std::size_t Budget() const { return budget_; }
    // Whether `bytes` more still fit beside what is held.
    bool HasRoomFor(std::size_t bytes) const { return heldBytes_ + bytes <= budget_; }

private:
    enum class State { None, Pending, Held };
    struct Entry {
        int page = 0;
        State state = State::None;
        std::uint64_t generation = 0;
        std::size_t bytes = 0;
    };

    const Entry& Item(int item) const { return items_.at(static_cast<std::size_t>(item)); }
    Entry& Item(int item) { return items_.at(static_cast<std::size_t>(item)); }
    std::uint64_t Stamp(int page) const;
    void Drop(Entry& entry);

    std::size_t budget_;
    std::size_t heldBytes_ = 0;
    int pending_ = 0;
    std::vector<Entry> items_;
    std::vector<std::uint64_t> pageStamps_;  // by page; 0 = never seen
    std::uint64_t clock_ = 0;
    std::uint64_t generations_ = 0;
};

}  // namespace corvina
