#pragma once
// The goods ordering window `TffoodsMenu`: the customer's front page of a
// café session. OrderWindowModel decides; this window feeds it the café
// client's commands, its timers and the clicks, carries out its effects on
// Windows and draws what it answers.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "orders/order_model.h"
#include "settings/settings.h"
#include "sys/big5.h"
#include "sys/win32/machine.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/timer.h"
#include "widgets/ev_btn.h"
#include "widgets/ev_grid.h"
#include "widgets/ev_panel.h"
#include "widgets/hint_form.h"

namespace corvina {

// What the ordering window needs from the rest of the program.
struct OrderWindowLinks {
    // SendCafeCommand of the café link.
    std::function<CafeDelivery(std::int32_t number, std::string_view data)> sendCafeCommand;
    // OpenHomePage of the main window.
    std::function<void()> openHomePage;
    // The order log's contents as the main window keeps it; without one,
    // the file in the program folder as it is.
    std::function<std::optional<std::string>()> readOrderLog;
    // The session ends the café link has received so far.
    std::function<std::uint64_t()> sessionEndsArrived;
    // The main window's administrator's log.
    std::function<void(std::string_view text)> writeAdminLog;
};

// Made with ui::MakeForm and run with ShowModal; it closes itself when the
// customer may go to the game menu, and Close ends it from outside.
class TffoodsMenu final : public TfHintForm, private OrderWindowPort {
public:
    // `entryGranted` is the main window's `EntryGranted`, which outlives
    // this window; `programFolder` ends in a backslash.
    TffoodsMenu(Machine& machine, const MenuSettings& settings, Big5 programFolder, bool& entryGranted,
                OrderWindowLinks links);
    ~TffoodsMenu() override;

    // Commands 114 to 121 of the café client. Errors propagate to the
    // caller's guarded handler, with the window showing what was done.
    void HandleOrderCommand(std::int32_t number, std::string_view data);
    // For a repeated open of a window that is open already.
    void ResetOrderWindow();

    const OrderWindowModel& Model() const { return model_; }
    TEvgrid& Ggrid() { return *ggrid_; }
    TEvgrid& GoodsLst() { return *goodsLst_; }
    TEvBtn& B_Buy() { return *bBuy_; }
    TEvBtn& B_ToWebPage() { return *bToWebPage_; }
    TEvBtn& B_ToGame() { return *bToGame_; }
    TEvBtn& B_QueryMoney() { return *bQueryMoney_; }
    ui::Panel& Pnl_Clt() { return *pnlClt_; }
    const ui::Label& Lbl_Login() const { return *lblLogin_; }
    const ui::Label& Lbl_LogOut() const { return *lblLogOut_; }
    const ui::Label& LbL_Now() const { return *lblNow_; }
    const ui::Label& LbL_UsesTime() const { return *lblUsesTime_; }
    const ui::Label& LbL_CID() const { return *lblCid_; }
    const ui::Label& T_Total() const { return *tTotal_; }
    const ui::Image& LogoImage() const { return *logoImage_; }
    ui::Timer& ClockTimer() { return clockTimer_; }
    ui::Timer& GetdateTimer() { return getdateTimer_; }

protected:
    void DoCreate() override;  // FormCreate
    void DoShow() override;    // FormShow
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The components at their design bounds (foods_menu_build.cpp).
    void BuildComponents();
    void BuildHeader(ui::WinControl& client);
    void BuildGoodsPanel(ui::WinControl& client);
    void BuildOrderedPanel(ui::WinControl& client);
    void BuildLeaveButtons(ui::WinControl& client);
    void WireEvents();

    // Runs a model step, then shows its outcome also when the step throws.
    void Step(const std::function<void()>& step);
    void ShowModel();
    void ShowGoods();
    void ShowOrdered();
    void ShowSession();

    void ClockTimerTimer();
    void GgridMouseDown(int x, int y);
    void GgridMouseUp(int x, int y);
    void GgridSetting(int col, int row, ui::Font& font, Big5& text, TDrawEdge& edge);
    void GoodsLstSetting(int col, int row, ui::Font& font, const EdgeRect& rect, Big5& text);
    void INto_Click(ui::Control& sender);

    // OrderWindowPort
    CafeDelivery SendCafeCommand(std::int32_t number, std::string_view data) override;
    std::uint64_t SessionEndsArrived() override;
    double Now() override;
    void SetClock(double dayNumber) override;
    std::optional<std::string> ReadOrderLog() override;
    void AppendOrderLog(std::string_view bytes) override;
    bool EntryGranted() override;
    void GrantEntry() override;
    void ShowError(const Big5& text) override;
    void ShowInformation(const Big5& text) override;
    void ShowWarning(const Big5& text) override;
    bool AskYesNo(const Big5& text) override;
    void ShowPurchaseWait(const Big5& text) override;
    void OpenHomePage() override;
    void CloseOrderWindow() override;
    void ShowConsumptionList(std::uint8_t mode, std::string_view data) override;
    void WriteAdminLog(std::string_view text) override;

    Machine& machine_;
    const MenuSettings& settings_;
    const Big5 programFolder_;
    bool& entryGranted_;
    const OrderWindowLinks links_;
    const char decimalSeparator_;
    OrderWindowModel model_;
    // A clock the system would not set is told once per window.
    bool clockRefusalLogged_ = false;

    ui::Panel* pnlClt_ = nullptr;
    ui::Label* lblLogin_ = nullptr;
    ui::Label* lblLogOut_ = nullptr;
    ui::Label* lblNow_ = nullptr;
    ui::Label* lblUsesTime_ = nullptr;
    ui::Label* lblCid_ = nullptr;
    TEvPanel* pnlMark_ = nullptr;
    ui::Image* logoImage_ = nullptr;
    TEvgrid* ggrid_ = nullptr;
    TEvBtn* bBuy_ = nullptr;
    ui::Label* tTotal_ = nullptr;
    TEvgrid* goodsLst_ = nullptr;
    TEvBtn* bToWebPage_ = nullptr;
    TEvBtn* bToGame_ = nullptr;
    TEvBtn* bQueryMoney_ = nullptr;
    ui::Timer clockTimer_{1000, true};
    ui::Timer getdateTimer_{15000, false};
    // The ordered rows `GoodsLst` shows, to add only what is new.
    std::vector<OrderedRow> shownOrdered_;
};

}  // namespace corvina
