#include "ui/guard.h"

#include <windows.h>

#include <exception>
#include <stdexcept>

#include "sys/text.h"
#include "ui/application.h"

namespace corvina::ui {

namespace {

void Report(const std::exception& error) noexcept {
    if (Application* application = Application::Current()) {
        application->HandleException(error);
        return;
    }
    try {
        MessageBoxW(nullptr, WideFromBig5(error.what()).c_str(), L"Corvina2", MB_OK | MB_ICONERROR);
    } catch (...) {
        MessageBoxW(nullptr, L"Unexpected error", L"Corvina2", MB_OK | MB_ICONERROR);
    }
}

}  // namespace

void ReportCurrentException() noexcept {
    try {
        throw;
    } catch (const std::exception& error) {
        Report(error);
    } catch (...) {
        Report(std::runtime_error("Unexpected error"));
    }
}

}  // namespace corvina::ui
