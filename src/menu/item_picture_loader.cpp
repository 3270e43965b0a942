#include "menu/item_picture_loader.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "menu/item_frames.h"
#include "sys/files.h"
#include "ui/bitmap_canvas.h"
#include "ui/jpeg_decoder.h"
#include "ui/picture_error.h"
#include "ui/picture_format.h"

namespace corvina {

namespace {

// A 640 x 480 picture decoded at 3/8 takes 130 KB.
constexpr std::size_t kKeptDecodeBytes = 1u << 20;

// A decoded picture is stretched once, here, to the area it is drawn into,
// the way painting would, and with the pixels the screen takes: a page
// shown then only copies what it shows.
ui::Picture Fitted(ui::Picture picture, Size drawn) {
    const ui::Bitmap* decoded = picture.Bitmap();
    if (decoded == nullptr || drawn.width <= 0 || drawn.height <= 0) return picture;
    ui::Bitmap fitted(drawn.width, drawn.height, ui::PixelDepth::Bgrx32);
    if (fitted.Empty()) return picture;
    {
        ui::BitmapCanvas canvas(fitted);
        decoded->StretchDraw(canvas.Get(), {0, 0, drawn.width, drawn.height});
    }
    return ui::Picture(std::move(fitted));
}

// A JPEG, as nearly every item picture is, is decoded into memory the
// worker keeps and fitted from there: two fresh bitmaps a picture cost more
// than decoding it.
ui::Picture FittedPicture(std::string_view bytes, const Big5& name, const ItemPictureLooks& looks) {
    const Size drawn = looks.drawn;
    if (ui::DetectPictureFormat(bytes) != ui::PictureFormat::Jpeg || drawn.width <= 0 || drawn.height <= 0) {
        ui::Picture picture;
        picture.LoadFromBytes(bytes, name, looks.button.width, looks.button.height);
        return Fitted(std::move(picture), drawn);
    }
    thread_local std::vector<std::uint8_t> decoded;
    const PixelView24 pixels = ui::DecodeJpegInto(bytes, name, looks.button.width, looks.button.height, decoded);
    ui::Picture fitted(ui::Bitmap::Fitted(pixels, drawn.width, drawn.height));
    // An outsized picture's memory is not kept for the next ones.
    if (decoded.capacity() > kKeptDecodeBytes) std::vector<std::uint8_t>().swap(decoded);
    return fitted;
}

}  // namespace

std::size_t PictureBytes(const ui::Picture& picture) {
    if (const ui::Bitmap* bitmap = picture.Bitmap()) return bitmap->ByteSize();
    const auto width = static_cast<std::size_t>(picture.Width());
    const auto height = static_cast<std::size_t>(picture.Height());
    return width * 4 * height;
}

ui::Picture MakeItemPicture(const ItemPictureJob& job, const ItemPictureLooks& looks, const ui::Bitmap& ground) {
    if (!job.pictureFile.empty()) {
        if (const std::optional<std::string> bytes = ReadFileBytes(job.pictureFile)) {
            try {
                return FittedPicture(*bytes, job.pictureFile, looks);
            } catch (const ui::PictureError&) {
                // A damaged or foreign picture costs this item its picture, not
                // the menu its pages: it gets the generated one.
            }
        }
    }
    const Big5 iconFile = looks.iconFileFor ? looks.iconFileFor(job.target) : job.target;
    return ui::Picture(ComposeItemPicture(ground, iconFile).ForDrawing());
}

namespace {

class PictureWorkers {
public:
    explicit PictureWorkers(int threads) {
        for (int i = 0; i < threads; ++i) std::thread([this] { Run(); }).detach();
    }

    // Lives until the process ends, with its threads.
    static PictureWorkers& Instance(int threads) {
        static PictureWorkers* const workers = std::make_unique<PictureWorkers>(threads).release();
        return *workers;
    }

