#pragma once
// A printer's settings as a file: JSON of schema "orvan-settings", version 1
// (monitoring/orvan-settings.schema.json describes it field by field). A file
// is read whole or not at all: another version, an unknown setting or a
// value outside its range is refused with a message naming it.
#include <cstdint>
#include <map>
#include <string>
#include <variant>
#include <vector>

#include "link/settings_image.h"

namespace orvan::settings_file {

inline constexpr const char* kSchemaName = "orvan-settings";
inline constexpr int kSchemaVersion = 1;
// Larger files are not settings files.
inline constexpr std::size_t kMaxFileBytes = 256 * 1024;

struct SourcePrinter {
    std::string name;
    std::string connection;  // "usb" or "network"
    std::string printerVersion, laminatorVersion, configVersion, tableVersion;
    std::vector<std::string> units;  // the option units fitted, by name
    bool operator==(const SourcePrinter&) const = default;
};

struct SettingsDocument {
    SourcePrinter source;
    std::string savedAt;                // UTC, ISO 8601
    std::map<std::string, int> values;  // key -> value as the tab shows it
    bool operator==(const SettingsDocument&) const = default;
};

// What a printer's image holds, as a document. Settings whose unit is not
// fitted, or that the printer does not offer (255), are left out; the
// network ones only when asked for.
SettingsDocument documentOf(const link::SettingsImage& image, const link::Identity& identity,
                            const SourcePrinter& source, const std::string& savedAt,
                            bool withNetwork);

std::string encodeDocument(const SettingsDocument& doc);

struct ReadError {
    std::string message;
};
std::variant<SettingsDocument, ReadError> decodeDocument(const std::string& text);

// Reads the file (at most kMaxFileBytes) and decodes it.
std::variant<SettingsDocument, ReadError> readDocumentFile(const std::string& path);

// The unit names an identity has fitted, as a file records them.
std::vector<std::string> fittedUnits(const link::Identity& identity);

}  // namespace orvan::settings_file
