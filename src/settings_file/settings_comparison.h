#pragma once
// A settings file beside a printer: one row per setting of the file, with
// the printer's value, whether they differ and whether the printer can take
// the file's value at all.
#include <optional>
#include <string>
#include <vector>

#include "link/settings_image.h"
#include "settings_file/setting_catalogue.h"
#include "settings_file/settings_document.h"

namespace orvan::settings_file {

struct ComparisonRow {
    const Setting* setting;
    std::optional<int> printerValue;  // none: the printer does not offer it
    int fileValue;
    bool differs;
    std::string refusal;  // why this printer cannot take it ("" when it can)
    bool takes() const { return refusal.empty(); }
    bool toWrite() const { return differs && takes(); }
};

struct Comparison {
    std::vector<ComparisonRow> rows;  // in the catalogue's order
    int changes() const;              // rows to write
    int skipped() const;              // differing rows the printer cannot take
    bool same() const { return changes() == 0 && skipped() == 0; }
};

// overUsb: how the printer is reached; its network page's own settings are
// set only over USB (over the network that request carries the name alone).
Comparison compare(const SettingsDocument& doc, const link::SettingsImage& image,
                   const link::Identity& identity, bool overUsb);

// Puts the rows to write into the image.
void applyToImage(const Comparison& comparison, link::SettingsImage& image);

// The rows to write, by carrier, in the catalogue's order of carriers.
std::vector<Carrier> carriersToWrite(const Comparison& comparison);

}  // namespace orvan::settings_file
