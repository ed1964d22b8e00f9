#pragma once
// The small window shown while a settings write waits for the printer to
// finish printing. Its behaviour lives in BusyWait; its texts are its form's.
#include "ui/control_list.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/timer.h"

namespace orvan::link {

struct WaitForm {
    static constexpr const char* kForm = "wait_dialog";  // its Designer form

    WaitForm();

    // On screen: the window, its text and its button (the timer is not).
    ui::ControlList controls() { return {form, Label1, CancelButton}; }

    ui::Form form{"WaitForm"};
    ui::Label Label1{"Label1"};
    ui::Button CancelButton{"CancelButton"};
    ui::Timer TimerWait{"TimerWait"};
};

}  // namespace orvan::link
