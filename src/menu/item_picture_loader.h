#pragma once
// Makes the item pictures on worker threads, so that the window's message
// loop never waits for a decoder: the picture file decoded at the smallest
// scale that covers the button and fitted to the area it is drawn in, or the
// generated picture when there is no readable file. Pictures on the screen
// are made before any other. Finished pictures wait in a queue; the window
// hears of them by one posted message and takes them on its own thread.

#include <windows.h>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "menu/item_picture_cache.h"
#include "sys/big5.h"
#include "ui/bitmap.h"
#include "ui/picture.h"

namespace corvina {

struct ItemPictureJob {
    PictureTicket ticket;
    Big5 pictureFile;  // the LinkBMP file; it need not exist
    Big5 target;       // whose icon the generated picture shows
    bool onScreen = false;
};

struct ItemPictureDone {
    PictureTicket ticket;
    ui::Picture picture;
};

// What every generated picture is made of, and the sizes.
struct ItemPictureLooks {
    Size button;       // the picture button
    Size drawn;        // the part of it the picture is stretched into
    ui::Bitmap frame;  // the frame picture, in a DIB of the loader's own
    Rect buttonInFrame;
    Big5 background;  // SubItemMAP
    // The file whose icon a target shows (a document: its program).
    std::function<Big5(const Big5& target)> iconFileFor;
};

// The bytes a picture's pixels take.
std::size_t PictureBytes(const ui::Picture& picture);

// The picture of `job` made on the calling thread.
ui::Picture MakeItemPicture(const ItemPictureJob& job, const ItemPictureLooks& looks, const ui::Bitmap& ground);

class ItemPictureLoader {
public:
    // `message` is posted to `window` when finished pictures wait.
    ItemPictureLoader(ItemPictureLooks looks, HWND window, UINT message, int threads);
    // Waits for the pictures being made and drops the rest.
    ~ItemPictureLoader();
    ItemPictureLoader(const ItemPictureLoader&) = delete;
    ItemPictureLoader& operator=(const ItemPictureLoader&) = delete;

    void Queue(ItemPictureJob job);
    // The jobs not started yet, taken off the queue.
    std::vector<PictureTicket> TakeQueued();
    std::vector<ItemPictureDone> TakeDone();
    // Whether pictures on the screen are queued or being made.
    bool OnScreenWaiting();
    // Waits until no picture on the screen is queued or being made, or
    // the time is up; false then.
    bool WaitForOnScreen(DWORD milliseconds);

private:
    void Work() noexcept;
    const ui::Bitmap& Ground();

    ItemPictureLooks looks_;
    HWND window_;
    UINT message_;
    std::once_flag groundOnce_;
    ui::Bitmap ground_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable onScreenDone_;
    std::deque<ItemPictureJob> onScreen_;
    std::deque<ItemPictureJob> later_;
    int onScreenBusy_ = 0;
    std::vector<ItemPictureDone> done_;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

}  // namespace corvina
