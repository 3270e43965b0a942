// Corvina2Stats FOLDER [FROM [TO]] [--menu PATH]: reads every statistics
// file of FOLDER and writes the report Corvina2-stats.html into the
// current folder (the share may be read-only to the owner, and the page is
// his, not the PCs'). Exit status: 0 written, 1 a bad command line, 2 the
// folder or the menu could not be read, 3 the page could not be written.

#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "report_arguments.h"
#include "stats/report_charts.h"
#include "stats/report_page.h"
#include "stats_folder.h"
#include "sys/console_out.h"

namespace corvina {
namespace {

constexpr int kWritten = 0;
constexpr int kBadCommandLine = 1;
constexpr int kUnreadable = 2;
constexpr int kNotWritten = 3;

std::string LocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

bool WritePage(const std::filesystem::path& path, const std::string& page) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(page.data(), static_cast<std::streamsize>(page.size()));
    out.close();
    return !out.fail();
}

int Report(const std::vector<std::string>& arguments) {
    const ReportArguments parsed = ParseReportArguments(arguments);
    if (parsed.help) {
        PrintToConsole(ReportUsage());
        return kWritten;
    }
    if (!parsed.error.empty()) {
        PrintToConsole("Corvina2Stats：" + parsed.error + "\n\n" + ReportUsage());
        return kBadCommandLine;
    }
    const std::filesystem::path folder = PathFromUtf8(parsed.folder);
    const auto files = ReadStatsFolder(folder);
    if (!files) {
        PrintToConsole("Corvina2Stats：無法讀取資料夾「" + parsed.folder + "」：它不存在，或不是資料夾。\n");
        return kUnreadable;
    }
    ReportInput input;
    if (parsed.menu) {
        input.neverStarted = ReadMenuEntries(PathFromUtf8(*parsed.menu));
        if (!input.neverStarted) {
            PrintToConsole("Corvina2Stats：無法讀取選單檔「" + *parsed.menu + "」。\n");
            return kUnreadable;
        }
    }
    input.totals = TotalPlays(files->plays, parsed.period);
    if (input.neverStarted) input.neverStarted = EntriesNeverStarted(*input.neverStarted, input.totals);
    input.period = parsed.period;
    input.folder = parsed.folder;
    input.filesRead = files->filesRead;
    input.badLines = files->badLines;
    input.madeAt = LocalTimeNow();

    std::error_code error;
    const std::filesystem::path page =
        std::filesystem::current_path(error) / PathFromUtf8(std::string(kReportFileName));
    if (error || !WritePage(page, ReportPage(input))) {
        PrintToConsole("Corvina2Stats：無法寫出報表「" + Utf8Path(page) + "」：請在可以寫入的資料夾中執行。\n");
        return kNotWritten;
    }
    PrintToConsole("已寫出報表 " + Utf8Path(page) + "\n" + std::to_string(files->filesRead) + " 個檔案，" +
                   std::to_string(input.totals.starts) + " 次啟動，" + HoursText(input.totals.seconds) + " 小時" +
                   (files->badLines.empty() ? std::string()
                                            : "，" + std::to_string(files->badLines.size()) + " 行無法讀取（見報表）") +
                   "。\n");
    return kWritten;
}

}  // namespace
}  // namespace corvina

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.push_back(corvina::Utf8Path(std::filesystem::path(argv[i])));
    return corvina::Report(corvina::MendQuotedBackslashEnds(arguments));
}
#else
int main(int argc, char** argv) { return corvina::Report(std::vector<std::string>(argv + 1, argv + argc)); }
#endif
