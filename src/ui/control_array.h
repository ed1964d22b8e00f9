#pragma once
// A control array of N elements named base[0] .. base[N-1], for arrays too
// long to spell out: controlArray<ui::Label, 30>("Label2_3").
#include <array>
#include <cstddef>
#include <string>
#include <utility>

#include "ui/control.h"

namespace orvan::ui {

template <class C, std::size_t N>
std::array<C, N> controlArray(const std::string& base) {
    // Controls can be neither copied nor moved: each element is built in place.
    return [&base]<std::size_t... I>(std::index_sequence<I...>) {
        return std::array<C, N>{C{indexed(base, static_cast<int>(I))}...};
    }
    (std::make_index_sequence<N>{});
}

}  // namespace orvan::ui
