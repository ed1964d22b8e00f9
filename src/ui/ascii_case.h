#pragma once
// Case-insensitive comparison of ASCII letters only: names of printers,
// options, configuration keys and header fields. Other bytes (Latin-1
// letters included) compare as they are, whatever the process's locale.
#include <string_view>

namespace orvan::ui {

constexpr char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool sameLetterIgnoringCase(char a, char b) {
    return asciiLower(a) == asciiLower(b);
}

constexpr bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!sameLetterIgnoringCase(a[i], b[i])) return false;
    return true;
}

}  // namespace orvan::ui
