#pragma once
// Where the printer libraries (and the colour-guidance and common libraries)
// are loaded from: the system library folder first, then the current folder.
#include <optional>
#include <string>

namespace orvan::link {

inline constexpr const char* kCommandLibraryFile = "libLNKCMD.so";
inline constexpr const char* kSettingsLibraryFile = "libLNKSET.so";
inline constexpr const char* kGuidanceLibraryFile = "libHueAdvisor.so";
inline constexpr const char* kCommonLibraryFile = "libLNKCOM.so";

// ORVAN_SYSTEM_LIBDIR when set, else the folder the program was installed
// with (ORVAN_DEFAULT_LIBDIR at build time).
std::string systemLibraryDir();

// The library's path in systemDir, else in the current folder; nullopt when
// it is in neither. fileName must be a bare file name.
std::optional<std::string> findPortLibrary(const std::string& fileName,
                                           const std::string& systemDir);
std::optional<std::string> findPortLibrary(const std::string& fileName,
                                           const std::string& systemDir,
                                           const std::string& currentDir);

}  // namespace orvan::link
