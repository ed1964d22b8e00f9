#include "link/library_locator.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#ifndef ORVAN_DEFAULT_LIBDIR
#define ORVAN_DEFAULT_LIBDIR "/usr/local/lib"
#endif

namespace orvan::link {
namespace {

bool isFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string currentDirectory() {
    std::vector<char> buffer(4096);
    return ::getcwd(buffer.data(), buffer.size()) != nullptr ? std::string(buffer.data()) : ".";
}

std::string joinPath(const std::string& dir, const std::string& name) {
    if (dir.empty() || dir.back() == '/') return dir + name;
    return dir + "/" + name;
}

}  // namespace

std::string systemLibraryDir() {
    const char* dir = std::getenv("ORVAN_SYSTEM_LIBDIR");
    return dir != nullptr && *dir != '\0' ? dir : ORVAN_DEFAULT_LIBDIR;
}

std::optional<std::string> findPortLibrary(const std::string& fileName,
                                           const std::string& systemDir) {
    return findPortLibrary(fileName, systemDir, currentDirectory());
}

std::optional<std::string> findPortLibrary(const std::string& fileName,
                                           const std::string& systemDir,
                                           const std::string& currentDir) {
    // A name with a folder in it would let the search leave both folders.
    if (fileName.empty() || fileName.find('/') != std::string::npos || fileName == "." ||
        fileName == "..") {
        return std::nullopt;
    }
    for (const auto& dir : {systemDir, currentDir}) {
        if (dir.empty()) continue;
        const std::string path = joinPath(dir, fileName);
        if (isFile(path)) return path;
    }
    return std::nullopt;
}

}  // namespace orvan::link
