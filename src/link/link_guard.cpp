#include "link/link_guard.h"

#include <optional>

namespace orvan::link {

ui::Control::Handler whenLinkIdle(const LinkState& state, ui::Control::Handler handler,
                                  ui::Control::Handler putBack) {
    return [&state, handler = std::move(handler), putBack = std::move(putBack)] {
        if (!state.linkBusy() && !state.ended) {
            std::optional<ui::BusyPointer> busy;
            if (state.pointer) busy.emplace(*state.pointer);
            if (handler) handler();
        } else if (putBack) {
            putBack();
        }
    };
}

}  // namespace orvan::link
