#include "settings_file/settings_document.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <initializer_list>
#include <nlohmann/json.hpp>

#include "settings_file/setting_catalogue.h"

namespace orvan::settings_file {
namespace {

using nlohmann::json;

constexpr int kMaxDepth = 4;  // document, printer or settings, setting, value
constexpr std::size_t kMaxTextLength = 256;

constexpr Unit kRecordedUnits[] = {Unit::TurnOver, Unit::IsoEncoder, Unit::JisEncoder,
                                   Unit::BendRemedy, Unit::Laminator};

bool isShortText(const json& j) {
    return j.is_string() && j.get_ref<const std::string&>().size() <= kMaxTextLength;
}

std::string textOr(const json& object, const char* key) {
    const auto it = object.find(key);
    return it != object.end() && isShortText(*it) ? it->get<std::string>() : std::string();
}

json sourceJson(const SourcePrinter& s) {
    return {{"name", s.name},
            {"connection", s.connection},
            {"printerVersion", s.printerVersion},
            {"laminatorVersion", s.laminatorVersion},
            {"configVersion", s.configVersion},
            {"tableVersion", s.tableVersion},
            {"units", s.units}};
}

// A key that is not one of `known` is refused, by name: a misspelt key
// would otherwise be dropped without a word.
std::optional<ReadError> onlyKnownKeys(const json& object, std::initializer_list<const char*> known,
                                       const std::string& where) {
    for (const auto& item : object.items()) {
        const std::string& key = item.key();
        if (std::none_of(known.begin(), known.end(), [&](const char* k) { return key == k; }))
            return ReadError{"Unknown field \"" + key.substr(0, kMaxTextLength) + "\"" + where};
    }
    return std::nullopt;
}

// A text field that, when present, is a text of at most kMaxTextLength.
std::optional<ReadError> readText(const json& object, const char* key, std::string& out) {
    const auto it = object.find(key);
    if (it == object.end()) return std::nullopt;
    if (!isShortText(*it))
        return ReadError{"\"" + std::string(key) + "\" is not a text of at most " +
                         std::to_string(kMaxTextLength) + " characters"};
    out = it->get<std::string>();
    return std::nullopt;
}

std::optional<ReadError> readSource(const json& j, SourcePrinter& s) {
    if (!j.is_object()) return ReadError{"\"printer\" is not an object"};
    if (auto e = onlyKnownKeys(j,
                               {"name", "connection", "printerVersion", "laminatorVersion",
                                "configVersion", "tableVersion", "units"},
                               " in \"printer\""))
        return e;
    const std::pair<const char*, std::string*> texts[] = {{"name", &s.name},
                                                          {"connection", &s.connection},
                                                          {"printerVersion", &s.printerVersion},
                                                          {"laminatorVersion", &s.laminatorVersion},
                                                          {"configVersion", &s.configVersion},
                                                          {"tableVersion", &s.tableVersion}};
    for (const auto& [key, field] : texts)
        if (auto e = readText(j, key, *field)) return e;
    if (!s.connection.empty() && s.connection != "usb" && s.connection != "network")
        return ReadError{"\"connection\" is neither \"usb\" nor \"network\""};
    if (const auto units = j.find("units"); units != j.end()) {
        const bool fits = units->is_array() && units->size() <= std::size(kRecordedUnits) &&
                          std::all_of(units->begin(), units->end(), isShortText);
        if (!fits) return ReadError{"\"units\" is not a short list of unit names"};
        for (const auto& u : *units) s.units.push_back(u.get<std::string>());
    }
    return std::nullopt;
}

std::optional<ReadError> readSetting(const std::string& key, const json& entry,
                                     SettingsDocument& doc) {
    const Setting* setting = findSetting(key);
    if (!setting) return ReadError{"Unknown setting \"" + key.substr(0, kMaxTextLength) + "\""};
    if (!entry.is_object())
        return ReadError{"\"" + key + "\" is not an object with its caption and value"};
    if (auto e = onlyKnownKeys(entry, {"caption", "value"}, " in \"" + key + "\"")) return e;
    const auto value = entry.find("value");
    if (value == entry.end()) return ReadError{"\"" + key + "\" has no value"};
    if (!value->is_number_integer())
        return ReadError{"\"" + key + "\" (" + std::string(setting->caption) +
                         ") is not a whole number"};
    const auto shown = value->get<std::int64_t>();
    const bool fits = shown >= -1000 && shown <= 1000 &&
                      byteAllowed(*setting, byteOf(*setting, static_cast<int>(shown)));
    if (!fits)
        return ReadError{"\"" + key + "\" (" + std::string(setting->caption) + ") is " +
                         std::to_string(shown) + ", outside " + shownRange(*setting)};
    doc.values[key] = static_cast<int>(shown);
    return std::nullopt;
}

}  // namespace

std::vector<std::string> fittedUnits(const link::Identity& identity) {
    std::vector<std::string> names;
    for (Unit u : kRecordedUnits)
        if (unitFitted(u, identity)) names.emplace_back(unitName(u));
    return names;
}

SettingsDocument documentOf(const link::SettingsImage& image, const link::Identity& identity,
                            const SourcePrinter& source, const std::string& savedAt,
                            bool withNetwork) {
    SettingsDocument doc{source, savedAt, {}};
    for (const Setting& s : settingCatalogue()) {
        if (s.carrier == Carrier::Network && !withNetwork) continue;
        if (!unitFitted(s.unit, identity)) continue;
        const int byte = link::fieldValue(image, s.field);
        if (!byteAllowed(s, byte)) continue;  // not offered, or nothing a tab could show
        doc.values[std::string(s.key)] = shownOf(s, byte);
    }
    return doc;
}

std::string encodeDocument(const SettingsDocument& doc) {
    json settings = json::object();
    for (const auto& [key, value] : doc.values) {
        const Setting* s = findSetting(key);
        settings[key] = {{"caption", s ? std::string(s->caption) : std::string()},
                         {"value", value}};
    }
    const json j = {{"schema", kSchemaName},
                    {"version", kSchemaVersion},
                    {"saved", doc.savedAt},
                    {"printer", sourceJson(doc.source)},
                    {"settings", settings}};
    return j.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

std::variant<SettingsDocument, ReadError> decodeDocument(const std::string& text) {
    if (text.size() > kMaxFileBytes) return ReadError{"The file is too large for a settings file"};
    json j;
    try {
        int depthExceeded = 0;
        j = json::parse(text, [&](int depth, json::parse_event_t, json&) {
            if (depth > kMaxDepth) ++depthExceeded;
            return depth <= kMaxDepth;
        });
        if (depthExceeded) return ReadError{"The file is nested deeper than a settings file"};
    } catch (const json::parse_error& e) {
        // The parser's own message quotes the file's bytes, which need not be text.
        return ReadError{"The file is not valid JSON (at byte " + std::to_string(e.byte) + ")"};
    } catch (const json::exception&) {
        return ReadError{"The file is not valid JSON"};
    }
    if (!j.is_object() || textOr(j, "schema") != kSchemaName)
        return ReadError{"The file is not an orvan-settings file"};
    const auto version = j.find("version");
    if (version == j.end() || !version->is_number_integer() ||
        version->get<std::int64_t>() != kSchemaVersion)
        return ReadError{
            "The file is of another version of orvan-settings (this program reads "
            "version 1)"};
    if (auto e = onlyKnownKeys(j, {"schema", "version", "saved", "printer", "settings"}, ""))
        return *e;
    SettingsDocument doc;
    if (auto e = readText(j, "saved", doc.savedAt)) return *e;
    if (const auto p = j.find("printer"); p != j.end())
        if (auto error = readSource(*p, doc.source)) return *error;
    const auto settings = j.find("settings");
    if (settings == j.end() || !settings->is_object())
        return ReadError{"The file has no \"settings\" object"};
    for (const auto& [key, entry] : settings->items())
        if (auto error = readSetting(key, entry, doc)) return *error;
    return doc;
}

std::variant<SettingsDocument, ReadError> readDocumentFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return ReadError{"Cannot open " + path};
    std::string text;
    char buffer[8192];
    ssize_t n = 0;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0) {
        text.append(buffer, static_cast<std::size_t>(n));
        if (text.size() > kMaxFileBytes) break;
    }
    ::close(fd);
    if (n < 0) return ReadError{"Cannot read " + path};
    return decodeDocument(text);
}

}  // namespace orvan::settings_file
