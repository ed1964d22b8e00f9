#pragma once
// Where the files the program reads but never changes are: the pictures the
// window shows and the program icon.
#include <functional>
#include <string>

namespace orvan::shell {

// A picture every copy has, by which a folder is known to hold them.
inline constexpr const char* kDataMarkerFile = "LOGO.gif";

// The first folder holding the pictures: the program's own (a build tree),
// the installed data folder reached from the program's folder (an install,
// also staged or moved whole), then the data folder the build was made for.
// The last is the answer when none has them.
std::string DataDirectoryOf(const std::string& programDirectory,
                            const std::function<bool(const std::string&)>& fileExists,
                            const std::string& fromProgram, const std::string& installed);

// The same for the running program.
std::string dataDirectory();

}  // namespace orvan::shell
