#include "records/record_chooser.h"

#include "records/record_look.h"
#include "ui/form_ptr.h"

namespace corvina {

TfRecordChooser::TfRecordChooser(const Big5& folder, const FileFilter& filter)
    : ui::Form(L"TfRecordChooser", ui::BorderStyle::None),
      Pnl_Clt(Add<ui::Panel>()),
      Pnl_Caption(Pnl_Clt.Add<ui::Panel>()),
      Pnl_Bottom(Pnl_Clt.Add<ui::Panel>()),
      B_Cancel(Pnl_Bottom.Add<TEvBtn>()),
      B_OK(Pnl_Bottom.Add<TEvBtn>()),
      Bevel1(Pnl_Bottom.Add<ui::Bevel>(ui::BevelShape::TopLine)),
      FileListBox(Pnl_Clt.Add<RecordFileList>()) {
    SetClientSize(kRecordChooserWidth, kRecordChooserHeight);
    SetPosition(ui::FormPosition::ScreenCenter);
    SetUpRecordPanels(Pnl_Clt, Pnl_Caption, Pnl_Bottom, Bevel1, B_OK, B_Cancel);
    Pnl_Caption.SetCaption(filter.description);
    B_OK.OnClick = [this](ui::Control& sender) { B_OKClick(sender); };
    B_Cancel.OnClick = [this](ui::Control& sender) { B_CancelClick(sender); };

    FileListBox.SetAlign(ui::Align::Client);
    FileListBox.SetItemHeight(16);
    FileListBox.OnChoose = [this] { B_OKClick(B_OK); };
    FileListBox.OnCancel = [this] { B_CancelClick(B_Cancel); };
    FileListBox.ListFolder(folder, filter.pattern);
}

void TfRecordChooser::DoActivate() {
    ui::Form::DoActivate();
    if (!focusPending_) return;
    focusPending_ = false;
    FileListBox.SetFocus();
}

void TfRecordChooser::B_OKClick(ui::Control&) {
    // OK with nothing to choose stays open, as a list with no line would.
    chosen_ = FileListBox.SelectedName();
    if (chosen_) SetModalResult(ui::ModalResult::Ok);
}

void TfRecordChooser::B_CancelClick(ui::Control&) {
    chosen_.reset();
    SetModalResult(ui::ModalResult::Cancel);
}

std::optional<std::wstring> ChooseRecordFile(const Big5& folder, const FileFilter& filter) {
    const ui::FormPtr<TfRecordChooser> chooser = ui::MakeForm<TfRecordChooser>(folder, filter);
    if (chooser->ShowModal() != ui::ModalResult::Ok) return std::nullopt;
    return chooser->Chosen();
}

}  // namespace corvina
