#pragma once
// The main window in this process: a café folder in a temporary folder,
// and a recording machine instead of the real one.

#include <vector>

#include "app/main_window.h"
#include "support/message_box_answerer.h"
#include "support/recording_machine.h"
#include "support/temp_folder.h"
#include "sys/files.h"
#include "sys/text.h"
#include "ui/ui_fixture.h"

namespace corvina::test {

class MainWindowTest : public ui::test::UiTest {
protected:
    void WriteCafeFile(const char8_t* name, const char8_t* utf8) { WriteFileBytes(cafe_.File(T(name)), T(utf8)); }

    ui::FormPtr<TfSmenu> Start() {
        return ui::MakeForm<TfSmenu>(machine_, settings_, StartupOptions{cafe_.Path(), false});
    }

    TempFolder cafe_;
    RecordingMachine machine_;
    MenuSettings settings_;
    std::vector<ui::test::SeenBox> boxes_;
};

}  // namespace corvina::test
