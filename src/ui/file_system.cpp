#include "ui/file_system.h"
#include "ui/ascii_case.h"

#include <algorithm>
#include <cctype>

namespace orvan::ui {
namespace {

// Glob match of one alternative, iterative with one backtrack point.
bool matchesOne(std::string_view name, std::string_view glob) {
    std::size_t n = 0, g = 0, star = std::string_view::npos, mark = 0;
    while (n < name.size()) {
        if (g < glob.size() &&
            (glob[g] == '?' || (glob[g] != '*' && sameLetterIgnoringCase(glob[g], name[n])))) {
            ++n;
            ++g;
        } else if (g < glob.size() && glob[g] == '*') {
            star = g++;
            mark = n;
        } else if (star != std::string_view::npos) {
            g = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (g < glob.size() && glob[g] == '*') ++g;
    return g == glob.size();
}

}  // namespace

bool FileSystem::canRead(const std::string& path) {
    const std::size_t cut = path.rfind(kPathSeparator);
    if (cut == std::string::npos || cut + 1 == path.size()) return false;
    const auto names = files(cut == 0 ? std::string(1, kPathSeparator) : path.substr(0, cut));
    return names && std::find(names->begin(), names->end(), path.substr(cut + 1)) != names->end();
}

std::string joinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (path.empty() || path.back() != kPathSeparator) path += kPathSeparator;
    path += name;
    return path;
}

std::string parentFolder(std::string_view path) {
    while (path.size() > 1 && path.back() == kPathSeparator) path.remove_suffix(1);
    const std::size_t cut = path.rfind(kPathSeparator);
    if (cut == std::string_view::npos) return std::string(path);
    return cut == 0 ? std::string(1, kPathSeparator) : std::string(path.substr(0, cut));
}

bool matchesPattern(std::string_view name, std::string_view pattern) {
    std::size_t start = 0;
    while (start <= pattern.size()) {
        const std::size_t end = std::min(pattern.find(';', start), pattern.size());
        if (matchesOne(name, pattern.substr(start, end - start))) return true;
        start = end + 1;
    }
    return false;
}

}  // namespace orvan::ui
