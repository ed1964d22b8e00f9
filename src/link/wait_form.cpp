#include "link/wait_form.h"

#include "ui/message_box.h"

namespace orvan::link {

WaitForm::WaitForm() {
    form.setCaption(ui::kMonitorTitle);
    Label1.setCaption(kWaitText);
    CancelButton.setCaption("Cancel");
    TimerWait.setEnabled(false);
}

}  // namespace orvan::link
