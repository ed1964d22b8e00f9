#include "link/wait_form.h"

namespace orvan::link {

WaitForm::WaitForm() {
    TimerWait.setEnabled(false);
}

}  // namespace orvan::link
