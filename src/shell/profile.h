#pragma once
// A private-profile (INI) file: "[section]" lines, then "key=value" lines.
// Section and key names match without regard to case; a missing file or key
// reads as the caller's default; the first write creates the file. Every write
// rewrites the whole file through a temporary file in the same directory and a
// rename, so a crash or a full disk never leaves a half-written file behind.
// Values are 8-bit text, passed through unchanged.
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orvan::shell {

class Profile {
  public:
    // A file beyond these sizes is not ours to interpret: reads give the
    // defaults and writes leave it alone.
    static constexpr std::size_t kMaxFileSize = 1u << 20;
    // A longer line is kept as it stands but never matched as a section or key.
    static constexpr std::size_t kMaxLineLength = 64u << 10;

    // Writes all of data to an open file descriptor; false on any failure.
    // Tests replace it to simulate a disk that fails part-way.
    using Writer = std::function<bool(int fd, std::string_view data)>;

    // path must be absolute: a relative one counts as an unusable file.
    explicit Profile(std::string path, Writer writer = {});

    const std::string& path() const { return path_; }

    // The value of key in section, blanks around it trimmed, cut at the first
    // NUL and to at most maxChars characters; fallback (cut the same way)
    // when the file, the section or the key is missing or the file is unusable.
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view fallback, std::size_t maxChars) const;

    // Sets key in section, adding the section or the key where missing and
    // keeping every other line as it was. The value is cut at its first NUL
    // and line breaks in it become blanks, so it can never add a line.
    // Returns false, changing nothing, when the file cannot be read or
    // replaced, or when a name is empty or holds a character that would break
    // the line ("]" in a section, "=" in a key, a line break or NUL in either).
    bool writeString(std::string_view section, std::string_view key, std::string_view value);

    // Removes key from section. A missing file, section or key is left as it
    // is (no file is created) and counts as success.
    bool deleteKey(std::string_view section, std::string_view key);

    // One change of a batch: set the key to value, or delete it when there is no value.
    struct Edit {
        std::string section;
        std::string key;
        std::optional<std::string> value;
    };
    // Applies the edits in order and replaces the file once, so a batch is
    // saved whole or not at all. Fails, changing nothing, where a single
    // write would; an edit that changes nothing costs no write.
    bool apply(std::span<const Edit> edits);

  private:
    bool replaceContents(const std::string& contents) const;

    std::string path_;
    Writer writer_;
};

}  // namespace orvan::shell
