#pragma once
// The controls of one screen, listed so that a front end can find each
// control's widget by name and a test can prove that every control is on
// screen. A screen lists its controls once, in one call:
//   ui::ControlList controls() { return {Label0_1, Pic0, Cmd1}; }
// Control arrays (std::array of controls) are listed element by element.
#include <array>
#include <cstddef>
#include <memory>
#include <string_view>
#include <type_traits>
#include <vector>

#include "ui/control.h"

namespace orvan::ui {

class ControlList {
  public:
    ControlList() = default;
    template <typename... Items>
    requires(!std::is_same_v<std::remove_cv_t<Items>, ControlList> && ...)
        ControlList(Items&... items) {  // NOLINT: a list is built from its members
        (add(items), ...);
    }

    void add(Control& c) { controls_.push_back(&c); }
    // Another screen part's controls (a group that lives in a unit of its own).
    void add(const ControlList& other) {
        controls_.insert(controls_.end(), other.controls_.begin(), other.controls_.end());
    }
    template <typename C, std::size_t N>
    void add(std::array<C, N>& array) {
        for (auto& c : array) add(c);
    }
    // A sparse control array: the indexes the screen does not use are null.
    template <typename C, std::size_t N>
    void add(std::array<std::unique_ptr<C>, N>& array) {
        for (auto& c : array)
            if (c) add(*c);
    }

    const std::vector<Control*>& all() const { return controls_; }
    std::size_t size() const { return controls_.size(); }
    // The control of that name, or null.
    Control* find(std::string_view name) const;

  private:
    std::vector<Control*> controls_;
};

// The name a widget carries for a control: "Cmd1[0]" is "Cmd1_0", since the
// names of a layout file must be identifiers.
std::string widgetName(std::string_view controlName);

}  // namespace orvan::ui
