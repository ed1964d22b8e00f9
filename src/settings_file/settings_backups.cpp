#include "settings_file/settings_backups.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "report/runtime_files.h"

namespace orvan::settings_file {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kNameLength = 40;
constexpr int kSameSecondTries = 100;

std::string absoluteOrNothing(const char* path) {
    return path && path[0] == '/' ? std::string(path) : std::string();
}

// A printer name as part of a file name: letters, digits, '-', '_' and '.'
// kept, anything else '_'; never empty, never a dot file.
std::string fileNameOf(const std::string& printer) {
    std::string out;
    for (char c : printer.substr(0, kNameLength)) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
        out += plain ? c : '_';
    }
    if (out.empty() || out[0] == '.') out.insert(out.begin(), 'p');
    return out;
}

std::string utcText(std::time_t when, const char* format) {
    std::tm tm{};
    gmtime_r(&when, &tm);
    char text[32];
    std::strftime(text, sizeof text, format, &tm);
    return text;
}

bool makePrivateFolders(const fs::path& folder) {
    std::error_code ec;
    fs::path built;
    for (const auto& part : folder) {
        built /= part;
        if (fs::is_directory(built, ec)) continue;
        if (::mkdir(built.c_str(), 0700) != 0 && !fs::is_directory(built, ec)) return false;
    }
    return true;
}

// Whether name is one of our backups of the printer whose file name is stem:
// "<stem>-YYYYMMDDTHHMMSSZ.json", or with "-<n>" before ".json".
bool isBackupOf(const std::string& name, const std::string& stem) {
    constexpr std::size_t kTimeLength = 16;  // 20261208T235900Z
    const std::string ending = ".json";
    const std::size_t at = stem.size() + 1;
    if (name.size() < at + kTimeLength + ending.size() || name.compare(0, stem.size(), stem) != 0 ||
        name[stem.size()] != '-' ||
        name.compare(name.size() - ending.size(), ending.size(), ending) != 0)
        return false;
    const std::string time = name.substr(at, kTimeLength);
    for (std::size_t k = 0; k < time.size(); ++k) {
        const bool letter = k == 8    ? time[k] == 'T'
                            : k == 15 ? time[k] == 'Z'
                                      : std::isdigit(static_cast<unsigned char>(time[k]));
        if (!letter) return false;
    }
    const std::string rest =
        name.substr(at + kTimeLength, name.size() - ending.size() - at - kTimeLength);
    if (rest.empty()) return true;
    return rest.size() > 1 && rest[0] == '-' &&
           std::all_of(rest.begin() + 1, rest.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

// Keeps the newest `kept` backups of one printer (by modification time, then
// by name) and removes its older ones; other printers' backups and files that
// are not backups are left alone.
void pruneBackups(const fs::path& folder, const std::string& stem, int kept) {
    struct Entry {
        fs::file_time_type time;
        fs::path path;
    };
    std::vector<Entry> entries;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code entryError;
        if (!it->is_regular_file(entryError) || !isBackupOf(it->path().filename().string(), stem))
            continue;
        entries.push_back({it->last_write_time(entryError), it->path()});
    }
    if (static_cast<int>(entries.size()) <= kept) return;
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.time != b.time ? a.time > b.time : a.path.filename() > b.path.filename();
    });
    for (std::size_t i = static_cast<std::size_t>(kept); i < entries.size(); ++i)
        fs::remove(entries[i].path, ec);
}

}  // namespace

std::string backupDirectory() {
    std::string state = absoluteOrNothing(std::getenv("XDG_STATE_HOME"));
    if (state.empty()) {
        const std::string home = absoluteOrNothing(std::getenv("HOME"));
        if (home.empty()) return {};
        state = home + "/.local/state";
    }
    return state + "/orvan-status-monitor/backups";
}

std::string isoTime(std::time_t when) {
    return utcText(when, "%Y-%m-%dT%H:%M:%SZ");
}

std::string keepBackup(const std::string& directory, const std::string& printer, std::time_t when,
                       const std::string& text) {
    if (directory.empty() || !makePrivateFolders(directory)) return {};
    const std::string name = fileNameOf(printer);
    const std::string stem = directory + "/" + name + "-" + utcText(when, "%Y%m%dT%H%M%SZ");
    std::string path = stem + ".json";
    std::error_code ec;
    for (int i = 2; fs::exists(fs::symlink_status(path, ec)) && i < kSameSecondTries; ++i)
        path = stem + "-" + std::to_string(i) + ".json";
    if (fs::exists(fs::symlink_status(path, ec))) return {};
    if (!report::WriteFileAtomically(path, text, 0600)) return {};
    pruneBackups(directory, name, kBackupsKept);
    return path;
}

}  // namespace orvan::settings_file
