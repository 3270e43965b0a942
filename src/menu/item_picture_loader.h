#pragma once
// Makes the item pictures on worker threads, so that the window's message
// loop never waits for a decoder: the picture file decoded at the smallest
// scale that covers the button and fitted to the area it is drawn in, or the
// generated picture when there is no readable file. Pictures on the screen
// are made before any other. Finished pictures wait in a queue; the window
// hears of them by one posted message and takes them on its own thread.

#include <windows.h>

#include <functional>
#include <memory>
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
    // `message` is posted to `window` when finished pictures wait. The
    // work is done by `threads` workers that live as long as the process
    // (the first loader's count holds): under Wine a thread that ends
    // closes its display connection, and windows Wine made on it vanish
    // while others still refer to them.
    ItemPictureLoader(ItemPictureLooks looks, HWND window, UINT message, int threads);
    // Drops what is queued; a picture being made is dropped when done.
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
    struct Core;
    // Shared with the tasks on the workers, which may outlive the loader.
    std::shared_ptr<Core> core_;
};

}  // namespace corvina
