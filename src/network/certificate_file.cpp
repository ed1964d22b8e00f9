#include "network/certificate_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace orvan::network {
namespace {

// Closes the descriptor when it goes.
struct OpenFile {
    int fd;
    explicit OpenFile(const std::string& path)
        : fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY)) {}
    ~OpenFile() {
        if (fd >= 0) ::close(fd);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
};

// Reads until `area` is full or the file ends; -1 when a read fails.
long readAll(int fd, std::span<std::uint8_t> area) {
    std::size_t got = 0;
    while (got < area.size()) {
        const ssize_t n = ::read(fd, area.data() + got, area.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    return static_cast<long>(got);
}

}  // namespace

CertificateFile ReadCertificateFile(const std::string& path, std::size_t most) {
    CertificateFile file;
    if (path.empty()) return file;
    const OpenFile opened(path);
    struct stat st {};
    if (opened.fd < 0 || ::fstat(opened.fd, &st) != 0 || !S_ISREG(st.st_mode)) return file;
    // One byte more than may be sent tells a file that is too large.
    link::SecretBytes area(most + 1);
    const long got = readAll(opened.fd, area.span());
    if (got < 0) return file;
    const auto size = static_cast<std::size_t>(got);
    if (size == 0) {
        file.check = FileCheck::Empty;
    } else if (size > most) {
        file.check = FileCheck::TooLarge;
    } else {
        file.check = FileCheck::Read;
        file.bytes = link::SecretBytes(size);
        std::copy_n(area.data(), size, file.bytes.data());
    }
    return file;
}

}  // namespace orvan::network
