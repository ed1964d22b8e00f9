#pragma once
// The check a firmware file's name passes before anything goes to the
// printer: the name must end in a dot and three characters. Which three is
// not checked here; the printer judges the file itself.
#include <string>
#include <string_view>

namespace orvan::maintenance {

enum class FirmwareName { Empty, NoExtension, WithExtension };

// Blanks (spaces and tabs) at either end removed.
std::string TrimBlanks(std::string_view text);

// Judges a trimmed name. The extension is looked for in the file's own name,
// after the last "/", so a dot in a folder's name never counts as one.
FirmwareName CheckFirmwareName(std::string_view name);

}  // namespace orvan::maintenance
