#pragma once
// $XDG_STATE_HOME in a scratch folder for as long as it lives, and the
// settings backups found there.
#include <cstdlib>
#include <filesystem>
#include <string>

#include "profile/scratch_dir.h"

namespace orvan::testing {

struct ScratchStateHome {
    ScratchDir dir;
    std::string before;
    bool had = false;
    ScratchStateHome() {
        if (const char* s = std::getenv("XDG_STATE_HOME")) before = s, had = true;
        ::setenv("XDG_STATE_HOME", dir.path().c_str(), 1);
    }
    ~ScratchStateHome() {
        if (had)
            ::setenv("XDG_STATE_HOME", before.c_str(), 1);
        else
            ::unsetenv("XDG_STATE_HOME");
    }
    ScratchStateHome(const ScratchStateHome&) = delete;
    ScratchStateHome& operator=(const ScratchStateHome&) = delete;
    int backups() const {
        int n = 0;
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(
                 dir.path() / "orvan-status-monitor" / "backups", ec))
            n += e.is_regular_file();
        return n;
    }
};

}  // namespace orvan::testing
