#include "network/ipv4_fields.h"

namespace orvan::network {
namespace {

using link::networkField;
using NW = link::NetworkSettingPage;

}  // namespace

const std::array<Ipv4Field, 3> kIpv4Fields = {{
    {1,
     "<IP Address>",
     {networkField<&NW::Byte2>, networkField<&NW::Byte3>, networkField<&NW::Byte4>,
      networkField<&NW::Byte5>}},
    {2,
     "<Sub Net Mask>",
     {networkField<&NW::Byte6>, networkField<&NW::Byte7>, networkField<&NW::Byte8>,
      networkField<&NW::Byte9>}},
    {3,
     "<Default Gateway>",
     {networkField<&NW::Byte10>, networkField<&NW::Byte11>, networkField<&NW::Byte12>,
      networkField<&NW::Byte13>}},
}};

Ipv4Bytes ReadIpv4(const link::SettingsImage& image, const Ipv4Field& field) {
    Ipv4Bytes bytes{};
    for (std::size_t b = 0; b < bytes.size(); ++b)
        bytes[b] = static_cast<std::uint8_t>(link::fieldValue(image, field.bytes[b]));
    return bytes;
}

void StoreIpv4(link::SettingsImage& image, const Ipv4Field& field, const Ipv4Bytes& bytes) {
    for (std::size_t b = 0; b < bytes.size(); ++b) field.bytes[b](image) = bytes[b];
}

}  // namespace orvan::network
