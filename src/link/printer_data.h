#pragma once
// Everything the link reads from the selected printer, in one place.
#include "link/settings_image.h"

namespace orvan::link {

struct PrinterData {
    SettingsImage image;
    SettingsImage lastGood;  // copy after each good page read; a failed read falls back to it
    Identity identity;
    JobList jobs;
};

}  // namespace orvan::link