    void Post(std::function<void()> task) {
        {
            const std::lock_guard lock(mutex_);
            tasks_.push_back(std::move(task));
        }
        wake_.notify_one();
    }

private:
    void Run() noexcept {
        std::unique_lock lock(mutex_);
        while (true) {
            wake_.wait(lock, [this] { return !tasks_.empty(); });
            std::function<void()> task = std::move(tasks_.front());
            tasks_.pop_front();
            lock.unlock();
            task();
            lock.lock();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> tasks_;
};

}  // namespace

struct ItemPictureLoader::Core {
    ItemPictureLooks looks;
    HWND window = nullptr;
    UINT message = 0;
    std::once_flag groundOnce;
    ui::Bitmap ground;
    std::mutex mutex;
    std::condition_variable onScreenDone;
    std::deque<ItemPictureJob> onScreen;
    std::deque<ItemPictureJob> later;
    int onScreenBusy = 0;
    std::vector<ItemPictureDone> done;
    bool stopping = false;

    const ui::Bitmap& Ground() {
        std::call_once(groundOnce,
                       [this] { ground = ItemPictureGround(looks.frame, looks.buttonInFrame, looks.background); });
        return ground;
    }

    // One job, the most urgent queued, if any is left.
    void RunOne() noexcept {
        std::unique_lock lock(mutex);
        if (stopping || (onScreen.empty() && later.empty())) return;
        const bool urgent = !onScreen.empty();
        std::deque<ItemPictureJob>& queue = urgent ? onScreen : later;
        ItemPictureJob job = std::move(queue.front());
        queue.pop_front();
        if (urgent) ++onScreenBusy;
        lock.unlock();
        // Pictures nobody waits for yield to the window's thread.
        SetThreadPriority(GetCurrentThread(), urgent ? THREAD_PRIORITY_NORMAL : THREAD_PRIORITY_LOWEST);

        ItemPictureDone finished{job.ticket, {}};
        try {
            finished.picture = MakeItemPicture(job, looks, Ground());
        } catch (...) {
            // Out of memory, say: the frame stays without its picture and
            // is asked for again when its page is shown next.
        }

        lock.lock();
        if (urgent) --onScreenBusy;
        if (stopping) return;
        const bool first = done.empty();
        done.push_back(std::move(finished));
        if (first) PostMessageW(window, message, 0, 0);
        if (onScreen.empty() && onScreenBusy == 0) onScreenDone.notify_all();
    }
};

ItemPictureLoader::ItemPictureLoader(ItemPictureLooks looks, HWND window, UINT message, int threads)
    : core_(std::make_shared<Core>()) {
    core_->looks = std::move(looks);
    core_->window = window;
    core_->message = message;
    // The frame must not be shared with what the window paints: a bitmap
    // is selected into one DC at a time.
    (void)core_->looks.frame.WritableHandle();
    PictureWorkers::Instance(threads);
}

ItemPictureLoader::~ItemPictureLoader() {
    const std::lock_guard lock(core_->mutex);
    core_->stopping = true;
    core_->onScreen.clear();
    core_->later.clear();
    core_->onScreenDone.notify_all();
}

void ItemPictureLoader::Queue(ItemPictureJob job) {
    {
        const std::lock_guard lock(core_->mutex);
        (job.onScreen ? core_->onScreen : core_->later).push_back(std::move(job));
    }
    // Each task takes whatever job is most urgent when it runs.
    PictureWorkers::Instance(0).Post([core = std::weak_ptr<Core>(core_)] {
        if (const std::shared_ptr<Core> alive = core.lock()) alive->RunOne();
    });
}

std::vector<PictureTicket> ItemPictureLoader::TakeQueued() {
    const std::lock_guard lock(core_->mutex);
    std::vector<PictureTicket> tickets;
    for (const auto* queue : {&core_->onScreen, &core_->later}) {
        for (const ItemPictureJob& job : *queue) tickets.push_back(job.ticket);
    }
    core_->onScreen.clear();
    core_->later.clear();
    core_->onScreenDone.notify_all();
    return tickets;
}

std::vector<ItemPictureDone> ItemPictureLoader::TakeDone() {
    const std::lock_guard lock(core_->mutex);
    return std::exchange(core_->done, {});
}

bool ItemPictureLoader::OnScreenWaiting() {
    const std::lock_guard lock(core_->mutex);
    return !core_->onScreen.empty() || core_->onScreenBusy > 0;
}

bool ItemPictureLoader::WaitForOnScreen(DWORD milliseconds) {
    std::unique_lock lock(core_->mutex);
    return core_->onScreenDone.wait_for(lock, std::chrono::milliseconds(milliseconds),
                                        [this] { return core_->onScreen.empty() && core_->onScreenBusy == 0; });
}

}  // namespace corvina
