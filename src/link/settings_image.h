#pragma once
// The in-memory record of the printer's settings, grouped by mode page, and
// the identity and job list read beside it. USB page reads and network item
// reads fill the same fields, so the tabs never care how the printer is
// connected. Setting fields hold a byte value 0..255; 255 read from the
// printer means "not offered".
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "link/conversions.h"
#include "link/link_state.h"

namespace orvan::link {

struct MediaInfoPage {  // page 0x23, read only
    std::int16_t Byte2 = 0;
    std::int32_t Count = 0;  // ink sets left, 16-bit on the page
    std::string Text;        // ink lot number, up to 6 characters
    bool operator==(const MediaInfoPage&) const = default;
};

struct PrintConditionPage {  // page 0x28
    std::int16_t Byte8 = 0, Byte9 = 0, Byte16 = 0, Byte20 = 0, Byte22 = 0, Byte23 = 0;
    std::int16_t Byte33 = 0, Byte34 = 0, Byte35 = 0, Byte36 = 0, Byte37 = 0, Byte39 = 0;
    std::int16_t Byte41 = 0, Byte42 = 0, Byte43 = 0, Byte44 = 0, Byte45 = 0, Byte46 = 0;
    std::int16_t Byte47 = 0, Byte48 = 0, Byte49 = 0, Byte50 = 0, Byte51 = 0;
    std::int16_t Byte53 = 0, Byte54 = 0, Byte55 = 0, Byte56 = 0, Byte57 = 0, Byte58 = 0;
    bool operator==(const PrintConditionPage&) const = default;
};

struct MagneticSettingPage {  // page 0x2A
    std::int16_t Byte2 = 0, Byte3 = 0, Byte7 = 0;
    bool operator==(const MagneticSettingPage&) const = default;
};

struct LaminatorSettingPage {  // page 0x2C
    std::int16_t Byte2 = 0, Byte3 = 0, Byte4 = 0, Byte5 = 0, Byte6 = 0, Byte7 = 0;
    std::int16_t Byte8 = 0, Byte9 = 0, Byte14 = 0, Byte15 = 0, Byte16 = 0;
    bool operator==(const LaminatorSettingPage&) const = default;
};

struct NetworkSettingPage {  // page 0x2D
    std::int16_t Byte2 = 0, Byte3 = 0, Byte4 = 0, Byte5 = 0, Byte6 = 0, Byte7 = 0, Byte8 = 0;
    std::int16_t Byte9 = 0, Byte10 = 0, Byte11 = 0, Byte12 = 0, Byte13 = 0, Byte14 = 0;
    std::int16_t Byte15 = 0, Byte16 = 0;
    // Printer name: up to 10 characters, ended early by a 0 byte. Reads copy
    // only up to that 0, so later bytes may hold an older, longer name.
    std::array<std::uint8_t, 11> Name{};
    std::int16_t Byte27 = 0, Byte28 = 0, Byte29 = 0, Byte30 = 0;
    AddressBytes Block31{}, Block47{};
    bool operator==(const NetworkSettingPage&) const = default;
};

struct CounterFields {
    std::int32_t PrinterTotal = 0, Print = 0, ThermalHead = 0, Cleaning = 0, Error = 0;
    std::int32_t LaminatorTotal = 0, LaminatorCleaning = 0;
    bool operator==(const CounterFields&) const = default;
};

struct SettingsImage {
    // Program-side values, never read from the printer.
    std::int16_t CardMaterial = 0, FrontCell = 0, BackCell = 0, BendCell = 0;
    MediaInfoPage MediaInfo;
    PrintConditionPage PrintCondition;
    MagneticSettingPage MagneticSetting;
    LaminatorSettingPage LaminatorSetting;
    NetworkSettingPage NetworkSetting;
    CounterFields Counters;
    std::array<AddressBytes, 3> NetIPv6Blocks{};  // further IPv6 addresses, network only
    std::array<std::uint8_t, 6> MacAddress{};
    std::int16_t IpsecEnabled = 0, IpsecMode = 0;  // mode: 0 off, 1 preshared key, 2 certificate
    bool operator==(const SettingsImage&) const = default;
};

struct Identity {
    std::string PrinterVersion, LaminatorVersion, ConfigVersion, TableVersion;
    std::array<std::uint8_t, 8> Option{};                // inquiry bytes 40..47
    std::uint8_t Option40() const { return Option[0]; }  // magnetic encoder
    std::uint8_t Option41() const { return Option[1]; }
    std::uint8_t Option42() const { return Option[2]; }
    std::uint8_t Option43() const { return Option[3]; }
    std::uint8_t Option44() const { return Option[4]; }
    std::uint8_t Option45() const { return Option[5]; }  // bend remedy unit
    std::uint8_t Option46() const { return Option[6]; }  // security lock unit
    std::uint8_t Option47() const { return Option[7]; }  // laminator
    bool operator==(const Identity&) const = default;
};

// Queued documents. owners and documents always hold at least `count`
// entries, so a reader may index them up to count - 1.
struct JobList {
    int count = 0;
    std::vector<std::string> owners, documents;
    bool operator==(const JobList&) const = default;
};

// The printer name as text: up to the first 0 byte, at most 10 characters,
// each byte a Latin-1 character (conversions.h).
inline std::string networkName(const NetworkSettingPage& page) {
    return SingleByteText(page.Name, 10);
}

// References to one-byte setting fields, so that page layouts and network
// item lists can be plain tables: a FieldRef names one field of the image.
using FieldRef = std::int16_t& (*)(SettingsImage&);
using CounterRef = std::int32_t& (*)(SettingsImage&);

template <std::int16_t SettingsImage::*F>
std::int16_t& imageField(SettingsImage& s) {
    return s.*F;
}
template <std::int16_t MediaInfoPage::*F>
std::int16_t& mediaField(SettingsImage& s) {
    return s.MediaInfo.*F;
}
template <std::int16_t PrintConditionPage::*F>
std::int16_t& conditionField(SettingsImage& s) {
    return s.PrintCondition.*F;
}
template <std::int16_t MagneticSettingPage::*F>
std::int16_t& magneticField(SettingsImage& s) {
    return s.MagneticSetting.*F;
}
template <std::int16_t LaminatorSettingPage::*F>
std::int16_t& laminatorField(SettingsImage& s) {
    return s.LaminatorSetting.*F;
}
template <std::int16_t NetworkSettingPage::*F>
std::int16_t& networkField(SettingsImage& s) {
    return s.NetworkSetting.*F;
}
template <std::int32_t CounterFields::*F>
std::int32_t& counterField(SettingsImage& s) {
    return s.Counters.*F;
}

// Reads a field through its reference without changing the image.
inline std::int16_t fieldValue(const SettingsImage& s, FieldRef ref) {
    return ref(const_cast<SettingsImage&>(s));
}

}  // namespace orvan::link
