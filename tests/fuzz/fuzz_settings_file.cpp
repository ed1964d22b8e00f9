// Feeds arbitrary bytes to the settings file reader: it must refuse or take
// a file without reading outside the input, and what it takes must hold only
// known settings with values their printer bytes allow.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings_file/setting_catalogue.h"
#include "settings_file/settings_document.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvan::settings_file;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto read = decodeDocument(text);
    const auto* doc = std::get_if<SettingsDocument>(&read);
    if (!doc) return 0;
    for (const auto& [key, value] : doc->values) {
        const Setting* s = findSetting(key);
        if (!s || !byteAllowed(*s, byteOf(*s, value))) std::abort();
    }
    // What was taken is written back as a file that reads the same.
    const auto again = decodeDocument(encodeDocument(*doc));
    const auto* same = std::get_if<SettingsDocument>(&again);
    if (!same || same->values != doc->values) std::abort();
    return 0;
}
