#pragma once
// The record store's files as the file system gives them: names in UTF-16
// from the listing to the copy, never through Big5 and never a pattern.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "records/record_rules.h"
#include "sys/big5.h"

namespace corvina {

// The plain files of `folder` (no folders, no links) whose long names match
// `mask`, sorted as a list shows them.
std::vector<std::wstring> ListRecordFolder(const Big5& folder, const Big5& mask);

// Exact when the name converts to Big5 and back unchanged; each character
// that does not becomes "□", never "?" or another character.
Big5 ShownRecordName(const std::wstring& name);

// At most `limit` bytes from the start of the file; nothing when it is
// missing or cannot be read.
std::optional<std::string> ReadFileHead(const Big5& path, std::size_t limit);

std::vector<RecordFileFacts> InspectRecordFiles(const Big5& sourceFolder, const std::vector<std::wstring>& names,
                                                const Big5& destinationFolder);

// Each file by its exact name, replacing a plain file of the same name.
// True when every one was copied.
bool CopyRecordFiles(const Big5& sourceFolder, const std::vector<std::wstring>& names, const Big5& destinationFolder);

// Runs `work` on a thread of its own while this thread keeps handling its
// windows' messages, and returns its answer once it is done; the session's
// end waits for it meanwhile. An exception in `work` counts as false.
bool RunOffWindowThread(std::function<bool()> work);

}  // namespace corvina
