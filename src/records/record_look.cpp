#include "records/record_look.h"

#include "records/record_texts.h"
#include "ui/window_style.h"

namespace corvina {

namespace {

constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 21;
constexpr int kButtonMargin = 3;

void SetUpButton(TEvBtn& button, const Big5& caption) {
    button.SetCaption(caption);
    button.SetFont(ui::Font(RecordDialogFontName(), 15, ui::FontStyle::None, kRecordText));
}

}  // namespace

void SetSingleBorder(ui::WinControl& control) { ui::ChangeWindowStyle(control.Handle(), {.set = WS_BORDER}); }

void SetUpRecordPanels(ui::Panel& client, ui::Panel& caption, ui::Panel& bottom, ui::Bevel& rule, TEvBtn& ok,
                       TEvBtn& cancel) {
    client.SetAlign(ui::Align::Client);
    client.SetBevelOuter(ui::BevelCut::None);
    SetSingleBorder(client);
    client.SetColor(kRecordGround);
    client.SetFont(ui::Font(RecordDialogFontName(), 16, ui::FontStyle::None, kRecordText));

    caption.SetAlign(ui::Align::Top);
    caption.SetHeight(25);
    caption.SetBevelOuter(ui::BevelCut::None);
    caption.SetColor(kRecordTitleGround);
    caption.SetFont(ui::Font(RecordDialogFontName(), 16, ui::FontStyle::None, kRecordTitleText));

    bottom.SetAlign(ui::Align::Bottom);
    bottom.SetHeight(27);
    bottom.SetBevelOuter(ui::BevelCut::None);
    rule.SetAlign(ui::Align::Top);
    rule.SetHeight(2);
    SetUpButton(cancel, CancelCaption());
    SetUpButton(ok, OkCaption());
    const int cancelLeft = bottom.ClientWidth() - kButtonMargin - kButtonWidth;
    cancel.SetBounds({cancelLeft, kButtonMargin + 1, kButtonWidth, kButtonHeight});
    ok.SetBounds({cancelLeft - kButtonMargin - kButtonWidth, kButtonMargin + 1, kButtonWidth, kButtonHeight});
}

}  // namespace corvina
