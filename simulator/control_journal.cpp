#include "simulator/control_journal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "simulator/control_commands.h"
#include "simulator/file_descriptor.h"

namespace orvan::sim {

std::string controlJournalPath() {
    if (const char* path = std::getenv("ORVAN_SIM_CONTROL"); path != nullptr && *path != '\0') {
        return path;
    }
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string dir = runtime != nullptr && *runtime != '\0' ? runtime : "/tmp";
    return dir + "/orvan-sim-" + std::to_string(::getuid()) + ".ctl";
}

bool appendControlLine(const std::string& path, std::string_view line) {
    FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600));
    if (fd.get() < 0) return false;
    std::string text(line);
    text.push_back('\n');
    // One write, so that lines of two writers never interleave.
    return ::write(fd.get(), text.data(), text.size()) == static_cast<ssize_t>(text.size());
}

int ControlJournal::poll(SimulatedPrinters& world) {
    struct stat st {};
    if (::stat(path_.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return 0;
    const auto size = static_cast<std::uint64_t>(st.st_size);
    JournalPosition& at = position_;
    if (st.st_dev != at.device || st.st_ino != at.inode || size < at.offset) {
        at = {0, st.st_dev, st.st_ino, {}, false};
    }
    if (size == at.offset) return 0;

    FileDescriptor fd(::open(path_.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) return 0;
    std::vector<char> chunk(std::min<std::uint64_t>(size - at.offset, kMaxReadPerPoll));
    const ssize_t got =
        ::pread(fd.get(), chunk.data(), chunk.size(), static_cast<off_t>(at.offset));
    if (got <= 0) return 0;
    at.offset += static_cast<std::uint64_t>(got);
    at.pending.append(chunk.data(), static_cast<std::size_t>(got));
    return applyLines(world);
}

int ControlJournal::applyLines(SimulatedPrinters& world) {
    std::string& pending = position_.pending;
    bool& skipping = position_.skipping;
    int applied = 0;
    std::size_t start = 0;
    for (std::size_t end; (end = pending.find('\n', start)) != std::string::npos; start = end + 1) {
        if (skipping) {
            skipping = false;
            continue;
        }
        std::string_view line(pending.data() + start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (auto command = parseControlLine(line); command && applyControl(*command, world)) {
            ++applied;
        }
    }
    pending.erase(0, start);
    if (pending.size() > kMaxControlLine) {
        // Not a command: drop it up to its end, whenever that comes.
        pending.clear();
        skipping = true;
    }
    return applied;
}

}  // namespace orvan::sim
