#pragma once
// The formatted edit `TEvEdit` apart from its window: the key filter of
// `EV_KeyinCase`, the display format `ApplyFormat` with its skip flag, and
// the maximum length counted in Big5 bytes.

#include <cstddef>
#include <optional>
#include <string_view>

#include "sys/big5.h"

namespace corvina {

enum class EVshowStyle { evInteger, evFloat, evString };
enum class EvStyle { evNone, evNumber, evLowerCase, evUppercase };

// ---- Key filter ------------------------------------------------------

// The key as the key-press event sees it; 0 is no key.
struct FilteredKey {
    wchar_t key = 0;
    // Where the caret goes when a sign or point already in the text drops the key.
    std::optional<std::size_t> caret;

    bool Beep() const { return key == 0; }
};

// `text` and `selectionStart` in the edit's own character units: only the
// positions of "+", "-" and "." matter, and those are single units.
FilteredKey FilterKey(EvStyle keyinCase, wchar_t key, std::wstring_view text, std::size_t selectionStart);

// ---- Display format ---------------------------------------------------

struct EditFormat {
    EVshowStyle EV_Format_style = EVshowStyle::evInteger;
    Big5 EV_Format;  // set through SetFormatText: blanks at both ends removed
    bool EV_Format_EAT0 = false;

    void SetFormatText(std::string_view format);
};

inline constexpr std::string_view kFormatErrorText = "Format Error !";

// The text formatted with EV_Format, or nothing on a format error. A format
// must hold exactly one conversion that fits the style (integer: d i u x X o,
// float: f e E g G, string: s), with flags, width and precision up to 255
// and no "*" or length modifier; "%%" is a literal "%".
std::optional<Big5> FormatEditText(const EditFormat& format, std::string_view text);

// EV_Format_EAT0: zeros ending the fraction of the result's last number go;
// the point stays ("12.50" -> "12.5", "3.00" -> "3."). An exponent such as
// "1.5e+10" is not a fraction and keeps its zeros.
Big5 EatTrailingZeros(std::string_view formatted);

struct FormatOutcome {
    enum class Kind { Keep, SetText, FormatError };
    Kind kind = Kind::Keep;
    Big5 text;  // for SetText
};

// The edit's formatting state: `ApplyFormat` and the text-changed rule.
class EditFormatter {
public:
    // On leaving the field, or when TextChanged asks for it.
    FormatOutcome ApplyFormat(const EditFormat& format, std::string_view text);
    // The control's text changed; true when ApplyFormat must run now.
    bool TextChanged(bool focused);

private:
    bool skipNextTextChange_ = false;
};

// ---- Maximum length in bytes ---------------------------------------------

// How many bytes of `inserted` may replace `selectedBytes` of a text of
// `textBytes` within `maxLength` bytes (0: no limit), whole characters only.
std::size_t FittingInsertLength(std::size_t textBytes, std::size_t selectedBytes, std::string_view inserted,
                                std::size_t maxLength);

}  // namespace corvina
