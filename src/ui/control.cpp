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
    // Copy first: an observer may add or remove observers while it runs. One
    // removed meanwhile is skipped, as its owner may already be gone.
    auto current = observers_;
    for (auto& [id, observer] : current) {
        bool stillThere = std::any_of(observers_.begin(), observers_.end(),
                                      [id = id](const auto& entry) { return entry.first == id; });
        if (stillThere) observer(*this, p);
    }
}

std::string indexed(const std::string& base, int index) {
    return base + "[" + std::to_string(index) + "]";
}

}  // namespace orvan::ui
