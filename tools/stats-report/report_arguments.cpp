#include "report_arguments.h"

#include <utility>

namespace corvina {

namespace {

constexpr std::string_view kMenuOption = "--menu";

}  // namespace

std::vector<std::string> MendQuotedBackslashEnds(const std::vector<std::string>& arguments) {
    std::vector<std::string> mended;
    for (const std::string& argument : arguments) {
        const std::size_t quote = argument.find('"');
        if (quote == std::string::npos) {
            mended.push_back(argument);
            continue;
        }
        mended.push_back(argument.substr(0, quote) + "\\");
        std::string word;
        for (const char c : argument.substr(quote + 1)) {
            if (c == ' ' || c == '\t') {
                if (!word.empty()) mended.push_back(std::exchange(word, {}));
            } else if (c != '"') {
                word += c;
            }
        }
        if (!word.empty()) mended.push_back(word);
    }
    return mended;
}

ReportArguments ParseReportArguments(const std::vector<std::string>& arguments) {
    ReportArguments parsed;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "-h" || argument == "--help" || argument == "/?") {
            parsed.help = true;
            return parsed;
        }
        if (argument == kMenuOption) {
            if (i + 1 == arguments.size() || arguments[i + 1].empty()) {
                parsed.error = "--menu 後面必須接選單檔 Menus.ini 的路徑。";
                return parsed;
            }
            parsed.menu = arguments[++i];
        } else if (argument.starts_with("--")) {
            parsed.error = "不認得的選項「" + argument + "」。";
            return parsed;
        } else {
            positional.push_back(argument);
        }
    }
    if (positional.empty() || positional.size() > 3 || positional[0].empty()) {
        parsed.error = positional.size() > 3 ? "參數太多。" : "請指定統計資料夾。";
        return parsed;
    }
    parsed.folder = positional[0];
    std::optional<DayIndex>* const ends[] = {&parsed.period.from, &parsed.period.to};
    for (std::size_t i = 1; i < positional.size(); ++i) {
        *ends[i - 1] = ParseReportDate(positional[i]);
        if (!*ends[i - 1]) {
            parsed.error = "日期「" + positional[i] + "」不正確：請寫成 yyyy-mm-dd，例如 2026-12-01。";
            return parsed;
        }
    }
    if (parsed.period.from && parsed.period.to && *parsed.period.to < *parsed.period.from)
        parsed.error = "結束日期早於開始日期。";
    return parsed;
}

std::string ReportUsage() {
    return "用法：Corvina2Stats 統計資料夾 [開始日期 [結束日期]] [--menu Menus.ini的路徑]\n"
           "Usage: Corvina2Stats FOLDER [FROM [TO]] [--menu PATH]\n"
           "讀取統計資料夾（Params.ini 的 StatsFolder）中所有的統計檔，在目前的資料夾寫出報表 Corvina2-stats.html。\n"
           "日期寫成 yyyy-mm-dd，包含首尾兩天；未指定時包含全部紀錄，只給開始日期時到最新的紀錄為止。\n"
           "--menu：列出選單中在此期間從未被啟動的項目。\n"
           "結束代碼：0 已寫出報表，1 參數錯誤，2 無法讀取資料夾或選單檔，3 無法寫出報表。\n";
}

}  // namespace corvina
