// Feature code makes and frees windows, GDI objects and DCs only through the
// framework's RAII types. This scan of the source tree fails when a file
// outside the allowed folders calls one of the raw functions directly.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace corvina::ui {
namespace {

namespace fs = std::filesystem;

// Where the raw calls belong: the framework and the Win32 system helpers.
const std::vector<std::string> kAllowedFolders{"ui/", "sys/win32/"};

// Comments and string literals blanked out; lines kept for the report.
std::string CodeOnly(const std::string& text) {
    std::string code = text;
    enum { Code, Line, Block, String, Char } state = Code;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        const char next = i + 1 < code.size() ? code[i + 1] : '\0';
        switch (state) {
            case Code:
                if (c == '/' && next == '/')
                    state = Line;
                else if (c == '/' && next == '*')
                    state = Block;
                else if (c == '"')
                    state = String;
                else if (c == '\'')
                    state = Char;
                else
                    continue;
                break;
            case Line:
                if (c == '\n') state = Code;
                break;
            case Block:
                if (c == '*' && next == '/') {
                    code[i] = code[i + 1] = ' ';
                    ++i;
                    state = Code;
                    continue;
                }
                break;
            case String:
            case Char:
                if (c == '\\') {
                    code[i] = ' ';
                    if (i + 1 < code.size() && code[i + 1] != '\n') code[++i] = ' ';
                    continue;
                }
                if ((state == String && c == '"') || (state == Char && c == '\'')) {
                    state = Code;
                    continue;
                }
                break;
        }
        if (code[i] != '\n') code[i] = ' ';
    }
    return code;
}

// "line: call" for each raw call in `text`.
std::vector<std::string> RawCalls(const std::string& text) {
    static const std::regex kCall(
        R"(\b(?:::)?(CreateWindowExW?|CreateWindowW?|DestroyWindow|DeleteObject|CreatePen|CreateSolidBrush|)"
        R"(CreateFontIndirectW?|CreateCompatibleDC|DeleteDC|SelectObject)\s*\()");
    std::vector<std::string> found;
    const std::string code = CodeOnly(text);
    std::istringstream lines(code);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        for (auto it = std::sregex_iterator(line.begin(), line.end(), kCall); it != std::sregex_iterator(); ++it) {
            found.push_back(std::to_string(number) + ": " + (*it)[1].str());
        }
    }
    return found;
}

bool StartsWithAny(const std::string& path, const std::vector<std::string>& prefixes) {
    for (const std::string& prefix : prefixes) {
        if (path.rfind(prefix, 0) == 0) return true;
    }
    return false;
}

TEST(SourceScan, FindsRawCallsButNotCommentsStringsOrLongerNames) {
    EXPECT_EQ(RawCalls("HPEN p = CreatePen(PS_SOLID, 1, 0);\n::DeleteObject (p);"),
              (std::vector<std::string>{"1: CreatePen", "2: DeleteObject"}));
    EXPECT_EQ(RawCalls("x\n  HWND w = CreateWindowExW(0, L\"a\", 0);"), std::vector<std::string>{"2: CreateWindowExW"});
    EXPECT_TRUE(RawCalls("// DestroyWindow(w)\n/* SelectObject(dc, o)\n DeleteDC(dc) */").empty());
    EXPECT_TRUE(RawCalls("const char* s = \"CreateSolidBrush(1) \\\" DeleteDC(x)\";").empty());
    EXPECT_TRUE(RawCalls("MyCreatePen(1); ui::CreateGdiFont(f); window.DestroyWindowLater();").empty());
    EXPECT_EQ(RawCalls("char c = '\"'; SelectObject(dc, o);"), std::vector<std::string>{"1: SelectObject"});
}

TEST(SourceScan, FeatureCodeLeavesHandlesToTheFramework) {
    const fs::path root = CORVINA_SOURCE_DIR;
    ASSERT_TRUE(fs::is_directory(root)) << root;
    std::vector<std::string> offences;
    int scanned = 0;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string extension = entry.path().extension().string();
        if (!entry.is_regular_file() || (extension != ".cpp" && extension != ".h")) continue;
        const std::string relative = fs::relative(entry.path(), root).generic_string();
        if (StartsWithAny(relative, kAllowedFolders)) continue;
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        ++scanned;
        for (const std::string& call : RawCalls(text)) offences.push_back(relative + ":" + call);
    }
    EXPECT_GT(scanned, 10);
    EXPECT_TRUE(offences.empty()) << ::testing::PrintToString(offences);
}

}  // namespace
}  // namespace corvina::ui
