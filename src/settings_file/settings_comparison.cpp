#include "settings_file/settings_comparison.h"

#include <algorithm>

namespace orvan::settings_file {

int Comparison::changes() const {
    return static_cast<int>(std::count_if(rows.begin(), rows.end(),
                                          [](const ComparisonRow& r) { return r.toWrite(); }));
}

int Comparison::skipped() const {
    return static_cast<int>(std::count_if(
        rows.begin(), rows.end(), [](const ComparisonRow& r) { return r.differs && !r.takes(); }));
}

Comparison compare(const SettingsDocument& doc, const link::SettingsImage& image,
                   const link::Identity& identity, bool overUsb) {
    Comparison out;
    for (const Setting& s : settingCatalogue()) {
        const auto it = doc.values.find(std::string(s.key));
        if (it == doc.values.end()) continue;
        ComparisonRow row{&s, std::nullopt, it->second, true, {}};
        const int byte = link::fieldValue(image, s.field);
        const bool fitted = unitFitted(s.unit, identity);
        if (fitted && byteAllowed(s, byte)) row.printerValue = shownOf(s, byte);
        if (!fitted)
            row.refusal = "no " + std::string(unitName(s.unit)) + " fitted";
        else if (!row.printerValue)
            row.refusal = "not offered by this printer";
        else if (s.carrier == Carrier::Network && !overUsb)
            row.refusal = "set only over USB";
        row.differs = row.printerValue != row.fileValue;
        out.rows.push_back(std::move(row));
    }
    return out;
}

void applyToImage(const Comparison& comparison, link::SettingsImage& image) {
    for (const auto& row : comparison.rows)
        if (row.toWrite())
            row.setting->field(image) =
                static_cast<std::int16_t>(byteOf(*row.setting, row.fileValue));
}

std::vector<Carrier> carriersToWrite(const Comparison& comparison) {
    std::vector<Carrier> carriers;
    for (const auto& row : comparison.rows)
        if (row.toWrite() &&
            std::find(carriers.begin(), carriers.end(), row.setting->carrier) == carriers.end())
            carriers.push_back(row.setting->carrier);
    std::sort(carriers.begin(), carriers.end());
    return carriers;
}

}  // namespace orvan::settings_file
