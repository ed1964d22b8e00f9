#include "ui/form.h"

namespace orvan::ui {

void Form::showModal(EventLoop& loop) {
    modal_ = true;
    minimized_ = false;  // a dialog minimised when it last closed opens in sight
    raise(onLoad);
    setVisible(true);
    try {
        while (visible()) loop.waitForEvents();
    } catch (...) {
        // A modal window must not stay up, blocking the rest, after its wait failed.
        setVisible(false);
        modal_ = false;
        throw;
    }
    modal_ = false;
}

void Form::bringForward() {
    minimized_ = false;
    setVisible(true);
    notify(Property::Value);
}

void Form::requestClose() {
    if (onCloseRequested)
        onCloseRequested();
    else
        setVisible(false);
}

}  // namespace orvan::ui
