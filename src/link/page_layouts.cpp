#include "link/page_layouts.h"

#include <algorithm>
#include <array>

namespace orvan::link {
namespace {

using MI = MediaInfoPage;
using PC = PrintConditionPage;
using MG = MagneticSettingPage;
using LM = LaminatorSettingPage;
using NW = NetworkSettingPage;

constexpr ByteField kMediaInfoBytes[] = {
    {2, -1, mediaField<&MI::Byte2>},
};

// The print-condition request packs its fields into 32 bytes of its own
// order; the status values and stored-only bytes are never sent.
constexpr ByteField kPrintConditionBytes[] = {
    {8, 18, conditionField<&PC::Byte8>},   {9, -1, conditionField<&PC::Byte9>},
    {16, 11, conditionField<&PC::Byte16>}, {20, 17, conditionField<&PC::Byte20>},
    {22, 19, conditionField<&PC::Byte22>}, {23, 12, conditionField<&PC::Byte23>},
    {33, 4, conditionField<&PC::Byte33>},  {34, 5, conditionField<&PC::Byte34>},
    {35, 6, conditionField<&PC::Byte35>},  {36, 7, conditionField<&PC::Byte36>},
    {37, 8, conditionField<&PC::Byte37>},  {39, -1, conditionField<&PC::Byte39>},
    {41, 13, conditionField<&PC::Byte41>}, {42, 14, conditionField<&PC::Byte42>},
    {43, 15, conditionField<&PC::Byte43>}, {44, 16, conditionField<&PC::Byte44>},
    {45, 21, conditionField<&PC::Byte45>}, {46, 22, conditionField<&PC::Byte46>},
    {47, -1, conditionField<&PC::Byte47>}, {48, -1, conditionField<&PC::Byte48>},
    {49, -1, conditionField<&PC::Byte49>}, {50, 23, conditionField<&PC::Byte50>},
    {51, 24, conditionField<&PC::Byte51>}, {53, 26, conditionField<&PC::Byte53>},
    {54, 27, conditionField<&PC::Byte54>}, {55, -1, conditionField<&PC::Byte55>},
    {56, 28, conditionField<&PC::Byte56>}, {57, 29, conditionField<&PC::Byte57>},
    {58, 30, conditionField<&PC::Byte58>},
};

constexpr ByteField kMagneticBytes[] = {
    {2, 2, magneticField<&MG::Byte2>},
    {3, 3, magneticField<&MG::Byte3>},
    {7, 7, magneticField<&MG::Byte7>},
};

// Byte 7 (film cassette state) is the printer's to report, never ours to set.
constexpr ByteField kLaminatorBytes[] = {
    {2, 2, laminatorField<&LM::Byte2>},    {3, 3, laminatorField<&LM::Byte3>},
    {4, 4, laminatorField<&LM::Byte4>},    {5, 5, laminatorField<&LM::Byte5>},
    {6, 6, laminatorField<&LM::Byte6>},    {7, -1, laminatorField<&LM::Byte7>},
    {8, 8, laminatorField<&LM::Byte8>},    {9, 9, laminatorField<&LM::Byte9>},
    {14, 14, laminatorField<&LM::Byte14>}, {15, 15, laminatorField<&LM::Byte15>},
    {16, 16, laminatorField<&LM::Byte16>},
};

constexpr ByteField kNetworkBytes[] = {
    {2, 2, networkField<&NW::Byte2>},    {3, 3, networkField<&NW::Byte3>},
    {4, 4, networkField<&NW::Byte4>},    {5, 5, networkField<&NW::Byte5>},
    {6, 6, networkField<&NW::Byte6>},    {7, 7, networkField<&NW::Byte7>},
    {8, 8, networkField<&NW::Byte8>},    {9, 9, networkField<&NW::Byte9>},
    {10, 10, networkField<&NW::Byte10>}, {11, 11, networkField<&NW::Byte11>},
    {12, 12, networkField<&NW::Byte12>}, {13, 13, networkField<&NW::Byte13>},
    {14, 14, networkField<&NW::Byte14>}, {15, 15, networkField<&NW::Byte15>},
    {16, 16, networkField<&NW::Byte16>}, {27, 27, networkField<&NW::Byte27>},
    {28, -1, networkField<&NW::Byte28>}, {29, 29, networkField<&NW::Byte29>},
    {30, 30, networkField<&NW::Byte30>},
};

constexpr std::size_t kNameByte = 17, kNameLength = 10;
constexpr std::size_t kBlock31 = 31, kBlock47 = 47;
constexpr std::size_t kLotByte = 8, kLotLength = 6;

std::uint8_t byteAt(std::span<const std::uint8_t> bytes, std::size_t at) {
    return at < bytes.size() ? bytes[at] : 0;
}

// Single-byte characters from bytes[from], ended by a 0 byte or after n.
std::string textAt(std::span<const std::uint8_t> bytes, std::size_t from, std::size_t n) {
    std::string text;
    for (std::size_t i = from; i < from + n && i < bytes.size() && bytes[i] != 0; ++i)
        text += static_cast<char>(bytes[i]);
    return text;
}

// Copies up to and including the first 0 byte, at most n bytes; the bytes
// after that 0 keep what they held.
template <class Dst, class Src>
void copyNameBytes(Dst&& dst, const Src& src, std::size_t n) {
    for (std::size_t i = 0; i < n && i < src.size() && i < dst.size(); ++i) {
        dst[i] = src[i];
        if (src[i] == 0) break;
    }
}

void copyBlock(AddressBytes& block, std::span<const std::uint8_t> page, std::size_t from) {
    for (std::size_t i = 0; i < block.size(); ++i) block[i] = byteAt(page, from + i);
}

void putBlock(std::span<std::uint8_t> request, std::size_t from, const AddressBytes& block) {
    for (std::size_t i = 0; i < block.size() && from + i < request.size(); ++i)
        request[from + i] = block[i];
}

void decodeMediaRest(SettingsImage& s, std::span<const std::uint8_t> page) {
    s.MediaInfo.Count = (byteAt(page, 4) << 8) | byteAt(page, 5);
    s.MediaInfo.Text = textAt(page, kLotByte, kLotLength);
}

void decodeNetworkRest(SettingsImage& s, std::span<const std::uint8_t> page) {
    if (page.size() > kNameByte)
        copyNameBytes(s.NetworkSetting.Name, page.subspan(kNameByte), kNameLength);
    copyBlock(s.NetworkSetting.Block31, page, kBlock31);
    copyBlock(s.NetworkSetting.Block47, page, kBlock47);
}

void encodeNetworkRest(const SettingsImage& s, std::span<std::uint8_t> request) {
    if (request.size() > kNameByte)
        copyNameBytes(request.subspan(kNameByte), s.NetworkSetting.Name, kNameLength);
    putBlock(request, kBlock31, s.NetworkSetting.Block31);
    putBlock(request, kBlock47, s.NetworkSetting.Block47);
}

template <auto Group>
void restoreGroup(SettingsImage& s, const SettingsImage& good) {
    s.*Group = good.*Group;
}

void restoreNetwork(SettingsImage& s, const SettingsImage& good) {
    auto name = s.NetworkSetting.Name;
    s.NetworkSetting = good.NetworkSetting;
    s.NetworkSetting.Name = name;
    copyNameBytes(s.NetworkSetting.Name, good.NetworkSetting.Name, s.NetworkSetting.Name.size());
}

const PageLayout kLayouts[] = {
    {kMediaInfoPage, 0, kMediaInfoBytes, decodeMediaRest, nullptr,
     restoreGroup<&SettingsImage::MediaInfo>},
    {kPrintConditionPage, 32, kPrintConditionBytes, nullptr, nullptr,
     restoreGroup<&SettingsImage::PrintCondition>},
    {kMagneticPage, 10, kMagneticBytes, nullptr, nullptr,
     restoreGroup<&SettingsImage::MagneticSetting>},
    {kLaminatorPage, 24, kLaminatorBytes, nullptr, nullptr,
     restoreGroup<&SettingsImage::LaminatorSetting>},
    {kNetworkPage, 80, kNetworkBytes, decodeNetworkRest, encodeNetworkRest, restoreNetwork},
};

struct IdentityText {
    std::string Identity::*field;
    std::size_t from;
};
constexpr std::size_t kVersionLength = 8;
const IdentityText kIdentityTexts[] = {
    {&Identity::PrinterVersion, 32},
    {&Identity::LaminatorVersion, 50},
    {&Identity::ConfigVersion, 71},
    {&Identity::TableVersion, 79},
};
constexpr std::size_t kOptionByte = 40;

}  // namespace

const PageLayout* findPageLayout(std::uint8_t code) {
    for (const auto& layout : kLayouts)
        if (layout.code == code) return &layout;
    return nullptr;
}

void decodePage(const PageLayout& layout, SettingsImage& image,
                std::span<const std::uint8_t> page) {
    for (const auto& b : layout.bytes)
        if (b.pageByte < page.size()) b.field(image) = page[b.pageByte];
    if (layout.decodeRest) layout.decodeRest(image, page);
}

void encodePage(const PageLayout& layout, const SettingsImage& image,
                std::span<std::uint8_t> request) {
    const std::size_t size = std::min<std::size_t>(layout.selectSize, request.size());
    if (size < 2) return;
    std::fill_n(request.begin(), size, kNotChanged);
    request[0] = layout.code;
    request[1] = static_cast<std::uint8_t>(size - 2);
    auto sized = request.first(size);
    for (const auto& b : layout.bytes)
        if (b.selectByte >= 0 && static_cast<std::size_t>(b.selectByte) < size)
            sized[b.selectByte] = static_cast<std::uint8_t>(fieldValue(image, b.field));
    if (layout.encodeRest) layout.encodeRest(image, sized);
}

void decodeIdentity(Identity& identity, std::span<const std::uint8_t> inquiry) {
    for (const auto& t : kIdentityTexts)
        identity.*t.field = textAt(inquiry, t.from, kVersionLength);
    for (std::size_t i = 0; i < identity.Option.size(); ++i)
        identity.Option[i] = byteAt(inquiry, kOptionByte + i);
}

}  // namespace orvan::link
