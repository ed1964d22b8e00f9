#pragma once
// What the monitor keeps between runs, in one INI file beside the program:
// the watched printer, the address family of the network list, the card type,
// the remembered addresses and the rights granted to non-administrators.
// Every operation absorbs its own failures: a read gives the default, a write
// that cannot be done is dropped quietly (the next run reads the older value).
#include <cstdint>
#include <filesystem>
#include <string>

#include "link/ip_history.h"
#include "link/link_state.h"
#include "shell/profile.h"
#include "shell/user_rights.h"

namespace orvan::shell {

// Section and key names, shared with anything that inspects the file.
namespace config_keys {
inline constexpr const char* kPrinterSection = "PRINTERSETTING";
inline constexpr const char* kPrinter = "PRINTER";
inline constexpr const char* kIpType = "IPTYPE";
inline constexpr const char* kIpAddress = "IPADDRESS";
inline constexpr const char* kSlot = "SLOT";
inline constexpr const char* kScsi = "SCSI";
inline constexpr const char* kMediaSection = "MEDIASETTING";
inline constexpr const char* kCardType = "CARDTYPE";
inline constexpr const char* kIpSection = "IPREGISTRY";
inline constexpr const char* kIpTableSuffix = "IPTABLE";  // "0IPTABLE" .. "9IPTABLE"
inline constexpr const char* kAdminSection = "ADMIN";
inline constexpr const char* kUserTab = "USERTAB";
inline constexpr const char* kNotificationSection = "NOTIFICATIONS";
inline constexpr const char* kDesktop = "DESKTOP";
}  // namespace config_keys

// The configuration file of the program at executable: its directory, then
// the executable's name without extension, then ".ini". executable is the
// absolute path (executablePath() of the platform services); for a relative
// or empty one the result is empty and no file is read or written, so the
// file never depends on the current directory.
std::string ConfigFilePath(const std::filesystem::path& executable);

// The two files the configuration is kept in. Beside the program they are
// one and the same.
struct ConfigFiles {
    std::string user;    // remembered printer, address history, card type
    std::string rights;  // [ADMIN] USERTAB, the rights of non-administrators
    bool operator==(const ConfigFiles&) const = default;
};

// The marker an install puts beside the program: "<program name>.installed".
inline constexpr const char* kInstalledMarkerSuffix = ".installed";

// What decides where the files are.
struct ConfigPlaces {
    // An installed program: its folder exists and holds the install's
    // marker, or this user may not write to it.
    bool installed = false;
    // $XDG_CONFIG_HOME, else $HOME/.config; empty when neither is absolute.
    std::string userConfigFolder;
    // The rights of an installed program, in a folder only administrators
    // may write to (fixed when the program is built).
    std::string systemFile;
};

// This process's places for the program at executable.
ConfigPlaces ConfigPlacesOf(const std::filesystem::path& executable);

// Beside the program (ConfigFilePath) for a build tree or a copy of one's
// own. Installed, the user's values go to <userConfigFolder>/<name>.ini and
// the rights come only from the system file: a user cannot grant himself a
// right by writing USERTAB into a file of his own.
ConfigFiles LocateConfigFiles(const std::filesystem::path& executable, const ConfigPlaces& places);

class Configuration {
  public:
    static constexpr std::size_t kMaxValueChars = 255;

    explicit Configuration(std::string configFile, Profile::Writer writer = {});
    explicit Configuration(const ConfigFiles& files, Profile::Writer writer = {});

    const std::string& path() const { return profile_.path(); }
    const std::string& rightsPath() const { return rights_.path(); }

    // Card type index of the Media Setting tab: the first character's digit, 0 by default.
    std::int16_t ReadCardType() const;
    bool WriteCardType(int value);

    // True when the network list should hold IPv6 printers ("6" first in IPTYPE).
    bool ReadPreferIPv6() const;

    // Desktop notifications of printer errors; "0" in [NOTIFICATIONS]
    // DESKTOP turns them off, anything else (or nothing) leaves them on.
    bool ReadDesktopNotifications() const;

    // Name of the printer watched at the last confirmed exit, blanks trimmed.
    std::string ReadRememberedPrinter() const;

    // Remembers the watched printer; writes nothing when no printer is listed
    // or none is selected. ipv6List: the network list holds IPv6 printers.
    bool SaveSelectedPrinter(int printerCount, const link::SelectedPrinter& printer, bool ipv6List);

    // Valid entries in key order, packed from slot 0; invalid ones are dropped.
    link::IpHistory LoadIpHistory() const;
    // Writes the filled entries as 0IPTABLE, 1IPTABLE, ... and deletes the
    // keys after the last one written, so no stale address survives.
    bool SaveIpHistory(const link::IpHistory& history);

    UserRights LoadUserRights() const;
    // The upper-case digit of every granted flag in ascending order; the key is
    // removed when nothing is granted.
    bool SaveUserRights(const UserRights& rights);

  private:
    std::string read(const char* section, const char* key, std::size_t maxChars) const;

    Profile profile_;
    Profile rights_;
};

}  // namespace orvan::shell
