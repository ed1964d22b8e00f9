#include "ui/control_list.h"

#include <string>

namespace orvan::ui {

Control* ControlList::find(std::string_view name) const {
    for (Control* c : controls_)
        if (c->name() == name) return c;
    return nullptr;
}

std::string widgetName(std::string_view controlName) {
    std::string out;
    out.reserve(controlName.size());
    for (char ch : controlName) {
        if (ch == '[')
            out += '_';
        else if (ch != ']')
            out += ch;
    }
    return out;
}

}  // namespace orvan::ui
