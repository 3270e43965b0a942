#pragma once
// Registry values and the autostart lists under the local-machine root.
// Key paths and names are Big5; the W functions take them through code
// page 950.

#include <windows.h>

#include <cstdint>
#include <string_view>
#include <variant>

#include "sys/big5.h"

namespace corvina {

// Keys by Big5 path under `root`. Create and delete return ERROR_SUCCESS or
// the system's error, for the caller to report; deleting a missing key
// gives ERROR_FILE_NOT_FOUND, and a key with subkeys is not deleted.
bool RegistryKeyExists(HKEY root, std::string_view keyPath);
[[nodiscard]] LSTATUS CreateRegistryKey(HKEY root, std::string_view keyPath);
[[nodiscard]] LSTATUS DeleteRegistryKey(HKEY root, std::string_view keyPath);

// The classic currency type: a count of ten-thousandths, stored as 8 bytes.
struct RegistryCurrency {
    std::int64_t tenThousandths = 0;
};
// A date-time as its day-number double.
struct RegistryDateTime {
    double days = 0;
};

// monostate is "no value": nothing is written.
using RegistryValue =
    std::variant<std::monostate, std::int32_t, double, RegistryCurrency, RegistryDateTime, bool, Big5>;

// Opens (creating) the key and writes the value by its type: integers and
// Booleans as 32-bit numbers, floats, currency and date-times as 8 bytes of
// binary data, texts as text. With no value a key made here is deleted
// again. True when the key existed before; a failed write throws
// std::runtime_error.
bool WriteRegistryValue(HKEY root, std::string_view keyPath, std::string_view valueName, const RegistryValue& value);

// True only when the key opened and the value was deleted.
bool DeleteRegistryValue(HKEY root, std::string_view keyPath, std::string_view valueName);

// The autostart lists of shell_rules.h (0 Run, 1 RunServices, 2 both).
// The data is the command line in small letters. Throws when a list
// cannot be written (no right to the machine-wide key, say).
void SetAutoStart(std::string_view valueName, std::string_view commandLine, int which);
// Quiet when the value or the key is missing; throws, as a refused write
// does, when the value is there and may not be deleted.
void RemoveAutoStart(std::string_view valueName, int which);

}  // namespace corvina
