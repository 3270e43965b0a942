#include "cafe-sim/sim_window.h"

#include <optional>
#include <utility>

#include "sys/cafe_protocol.h"
#include "sys/files.h"
#include "sys/text.h"
#include "ui/application.h"
#include "ui/button.h"

namespace corvina::cafesim {

namespace {

constexpr unsigned kPollMs = 100;
// The window shows the latest lines; the whole story is in the file.
constexpr LRESULT kShownLines = 500;

constexpr int kButtonWidth = 134;
constexpr int kButtonHeight = 28;
constexpr int kGap = 8;

std::wstring ClassName() { return {kCafeClientClass.begin(), kCafeClientClass.end()}; }

Rect Cell(int column, int row) {
    return {kGap + column * (kButtonWidth + kGap), kGap + row * (kButtonHeight + kGap), kButtonWidth, kButtonHeight};
}

Request MessageRequest(unsigned message) { return {RequestKind::Message, message, 0, {}, {}}; }
Request ReplyRequest(std::int32_t number) { return {RequestKind::Reply, 0, number, {}, {}}; }
Request TextRequest(std::string text) { return {RequestKind::Text, 0, 0, std::move(text), {}}; }

}  // namespace

SimWindow::SimWindow(ProfileText scenario, SimLog& log, Big5 commandPath)
    : ui::Form(ClassName(), ui::BorderStyle::Single),
      log_(log),
      session_(std::move(scenario), log),
      commandPath_(std::move(commandPath)),
      poll_(kPollMs) {
    SetCaption(Big5FromUtf8(session_.Settings().title));
    SetClientSize(4 * kButtonWidth + 5 * kGap, 380);

    AddButton("Announce (5024)", Cell(0, 0), MessageRequest(kMsgCafeAnnounce));
    AddButton("Open orders (5025)", Cell(1, 0), MessageRequest(kMsgCafeOpenOrders));
    AddButton("Session end (5026)", Cell(2, 0), MessageRequest(kMsgCafeSessionEnd));
    AddButton("Close menu (5027)", Cell(3, 0), MessageRequest(kMsgCafeCloseMenu));
    AddButton("Goods list (209)", Cell(0, 1), ReplyRequest(kCafeDataRequest));
    AddButton("Figures (211)", Cell(1, 1), ReplyRequest(kCafeConsumptionRequest));
    AddButton("Grant entry (121:1)", Cell(2, 1), TextRequest("121:1"));
    AddButton("Refuse entry (121:0)", Cell(3, 1), TextRequest("121:0"));

    text_ = &Add<ui::Edit>();
    const Rect send = Cell(3, 2);
    text_->SetBounds({kGap, send.top, send.left - 2 * kGap, kButtonHeight});
    ui::Button& sendText = Add<ui::Button>(Big5("Send text"));
    sendText.SetBounds(send);
    sendText.OnClick = [this](ui::Control&) { session_.Perform(TextRequest(Utf8FromBig5(text_->Text()))); };

    lines_ = &Add<ui::ListBox>();
    const int linesTop = send.top + kButtonHeight + kGap;
    lines_->SetBounds({kGap, linesTop, ClientWidth() - 2 * kGap, ClientHeight() - linesTop - kGap});

    log_.OnLine = [this](const std::string& line) { ShowLine(line); };
    session_.Attach(Handle());
    session_.OnQuit = [this] { Close(); };
    poll_.OnTimer = [this](ui::Timer&) { PollCommandFile(); };
    Place(session_.Settings());
}

SimWindow::~SimWindow() { log_.OnLine = nullptr; }

void SimWindow::AddButton(std::string_view caption, const Rect& bounds, const Request& request) {
    ui::Button& button = Add<ui::Button>(Big5(caption));
    button.SetBounds(bounds);
    button.OnClick = [this, request](ui::Control&) { session_.Perform(request); };
}

void SimWindow::Place(const Scenario& scenario) {
    if (scenario.left >= 0 && scenario.top >= 0) SetBounds({scenario.left, scenario.top, Width(), Height()});
    if (scenario.stayOnTop) SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT SimWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kMsgCafeAnnounce:
        case kMsgCafeOpenOrders:
        case kMsgCafeSessionEnd:
        case kMsgCafeCloseMenu:
            return session_.SessionMessage(message, wParam, lParam);
        case WM_COPYDATA:
            return session_.CopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        case kSendPendingMessage:
            session_.SendPending();
            return 0;
        default:
            return ui::Form::HandleMessage(message, wParam, lParam);
    }
}

void SimWindow::PollCommandFile() {
    // Unreadable for now (being written, not there yet): try next time.
    const std::optional<std::string> contents = ReadFileBytes(commandPath_);
    if (!contents) return;
    for (const std::string& line : feed_.NewLines(*contents)) {
        if (const std::optional<Request> request = ParseRequest(line)) session_.Perform(*request);
        if (const ui::Application* application = ui::Application::Current(); application && application->Terminated()) {
            return;
        }
    }
}

void SimWindow::ShowLine(const std::string& line) {
    if (!lines_) return;
    const HWND list = lines_->Handle();
    if (SendMessageW(list, LB_GETCOUNT, 0, 0) >= kShownLines) SendMessageW(list, LB_DELETESTRING, 0, 0);
    const int index = lines_->AddItem(Big5FromUtf8(line));
    SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
}

}  // namespace corvina::cafesim
