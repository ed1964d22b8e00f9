#include "maintenance/firmware_name.h"

namespace orvan::maintenance {
namespace {

constexpr std::size_t kExtensionLength = 3;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Characters, not bytes: a UTF-8 continuation byte is part of the one before.
std::size_t characters(std::string_view text) {
    std::size_t n = 0;
    for (char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

}  // namespace

std::string TrimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

FirmwareName CheckFirmwareName(std::string_view name) {
    if (name.empty()) return FirmwareName::Empty;
    const std::size_t slash = name.rfind('/');
    const std::string_view file = slash == std::string_view::npos ? name : name.substr(slash + 1);
    const std::size_t dot = file.rfind('.');
    const bool extension =
        dot != std::string_view::npos && characters(file.substr(dot + 1)) == kExtensionLength;
    return extension ? FirmwareName::WithExtension : FirmwareName::NoExtension;
}

}  // namespace orvan::maintenance
