#pragma once
// `RunGameRecordDialog`: one save or load of a game record, from the check
// of the remote save folder to the copy, every outcome shown to the
// customer through the port.

#include <string_view>

#include "records/record_dialog.h"
#include "records/record_port.h"

namespace corvina {

// `SaveGameRecord` and `LoadGameRecord` are this with their mode and the
// settings' `Remote_SavePath` (a backslash already appended when not blank).
void RunGameRecordDialog(RecordMode mode, std::string_view remoteSaveFolder, std::string_view caption,
                         GameRecordPort& port);

}  // namespace corvina
