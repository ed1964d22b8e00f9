#include "settings_file/settings_backups.h"

#include <sys/stat.h>

#include <algorithm>
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

// Keeps the newest `kept` backups of the folder (by modification time, then
// by name), removes the others.
void pruneBackups(const fs::path& folder, int kept) {
    struct Entry {
        fs::file_time_type time;
        fs::path path;
    };
    std::vector<Entry> entries;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(folder, ec)) {
        if (!e.is_regular_file(ec) || e.path().extension() != ".json") continue;
        entries.push_back({e.last_write_time(ec), e.path()});
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
    const std::string stem =
        directory + "/" + fileNameOf(printer) + "-" + utcText(when, "%Y%m%dT%H%M%SZ");
    std::string path = stem + ".json";
    std::error_code ec;
    for (int i = 2; fs::exists(fs::symlink_status(path, ec)) && i < kSameSecondTries; ++i)
        path = stem + "-" + std::to_string(i) + ".json";
    if (fs::exists(fs::symlink_status(path, ec))) return {};
    if (!report::WriteFileAtomically(path, text, 0600)) return {};
    pruneBackups(directory, kBackupsKept);
    return path;
}

}  // namespace orvan::settings_file
