#include "shell/configuration.h"

#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <vector>

#include "link/conversions.h"

namespace orvan::shell {

namespace keys = config_keys;

namespace {

std::string ipTableKey(std::size_t number) {
    return std::to_string(number) + keys::kIpTableSuffix;
}

// A digit of USERTAB; a character that is not hexadecimal counts as 0.
std::size_t rightDigit(char c) {
    if (c >= '0' && c <= '9') return static_cast<std::size_t>(c - '0');
    if (c >= 'a' && c <= 'f') return static_cast<std::size_t>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') return static_cast<std::size_t>(c - 'A' + 10);
    return 0;
}

// One remembered address as the file holds it: "4,a.b.c.d" or "6,<IPv6 text>".
std::string historyText(const link::IpHistoryEntry& entry) {
    if (entry.length == link::kIPv4Length) return "4," + link::FormatIPv4(entry.address);
    return "6," + link::FormatIPv6(entry.address).text;
}

std::optional<link::IpHistoryEntry> parseHistoryText(std::string_view text) {
    link::IpHistoryEntry entry;
    const std::string_view address = text.size() >= 2 ? text.substr(2) : std::string_view{};
    if (text.starts_with("4,") && link::ParseIPv4(address, 255, entry.address) == link::kParseOk) {
        entry.length = link::kIPv4Length;
        return entry;
    }
    if (text.starts_with("6,") && link::ParseIPv6(address, entry.address)) {
        entry.length = link::kIPv6Length;
        return entry;
    }
    return std::nullopt;
}

}  // namespace

std::string ConfigFilePath(const std::filesystem::path& executable) {
    // Without the program's own absolute path there is no file beside it; a
    // relative one would move with the current directory.
    if (!executable.is_absolute() || executable.stem().empty()) return {};
    std::filesystem::path file = executable.lexically_normal();
    file = file.parent_path() / file.stem();
    return file.string() + ".ini";
}

namespace {

std::string absoluteOrNothing(const char* path) {
    return path != nullptr && path[0] == '/' ? std::string(path) : std::string();
}

}  // namespace

ConfigPlaces ConfigPlacesOf(const std::filesystem::path& executable) {
    ConfigPlaces places;
    places.systemFile = ORVAN_SYSTEM_CONFIG_FILE;
    places.userConfigFolder = absoluteOrNothing(std::getenv("XDG_CONFIG_HOME"));
    if (places.userConfigFolder.empty()) {
        const std::string home = absoluteOrNothing(std::getenv("HOME"));
        if (!home.empty()) places.userConfigFolder = home + "/.config";
    }
    const std::string beside = ConfigFilePath(executable);
    if (!beside.empty()) {
        const std::filesystem::path folder = std::filesystem::path(beside).parent_path();
        const std::string marker = (folder / executable.stem()).string() + kInstalledMarkerSuffix;
        // A folder that is not there is nobody's install: nothing is read
        // from, or written to, the user's own folder on its behalf.
        std::error_code ec;
        places.installed =
            std::filesystem::is_directory(folder, ec) &&
            (::access(marker.c_str(), F_OK) == 0 || ::access(folder.c_str(), W_OK) != 0);
    }
    return places;
}

ConfigFiles LocateConfigFiles(const std::filesystem::path& executable, const ConfigPlaces& places) {
    const std::string beside = ConfigFilePath(executable);
    if (!places.installed || beside.empty()) return {beside, beside};
    ConfigFiles files;
    // The folder must be absolute: a relative one would follow the current directory.
    if (std::filesystem::path(places.userConfigFolder).is_absolute())
        files.user = (std::filesystem::path(places.userConfigFolder) /
                      std::filesystem::path(beside).filename())
                         .lexically_normal()
                         .string();
    if (std::filesystem::path(places.systemFile).is_absolute()) files.rights = places.systemFile;
    return files;
}

Configuration::Configuration(std::string configFile, Profile::Writer writer)
    : profile_(configFile, writer), rights_(std::move(configFile), std::move(writer)) {}

Configuration::Configuration(const ConfigFiles& files, Profile::Writer writer)
    : profile_(files.user, writer), rights_(files.rights, std::move(writer)) {}

std::string Configuration::read(const char* section, const char* key, std::size_t maxChars) const {
    return profile_.readString(section, key, "", maxChars);
}

std::int16_t Configuration::ReadCardType() const {
    const std::string first = read(keys::kMediaSection, keys::kCardType, 1);
    return first.size() == 1 && first[0] >= '0' && first[0] <= '9'
               ? static_cast<std::int16_t>(first[0] - '0')
               : std::int16_t{0};
}

bool Configuration::WriteCardType(int value) {
    return profile_.writeString(keys::kMediaSection, keys::kCardType, std::to_string(value));
}

bool Configuration::ReadPreferIPv6() const {
    return read(keys::kPrinterSection, keys::kIpType, 1) == "6";
}

bool Configuration::ReadDesktopNotifications() const {
    return read(keys::kNotificationSection, keys::kDesktop, 1) != "0";
}

std::string Configuration::ReadRememberedPrinter() const {
    return read(keys::kPrinterSection, keys::kPrinter, kMaxValueChars);
}

bool Configuration::SaveSelectedPrinter(int printerCount, const link::SelectedPrinter& printer,
                                        bool ipv6List) {
    using link::Connection;
    if (printerCount == 0 ||
        (printer.connection != Connection::Usb && printer.connection != Connection::Network)) {
        return true;
    }
    std::vector<Profile::Edit> edits{{keys::kPrinterSection, keys::kPrinter, printer.name}};
    if (printer.connection == Connection::Network) {
        const std::string address =
            ipv6List ? link::FormatIPv6(printer.address).text : link::FormatIPv4(printer.address);
        edits.push_back({keys::kPrinterSection, keys::kIpType, ipv6List ? "6" : "4"});
        edits.push_back({keys::kPrinterSection, keys::kIpAddress, address});
    } else {
        edits.push_back({keys::kPrinterSection, keys::kSlot, std::to_string(printer.slot)});
        edits.push_back({keys::kPrinterSection, keys::kScsi, std::to_string(printer.scsiId)});
    }
    return profile_.apply(edits);
}

link::IpHistory Configuration::LoadIpHistory() const {
    link::IpHistory history;
    std::size_t filled = 0;
    for (std::size_t k = 0; k < link::kIpHistorySlots; ++k) {
        const std::string text = read(keys::kIpSection, ipTableKey(k).c_str(), kMaxValueChars);
        if (const auto entry = parseHistoryText(text)) history.entries[filled++] = *entry;
    }
    return history;
}

bool Configuration::SaveIpHistory(const link::IpHistory& history) {
    // One rewrite for the whole list, so a crash never leaves it half renumbered.
    std::vector<Profile::Edit> edits;
    std::size_t n = 0;
    for (const link::IpHistoryEntry& entry : history.entries) {
        if (!entry.empty())
            edits.push_back({keys::kIpSection, ipTableKey(n++), historyText(entry)});
    }
    for (; n < link::kIpHistorySlots; ++n) {
        edits.push_back({keys::kIpSection, ipTableKey(n), std::nullopt});
    }
    return profile_.apply(edits);
}

UserRights Configuration::LoadUserRights() const {
    UserRights rights;
    for (char c : rights_.readString(keys::kAdminSection, keys::kUserTab, "", kMaxValueChars)) {
        const std::size_t index = rightDigit(c);
        if (index < kUserRightCount) rights.flags[index] = true;
    }
    return rights;
}

bool Configuration::SaveUserRights(const UserRights& rights) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = 0; i < kUserRightCount; ++i) {
        if (rights.flags[i]) text += kDigits[i];
    }
    if (text.empty()) return rights_.deleteKey(keys::kAdminSection, keys::kUserTab);
    return rights_.writeString(keys::kAdminSection, keys::kUserTab, text);
}

}  // namespace orvan::shell
