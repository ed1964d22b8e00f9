#pragma once
// The "Others" tab over the in-process simulator, a scratch program folder
// with firmware files in it, and the real file system.
#include <string>

#include "maintenance/others_tab.h"
#include "maintenance/printer_maintenance.h"
#include "profile/scratch_dir.h"
#include "shell/posix_file_system.h"
#include "tabs/tab_rig.h"
#include "ui/screen_pointer.h"

namespace orvan::testing {

struct OthersRig : TabRig {
    ScratchDir dir;
    shell::PosixFileSystem files;
    ui::ScreenPointer pointer{"Pointer"};
    ui::ScriptedFileChooser chooser;
    int adminDialogs = 0;
    maintenance::OthersTab tab{context(), link()};

    OthersRig() : TabRig(maintenance::OthersTab::kLinkPlan) {
        ScratchDir::write(dir.file("A100.PRF"), "firmware");
        ScratchDir::write(dir.file("B200.CFG"), "config");
        ScratchDir::write(dir.file("notes.txt"), "not firmware");
        tab.setup();
        tab.fill();
    }

    maintenance::OthersLink link() {
        return {channel,
                files,
                dir.path().string(),
                pointer,
                [this] { return administrator; },
                [this] { ++adminDialogs; },
                loop,
                &chooser};
    }

    // "Print" or "Start" answered OK, with `path` in the path box for "Start".
    void print(maintenance::TestSides sides) {
        tab.Opt6[static_cast<std::size_t>(sides)].setValue(true);
        boxes.answerNext(ui::Answer::Ok);
        tab.button(maintenance::PrintButton).click();
    }
    void download(const std::string& path) {
        tab.Text6.setText(path);
        boxes.answerNext(ui::Answer::Ok);
        tab.button(maintenance::StartButton).click();
    }
    const ui::ShownBox& lastBox() const { return boxes.shown().back(); }
};

}  // namespace orvan::testing
