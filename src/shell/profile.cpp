#include "shell/profile.h"
#include "ui/ascii_case.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <vector>

namespace orvan::shell {

namespace {

// A stray CR (a lone one, or one before a missing final newline) is no part
// of a name or a value.
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string_view cutAtNul(std::string_view s) {
    return s.substr(0, s.find('\0'));
}

// One line of the file without its terminator, and the terminator itself
// ("\n", "\r\n" or "" for a last line without one), so that lines we do not
// touch are written back byte for byte.
struct Line {
    std::string text;
    std::string eol;
};

std::vector<Line> splitLines(std::string_view contents) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < contents.size()) {
        const std::size_t nl = contents.find('\n', pos);
        if (nl == std::string_view::npos) {
            lines.push_back({std::string(contents.substr(pos)), ""});
            break;
        }
        const bool crlf = nl > pos && contents[nl - 1] == '\r';
        lines.push_back(
            {std::string(contents.substr(pos, nl - pos - (crlf ? 1 : 0))), crlf ? "\r\n" : "\n"});
        pos = nl + 1;
    }
    return lines;
}

std::string joinLines(const std::vector<Line>& lines) {
    std::string out;
    for (const Line& line : lines) out += line.text + line.eol;
    return out;
}

// The section name of a "[name]" line, if the line is one.
std::optional<std::string_view> sectionName(const Line& line) {
    if (line.text.size() > Profile::kMaxLineLength) return std::nullopt;
    const std::string_view t = trim(line.text);
    const std::size_t close = t.find(']');
    if (t.empty() || t.front() != '[' || close == std::string_view::npos) return std::nullopt;
    return trim(t.substr(1, close - 1));
}

struct KeyValue {
    std::string_view key;
    std::string_view value;
};

// The key and value of a "key=value" line; comments and other lines are not.
std::optional<KeyValue> keyValue(const Line& line) {
    if (line.text.size() > Profile::kMaxLineLength) return std::nullopt;
    const std::string_view t = trim(line.text);
    const std::size_t eq = t.find('=');
    if (t.empty() || t.front() == ';' || eq == std::string_view::npos) return std::nullopt;
    return KeyValue{trim(t.substr(0, eq)), trim(t.substr(eq + 1))};
}

constexpr std::size_t npos = static_cast<std::size_t>(-1);

// Where a key lives: its section's header line, the key's own line, and the
// last non-blank line of the section (where a new key goes).
struct Place {
    std::size_t header = npos;
    std::size_t keyLine = npos;
    std::size_t lastContent = npos;
};

Place locate(const std::vector<Line>& lines, std::string_view section, std::string_view key) {
    Place place;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionName(lines[i])) {
            if (place.header != npos) break;  // the first matching section ends here
            if (ui::equalsIgnoringCase(*name, section)) place.header = place.lastContent = i;
            continue;
        }
        if (place.header == npos) continue;
        if (!trim(lines[i].text).empty()) place.lastContent = i;
        const auto kv = keyValue(lines[i]);
        if (kv && place.keyLine == npos && ui::equalsIgnoringCase(kv->key, key)) place.keyLine = i;
    }
    return place;
}

enum class FileState { Missing, Read, Unusable };

struct Loaded {
    FileState state = FileState::Missing;
    std::string contents;
};

Loaded load(const std::string& path) {
    // A relative path would follow the current directory wherever it is.
    if (path.empty() || path.front() != '/') return {FileState::Unusable, {}};
    const int fd =
        ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);  // a FIFO must not block us
    if (fd < 0) {
        return {errno == ENOENT || errno == ENOTDIR ? FileState::Missing : FileState::Unusable, {}};
    }
    Loaded loaded{FileState::Unusable, {}};
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
        static_cast<std::size_t>(st.st_size) <= Profile::kMaxFileSize) {
        // Read until the end, stopping one chunk past the limit: the file may
        // grow while we read it.
        std::string buffer;
        buffer.reserve(static_cast<std::size_t>(st.st_size));
        char chunk[16384];
        bool ok = true;
        while (buffer.size() <= Profile::kMaxFileSize) {
            const ssize_t n = ::read(fd, chunk, sizeof chunk);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) ok = false;
            if (n <= 0) break;
            buffer.append(chunk, static_cast<std::size_t>(n));
        }
        if (ok && buffer.size() <= Profile::kMaxFileSize)
            loaded = {FileState::Read, std::move(buffer)};
    }
    ::close(fd);
    return loaded;
}

