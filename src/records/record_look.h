#pragma once
// The look the record store's windows share: a light grey ground in a thin
// frame, a navy title line, and 確認 and 取消 on a bar at the bottom.

#include "sys/big5.h"
#include "ui/bevel.h"
#include "ui/panel.h"
#include "widgets/ev_btn.h"

namespace corvina {

inline constexpr Color kRecordGround = Color::Rgb(230, 230, 230);
inline constexpr Color kRecordTitleGround = Color::Rgb(0, 0, 128);
inline constexpr Color kRecordTitleText = Color::Rgb(255, 255, 255);
inline constexpr Color kRecordText = Color::Rgb(0, 0, 0);

// The thin black frame of a "single" border style.
void SetSingleBorder(ui::WinControl& control);

// `Pnl_Clt`, `Pnl_Caption`, `Pnl_Bottom` with `Bevel1`, and `B_OK` and
// `B_Cancel` right-aligned on the bottom bar.
void SetUpRecordPanels(ui::Panel& client, ui::Panel& caption, ui::Panel& bottom, ui::Bevel& rule, TEvBtn& ok,
                       TEvBtn& cancel);

}  // namespace corvina
