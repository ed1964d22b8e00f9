#include "settings_file/setting_catalogue.h"

#include <string>

#include "link/page_layouts.h"

namespace orvan::settings_file {
namespace {

using link::conditionField;
using link::laminatorField;
using link::magneticField;
using link::networkField;
using LM = link::LaminatorSettingPage;
using MG = link::MagneticSettingPage;
using NW = link::NetworkSettingPage;
using PC = link::PrintConditionPage;

constexpr std::int16_t kBendOff = 10;  // bend remedy temperature byte: disabled

// In the order of the tabs, so that a file reads like the window.
const Setting kSettings[] = {
    // Printer Setting
    {"PrintCondition.Byte50", "YMC Ink Print Level", conditionField<&PC::Byte50>,
     Carrier::Condition, Unit::None, 0, 6, 1, 3},
    {"PrintCondition.Byte41", "Resin K Ink Print Level", conditionField<&PC::Byte41>,
     Carrier::Condition, Unit::None, 0, 6, 1, 3},
    {"PrintCondition.Byte43", "UV Ink Print Level", conditionField<&PC::Byte43>, Carrier::Condition,
     Unit::None, 0, 6, 1, 3},
    {"PrintCondition.Byte44", "Peel Off Ink Print Level", conditionField<&PC::Byte44>,
     Carrier::Condition, Unit::None, 0, 6, 1, 3},
    {"PrintCondition.Byte42", "Resin K Ink Print Mode", conditionField<&PC::Byte42>,
     Carrier::Condition, Unit::None, 0, 1},
    {"PrintCondition.Byte16", "MG Peel Mode", conditionField<&PC::Byte16>, Carrier::Condition,
     Unit::None, 0, 1},
    {"PrintCondition.Byte23", "Standby Mode", conditionField<&PC::Byte23>, Carrier::Condition,
     Unit::TurnOver, 0, 1},
    {"PrintCondition.Byte58", "Back Side Cooling", conditionField<&PC::Byte58>, Carrier::Condition,
     Unit::TurnOver, 0, 1},
    {"MagneticSetting.Byte7", "Number of Retry", magneticField<&MG::Byte7>, Carrier::Magnetic,
     Unit::AnyEncoder, 0, 3},
    {"MagneticSetting.Byte2", "ISO Mode", magneticField<&MG::Byte2>, Carrier::Magnetic,
     Unit::IsoEncoder, 0, 1},
    {"MagneticSetting.Byte3", "JIS Mode", magneticField<&MG::Byte3>, Carrier::Magnetic,
     Unit::JisEncoder, 0, 1},
    {"PrintCondition.Byte46", "Power Saving Interval", conditionField<&PC::Byte46>,
     Carrier::Condition, Unit::None, 0, 8},
    {"PrintCondition.Byte8", "HR Control", conditionField<&PC::Byte8>, Carrier::Condition,
     Unit::None, 0, 1},
    {"PrintCondition.Byte45", "Buzzer", conditionField<&PC::Byte45>, Carrier::Condition, Unit::None,
     0, 1},
    {"PrintCondition.Byte51", "Display Contrast", conditionField<&PC::Byte51>, Carrier::Condition,
     Unit::None, 0, 6, 1, 3},
    {"PrintCondition.Byte53", "Display Mode", conditionField<&PC::Byte53>, Carrier::Condition,
     Unit::None, 0, 1},
    {"PrintCondition.Byte54", "Display Counter", conditionField<&PC::Byte54>, Carrier::Condition,
     Unit::None, 0, 4},
    // Retransfer
    {"PrintCondition.Byte33", "Retransfer Temperature", conditionField<&PC::Byte33>,
     Carrier::Retransfer, Unit::None, 0, 4},
    {"PrintCondition.Byte34", "Front Side Speed", conditionField<&PC::Byte34>, Carrier::Retransfer,
     Unit::None, 0, 5},
    {"PrintCondition.Byte35", "Back Side Speed", conditionField<&PC::Byte35>, Carrier::Retransfer,
     Unit::None, 0, 5},
    {"PrintCondition.Byte56", "Front Side UV Speed", conditionField<&PC::Byte56>,
     Carrier::Retransfer, Unit::None, 0, 5},
    {"PrintCondition.Byte57", "Back Side UV Speed", conditionField<&PC::Byte57>,
     Carrier::Retransfer, Unit::None, 0, 5},
    // Bend Remedy
    {"PrintCondition.Byte36", "Bend Remedy Temperature", conditionField<&PC::Byte36>,
     Carrier::BendRemedy, Unit::BendRemedy, 0, 5, 1, 0, kBendOff},
    {"PrintCondition.Byte37", "Bend Remedy Speed", conditionField<&PC::Byte37>, Carrier::BendRemedy,
     Unit::BendRemedy, 0, 4},
    // Media Setting
    {"PrintCondition.Byte20", "Film Type", conditionField<&PC::Byte20>, Carrier::Media, Unit::None,
     0, 2, 2},
    {"PrintCondition.Byte22", "Thickness", conditionField<&PC::Byte22>, Carrier::Media, Unit::None,
     0, 2, 2},
    // Laminator
    {"LaminatorSetting.Byte2", "Laminate Mode", laminatorField<&LM::Byte2>, Carrier::Laminator,
     Unit::Laminator, 0, 1},
    {"LaminatorSetting.Byte9", "Laminator HR Control", laminatorField<&LM::Byte9>,
     Carrier::Laminator, Unit::Laminator, 0, 1},
    {"LaminatorSetting.Byte14", "Bottom Side Film Type", laminatorField<&LM::Byte14>,
     Carrier::Laminator, Unit::Laminator, 0, 1},
    {"LaminatorSetting.Byte15", "Bottom Side Position", laminatorField<&LM::Byte15>,
     Carrier::Laminator, Unit::Laminator, 0, 14, 1, 7},
    {"LaminatorSetting.Byte16", "Bottom Side Temperature", laminatorField<&LM::Byte16>,
     Carrier::Laminator, Unit::Laminator, 0, 18},
    {"LaminatorSetting.Byte3", "Top Side Film Type", laminatorField<&LM::Byte3>, Carrier::Laminator,
     Unit::Laminator, 0, 1},
    {"LaminatorSetting.Byte4", "Top Side Position", laminatorField<&LM::Byte4>, Carrier::Laminator,
     Unit::Laminator, 0, 14, 1, 7},
    {"LaminatorSetting.Byte5", "Top Side Temperature", laminatorField<&LM::Byte5>,
     Carrier::Laminator, Unit::Laminator, 0, 18},
    {"LaminatorSetting.Byte6", "Laminator Speed", laminatorField<&LM::Byte6>, Carrier::Laminator,
     Unit::Laminator, 0, 18},
    {"LaminatorSetting.Byte8", "Cooling Time", laminatorField<&LM::Byte8>, Carrier::Laminator,
     Unit::Laminator, 0, 6},
    // Printer Select: never the addresses, the name or how they are obtained
    {"NetworkSetting.Byte16", "Default Interface", networkField<&NW::Byte16>, Carrier::Network,
     Unit::None, 0, 1},
    {"NetworkSetting.Byte14", "Session Timeout", networkField<&NW::Byte14>, Carrier::Network,
     Unit::None, 0, 4},
};

struct UnitRow {
    Unit unit;
    std::string_view name;
    int optionIndex;  // of Identity::Option
    int wanted;       // 0: any non-zero byte; -1: 1 or 2
};
constexpr int kEncoderOption = 0, kTurnOverOption = 4, kBendOption = 5, kLaminatorOption = 7;
constexpr UnitRow kUnits[] = {
    {Unit::None, "", -1, 0},
    {Unit::TurnOver, "turnover unit", kTurnOverOption, 0},
    {Unit::IsoEncoder, "ISO magnetic encoder", kEncoderOption, 1},
    {Unit::JisEncoder, "JIS magnetic encoder", kEncoderOption, 2},
    {Unit::AnyEncoder, "magnetic encoder", kEncoderOption, -1},
    {Unit::BendRemedy, "bend remedy unit", kBendOption, 0},
    {Unit::Laminator, "laminator", kLaminatorOption, 0},
};

const UnitRow& unitRow(Unit unit) {
    return kUnits[static_cast<int>(unit)];
}

}  // namespace

std::span<const Setting> settingCatalogue() {
    return kSettings;
}

const Setting* findSetting(std::string_view key) {
    for (const auto& s : kSettings)
        if (s.key == key) return &s;
    return nullptr;
}

bool byteAllowed(const Setting& s, int byte) {
    if (s.alsoAllowed >= 0 && byte == s.alsoAllowed) return true;
    return byte >= s.low && byte <= s.high && (byte - s.low) % s.step == 0;
}

std::string shownRange(const Setting& s) {
    std::string text;
    if (s.step == 1) {
        text = std::to_string(shownOf(s, s.low)) + ".." + std::to_string(shownOf(s, s.high));
    } else {
        for (int b = s.low; b <= s.high; b += s.step)
            text += (text.empty() ? "" : ", ") + std::to_string(shownOf(s, b));
    }
    if (s.alsoAllowed >= 0) text += " or " + std::to_string(shownOf(s, s.alsoAllowed));
    return text;
}

bool unitFitted(Unit unit, const link::Identity& identity) {
    const UnitRow& row = unitRow(unit);
    if (row.optionIndex < 0) return true;
    const int option = identity.Option[static_cast<std::size_t>(row.optionIndex)];
    if (row.wanted == 0) return option != 0;
    if (row.wanted < 0) return option == 1 || option == 2;
    return option == row.wanted;
}

std::string_view unitName(Unit unit) {
    return unitRow(unit).name;
}

}  // namespace orvan::settings_file
