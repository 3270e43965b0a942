#include "orders/foods_menu.h"

#include <algorithm>
#include <string>
#include <utility>

#include "orders/expend_list.h"
#include "orders/grid_looks.h"
#include "orders/money.h"
#include "orders/order_log_file.h"
#include "sys/build_day.h"
#include "sys/day_number.h"
#include "sys/files.h"
#include "sys/text.h"
#include "sys/win32/local_time.h"
#include "ui/message_box.h"
#include "ui/picture_error.h"
#include "widgets/wait_window.h"

namespace corvina {

namespace {

constexpr Color kPurchaseWaitGround{16759929};
constexpr Color kPurchaseWaitText{8388608};
constexpr DWORD kPurchaseWaitMs = 1000;

// The classic framework's font sizes are points; our fonts are pixels.
int PixelsOfPoints(int points) { return points * 96 / 72; }

// A number padded for a fixed-pitch field loses blanks until its half-width
// characters fit the cell, so that it stays in sight.
void FitPaddedNumber(Big5& text, const ui::Font& font, const EdgeRect& rect) {
    const int charWidth = font.height / 2 + (Has(font.style, ui::FontStyle::Bold) ? 1 : 0);
    const int room = charWidth > 0 ? (rect.right - rect.left - 4) / charWidth : 0;
    while (static_cast<int>(text.size()) > room && text.starts_with(' ')) text.erase(0, 1);
}

std::vector<Big5> CellsOf(const GoodsCells& cells) { return {cells.begin(), cells.end()}; }

std::vector<Big5> CellsOf(const OrderedRow& row) { return {row.name, row.quantity, {}}; }

void ApplyLook(const CellLook& look, ui::Font& font, Big5& text) {
    if (look.text) text = *look.text;
    if (look.fontColor) font.color = Color{*look.fontColor};
    if (look.fontSize) font.height = PixelsOfPoints(*look.fontSize);
    if (look.boldUnderlined) font.style = font.style | ui::FontStyle::Bold | ui::FontStyle::Underline;
}

}  // namespace

TffoodsMenu::TffoodsMenu(Machine& machine, const MenuSettings& settings, Big5 programFolder, bool& entryGranted,
                         OrderWindowLinks links)
    : TfHintForm(L"TffoodsMenu", settings.HideTaskBar, &machine),
      machine_(machine),
      settings_(settings),
      programFolder_(std::move(programFolder)),
      entryGranted_(entryGranted),
      links_(std::move(links)),
      decimalSeparator_(LocaleDecimalSeparator()),
      model_(*this, OrderSettings{settings.MustSelectMenu, decimalSeparator_}, ClockLimitsFrom(BuildDay())) {
    SetCaption("TffoodsMenu");
    BuildComponents();
    WireEvents();
}

TffoodsMenu::~TffoodsMenu() = default;

void TffoodsMenu::WireEvents() {
    clockTimer_.OnTimer = [this](ui::Timer&) { ClockTimerTimer(); };
    getdateTimer_.OnTimer = [this](ui::Timer&) { ResetOrderWindow(); };
    ggrid_->OnMouseDown = [this](ui::Control&, ui::MouseButton, ui::ShiftState, int x, int y) { GgridMouseDown(x, y); };
    ggrid_->OnMouseUp = [this](ui::Control&, ui::MouseButton, ui::ShiftState, int x, int y) { GgridMouseUp(x, y); };
    ggrid_->OnSetting = [this](int col, int row, ui::Font& font, const EdgeRect&, Big5& text, TDrawEdge& edge) {
        GgridSetting(col, row, font, text, edge);
    };
    goodsLst_->OnSetting = [this](int col, int row, ui::Font& font, const EdgeRect& rect, Big5& text, TDrawEdge&) {
        GoodsLstSetting(col, row, font, rect, text);
    };
    bBuy_->OnClick = [this](ui::Control&) { Step([this] { model_.BuyClick(); }); };
    bQueryMoney_->OnClick = [this](ui::Control&) { Step([this] { model_.QueryMoneyClick(); }); };
    bToWebPage_->OnClick = [this](ui::Control& sender) { INto_Click(sender); };
    bToGame_->OnClick = [this](ui::Control& sender) { INto_Click(sender); };
}

void TffoodsMenu::DoCreate() {
    TfHintForm::DoCreate();
    const Big5& logo = settings_.Logo;
    if (!logo.empty() && FileExists(logo)) {
        try {
            ui::Picture picture;
            picture.LoadFromFile(logo);
            logoImage_->SetPicture(std::move(picture));
        } catch (const ui::PictureError&) {
            // A damaged logo leaves the design picture; the window must still
            // ask for the goods below.
        }
    }
    if (settings_.MustSelectMenu || settings_.HideTaskBar) machine_.ShowTaskbar(false);
    lblNow_->SetCaption(LongTimeNowText());
    ResetOrderWindow();
}

void TffoodsMenu::DoShow() {
    TfHintForm::DoShow();
    // The design is 800 × 600: centred on the screen, whatever its size.
    POINT origin{GetSystemMetrics(SM_CXSCREEN) / 2 - 400, GetSystemMetrics(SM_CYSCREEN) / 2 - 300};
    ScreenToClient(Handle(), &origin);
    pnlClt_->SetBounds({origin.x, origin.y, 800, 600});
}

LRESULT TffoodsMenu::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Until the café client lets him go, only the window's own buttons and
    // the café client close it.
    if (ui::IsOutsideCloseRequest(message, wParam) && settings_.MustSelectMenu && !entryGranted_) return 0;
    return TfHintForm::HandleMessage(message, wParam, lParam);
}

