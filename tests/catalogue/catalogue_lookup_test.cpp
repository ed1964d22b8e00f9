// Lookups on the error catalogue: how codes are classified and described.
#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "status/error_catalogue.h"

namespace orvan::status {
namespace {

class Catalogue : public ::testing::Test {
  protected:
    const ErrorCatalogue cat = BuildErrorCatalogue();
};

TEST_F(Catalogue, HoldsEveryCodeOnceWithARealSeverityAndMessage) {
    ASSERT_EQ(cat.entries().size(), 107u);
    std::set<ResultCode> codes;
    // Walking a fresh catalogue directly must not read rows of a destroyed one.
    for (const auto& e : BuildErrorCatalogue().entries()) {
        EXPECT_TRUE(codes.insert(e.code).second) << "duplicate code " << e.code;
        EXPECT_LT(e.code, 0);
        EXPECT_GE(e.severity, Severity::Transient) << e.code;
        EXPECT_LE(e.severity, Severity::Fault) << e.code;
        EXPECT_FALSE(e.message.empty()) << e.code;
    }
}

TEST_F(Catalogue, KeepsMessagesCharacterForCharacter) {
    struct Row {
        ResultCode code;
        const char* message;
    };
    const Row rows[] = {
        {-0x0102D000, "No Card. (Cards have run out.) Replenish the cards."},
        {-0x01052700,
         "Ink ribbon speci"
         "fication is incorrect."},
        {-0x0500005A, "The film cassette is detached."},
        {-6, "Receive injusice message."},
        {-2, "Error happens in Network. It faile to Windows Socket."},
        {-5, "Error happens in Network.  It fails to reply timeout."},
        {-16, "Sending or receiving data error in Network."},
        {-0x09000005,
         "Error happens in DLL. The contents of DC is invalid and it failes to get image from "
         "DC."},
        {-0x0500007D, "Other error is detected."},
    };
    for (const auto& r : rows) EXPECT_EQ(cat.DescribeCode(r.code, 0), r.message) << r.code;
}

TEST_F(Catalogue, ClassifiesExactRows) {
    EXPECT_EQ(cat.ClassifyCode(-0x0102D300), Severity::Busy);
    EXPECT_EQ(cat.ClassifyCode(-0x0102DA00), Severity::Transient);
    EXPECT_EQ(cat.ClassifyCode(-0x02000001), Severity::Fault);
    EXPECT_EQ(cat.ClassifyCode(-0x0142B200), Severity::Error);
    EXPECT_EQ(cat.ClassifyCode(-0x09000002), Severity::Transient);
    EXPECT_EQ(cat.ClassifyCode(-3), Severity::Transient);
    EXPECT_EQ(cat.ClassifyCode(-4), Severity::Fault);
}

TEST_F(Catalogue, NonNegativeCodesAreNoErrorButDescribeAsNotAccepted) {
    EXPECT_EQ(cat.ClassifyCode(0), Severity::None);
    EXPECT_EQ(cat.ClassifyCode(5), Severity::None);
    EXPECT_EQ(cat.DescribeCode(5, 0), "Printer is on Printing. Command could not be accepted.");
    EXPECT_EQ(cat.DescribeCode(0, 0), "Printer is on Printing. Command could not be accepted.");
}

TEST_F(Catalogue, PortServiceFamiliesCoverTheirWholeRange) {
    EXPECT_EQ(cat.ClassifyCode(-0x02010005), Severity::Error);
    EXPECT_EQ(cat.DescribeCode(-0x02010005, 0),
              "Error happens in KQ Port Manager. SRB status is invalid.");
    EXPECT_EQ(cat.ClassifyCode(-0x0202FFFF), Severity::Error);
    EXPECT_EQ(cat.DescribeCode(-0x0202FFFF, 0),
              "Error happens in KQ Port Manager. HA status is invalid.");
    EXPECT_EQ(cat.ClassifyCode(-0x02030007), Severity::Fault);
    EXPECT_EQ(cat.DescribeCode(-0x02030007, 0),
              "Error happens in KQ Port Manager. Target status is invalid.");
}

TEST_F(Catalogue, UnknownCodesAreNoneWithEmptyMessage) {
    // A qualifier no row has: the family scan must not fall back to a sense row.
    EXPECT_EQ(cat.ClassifyCode(-0x0102D001), Severity::None);
    EXPECT_EQ(cat.DescribeCode(-0x0102D001, 0), "");
    EXPECT_EQ(cat.ClassifyCode(-0x02040001), Severity::None);
    EXPECT_EQ(cat.ClassifyCode(-0x00010006), Severity::None);
    EXPECT_EQ(cat.ClassifyCode(-0x7FFFFFFF), Severity::None);
    EXPECT_EQ(cat.ClassifyCode(INT_MIN), Severity::None);
    EXPECT_EQ(cat.DescribeCode(INT_MIN, 0), "");
}

TEST_F(Catalogue, FirstMatchingRowWins) {
    const ErrorCatalogue two({{-0x02010000, Severity::Error, "family"},
                              {-0x02010005, Severity::Fault, "exact"},
                              {-0x02010005, Severity::Busy, "later"}});
    EXPECT_EQ(two.ClassifyCode(-0x02010005), Severity::Fault);
    EXPECT_EQ(two.DescribeCode(-0x02010005, 0), "exact");
    EXPECT_EQ(two.DescribeCode(-0x02010009, 0), "family");
}

TEST_F(Catalogue, ReplyErrorIsDescribedThroughTheStatusWord) {
    EXPECT_EQ(cat.DescribeCode(-1, 0x0002D000),
              "No Card. (Cards have run out.) Replenish the cards.");
    EXPECT_EQ(cat.DescribeCode(-1, 0), "Receive injusice message.");
    EXPECT_EQ(cat.DescribeCode(-1, 0x05000000), "Receive injusice message.");
    EXPECT_EQ(cat.DescribeCode(-1, 0x05000050), "");
    EXPECT_EQ(cat.DescribeCode(-1, -1), "");
    // Classification never looks at the status word.
    EXPECT_EQ(cat.ClassifyCode(-1), Severity::None);
}

TEST_F(Catalogue, ConnectionLossCodes) {
    for (ResultCode c : {-0x02010000, -0x02010005, -0x0201FFFF, -0x02020000, -0x0202FFFF,
                         -0x02000004, -0x09000002})
        EXPECT_TRUE(IsConnectionLoss(c)) << std::hex << -c;
    for (ResultCode c : {0, 5, 0x02010005, -0x0200FFFF, -0x02030000, -0x02000005, -0x02000006,
                         -0x09000001, -0x0102D000, -2, INT_MIN})
        EXPECT_FALSE(IsConnectionLoss(c)) << std::hex << c;
}

}  // namespace
}  // namespace orvan::status
