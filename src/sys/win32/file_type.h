#pragma once
// What the classes root of the registry says about a file type: the
// command that opens it, its description and its content type.

#include "sys/big5.h"

namespace corvina {

struct FileTypeInfo {
    Big5 openCommand;
    Big5 description;
    Big5 contentType;
};

// `extension` with its dot (".txt"). True when an open command was found;
// an unregistered type leaves `info` empty.
bool ReadFileTypeInfo(const Big5& extension, FileTypeInfo& info);

// The program registered to open the file's type (its open command's
// quoted program path), or empty.
Big5 FileTypeOpenProgram(const Big5& fileName);

}  // namespace corvina
