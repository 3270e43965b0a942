#pragma once
// The standard message boxes with one OK button (error, warning,
// information) and the yes/no question. Texts are Big5; the caption is the
// application's title and the owner its active form.

#include "sys/big5.h"

namespace corvina::ui {

// Whose a box is. The boxes of the customer's session close when it ends,
// answered as cancelled (a question as no); the program's stay.
enum class BoxOwner { Program, Session };

void ShowError(const Big5& text, BoxOwner owner = BoxOwner::Program);
void ShowWarning(const Big5& text, BoxOwner owner = BoxOwner::Program);
void ShowInformation(const Big5& text, BoxOwner owner = BoxOwner::Program);
// Without an icon.
void ShowMessage(const Big5& text);
// True for yes.
bool AskYesNo(const Big5& text, BoxOwner owner = BoxOwner::Program);

}  // namespace corvina::ui
