#pragma once
// The copies of a printer's settings kept before a settings file is applied
// to it, so that any apply can be undone by applying the copy:
// $XDG_STATE_HOME/orvan-status-monitor/backups/<printer>-<time>.json (the
// state home defaults to ~/.local/state), the newest 20 of each printer kept.
#include <ctime>
#include <string>

namespace orvan::settings_file {

inline constexpr int kBackupsKept = 20;

// "" when neither $XDG_STATE_HOME nor $HOME is an absolute path.
std::string backupDirectory();

// Writes text as the printer's backup of `when`, creating the folders (mode
// 0700) as needed, then removes all but the newest kBackupsKept of that
// folder. Returns the path, or "" when nothing could be written.
std::string keepBackup(const std::string& directory, const std::string& printer, std::time_t when,
                       const std::string& text);

// "2026-12-08T23:59:00Z"
std::string isoTime(std::time_t when);

}  // namespace orvan::settings_file
