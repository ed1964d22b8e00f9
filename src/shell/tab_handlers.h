#pragma once
// What a tab contributes to start-up and to a click on it.
#include <functional>

namespace orvan::shell {

struct TabHandlers {
    std::function<void()> setup;
    std::function<void()> refresh;
};

}  // namespace orvan::shell
