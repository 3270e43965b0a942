// In-process: how long the main window's creation takes for a 1000-item
// menu with 1000 distinct 640 x 480 pictures (its frames, and the pictures
// of its first screen only) against plain JPEG decoding of all the files,
// and what each item costs in memory then. Prints ratios measured in this
// one run. scripts/bench measures the real program from outside.

#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "app/main_window.h"
#include "settings/settings.h"
#include "sys/files.h"
#include "sys/text.h"
#include "ui/application.h"
#include "ui/form_ptr.h"
#include "ui/memory_dc.h"

namespace corvina {
namespace {

constexpr int kItems = 1000;
constexpr int kChannels = 10;
constexpr int kWidth = 640;
constexpr int kHeight = 480;

// Changes nothing on the machine.
class StillMachine final : public Machine {
public:
    void ShowTaskbar(bool) override {}
    void LockKeys(bool) override {}
    void KeepMenuRunning(bool) override {}
    void SetWindowParent(HWND, HWND) override {}
    DWORD SetClock(const SYSTEMTIME&) override { return ERROR_SUCCESS; }
    std::optional<DEVMODEW> CurrentDisplayMode() override { return std::nullopt; }
    LONG ApplyDisplayMode(const DEVMODEW&, DWORD) override { return DISP_CHANGE_FAILED; }
    long long RunProgram(const Big5&, const Big5&, const Big5&, int) override { return 42; }
    long long OpenWebPage(const Big5&, int) override { return 42; }
    bool TakeForeground(HWND) override { return true; }
    bool IsForeground(HWND) override { return true; }
    bool AllowMessageFromAnyLevel(HWND, UINT) override { return true; }
};

// A picture of its own for every item: gradients and bands set by the number.
std::string EncodeJpeg(int number) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = kWidth;
    info.image_height = kHeight;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 85, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(kWidth * 3);
    while (info.next_scanline < info.image_height) {
        const int y = static_cast<int>(info.next_scanline);
        for (int x = 0; x < kWidth; ++x) {
            row[static_cast<std::size_t>(3 * x)] = static_cast<unsigned char>((x + number * 7) & 0xFF);
            row[static_cast<std::size_t>(3 * x + 1)] = static_cast<unsigned char>((y * 2 + number) & 0xFF);
            row[static_cast<std::size_t>(3 * x + 2)] =
                static_cast<unsigned char>(((x / 32 + y / 32 + number) % 2) * 200);
        }
        JSAMPROW rows[1]{row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    std::string bytes(reinterpret_cast<const char*>(buffer), size);
    jpeg_destroy_compress(&info);
    free(buffer);  // allocated by libjpeg's memory destination
    return bytes;
}

// Full-size decoding with libjpeg-turbo alone: the baseline.
void DecodeFullSize(const std::string& bytes, std::vector<unsigned char>& pixels) {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&info);
    const std::size_t stride = static_cast<std::size_t>(info.output_width) * 3;
    pixels.resize(stride * info.output_height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1]{pixels.data() + stride * info.output_scanline};
        jpeg_read_scanlines(&info, rows, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
}

// The process's committed address space (Wine leaves the private-bytes
// counter at 0).
std::size_t UsedBytes() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    GlobalMemoryStatusEx(&status);
    return static_cast<std::size_t>(status.ullTotalVirtual - status.ullAvailVirtual);
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// One paint of the first page, as a tab switch or a repaint does it.
double FirstPagePaintMs(TfSmenu& menu) {
    menu.Show();
    for (int i = 0; i < 100; ++i) {
        ui::Application::Instance().ProcessMessages();
        Sleep(5);
    }
    TEVScrollBox& box = menu.ChannelBox(0);
    const win32::ReleasedDC screen = win32::ReleasedDC::Of(nullptr);
    const win32::GdiObject<HBITMAP> surface(
        CreateCompatibleBitmap(screen.Get(), box.ClientWidth(), box.ClientHeight()));
    const ui::MemoryDC memory(surface.Get(), screen.Get());
    const auto paintStart = std::chrono::steady_clock::now();
    for (int i = 0; i < 50; ++i) box.PaintTo(memory.Get());
    return SecondsSince(paintStart) * 1000 / 50;
}

// One tab switch between the first two channels, with their pictures made.
double SwitchMs(TfSmenu& menu) {
    auto& tabs = menu.Tabsset();
    tabs.SetTabIndex(1);
    for (int i = 0; i < 200; ++i) {
        ui::Application::Instance().ProcessMessages();
        Sleep(5);
    }
    tabs.SetTabIndex(0);
    for (int i = 0; i < 100; ++i) {
        ui::Application::Instance().ProcessMessages();
        Sleep(5);
    }
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 20; ++i) {
        tabs.SetTabIndex(1 - i % 2);
        ui::Application::Instance().ProcessMessages();
    }
    return SecondsSince(start) * 1000 / 20;
}

int Run() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const Big5 folder = Big5FromWide(temp) + "corvina-bench\\";
    CreateDirectoryW(WideFromBig5(folder).c_str(), nullptr);
    CreateDirectoryW(WideFromBig5(folder + "LinkBMP").c_str(), nullptr);

