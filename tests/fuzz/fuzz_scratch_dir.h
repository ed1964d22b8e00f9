#pragma once
// A private directory for a fuzzer's files, in memory where the system has
// such a place: every rewrite syncs to disk, which would starve the fuzzer.
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>

struct FuzzScratchDir {
    std::filesystem::path path;
    FuzzScratchDir() {
        const std::filesystem::path shm = "/dev/shm";
        std::error_code ec;
        const auto base =
            std::filesystem::is_directory(shm, ec) ? shm : std::filesystem::temp_directory_path();
        std::string pattern = (base / "orvan-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        path = pattern;
    }
    ~FuzzScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    FuzzScratchDir(const FuzzScratchDir&) = delete;
    FuzzScratchDir& operator=(const FuzzScratchDir&) = delete;
};
