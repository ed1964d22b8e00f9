// Feeds arbitrary bytes to the profile reader as a configuration file, then
// checks that a write and a delete change the one key and nothing else.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz_scratch_dir.h"
#include "shell/profile.h"

namespace {

using orvan::shell::Profile;

const std::string& scratchFile() {
    static const FuzzScratchDir dir;
    static const std::string file = (dir.path / "fuzz.ini").string();
    return file;
}

struct Probe {
    const char* section;
    const char* key;
};

constexpr Probe kProbes[] = {
    {"PRINTERSETTING", "PRINTER"},
    {"printersetting", "IPTYPE"},
    {"MEDIASETTING", "CARDTYPE"},
    {"IPREGISTRY", "0IPTABLE"},
    {"IPREGISTRY", "9iptable"},
    {"ADMIN", "USERTAB"},
    {"A", "K"},
    {"", ""},
};

std::vector<std::string> readProbes(const Profile& profile) {
    std::vector<std::string> values;
    for (const Probe& p : kProbes)
        values.push_back(profile.readString(p.section, p.key, "\x01", 255));
    return values;
}

void check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& file = scratchFile();
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    Profile profile(file);

    // Names taken from the input itself reach the matching code too.
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string section = text.substr(0, std::min<std::size_t>(size, 8));
    const std::string key = text.substr(std::min<std::size_t>(size, 8), 8);
    for (std::size_t max : {0u, 1u, 255u}) {
        check(profile.readString(section, key, "", max).size() <= max);
    }

    const std::vector<std::string> before = readProbes(profile);
    if (profile.writeString("ADMIN", "FUZZKEY", " v\nw ")) {
        check(profile.readString("admin", "fuzzkey", "", 255) == "v w");
        check(readProbes(profile) == before);
        check(profile.deleteKey("ADMIN", "FUZZKEY"));
        check(readProbes(profile) == before);
    }
    profile.writeString(section, key, text);
    std::filesystem::remove(file);
    return 0;
}
