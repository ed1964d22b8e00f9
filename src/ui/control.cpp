#include "ui/control.h"

#include <algorithm>

namespace orvan::ui {

int Control::observe(Observer o) {
    int id = nextObserverId_++;
    observers_.emplace_back(id, std::move(o));
    return id;
}

void Control::unobserve(int id) {
    std::erase_if(observers_, [id](const auto& entry) { return entry.first == id; });
}

void Control::notify(Property p) {
    // Copy first: an observer may add or remove observers while it runs.
    auto current = observers_;
    for (auto& [id, observer] : current) observer(*this, p);
}

std::string indexed(const std::string& base, int index) {
    return base + "[" + std::to_string(index) + "]";
}

}  // namespace orvan::ui
