#pragma once
// Files and folders as the record store and the automatic update need
// them: a line written to a text file, a folder made with all its
// parents, and a copy through the shell. Paths are Big5.

#include <string_view>

#include "sys/big5.h"
#include "sys/files.h"

namespace corvina {

// The line and CR LF: appended to an existing file unless `overwrite`,
// otherwise the file holds only this line. Throws like AppendFileBytes.
void WriteTextLine(const Big5& fileName, std::string_view line, bool overwrite);

// Creates every missing folder of the path; true when it exists at the end.
bool ForceFolder(const Big5& path);

// One shell copy of a file name or pattern into a folder, without any
// question: same names are replaced. With `createFolders` the pattern's
// subfolders come along (and missing folders are made), without it only
// files. The shell shows nothing of its own (no progress, no question, no
// error): the caller reports a failure. An empty source copies nothing and
// fails. True when the shell reports success.
bool CopyFilesTo(const Big5& source, const Big5& destination, bool createFolders);

}  // namespace corvina
