#pragma once
// `TEvEdit`: the system's one-line edit with a key filter that forces the
// letters' case or keeps to a signed decimal number, and a display format
// applied when the field is left or its text is set from code. The
// maximum length counts Big5 bytes.

#include <cstddef>
#include <string>
#include <string_view>

#include "sys/big5.h"
#include "ui/edit.h"
#include "widgets/edit_format.h"

namespace corvina {

class TEvEdit : public ui::Edit {
public:
    explicit TEvEdit(ui::WinControl& parent, const Big5& text = {});

    void SetEV_Format_style(EVshowStyle style);
    // Blanks at both ends are dropped.
    const Big5& EV_Format() const { return format_.EV_Format; }
    void SetEV_Format(std::string_view format);
    void SetEV_Format_EAT0(bool eat0);
    void SetEV_KeyinCase(EvStyle keyinCase);

    // In Big5 bytes; 0 is no limit.
    void SetMaxLength(std::size_t bytes);
    // 0 shows the text itself.
    void SetPasswordChar(wchar_t mask);

    // Rewrites the text by the display format; "Format Error !" when it
    // does not convert.
    void ApplyFormat();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void KeyPress(wchar_t& key) override;
    void Command(WORD code) override;

private:
    std::wstring WideText() const;
    std::size_t SelectionStart() const;
    bool Fits(std::wstring_view inserted) const;
    void Paste();

    EditFormat format_;
    EvStyle keyinCase_ = EvStyle::evNone;
    EditFormatter formatter_;
    std::size_t maxLength_ = 0;
};

}  // namespace corvina
