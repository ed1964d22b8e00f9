#include "tabs/property_tab.h"

#include <span>
#include <string>

#include "link/conversions.h"

namespace orvan::tabs {
namespace {

using link::Identity;

struct VersionRow {
    int label;
    std::string Identity::*text;
};
constexpr VersionRow kVersions[] = {
    {2, &Identity::PrinterVersion},
    {3, &Identity::ConfigVersion},
    {4, &Identity::TableVersion},
    {5, &Identity::LaminatorVersion},
};

// How an option byte reads. A kind byte names the encoder; a presence byte
// is fitted when it is not 0; a laminator byte knows only 1 and 2. Values a
// kind or laminator byte does not know leave the label as it was.
enum class UnitKind { Encoder, Presence, Laminator };

struct UnitRow {
    int label;
    std::size_t optionOffset;  // into Identity::Option (inquiry byte 40 + offset)
    UnitKind kind;
};
constexpr UnitRow kUnits[] = {
    {6, 0, UnitKind::Encoder},   {7, 1, UnitKind::Encoder},    {9, 2, UnitKind::Presence},
    {8, 3, UnitKind::Presence},  {10, 4, UnitKind::Presence},  {11, 5, UnitKind::Presence},
    {30, 6, UnitKind::Presence}, {31, 7, UnitKind::Laminator},
};

const char* unitText(UnitKind kind, int value) {
    constexpr const char* kEncoders[] = {"None", "ISO", "JIS"};
    switch (kind) {
        case UnitKind::Encoder:
            return value >= 0 && value <= 2 ? kEncoders[value] : nullptr;
        case UnitKind::Presence:
            return value == 0 ? "None" : "Installed";
        case UnitKind::Laminator:
            if (value == 0) return "None";
            return value == 1 || value == 2 ? "Installed" : nullptr;
    }
    return nullptr;
}

struct CounterRow {
    int label;
    link::CounterRef counter;
};
constexpr CounterRow kCounters[] = {
    {32, link::counterField<&link::CounterFields::Print>},
    {34, link::counterField<&link::CounterFields::Cleaning>},
    {36, link::counterField<&link::CounterFields::Error>},
    {12, link::counterField<&link::CounterFields::PrinterTotal>},
    {13, link::counterField<&link::CounterFields::ThermalHead>},
};

template <typename Row, std::size_t N>
void createLabels(PropertyTab& tab, const Row (&rows)[N]) {
    for (const auto& row : rows)
        tab.Label5[static_cast<std::size_t>(row.label)] =
            std::make_unique<ui::Label>(ui::indexed("Label5", row.label));
}

}  // namespace

PropertyTab::PropertyTab(TabContext context) : context_(std::move(context)) {
    createLabels(*this, kVersions);
    createLabels(*this, kUnits);
    createLabels(*this, kCounters);
}

ui::ControlList PropertyTab::controls() {
    ui::ControlList list;
    list.add(Label5);
    return list;
}

void PropertyTab::clear() {
    for (auto& label : Label5)
        if (label) label->setCaption("");
}

void PropertyTab::fill() {
    if (!context_.connected()) {
        clear();
        return;
    }
    const Identity& identity = context_.data.identity;
    for (const auto& row : kVersions) label5(row.label).setCaption(" " + identity.*row.text);
    for (const auto& row : kUnits) {
        if (const char* text = unitText(row.kind, identity.Option[row.optionOffset]))
            label5(row.label).setCaption(text);
    }
    auto& image = context_.data.image;
    for (const auto& row : kCounters)
        label5(row.label).setCaption(link::NumberText(row.counter(image)));
}

}  // namespace orvan::tabs
