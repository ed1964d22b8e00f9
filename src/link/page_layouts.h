#pragma once
// Where each settings field sits in the printer's mode pages, as read and as
// written, kept as tables. Page byte n of a sense reply is reply byte n + 4; a
// select request is filled with 0xFF (leave unchanged) before the fields go in.
#include <cstdint>
#include <span>

#include "link/settings_image.h"

namespace orvan::link {

inline constexpr std::uint8_t kMediaInfoPage = 0x23;
inline constexpr std::uint8_t kPrintConditionPage = 0x28;
inline constexpr std::uint8_t kMagneticPage = 0x2A;
inline constexpr std::uint8_t kLaminatorPage = 0x2C;
inline constexpr std::uint8_t kNetworkPage = 0x2D;

inline constexpr std::size_t kSenseHeaderSize = 4;  // bytes before the page code
inline constexpr std::uint8_t kNotChanged = 0xFF;   // select bytes that carry no field

// One one-byte field of a page.
struct ByteField {
    std::uint8_t pageByte;  // offset in the page as read
    int selectByte;         // offset in the select request; -1: never written
    FieldRef field;
};

struct PageLayout {
    std::uint8_t code;
    std::uint8_t selectSize;  // bytes of the select request; 0: the page is never written
    std::span<const ByteField> bytes;
    // Texts, numbers and blocks that are not single bytes (may be null).
    void (*decodeRest)(SettingsImage&, std::span<const std::uint8_t> page);
    void (*encodeRest)(const SettingsImage&, std::span<std::uint8_t> request);
    // Puts every field of this page back from the last good copy.
    void (*restore)(SettingsImage& image, const SettingsImage& lastGood);
};

// The layout of a page code, or null for a page the program does not know.
const PageLayout* findPageLayout(std::uint8_t code);

// page: the page bytes (page byte 0 is the page code). Bytes past its end are
// left alone.
void decodePage(const PageLayout& layout, SettingsImage& image, std::span<const std::uint8_t> page);

// Builds the select request in request (at least layout.selectSize bytes):
// 0xFF everywhere, the page code, the length byte, then the written fields.
void encodePage(const PageLayout& layout, const SettingsImage& image,
                std::span<std::uint8_t> request);

// Inquiry data into the identity: four version texts and the option bytes.
void decodeIdentity(Identity& identity, std::span<const std::uint8_t> inquiry);

}  // namespace orvan::link
