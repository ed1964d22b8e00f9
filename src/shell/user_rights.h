#pragma once
// The functions an administrator has opened to users who are not
// administrators. Viewing is never restricted; these guard the changes.
#include <array>
#include <cstddef>

namespace orvan::shell {

// Index of each flag; 5 and 6 open nothing and are always saved cleared.
enum class Right : std::size_t {
    PrintCounterClear = 0,
    PrinterSettingTab = 1,
    RetransferTab = 2,
    BendRemedyTab = 3,
    MediaSettingTab = 4,
    Unused5 = 5,
    Unused6 = 6,
    PrinterSelectTab = 7,
    LaminatorTab = 8,
    SecurityLock = 9,
    TestPrint = 10,
    FirmwareDownload = 11,
};

inline constexpr std::size_t kUserRightCount = 12;

struct UserRights {
    std::array<bool, kUserRightCount> flags{};

    bool granted(std::size_t index) const { return index < flags.size() && flags[index]; }
    bool granted(Right right) const { return granted(static_cast<std::size_t>(right)); }
    void clear() { flags.fill(false); }
    bool operator==(const UserRights&) const = default;
};

}  // namespace orvan::shell
