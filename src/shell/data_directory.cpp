#include "shell/data_directory.h"

#include <sys/stat.h>

#include <filesystem>

#include "shell/platform.h"

namespace orvan::shell {

std::string DataDirectoryOf(const std::string& programDirectory,
                            const std::function<bool(const std::string&)>& fileExists,
                            const std::string& fromProgram, const std::string& installed) {
    auto holdsPictures = [&](const std::filesystem::path& folder) {
        return fileExists((folder / kDataMarkerFile).string());
    };
    if (!programDirectory.empty()) {
        const std::filesystem::path program(programDirectory);
        if (holdsPictures(program)) return programDirectory;
        if (!fromProgram.empty()) {
            const std::filesystem::path reached = (program / fromProgram).lexically_normal();
            if (holdsPictures(reached)) return reached.string();
        }
    }
    return installed;
}

std::string dataDirectory() {
    static const std::string found = DataDirectoryOf(
        executableDirectory(),
        [](const std::string& path) {
            struct stat st {};
            return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
        },
        ORVAN_DATA_DIR_FROM_PROGRAM, ORVAN_DATA_DIR);
    return found;
}

}  // namespace orvan::shell
