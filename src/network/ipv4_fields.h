#pragma once
// The three IPv4 addresses of the network page (address, subnet mask,
// default gateway): the Text7 box that shows each, its tag in the message
// of a wrong entry, and its four page bytes.
#include <array>
#include <cstddef>
#include <cstdint>

#include "link/settings_image.h"

namespace orvan::network {

struct Ipv4Field {
    std::size_t text;  // index into Text7
    const char* tag;
    std::array<link::FieldRef, 4> bytes;
};

using Ipv4Bytes = std::array<std::uint8_t, 4>;

extern const std::array<Ipv4Field, 3> kIpv4Fields;

Ipv4Bytes ReadIpv4(const link::SettingsImage& image, const Ipv4Field& field);
void StoreIpv4(link::SettingsImage& image, const Ipv4Field& field, const Ipv4Bytes& bytes);

}  // namespace orvan::network