void TffoodsMenu::ResetOrderWindow() {
    Step([this] { model_.ResetOrderWindow(); });
}

void TffoodsMenu::HandleOrderCommand(std::int32_t number, std::string_view data) {
    Step([this, number, data] { model_.HandleOrderCommand(number, data); });
}

void TffoodsMenu::Step(const std::function<void()>& step) {
    struct ShowAfter {
        TffoodsMenu& window;
        ~ShowAfter() {
            try {
                window.ShowModel();
            } catch (...) {
                // The step's own error is the one to report.
            }
        }
    } showAfter{*this};
    step();
}

// --- Drawing the model

void TffoodsMenu::ShowModel() {
    getdateTimer_.SetEnabled(model_.RequestTimerEnabled());
    ShowGoods();
    ShowOrdered();
    ShowSession();
    bBuy_->SetEnabled(model_.BuyEnabled());
    tTotal_->SetCaption(TotalText(model_.OrderTotal()));
}

void TffoodsMenu::ShowGoods() {
    const GoodsGrid& goods = model_.Goods();
    const auto& rows = goods.Rows();
    const int shown = ggrid_->Enabled() ? ggrid_->RowCount() - 1 : 0;
    bool sameRows = goods.Enabled() && shown <= static_cast<int>(rows.size());
    for (int i = 0; sameRows && i < shown; ++i) {
        sameRows = ggrid_->Cells(kGoodsIdColumn, i + 1) == rows[static_cast<std::size_t>(i)].item.id;
    }
    if (!sameRows) {
        // The list starts anew: titles and one empty row, the grid disabled.
        if (ggrid_->Enabled() || ggrid_->RowCount() != 2) ggrid_->SetTitleRow(CellsOf(GoodsTitles()));
        if (!goods.Enabled()) return;
    }
    const int from = ggrid_->Enabled() ? ggrid_->RowCount() - 1 : 0;
    for (std::size_t i = static_cast<std::size_t>(from); i < rows.size(); ++i) {
        ggrid_->AddRow(CellsOf(GoodsRowCells(rows[i])));
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const GoodsCells cells = GoodsRowCells(rows[i]);
        const int row = static_cast<int>(i) + 1;
        for (int col = 0; col < static_cast<int>(cells.size()); ++col) {
            if (ggrid_->Cells(col, row) != cells[static_cast<std::size_t>(col)]) {
                ggrid_->SetCells(col, row, cells[static_cast<std::size_t>(col)]);
            }
        }
    }
}

void TffoodsMenu::ShowOrdered() {
    const std::vector<OrderedRow>& rows = model_.OrderedRows();
    if (rows == shownOrdered_) return;
    const bool extends = !shownOrdered_.empty() && rows.size() > shownOrdered_.size() &&
                         std::equal(shownOrdered_.begin(), shownOrdered_.end(), rows.begin());
    std::size_t from = shownOrdered_.size();
    if (!extends) {
        // Replaces what the list showed, its design rows at first.
        if (!rows.empty()) goodsLst_->SetTitleRow(CellsOf(rows.front()));
        from = rows.empty() ? 0 : 1;
    }
    for (std::size_t i = from; i < rows.size(); ++i) goodsLst_->AddRow(CellsOf(rows[i]));
    shownOrdered_ = rows;
}

void TffoodsMenu::ShowSession() {
    const DateTimeFormat format = [](const CalendarTime& time) { return ShortDateLongTimeText(time); };
    lblLogin_->SetCaption(ShowDateTime(model_.LoginTime(), format));
    lblLogOut_->SetCaption(ShowDateTime(model_.LogoutTime(), format));
    lblCid_->SetCaption(model_.SeatId());
    if (const std::optional<std::int64_t> minutes = model_.MinutesUsed()) {
        lblUsesTime_->SetCaption(std::to_string(*minutes));
    }
}

// --- Events

