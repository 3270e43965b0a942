#include "menu/item_picture_loader.h"

#include <utility>

#include "menu/item_frames.h"
#include "sys/files.h"
#include "ui/bitmap_canvas.h"
#include "ui/picture_error.h"

namespace corvina {

namespace {

// A decoded picture larger than the area it is stretched into is stretched
// once, here, the way painting would: it then costs only what it shows.
ui::Picture Fitted(ui::Picture picture, Size drawn) {
    const ui::Bitmap* decoded = picture.Bitmap();
    if (decoded == nullptr || drawn.width <= 0 || drawn.height <= 0) return picture;
    if (decoded->Width() <= drawn.width || decoded->Height() <= drawn.height) return picture;
    ui::Bitmap fitted(drawn.width, drawn.height);
    if (fitted.Empty()) return picture;
    {
        ui::BitmapCanvas canvas(fitted);
        decoded->StretchDraw(canvas.Get(), {0, 0, drawn.width, drawn.height});
    }
    return ui::Picture(std::move(fitted));
}

}  // namespace

std::size_t PictureBytes(const ui::Picture& picture) {
    const auto width = static_cast<std::size_t>(picture.Width());
    const auto height = static_cast<std::size_t>(picture.Height());
    return (width * 3 + 3) / 4 * 4 * height;
}

ui::Picture MakeItemPicture(const ItemPictureJob& job, const ItemPictureLooks& looks, const ui::Bitmap& ground) {
    if (!job.pictureFile.empty() && FileExists(job.pictureFile)) {
        try {
            ui::Picture picture;
            picture.LoadFromFile(job.pictureFile, looks.button.width, looks.button.height);
            return Fitted(std::move(picture), looks.drawn);
        } catch (const ui::PictureError&) {
            // A damaged or foreign picture costs this item its picture, not
            // the menu its pages: it gets the generated one.
        }
    }
    const Big5 iconFile = looks.iconFileFor ? looks.iconFileFor(job.target) : job.target;
    return ui::Picture(ComposeItemPicture(ground, iconFile));
}

ItemPictureLoader::ItemPictureLoader(ItemPictureLooks looks, HWND window, UINT message, int threads)
    : looks_(std::move(looks)), window_(window), message_(message) {
    // The frame must not be shared with what the window paints: a bitmap
    // is selected into one DC at a time.
    (void)looks_.frame.WritableHandle();
    for (int i = 0; i < threads; ++i) threads_.emplace_back([this] { Work(); });
}

ItemPictureLoader::~ItemPictureLoader() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        onScreen_.clear();
        later_.clear();
    }
    wake_.notify_all();
    for (std::thread& thread : threads_) thread.join();
}

void ItemPictureLoader::Queue(ItemPictureJob job) {
    {
        const std::lock_guard lock(mutex_);
        (job.onScreen ? onScreen_ : later_).push_back(std::move(job));
    }
    wake_.notify_one();
}

std::vector<PictureTicket> ItemPictureLoader::TakeQueued() {
    const std::lock_guard lock(mutex_);
    std::vector<PictureTicket> tickets;
    for (const auto* queue : {&onScreen_, &later_}) {
        for (const ItemPictureJob& job : *queue) tickets.push_back(job.ticket);
    }
    onScreen_.clear();
    later_.clear();
    onScreenDone_.notify_all();
    return tickets;
}

std::vector<ItemPictureDone> ItemPictureLoader::TakeDone() {
    const std::lock_guard lock(mutex_);
    return std::exchange(done_, {});
}

bool ItemPictureLoader::OnScreenWaiting() {
    const std::lock_guard lock(mutex_);
    return !onScreen_.empty() || onScreenBusy_ > 0;
}

bool ItemPictureLoader::WaitForOnScreen(DWORD milliseconds) {
    std::unique_lock lock(mutex_);
    return onScreenDone_.wait_for(lock, std::chrono::milliseconds(milliseconds),
                                  [this] { return onScreen_.empty() && onScreenBusy_ == 0; });
}

const ui::Bitmap& ItemPictureLoader::Ground() {
    std::call_once(groundOnce_,
                   [this] { ground_ = ItemPictureGround(looks_.frame, looks_.buttonInFrame, looks_.background); });
    return ground_;
}

void ItemPictureLoader::Work() noexcept {
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return stopping_ || !onScreen_.empty() || !later_.empty(); });
        if (stopping_) return;
        const bool onScreen = !onScreen_.empty();
        std::deque<ItemPictureJob>& queue = onScreen ? onScreen_ : later_;
        ItemPictureJob job = std::move(queue.front());
        queue.pop_front();
        if (onScreen) ++onScreenBusy_;
        lock.unlock();
        // Pictures nobody waits for yield to the window's thread.
        SetThreadPriority(GetCurrentThread(), onScreen ? THREAD_PRIORITY_NORMAL : THREAD_PRIORITY_LOWEST);

        ItemPictureDone done{job.ticket, {}};
        try {
            done.picture = MakeItemPicture(job, looks_, Ground());
        } catch (...) {
            // Out of memory, say: the frame stays without its picture and
            // is asked for again when its page is shown next.
        }

        lock.lock();
        if (onScreen) --onScreenBusy_;
        const bool first = done_.empty();
        done_.push_back(std::move(done));
        if (first) PostMessageW(window_, message_, 0, 0);
        if (onScreen_.empty() && onScreenBusy_ == 0) onScreenDone_.notify_all();
    }
}

}  // namespace corvina
