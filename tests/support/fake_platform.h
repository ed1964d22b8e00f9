#pragma once
// A scriptable operating system and tray icon for monitors built in tests and
// benchmarks: by default an administrator, both port libraries installed, no
// other copy running.
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "shell/platform.h"
#include "shell/tray_icon.h"

namespace orvan::testing {

class FakePlatform : public shell::Platform {
  public:
    bool administrator = true;
    bool lockFree = true;
    int lockAttempts = 0;
    std::set<std::string> files{"/system/libLNKCMD.so", "/system/libLNKSET.so"};

    bool isAdministrator() override { return administrator; }
    bool acquireInstanceLock() override {
        ++lockAttempts;
        return lockFree;
    }
    int forwardRequests = 0;  // asks of the running copy to come forward
    bool askRunningCopyForward() override {
        ++forwardRequests;
        return !lockFree;
    }
    bool fileExists(const std::string& path) override { return files.count(path) != 0; }
    std::string systemLibraryDirectory() override { return "/system"; }
    std::string currentDirectory() override { return "/current"; }
};

// Counts what the monitor does with its icon. Its geometry is what a test
// sets; while the popup is "up", whileTracking runs (a test chooses an item,
// or tries another gesture, there).
class CountingTray : public shell::TrayIcon {
  public:
    int added = 0, removed = 0, popups = 0;
    shell::TrayGeometry where;
    std::vector<shell::PopupPlacement> placements;
    std::function<void()> whileTracking;

    bool host = true;  // a notification area is there
    void add() override { ++added; }
    void remove() override { ++removed; }
    bool shown() override { return host && added > removed; }
    shell::TrayGeometry geometry() override { return where; }
    std::vector<std::pair<status::Glance, std::string>> states;  // what the icon was told
    void showState(status::Glance state, const std::string& tooltip) override {
        states.emplace_back(state, tooltip);
    }
    void trackPopup(const shell::PopupPlacement& placement) override {
        ++popups;
        placements.push_back(placement);
        if (whileTracking) whileTracking();
    }
};

}  // namespace orvan::testing
