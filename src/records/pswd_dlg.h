#pragma once
// `TfPSWD_Dlg`: the account dialog of the game-record store. Its first
// phase asks for the account and password (twice when saving); in load
// mode a second phase lists the account's records of the game. The
// decisions are GameRecordDialog's; this window shows them.

#include "records/record_dialog.h"
#include "records/record_file_list.h"
#include "records/record_port.h"
#include "ui/bevel.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/session_scope.h"
#include "widgets/ev_btn.h"
#include "widgets/ev_edit.h"

namespace corvina {

class TfPSWD_Dlg final : public ui::Form {
public:
    explicit TfPSWD_Dlg(GameRecordDialog& model);

    // Shows the model's phase: title, fields or file list, height.
    void ShowPhase();

    void ALLKeyPress(ui::Control& sender, wchar_t& key);
    void B_OKClick(ui::Control& sender);
    void B_CancelClick(ui::Control& sender);

    ui::Panel& Pnl_Clt;
    ui::Panel& Pnl_Caption;
    ui::Panel& Pnl_Bottom;
    TEvBtn& B_Cancel;
    TEvBtn& B_OK;
    ui::Bevel& Bevel1;
    ui::Panel& Pnl_Center;
    TEvEdit& T_UID;
    TEvEdit& T_PSWD1;
    TEvEdit& T_PSWD2;
    ui::Label& LbL_Sure;
    ui::Label& Label2;
    ui::Label& Label1;
    RecordFileList& FileListBox;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DoActivate() override;

private:
    // The customer's session ended: his account and password go, and the
    // dialog closes as cancelled.
    void SessionEnded();

    GameRecordDialog& model_;
    // The phase's first control takes the focus once the dialog is active.
    bool focusPending_ = false;
    ui::SessionWindow session_{[this] { SessionEnded(); }};
};

// The dialog as the record flow sees it: made once per action, shown once
// per phase, freed with the flow.
class RecordDialogWindow final : public RecordDialogView {
public:
    explicit RecordDialogWindow(GameRecordDialog& model);
    bool ShowModal() override;
    TfPSWD_Dlg& Form() { return *form_; }

private:
    ui::FormPtr<TfPSWD_Dlg> form_;
};

}  // namespace corvina
