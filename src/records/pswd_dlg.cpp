#include "records/pswd_dlg.h"

#include "records/record_look.h"
#include "records/record_texts.h"

namespace corvina {

namespace {

constexpr int kFieldLeft = 111;
constexpr int kFieldWidth = 161;
constexpr int kFieldHeight = 24;
constexpr int kLabelLeft = 12;

void SetUpField(TEvEdit& field, int tag, int top, bool masked) {
    field.SetTag(tag);
    field.SetBounds({kFieldLeft, top, kFieldWidth, kFieldHeight});
    field.SetMaxLength(kRecordFieldMaxLength);
    field.SetEV_Format_style(EVshowStyle::evInteger);
    field.SetEV_KeyinCase(kRecordFieldKeyinCase);
    if (masked) field.SetPasswordChar(L'*');
}

void SetUpLabel(ui::Label& label, const Big5& caption, int fieldTop) {
    label.SetCaption(caption);
    label.SetBounds({kLabelLeft, fieldTop + 4, kFieldLeft - kLabelLeft, kFieldHeight - 4});
}

}  // namespace

TfPSWD_Dlg::TfPSWD_Dlg(GameRecordDialog& model)
    : ui::Form(L"TfPSWD_Dlg", ui::BorderStyle::None),
      Pnl_Clt(Add<ui::Panel>()),
      Pnl_Caption(Pnl_Clt.Add<ui::Panel>()),
      Pnl_Bottom(Pnl_Clt.Add<ui::Panel>()),
      B_Cancel(Pnl_Bottom.Add<TEvBtn>()),
      B_OK(Pnl_Bottom.Add<TEvBtn>()),
      Bevel1(Pnl_Bottom.Add<ui::Bevel>(ui::BevelShape::TopLine)),
      Pnl_Center(Pnl_Clt.Add<ui::Panel>()),
      T_UID(Pnl_Clt.Add<TEvEdit>()),
      T_PSWD1(Pnl_Clt.Add<TEvEdit>()),
      T_PSWD2(Pnl_Clt.Add<TEvEdit>()),
      LbL_Sure(Pnl_Clt.Add<ui::Label>()),
      Label2(Pnl_Clt.Add<ui::Label>()),
      Label1(Pnl_Clt.Add<ui::Label>()),
      FileListBox(Pnl_Center.Add<RecordFileList>()),
      model_(model) {
    SetClientSize(kRecordDialogWidth, kRecordDialogHeight);
    SetPosition(ui::FormPosition::ScreenCenter);

    SetUpRecordPanels(Pnl_Clt, Pnl_Caption, Pnl_Bottom, Bevel1, B_OK, B_Cancel);
    B_OK.OnClick = [this](ui::Control& sender) { B_OKClick(sender); };
    B_Cancel.OnClick = [this](ui::Control& sender) { B_CancelClick(sender); };

    Pnl_Center.Hide();
    Pnl_Center.SetBevelOuter(ui::BevelCut::None);
    FileListBox.SetAlign(ui::Align::Client);
    FileListBox.SetItemHeight(16);
    FileListBox.OnChoose = [this] { B_OKClick(B_OK); };
    FileListBox.OnCancel = [this] { B_CancelClick(B_Cancel); };

    SetUpField(T_UID, kAccountFieldTag, 29, false);
    SetUpField(T_PSWD1, kPasswordFieldTag, 56, true);
    SetUpField(T_PSWD2, kConfirmationFieldTag, 83, true);
    for (TEvEdit* field : {&T_UID, &T_PSWD1, &T_PSWD2}) {
        field->OnKeyPress = [this](ui::Control& sender, wchar_t& key) { ALLKeyPress(sender, key); };
    }
    SetUpLabel(Label1, AccountLabel(), 29);
    SetUpLabel(Label2, PasswordLabel(), 56);
    SetUpLabel(LbL_Sure, ConfirmationLabel(), 83);
}

void TfPSWD_Dlg::ShowPhase() {
    Pnl_Caption.SetCaption(model_.Title());
    T_PSWD2.SetVisible(model_.ConfirmationVisible());
    LbL_Sure.SetVisible(model_.ConfirmationVisible());
    SetClientSize(kRecordDialogWidth, model_.Height());
    if (model_.Phase() == RecordDialogPhase::FileChoice) {
        // Over the fields, which keep their places below.
        Pnl_Center.SetAlign(ui::Align::Client);
        Pnl_Clt.BringToFront(Pnl_Center);
        Pnl_Center.Show();
        FileListBox.ListFolder(model_.FileListFolder(), model_.FileListMask());
    }
    focusPending_ = true;
}

void TfPSWD_Dlg::DoActivate() {
    ui::Form::DoActivate();
    if (!focusPending_) return;
    focusPending_ = false;
    if (model_.Phase() == RecordDialogPhase::FileChoice) {
        FileListBox.SetFocus();
    } else {
        T_UID.SetFocus();
    }
}

void TfPSWD_Dlg::ALLKeyPress(ui::Control& sender, wchar_t& key) {
    switch (model_.ALLKeyPress(static_cast<int>(sender.Tag()), key)) {
        case KeyPressAction::NextField:
            // Posted: the key's own handling ends before the focus moves.
            PostMessageW(Handle(), WM_NEXTDLGCTL, 0, 0);
            break;
        case KeyPressAction::Confirm:
            B_OKClick(B_OK);
            break;
        case KeyPressAction::None:
            break;
    }
}

void TfPSWD_Dlg::B_OKClick(ui::Control&) {
    RecordDialogInput input{T_UID.Text(), T_PSWD1.Text(), T_PSWD2.Text(), {}};
    input.selectedFile = FileListBox.SelectedName().value_or(std::wstring{});
    if (model_.B_OKClick(input)) SetModalResult(ui::ModalResult::Ok);
}

void TfPSWD_Dlg::B_CancelClick(ui::Control&) { SetModalResult(ui::ModalResult::Cancel); }

void TfPSWD_Dlg::SessionEnded() {
    for (TEvEdit* field : {&T_UID, &T_PSWD1, &T_PSWD2}) field->SetText({});
    FileListBox.Clear();
    if (Modal()) SetModalResult(ui::ModalResult::Cancel);
}

LRESULT TfPSWD_Dlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NEXTDLGCTL) {
        SelectNext(wParam != 0);
        return 0;
    }
    return ui::Form::HandleMessage(message, wParam, lParam);
}

RecordDialogWindow::RecordDialogWindow(GameRecordDialog& model) : form_(ui::MakeForm<TfPSWD_Dlg>(model)) {}

bool RecordDialogWindow::ShowModal() {
    form_->ShowPhase();
    return form_->ShowModal() == ui::ModalResult::Ok;
}

}  // namespace corvina