void TffoodsMenu::ClockTimerTimer() {
    lblNow_->SetCaption(LongTimeNowText());
    Step([this] { model_.ClockTimerTick(); });
}

void TffoodsMenu::GgridMouseDown(int x, int y) {
    const std::optional<CellPos> cell = ggrid_->MouseToCell({x, y});
    const GridCell at = cell ? GridCell{cell->col, cell->row} : GridCell{-1, -1};
    Step([this, at] { model_.GgridMouseDown(at); });
}

void TffoodsMenu::GgridMouseUp(int x, int y) {
    const std::optional<CellPos> cell = ggrid_->MouseToCell({x, y});
    const GridCell at = cell ? GridCell{cell->col, cell->row} : GridCell{-1, -1};
    Step([this, at] { model_.GgridMouseUp(at); });
}

void TffoodsMenu::GgridSetting(int col, int row, ui::Font& font, Big5& text, TDrawEdge& edge) {
    const bool focusedRow = ggrid_->FocusHighLight() && row == ggrid_->Row();
    const CellLook look = GgridCellLook(col, row, text, focusedRow, decimalSeparator_);
    ApplyLook(look, font, text);
    if (look.edge) edge = DrawEdgeFromValue(*look.edge);
}

void TffoodsMenu::GoodsLstSetting(int col, int row, ui::Font& font, const EdgeRect& rect, Big5& text) {
    const CellLook look = GoodsLstCellLook(col, row, text, decimalSeparator_);
    ApplyLook(look, font, text);
    if (look.text) FitPaddedNumber(text, font, rect);
}

void TffoodsMenu::INto_Click(ui::Control& sender) {
    const auto tag = static_cast<std::int32_t>(sender.Tag());
    Step([this, tag] { model_.LeaveClick(tag); });
}

// --- OrderWindowPort

CafeDelivery TffoodsMenu::SendCafeCommand(std::int32_t number, std::string_view data) {
    return links_.sendCafeCommand ? links_.sendCafeCommand(number, data) : CafeDelivery::NotSent;
}

std::uint64_t TffoodsMenu::SessionEndsArrived() { return links_.sessionEndsArrived ? links_.sessionEndsArrived() : 0; }

double TffoodsMenu::Now() { return LocalNowDayNumber(); }

void TffoodsMenu::SetClock(double dayNumber) {
    const std::optional<SYSTEMTIME> time = SystemTimeFromDayNumber(dayNumber);
    if (!time) return;
    const DWORD refusal = machine_.SetClock(*time);
    if (refusal == ERROR_SUCCESS || clockRefusalLogged_) return;
    clockRefusalLogged_ = true;
    WriteAdminLog(ClockRefusedText(refusal));
}

std::optional<std::string> TffoodsMenu::ReadOrderLog() {
    return links_.readOrderLog ? links_.readOrderLog() : ReadOrderLogFile(programFolder_);
}

void TffoodsMenu::AppendOrderLog(std::string_view bytes) { AppendOrderLogFile(programFolder_, bytes); }

bool TffoodsMenu::EntryGranted() { return entryGranted_; }

void TffoodsMenu::GrantEntry() { entryGranted_ = true; }

void TffoodsMenu::ShowError(const Big5& text) {
    // The purchase shows before the notice: what went, and what is left.
    ShowModel();
    ui::ShowError(text, ui::BoxOwner::Session);
}

void TffoodsMenu::ShowInformation(const Big5& text) { ui::ShowInformation(text, ui::BoxOwner::Session); }

void TffoodsMenu::ShowWarning(const Big5& text) {
    // A purchase shows before its notice.
    ShowModel();
    ui::ShowWarning(text, ui::BoxOwner::Session);
}

bool TffoodsMenu::AskYesNo(const Big5& text) { return ui::AskYesNo(text, ui::BoxOwner::Session); }

void TffoodsMenu::ShowPurchaseWait(const Big5& text) {
    // The purchase shows before the wait: quantities zeroed, list grown.
    ShowModel();
    ShowWaitWindow(text, kPurchaseWaitGround, kPurchaseWaitText);
    struct CloseAfter {
        ~CloseAfter() { CloseWaitWindow(); }
    } closeAfter;
    // No messages meanwhile: the café client's commands wait in the queue.
    Sleep(kPurchaseWaitMs);
}

void TffoodsMenu::OpenHomePage() {
    if (links_.openHomePage) links_.openHomePage();
}

void TffoodsMenu::CloseOrderWindow() { Close(); }

void TffoodsMenu::ShowConsumptionList(std::uint8_t mode, std::string_view data) {
    corvina::ShowConsumptionList(mode, data);
}

void TffoodsMenu::WriteAdminLog(std::string_view text) {
    if (links_.writeAdminLog) links_.writeAdminLog(text);
}

}  // namespace corvina