bool writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool validName(std::string_view name, char forbidden) {
    if (trim(name).empty()) return false;
    for (char c : name) {
        if (c == forbidden || c == '\n' || c == '\r' || c == '\0') return false;
    }
    return true;
}

std::string safeValue(std::string_view value) {
    std::string out(cutAtNul(value));
    for (char& c : out) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    return out;
}

// The terminator new lines get: whatever the file already uses, else "\n".
std::string lineEnding(const std::vector<Line>& lines) {
    for (const Line& line : lines) {
        if (!line.eol.empty()) return line.eol;
    }
    return "\n";
}

// Sets or deletes one key in the lines of the file.
void applyEdit(std::vector<Line>& lines, const Profile::Edit& edit) {
    const std::string_view section = trim(edit.section);
    const std::string_view key = trim(edit.key);
    const Place place = locate(lines, section, key);
    if (!edit.value) {
        if (place.keyLine != npos)
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(place.keyLine));
        return;
    }
    const std::string eol = lineEnding(lines);
    const Line entry{std::string(key) + "=" + safeValue(*edit.value), eol};
    if (place.keyLine != npos) {
        lines[place.keyLine].text = entry.text;
        return;
    }
    // The line before the insertion point may be a last line without a
    // terminator; give it one so the new line starts on its own.
    const std::size_t after = place.header != npos ? place.lastContent : lines.size() - 1;
    if (!lines.empty() && lines[after].eol.empty()) lines[after].eol = eol;
    if (place.header != npos) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(after + 1), entry);
    } else {
        lines.push_back({"[" + std::string(section) + "]", eol});
        lines.push_back(entry);
    }
}

}  // namespace

Profile::Profile(std::string path, Writer writer)
    : path_(std::move(path)), writer_(writer ? std::move(writer) : Writer(writeAll)) {}

std::string Profile::readString(std::string_view section, std::string_view key,
                                std::string_view fallback, std::size_t maxChars) const {
    std::string_view value = fallback;
    section = trim(section);
    key = trim(key);
    const Loaded loaded = load(path_);
    const std::vector<Line> lines =
        loaded.state == FileState::Read ? splitLines(loaded.contents) : std::vector<Line>{};
    const Place place = locate(lines, section, key);
    if (place.keyLine != npos) value = keyValue(lines[place.keyLine])->value;
    value = cutAtNul(value);
    return std::string(value.substr(0, maxChars));
}

bool Profile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    const Edit edit{std::string(section), std::string(key), std::string(value)};
    return apply({&edit, 1});
}

bool Profile::deleteKey(std::string_view section, std::string_view key) {
    const Edit edit{std::string(section), std::string(key), std::nullopt};
    return apply({&edit, 1});
}

bool Profile::apply(std::span<const Edit> edits) {
    for (const Edit& edit : edits) {
        if (edit.value &&
            (!validName(trim(edit.section), ']') || !validName(trim(edit.key), '='))) {
            return false;
        }
    }
    const Loaded loaded = load(path_);
    if (loaded.state == FileState::Unusable) return false;
    std::vector<Line> lines = splitLines(loaded.contents);
    for (const Edit& edit : edits) applyEdit(lines, edit);
    const std::string contents = joinLines(lines);
    // Nothing changed (a key deleted from a missing file, say): leave the file alone.
    return contents == loaded.contents || replaceContents(contents);
}

bool Profile::replaceContents(const std::string& contents) const {
    namespace fs = std::filesystem;
    // Replace the file a link points to, not the link.
    fs::path target = path_;
    struct stat link {};
    if (::lstat(path_.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        std::error_code ec;
        target = fs::canonical(target, ec);
        if (ec) return false;
    }

    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    static std::atomic<unsigned> counter{0};
    std::string temp;
    int fd = -1;
    for (int tries = 0; tries < 16 && fd < 0; ++tries) {
        temp = target.string() + ".tmp-" + std::to_string(::getpid()) + "-" +
               std::to_string(counter++);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    bool ok = (!existed || ::fchmod(fd, old.st_mode & 07777) == 0) && writer_(fd, contents) &&
              ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    // Make the rename itself durable; failure here loses nothing already written.
    const int dir = ::open(target.parent_path().empty() ? "." : target.parent_path().c_str(),
                           O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

}  // namespace orvan::shell
