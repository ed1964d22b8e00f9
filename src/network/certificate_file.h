#pragma once
// A key or certificate file read whole into memory, as the download sends
// it: never more than the working buffer holds, and only a regular file (a
// folder or a device is "not found", never a wait for input).
#include <cstddef>
#include <string>

#include "link/password.h"

namespace orvan::network {

// The working buffer a file is read into.
inline constexpr std::size_t kFileBufferSize = 8193;

enum class FileCheck { Read, NotFound, Empty, TooLarge };

struct CertificateFile {
    FileCheck check = FileCheck::NotFound;
    link::SecretBytes bytes;  // the whole file when check is Read
};

// Reads at most `most` bytes; a longer file is TooLarge, with no bytes kept.
CertificateFile ReadCertificateFile(const std::string& path, std::size_t most);

}  // namespace orvan::network