    std::printf("writing %d pictures of %d x %d ...\n", kItems, kWidth, kHeight);
    std::vector<std::string> files;
    std::string menus;
    for (int i = 0; i < kItems; ++i) {
        if (i % (kItems / kChannels) == 0)
            menus.append("[C").append(std::to_string(i / (kItems / kChannels))).append("]\r\n");
        const std::string name = std::string("p").append(std::to_string(i)).append(".jpg");
        files.push_back(folder + "LinkBMP\\" + name);
        WriteFileBytes(files.back(), EncodeJpeg(i));
        menus.append("item").append(std::to_string(i)).append("=a.exe,").append(name).append(",\r\n");
    }
    WriteFileBytes(folder + "Menus.ini", menus);

    // Both runs read the same files from the same cache.
    std::vector<unsigned char> pixels;
    const auto decodeStart = std::chrono::steady_clock::now();
    for (const Big5& file : files) DecodeFullSize(*ReadFileBytes(file), pixels);
    const double decodeSeconds = SecondsSince(decodeStart);

    ui::Application application(T(u8"Corvina2 bench"));
    StillMachine machine;
    MenuSettings settings;
    const std::size_t memoryBefore = UsedBytes();
    const auto buildStart = std::chrono::steady_clock::now();
    auto menu = ui::MakeForm<TfSmenu>(machine, settings, StartupOptions{folder, false});
    const double buildSeconds = SecondsSince(buildStart);
    const std::size_t memoryAfter = UsedBytes();

    // The same menu without its pictures: what the frames alone cost.
    const Big5 bare = folder + "bare\\";
    CreateDirectoryW(WideFromBig5(bare).c_str(), nullptr);
    WriteFileBytes(bare + "Menus.ini", menus);
    const auto bareStart = std::chrono::steady_clock::now();
    auto bareMenu = ui::MakeForm<TfSmenu>(machine, settings, StartupOptions{bare, false});
    const double bareSeconds = SecondsSince(bareStart);
    bareMenu.reset();

    std::printf("items built: %d\n", menu->Items().Count());
    std::printf("full-size decode alone: %.2f s; menu build: %.2f s (without pictures: %.2f s)\n", decodeSeconds,
                buildSeconds, bareSeconds);
    std::printf("menu build (frames, first screen's pictures) / full-size decode of every file: %.2f\n",
                buildSeconds / decodeSeconds);
    std::printf("memory growth per item: %.1f KiB\n",
                static_cast<double>(memoryAfter - memoryBefore) / 1024.0 / kItems);
    // A page switch's paint at this screen's size, against a page of six frames.
    const double bigPaint = FirstPagePaintMs(*menu);
    const double bigSwitch = SwitchMs(*menu);
    const Big5 small = folder + "small\\";
    CreateDirectoryW(WideFromBig5(small).c_str(), nullptr);
    WriteFileBytes(small + "Menus.ini",
                   "[A]\r\na0=a.exe,,\r\na1=a.exe,,\r\na2=a.exe,,\r\n"
                   "a3=a.exe,,\r\na4=a.exe,,\r\na5=a.exe,,\r\n[B]\r\nb0=a.exe,,\r\nb1=a.exe,,\r\n");
    auto smallMenu = ui::MakeForm<TfSmenu>(machine, settings, StartupOptions{small, false});
    const double smallPaint = FirstPagePaintMs(*smallMenu);
    const double smallSwitch = SwitchMs(*smallMenu);

    smallMenu.reset();
    std::printf(
        "paint of the first page at %d x %d: %.2f ms with its frames in view (100 items), "
        "%.2f ms with 6 frames\n",
        GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), bigPaint, smallPaint);
    std::printf("a switch between its first two tabs: %.2f ms (10 channels, 100 items each), %.2f ms (6 and 2 items)\n",
                bigSwitch, smallSwitch);
    menu.reset();
    for (const Big5& file : files) {
        if (!DeleteFileAt(file)) std::printf("left behind: %s\n", Utf8FromBig5(file).c_str());
    }
    return 0;
}

}  // namespace
}  // namespace corvina

int main() { return corvina::Run(); }
