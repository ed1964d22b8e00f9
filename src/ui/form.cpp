#include "ui/form.h"

namespace orvan::ui {

void Form::showModal(EventLoop& loop) {
    modal_ = true;
    raise(onLoad);
    setVisible(true);
    while (visible()) loop.waitForEvents();
    modal_ = false;
}

void Form::requestClose() {
    if (onCloseRequested)
        onCloseRequested();
    else
        setVisible(false);
}

}  // namespace orvan::ui
