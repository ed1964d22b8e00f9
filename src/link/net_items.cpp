#include "link/net_items.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "link/reply_walk.h"

namespace orvan::link {
namespace {

using MI = MediaInfoPage;
using PC = PrintConditionPage;
using MG = MagneticSettingPage;
using LM = LaminatorSettingPage;
using NW = NetworkSettingPage;
using CF = CounterFields;
using Item = std::span<const std::uint8_t>;

constexpr std::size_t kNameLength = 10;
constexpr std::size_t kLongText = 255;  // an item holds at most 254 value bytes

// ---- stores of values that are not one byte ---------------------------------

// The name ends at its first 0; a shorter name than before must not keep the
// tail of the old one.
void storeName(PrinterData& d, Item item) {
    const std::string text = valueText(item, kNameLength);
    auto& name = d.image.NetworkSetting.Name;
    std::copy(text.begin(), text.end(), name.begin());
    if (text.size() < kNameLength) name[text.size()] = 0;
}

// Consecutive value bytes into consecutive fields (IPv4 addresses).
template <FieldRef... Fields>
void storeBytes(PrinterData& d, Item item) {
    constexpr FieldRef fields[] = {Fields...};
    const auto bytes = valueBlock(item, sizeof...(Fields));
    for (std::size_t i = 0; i < bytes.size(); ++i) fields[i](d.image) = bytes[i];
}

// Fixed-size byte areas: what the item holds, zeros for what it lacks.
void fillFrom(std::span<std::uint8_t> dst, std::span<const std::uint8_t> src) {
    std::fill(dst.begin(), dst.end(), 0);
    std::copy_n(src.begin(), std::min(src.size(), dst.size()), dst.begin());
}

void storeGatewayBlock(PrinterData& d, Item item) {
    fillFrom(d.image.NetworkSetting.Block31, valueBlock(item, 16));
}

void storeFurtherIPv6(PrinterData& d, Item item) {
    auto& blocks = d.image.NetIPv6Blocks;
    const auto bytes = valueBlock(item, blocks.size() * 16);
    for (std::size_t k = 0; k < blocks.size(); ++k)
        fillFrom(blocks[k], k * 16 < bytes.size() ? bytes.subspan(k * 16) : Item{});
}

void storeMac(PrinterData& d, Item item) {
    fillFrom(d.image.MacAddress, valueBlock(item, 6));
}

template <std::string Identity::*F>
void storeVersion(PrinterData& d, Item item) {
    d.identity.*F = valueText(item, kLongText);
}

template <std::size_t Index>
void storeOption(PrinterData& d, Item item) {
    if (hasValue(item)) d.identity.Option[Index] = valueByte(item);
}

template <std::int32_t CF::*F>
void storeCounter(PrinterData& d, Item item) {
    d.image.Counters.*F = valueBigEndian32(item);
}

void storeInkSets(PrinterData& d, Item item) {
    if (hasValue(item)) d.image.MediaInfo.Count = valueNumber(item);
}

void storeLot(PrinterData& d, Item item) {
    d.image.MediaInfo.Text = valueText(item, kLongText);
}

// ---- values of writes that are not one byte ----------------------------------

std::vector<std::uint8_t> nameValue(const PrinterData& d) {
    std::vector<std::uint8_t> bytes(kNameLength, 0);
    const auto& name = d.image.NetworkSetting.Name;
    for (std::size_t i = 0; i < kNameLength && name[i] != 0; ++i) bytes[i] = name[i];
    return bytes;
}

std::vector<std::uint8_t> zeroCounter(const PrinterData&) {
    return {0, 0, 0, 0};
}

// ---- table helpers ----------------------------------------------------------

constexpr ItemDef byteItem(std::uint8_t id, FieldRef f, WriteRule w = WriteRule::Always) {
    return {id, f, nullptr, nullptr, w};
}
constexpr ItemDef readItem(std::uint8_t id, ItemStore s) {
    return {id, nullptr, s, nullptr, WriteRule::Never};
}
constexpr ItemDef writeItem(std::uint8_t id, ItemValue v) {
    return {id, nullptr, nullptr, v};
}

template <auto F>
constexpr FieldRef pc = conditionField<F>;
template <auto F>
constexpr FieldRef lm = laminatorField<F>;
template <auto F>
constexpr FieldRef nw = networkField<F>;

// ---- setting space ----------------------------------------------------------

const ItemDef kCondition[] = {
    byteItem(70, pc<&PC::Byte41>),
    byteItem(71, pc<&PC::Byte42>),
    byteItem(72, pc<&PC::Byte50>),
    byteItem(74, pc<&PC::Byte43>),
    byteItem(75, pc<&PC::Byte44>),
    byteItem(85, pc<&PC::Byte16>),
    byteItem(86, pc<&PC::Byte23>),
    byteItem(92, pc<&PC::Byte8>),
    byteItem(95, pc<&PC::Byte58>, WriteRule::Unless255),
    byteItem(22, pc<&PC::Byte45>),
    byteItem(24, pc<&PC::Byte46>),
    byteItem(27, pc<&PC::Byte51>),
    byteItem(29, pc<&PC::Byte53>),
    byteItem(30, pc<&PC::Byte54>),
    byteItem(40, magneticField<&MG::Byte7>),
    byteItem(41, magneticField<&MG::Byte3>),
    byteItem(42, magneticField<&MG::Byte2>),
};

const ItemDef kRetransfer[] = {
    byteItem(76, pc<&PC::Byte33>),
    byteItem(77, pc<&PC::Byte34>),
    byteItem(78, pc<&PC::Byte35>),
    byteItem(93, pc<&PC::Byte56>, WriteRule::Unless255),
    byteItem(94, pc<&PC::Byte57>, WriteRule::Unless255),
};

const ItemDef kBendRemedy[] = {byteItem(79, pc<&PC::Byte36>), byteItem(80, pc<&PC::Byte37>)};
const ItemDef kMediaSetting[] = {byteItem(51, pc<&PC::Byte20>), byteItem(20, pc<&PC::Byte22>)};
const ItemDef kFilmType[] = {byteItem(51, pc<&PC::Byte20>)};

const ItemDef kLaminator[] = {
    byteItem(200, lm<&LM::Byte2>),
    byteItem(201, lm<&LM::Byte4>),
    byteItem(202, lm<&LM::Byte5>),
    byteItem(203, lm<&LM::Byte6>),
    byteItem(204, lm<&LM::Byte3>),
    byteItem(205, lm<&LM::Byte8>),
    byteItem(206, lm<&LM::Byte15>),
    byteItem(207, lm<&LM::Byte16>),
    byteItem(208, lm<&LM::Byte7>, WriteRule::Never),
    byteItem(209, lm<&LM::Byte14>),
    byteItem(210, lm<&LM::Byte9>),
};

const ItemDef kName[] = {{1, nullptr, storeName, nameValue}};

const ItemDef kNetwork[] = {
    {1, nullptr, storeName, nameValue},
    byteItem(2, nw<&NW::Byte16>),
    readItem(3, storeBytes<nw<&NW::Byte2>, nw<&NW::Byte3>, nw<&NW::Byte4>, nw<&NW::Byte5>>),
    readItem(4, storeBytes<nw<&NW::Byte6>, nw<&NW::Byte7>, nw<&NW::Byte8>, nw<&NW::Byte9>>),
    readItem(5, storeBytes<nw<&NW::Byte10>, nw<&NW::Byte11>, nw<&NW::Byte12>, nw<&NW::Byte13>>),
    byteItem(6, nw<&NW::Byte15>),
    byteItem(7, nw<&NW::Byte14>),
    byteItem(8, imageField<&SettingsImage::IpsecEnabled>),
    byteItem(9, imageField<&SettingsImage::IpsecMode>),
    byteItem(11, nw<&NW::Byte29>),
    byteItem(12, nw<&NW::Byte30>),
    readItem(13, storeGatewayBlock),
    readItem(14, storeFurtherIPv6),
};

const ItemDef kSecurityLock[] = {byteItem(31, pc<&PC::Byte55>, WriteRule::Never)};
const ItemDef kCounterClear[] = {writeItem(50, zeroCounter), writeItem(54, zeroCounter)};

// ---- property space ---------------------------------------------------------

const ItemDef kIdentity[] = {
    readItem(30, storeVersion<&Identity::PrinterVersion>),
    readItem(31, storeVersion<&Identity::ConfigVersion>),
    readItem(32, storeVersion<&Identity::TableVersion>),
    readItem(35, storeVersion<&Identity::LaminatorVersion>),
    readItem(50, storeOption<0>),
    readItem(51, storeOption<7>),
    readItem(54, storeOption<2>),
    readItem(55, storeOption<1>),
    readItem(56, storeOption<3>),
    readItem(57, storeOption<4>),
    readItem(58, storeOption<5>),
    readItem(59, storeOption<6>),
};
const ItemDef kConditionOptions[] = {readItem(50, storeOption<0>), readItem(57, storeOption<4>)};
const ItemDef kBendOptions[] = {readItem(57, storeOption<4>)};
const ItemDef kMacAddress[] = {readItem(3, storeMac)};

// ---- status space -----------------------------------------------------------

const ItemDef kStatusTab[] = {
    byteItem(13, mediaField<&MI::Byte2>, WriteRule::Never),
    byteItem(10, pc<&PC::Byte49>, WriteRule::Never),
    byteItem(11, pc<&PC::Byte48>, WriteRule::Never),
    byteItem(12, pc<&PC::Byte47>, WriteRule::Never),
    readItem(14, storeInkSets),
    readItem(30, storeCounter<&CF::Print>),
    readItem(33, storeCounter<&CF::Cleaning>),
};
const ItemDef kMediaStatus[] = {
    byteItem(13, mediaField<&MI::Byte2>, WriteRule::Never),
    readItem(14, storeInkSets),
    readItem(15, storeLot),
};
const ItemDef kPrinterCounters[] = {
    readItem(30, storeCounter<&CF::Print>),       readItem(31, storeCounter<&CF::PrinterTotal>),
    readItem(32, storeCounter<&CF::ThermalHead>), readItem(33, storeCounter<&CF::Cleaning>),
    readItem(35, storeCounter<&CF::Error>),
};
const ItemDef kLaminatorCounters[] = {readItem(63, storeCounter<&CF::LaminatorCleaning>)};
const ItemDef kClearedCounters[] = {readItem(30, storeCounter<&CF::Print>),
                                    readItem(35, storeCounter<&CF::Error>)};

// ---- operations -------------------------------------------------------------

using K = RequestKind;

const RequestDef kIdentityReqs[] = {{K::Property, kIdentity}};
const RequestDef kStatusTabReqs[] = {
    {K::Status, kStatusTab}, {K::Setting, kFilmType}, {K::Queue, {}}};
const RequestDef kConditionReadReqs[] = {{K::Setting, kCondition},
                                         {K::Property, kConditionOptions}};
const RequestDef kConditionWriteReqs[] = {{K::Write, kCondition}};
const RequestDef kRetransferReadReqs[] = {{K::Setting, kRetransfer}};
const RequestDef kRetransferWriteReqs[] = {{K::Write, kRetransfer}};
const RequestDef kBendReadReqs[] = {{K::Setting, kBendRemedy}, {K::Property, kBendOptions}};
const RequestDef kBendWriteReqs[] = {{K::Write, kBendRemedy}};
const RequestDef kMediaReadReqs[] = {{K::Status, kMediaStatus}, {K::Setting, kMediaSetting}};
const RequestDef kMediaWriteReqs[] = {{K::Write, kMediaSetting}};
const RequestDef kPropertyReqs[] = {{K::Property, kIdentity}, {K::Status, kPrinterCounters}};
const RequestDef kLaminatorReadReqs[] = {{K::Status, kLaminatorCounters}, {K::Setting, kLaminator}};
const RequestDef kLaminatorWriteReqs[] = {{K::Write, kLaminator}};
const RequestDef kNetworkReadReqs[] = {{K::Setting, kNetwork}, {K::Property, kMacAddress}};
const RequestDef kNetworkWriteReqs[] = {{K::Write, kName}};
const RequestDef kSecurityLockReqs[] = {{K::Setting, kSecurityLock}};
const RequestDef kNameProbeReqs[] = {{K::Setting, kName, true}};
const RequestDef kCounterClearReqs[] = {{K::Write, kCounterClear}};
const RequestDef kCounterRereadReqs[] = {{K::Status, kClearedCounters}};

constexpr std::int32_t kProbeWait = 3000;  // a searched address may be slow to answer

// In the order of NetOp.
const OperationDef kOperations[] = {
    {kIdentityReqs},
    {kStatusTabReqs},
    {kConditionReadReqs},
    {kConditionWriteReqs},
    {kRetransferReadReqs},
    {kRetransferWriteReqs},
    {kBendReadReqs},
    {kBendWriteReqs},
    {kMediaReadReqs},
    {kMediaWriteReqs},
    {kPropertyReqs},
    {kLaminatorReadReqs},
    {kLaminatorWriteReqs},
    {kNetworkReadReqs},
    {kNetworkWriteReqs},
    {kSecurityLockReqs},
    {kNameProbeReqs, kProbeWait},
    {kCounterClearReqs},
    {kCounterRereadReqs},
};
static_assert(std::size(kOperations) == static_cast<std::size_t>(NetOp::CounterReread) + 1);

}  // namespace

std::vector<std::uint8_t> itemValue(const ItemDef& item, const PrinterData& data) {
    if (item.value) return item.value(data);
    if (!item.field || item.write == WriteRule::Never) return {};
    const auto v = static_cast<std::uint8_t>(fieldValue(data.image, item.field));
    if (item.write == WriteRule::Unless255 && v == 255) return {};
    return {v};
}

void storeItem(const ItemDef& item, PrinterData& data, std::span<const std::uint8_t> bytes) {
    if (item.store) {
        item.store(data, bytes);
    } else if (item.field && hasValue(bytes)) {
        item.field(data.image) = valueByte(bytes);
    }
}

const OperationDef& operation(NetOp op) {
    return kOperations[static_cast<std::size_t>(op)];
}

}  // namespace orvan::link
