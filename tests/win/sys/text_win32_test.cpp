// Names from Windows into Big5: never a look-alike, and an inexact name is
// known as such so that it is never used as a path.

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include "sys/text.h"

namespace corvina {
namespace {

TEST(Big5Names, ACharacterWithoutABig5FormIsMarkedNeverReplacedByALookAlike) {
    // é, the Korean 한 and the em space have no Big5 form; a best fit would
    // turn "café" into "cafe", another file's name.
    for (const wchar_t* name : {L"caf\u00E9.sav", L"\uD55C.sav", L"a\u2003b"}) {
        EXPECT_EQ(ExactBig5FromWide(name), std::nullopt);
        const Big5 marked = Big5FromWide(name);
        EXPECT_NE(marked.find('?'), Big5::npos) << marked;
    }
    EXPECT_EQ(Big5FromWide(L"caf\u00E9"), "caf?");
    EXPECT_EQ(ExactBig5FromWide(L"D:\\\u904A\u6232\\\u8A31.sav"), T(u8"D:\\遊戲\\許.sav"));
    EXPECT_EQ(ExactBig5FromWide(L""), Big5{});
}

}  // namespace
}  // namespace corvina
