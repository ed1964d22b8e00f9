#include "link/conversions.h"

#include <gtest/gtest.h>

#include <array>

namespace orvan::link {
namespace {

using Bytes4 = std::array<std::uint8_t, 4>;
using Bytes16 = std::array<std::uint8_t, 16>;

Bytes16 groups(std::array<std::uint16_t, 8> g) {
    Bytes16 b{};
    for (std::size_t k = 0; k < 8; ++k) {
        b[2 * k] = static_cast<std::uint8_t>(g[k] >> 8);
        b[2 * k + 1] = static_cast<std::uint8_t>(g[k] & 0xFF);
    }
    return b;
}

TEST(NumberText, PutsABlankBeforeNonNegativeNumbersOnly) {
    EXPECT_EQ(NumberText(5), " 5");
    EXPECT_EQ(NumberText(0), " 0");
    EXPECT_EQ(NumberText(-5), "-5");
    EXPECT_EQ(NumberText(-2147483648LL), "-2147483648");
}

TEST(FormatIPv4, WritesDottedDecimalWithoutLeadingZeros) {
    EXPECT_EQ(FormatIPv4(Bytes4{10, 0, 0, 1}), "10.0.0.1");
    EXPECT_EQ(FormatIPv4(Bytes4{192, 168, 0, 5}), "192.168.0.5");
    EXPECT_EQ(FormatIPv4Spaced(Bytes4{192, 168, 0, 5}), " 192. 168. 0. 5");
    // A short span never reads past its end.
    const std::array<std::uint8_t, 2> shortBytes{7, 8};
    EXPECT_EQ(FormatIPv4(shortBytes), "7.8.0.0");
}

TEST(ParseIPv4, ReadsEachPartLeniently) {
    Bytes4 out{};
    EXPECT_EQ(ParseIPv4("10..2.3", 255, out), kParseOk);
    EXPECT_EQ(out, (Bytes4{10, 0, 2, 3}));
    // The spaced form reads back: blanks around a part are ignored.
    EXPECT_EQ(ParseIPv4(" 192. 168. 0. 5", 255, out), kParseOk);
    EXPECT_EQ(out, (Bytes4{192, 168, 0, 5}));
    // Reading stops at the first character that cannot continue a number.
    EXPECT_EQ(ParseIPv4("1x.2 7.3.4abc", 255, out), kParseOk);
    EXPECT_EQ(out, (Bytes4{1, 2, 3, 4}));
    // The fourth part is the rest of the text; its fraction rounds to nearest, ties to even.
    EXPECT_EQ(ParseIPv4("1.2.3.4.6", 255, out), kParseOk);
    EXPECT_EQ(out[3], 5);
    EXPECT_EQ(ParseIPv4("1.2.3.4.5", 255, out), kParseOk);
    EXPECT_EQ(out[3], 4);
    EXPECT_EQ(ParseIPv4("1.2.3.5.5", 255, out), kParseOk);
    EXPECT_EQ(out[3], 6);
    EXPECT_EQ(ParseIPv4("1.2.3.4.51", 255, out), kParseOk);
    EXPECT_EQ(out[3], 5);
    EXPECT_EQ(ParseIPv4("1.2.3.-0.4", 255, out), kParseOk);
    EXPECT_EQ(out[3], 0);
}

TEST(ParseIPv4, RejectsShortTextsMissingDotsAndPartsOutOfRange) {
    Bytes4 out{9, 9, 9, 9};
    EXPECT_EQ(ParseIPv4("1.2.3", 255, out), kParseFailed);
    EXPECT_EQ(ParseIPv4("1234567", 255, out), kParseFailed);
    EXPECT_EQ(out, (Bytes4{9, 9, 9, 9}));
    // Accepted parts are stored as they go.
    EXPECT_EQ(ParseIPv4("1.2.34567", 255, out), kParseFailed);
    EXPECT_EQ(out, (Bytes4{1, 2, 9, 9}));
    EXPECT_EQ(ParseIPv4("1.2.3.256", 255, out), kParseFailed);
    EXPECT_EQ(out, (Bytes4{1, 2, 3, 9}));
    EXPECT_EQ(ParseIPv4("1.2.3.255.5", 255, out), kParseFailed);  // rounds to 256
    EXPECT_EQ(ParseIPv4("-1.2.3.4", 255, out), kParseFailed);
    EXPECT_EQ(ParseIPv4("1.2.3.99999999999999999999", 255, out), kParseFailed);
    EXPECT_EQ(ParseIPv4("10.0.0.33", 32, out), kParseFailed);
    // An output with room for fewer than four bytes is never written.
    std::array<std::uint8_t, 3> small{};
    EXPECT_EQ(ParseIPv4("1.2.3.4", 255, small), kParseFailed);
}

TEST(FormatIPv6, CompressesTheLongestInnerZeroRun) {
    const IPv6Text zero = FormatIPv6(Bytes16{});
    EXPECT_EQ(zero.text, "");
    EXPECT_EQ(zero.result, kIPv6AllZero);

    const IPv6Text link = FormatIPv6(groups({0xFE80, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(link.text, "FE80::1");
    EXPECT_EQ(link.result, kIPv6Compressed);

    EXPECT_EQ(FormatIPv6(groups({0x2001, 0xDB8, 0, 0, 1, 0, 0, 1})).text, "2001:DB8::1:0:0:1");
    EXPECT_EQ(FormatIPv6(groups({1, 0, 0, 2, 0, 0, 0, 3})).text, "1:0:0:2::3");
    // Leading zeros are not an inner run: only the first group stays.
    EXPECT_EQ(FormatIPv6(groups({0, 0, 0, 0, 0, 0, 0, 1})).text, "0::1");
    // Trailing zeros likewise keep their last group.
    EXPECT_EQ(FormatIPv6(groups({0xFE80, 0, 0, 0, 0, 0, 0, 0})).text, "FE80::0");

    const IPv6Text full = FormatIPv6(groups({0xABCD, 0, 0x12, 0, 0xFFFF, 0, 1, 0}));
    EXPECT_EQ(full.text, "ABCD:0:12:0:FFFF:0:1:0");
    EXPECT_EQ(full.result, kIPv6Full);
}

TEST(ParseIPv6, ExpandsTheCompressionMark) {
    Bytes16 out{};
    ASSERT_TRUE(ParseIPv6("FE80::1", out));
    EXPECT_EQ(out, groups({0xFE80, 0, 0, 0, 0, 0, 0, 1}));
    ASSERT_TRUE(ParseIPv6("2001:db8::1:0:0:1", out));
    EXPECT_EQ(out, groups({0x2001, 0xDB8, 0, 0, 1, 0, 0, 1}));
    ASSERT_TRUE(ParseIPv6("0::1", out));
    EXPECT_EQ(out, groups({0, 0, 0, 0, 0, 0, 0, 1}));
    ASSERT_TRUE(ParseIPv6("1:2:3:4:5:6:7:8", out));
    EXPECT_EQ(out, groups({1, 2, 3, 4, 5, 6, 7, 8}));
    ASSERT_TRUE(ParseIPv6("FE80::", out));
    EXPECT_EQ(out, groups({0xFE80, 0, 0, 0, 0, 0, 0, 0}));
    // The dialogs show addresses with a leading blank and read them back.
    ASSERT_TRUE(ParseIPv6(" FE80::2 ", out));
    EXPECT_EQ(out, groups({0xFE80, 0, 0, 0, 0, 0, 0, 2}));
}

TEST(ParseIPv6, RejectsMalformedTextAndLeavesTheBytes) {
    const Bytes16 before = groups({9, 9, 9, 9, 9, 9, 9, 9});
    Bytes16 out = before;
    for (const char* bad :
         {"::1", "1::2::3", "1:2:3:4:5:6:7", "1:2:3:4:5:6:7:8:9", "1:2:3:4:5:6:7:8:9::", "10000::1",
          "FE80::G", "FE80:: 1", "1:2:3:4:5:6:7:", "FE80:::1", "1:2", "",
          "1111:2222:3333:4444:5555:6666:7777:88889"}) {
        EXPECT_FALSE(ParseIPv6(bad, out)) << bad;
    }
    EXPECT_EQ(out, before);
    std::array<std::uint8_t, 15> small{};
    EXPECT_FALSE(ParseIPv6("FE80::1", small));
}

TEST(IPv6Text, FormattedAddressesParseBackToTheSameBytes) {
    for (const Bytes16& address :
         {groups({0xFE80, 0, 0, 0, 0, 0, 0, 1}), groups({0, 0, 0, 0, 0, 0, 0, 1}),
          groups({0x2001, 0xDB8, 0, 0, 1, 0, 0, 1}), groups({1, 2, 3, 4, 5, 6, 7, 8}),
          groups({0xFE80, 0, 0, 0, 0, 0, 0, 0}), groups({0, 0, 0, 0, 0, 0, 0xAB, 0})}) {
        Bytes16 back{};
        const std::string text = FormatIPv6(address).text;
        ASSERT_TRUE(ParseIPv6(text, back)) << text;
        EXPECT_EQ(back, address) << text;
    }
}

TEST(TextToWideBytes, GivesLowByteFirstAndTwoZeroBytes) {
    EXPECT_EQ(TextToWideBytes(""), (std::vector<std::uint8_t>{0, 0}));
    EXPECT_EQ(TextToWideBytes("A/b"), (std::vector<std::uint8_t>{'A', 0, '/', 0, 'b', 0, 0, 0}));
    // UTF-8 characters become their 16-bit code; beyond 16 bits a surrogate pair.
    EXPECT_EQ(TextToWideBytes("\xC3\xA9"), (std::vector<std::uint8_t>{0xE9, 0, 0, 0}));
    EXPECT_EQ(TextToWideBytes("\xE2\x82\xAC"), (std::vector<std::uint8_t>{0xAC, 0x20, 0, 0}));
    EXPECT_EQ(TextToWideBytes("\xF0\x9F\x98\x80"),
              (std::vector<std::uint8_t>{0x3D, 0xD8, 0x00, 0xDE, 0, 0}));
    // A byte outside a valid sequence, or a sequence cut short, stands for itself.
    EXPECT_EQ(TextToWideBytes("\xE9x"), (std::vector<std::uint8_t>{0xE9, 0, 'x', 0, 0, 0}));
    EXPECT_EQ(TextToWideBytes("\xE2\x82"), (std::vector<std::uint8_t>{0xE2, 0, 0x82, 0, 0, 0}));
    EXPECT_EQ(TextToWideBytes("\xF5\x80\x80"),
              (std::vector<std::uint8_t>{0xF5, 0, 0x80, 0, 0x80, 0, 0, 0}));
    EXPECT_EQ(TextToWideBytes("\xC0\x80"), (std::vector<std::uint8_t>{0xC0, 0, 0x80, 0, 0, 0}));
}

TEST(LengthToNul, CountsUpToTheFirstZeroCharacter) {
    EXPECT_EQ(LengthToNul("abc"), 3u);
    EXPECT_EQ(LengthToNul(std::string_view("ab\0cd", 5)), 2u);
    EXPECT_EQ(LengthToNul(std::string_view("\0", 1)), 0u);
    EXPECT_EQ(LengthToNul(""), 0u);
}

}  // namespace
}  // namespace orvan::link

namespace orvan::link {
namespace {

TEST(LeadingNumber, ReadsTheNumberATextStartsWithAndNothingElse) {
    EXPECT_EQ(LeadingNumber("3"), 3);
    EXPECT_EQ(LeadingNumber("  -3"), -3);
    EXPECT_EQ(LeadingNumber("+7min"), 7);
    EXPECT_EQ(LeadingNumber(" 12 34"), 12);
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("Off"), 0);
    EXPECT_EQ(LeadingNumber("-"), 0);
    EXPECT_EQ(LeadingNumber("99999999999999999999"), 2147483647);
    EXPECT_EQ(LeadingNumber("-99999999999999999999"), -2147483647 - 1);
}

}  // namespace
}  // namespace orvan::link
