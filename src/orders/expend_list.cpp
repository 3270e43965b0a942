#include "orders/expend_list.h"

#include "sys/text.h"
#include "ui/form_ptr.h"

namespace corvina {

namespace {

constexpr Color kClientGround{15132390};
constexpr Color kMaroon{0x000080};
constexpr Color kNavy{0x800000};
constexpr Color kWhite{0xFFFFFF};
constexpr Color kGreen{0x008000};
constexpr Color kBlack{0x000000};

// The one list that is open: the main window closes it at a session end.
TfExpendList* shownList = nullptr;

}  // namespace

TfExpendList::TfExpendList(const ConsumptionView& view) : ui::Form(L"TfExpendList", ui::BorderStyle::None) {
    SetCaption("TfExpendList");
    SetClientSize(320, 227);
    SetPosition(ui::FormPosition::ScreenCenter);
    // The single border around the panel.
    SetColor(kBlack);

    pnlClt_ = &Add<ui::Panel>();
    pnlClt_->SetBounds({1, 1, 318, 225});
    pnlClt_->SetBevelOuter(ui::BevelCut::None);
    pnlClt_->SetColor(kClientGround);
    pnlClt_->SetFont(ui::Font(T(u8"標楷體"), 24, ui::FontStyle::None, kMaroon));

    auto& title = pnlClt_->Add<ui::Panel>(ConsumptionTitle());
    title.SetAlign(ui::Align::Top);
    title.SetHeight(31);
    title.SetBevelInner(ui::BevelCut::Lowered);
    title.SetColor(kNavy);
    title.SetFont(ui::Font(T(u8"新細明體"), 16, ui::FontStyle::Bold, kWhite));

    lblInfo_ = &pnlClt_->Add<ui::Label>(ConsumptionNotes());
    lblInfo_->SetAlign(ui::Align::Bottom);
    lblInfo_->SetHeight(48);
    lblInfo_->SetFont(ui::Font(T(u8"新細明體"), 12, ui::FontStyle::None, kBlack));
    lblInfo_->SetTransparent(true);

    expGrid_ = &pnlClt_->Add<TEvgrid>();
    expGrid_->SetAlign(ui::Align::Client);
    expGrid_->SetBorderSingle(false);
    expGrid_->SetFont(ui::Font(T(u8"新細明體"), 16, ui::FontStyle::None, kGreen));
    expGrid_->SetFixedCols(0);
    expGrid_->SetFixedRows(0);
    expGrid_->SetColCount(2);
    expGrid_->SetRowCount(6);
    expGrid_->SetDefaultRowHeight(19);
    expGrid_->SetColWidths(0, 168);
    expGrid_->SetColWidths(1, 147);
    expGrid_->SetOddRowColor(kWhite);
    expGrid_->SetEvenRowColor(corvina::Color{14675679});
    expGrid_->SetEnabled(false);

    timer1_.OnTimer = [this](ui::Timer&) { Close(); };
    Fill(view);
}

void TfExpendList::Fill(const ConsumptionView& view) {
    switch (view.layout) {
        case ConsumptionLayout::Figures:
            for (std::size_t i = 0; i < view.rows.size(); ++i) {
                const std::vector<Big5> cells{view.rows[i].label, view.rows[i].value};
                if (i == 0) {
                    expGrid_->SetTitleRow(cells);
                } else {
                    expGrid_->AddRow(cells);
                }
            }
            break;
        case ConsumptionLayout::PaidPackage:
            expGrid_->Hide();
            lblInfo_->Hide();
            pnlClt_->SetCaption(ConsumptionPaidCaption());
            break;
        case ConsumptionLayout::Blank:
        case ConsumptionLayout::NotShown:
            break;
    }
}

void TfExpendList::DoShow() {
    ui::Form::DoShow();
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ShowConsumptionList(std::uint8_t mode, std::string_view data) {
    if (shownList != nullptr) return;
    const ConsumptionView view = ConsumptionList(mode, data);
    if (view.layout == ConsumptionLayout::NotShown) return;
    ui::FormPtr<TfExpendList> list = ui::MakeForm<TfExpendList>(view);
    shownList = list.get();
    struct Forget {
        ~Forget() { shownList = nullptr; }
    } forget;
    list->ShowModal();
}

TfExpendList* ShownConsumptionList() { return shownList; }

void CloseConsumptionList() {
    if (shownList != nullptr) shownList->Close();
}

}  // namespace corvina
