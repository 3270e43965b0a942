#pragma once
// The simulator's window: class TFCltMain, title VexelDesk, so the menu
// finds it as it finds the café client. Buttons for the demo, the log's
// latest lines, and the command file polled for tests.

#include <string>

#include "cafe-sim/requests.h"
#include "cafe-sim/sim_session.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/timer.h"

namespace corvina::cafesim {

class SimWindow : public ui::Form {
public:
    SimWindow(ProfileText scenario, SimLog& log, Big5 commandPath);
    ~SimWindow() override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void AddButton(std::string_view caption, const Rect& bounds, const Request& request);
    void PollCommandFile();
    void ShowLine(const std::string& line);
    void Place(const Scenario& scenario);

    SimLog& log_;
    SimSession session_;
    Big5 commandPath_;
    CommandFeed feed_;
    ui::Timer poll_;
    ui::Edit* text_ = nullptr;
    ui::ListBox* lines_ = nullptr;
};

}  // namespace corvina::cafesim
