// The inquiry's identity and the printer buffers read beside the pages.
#include "page_fixture.h"

namespace orvan::test {
namespace {

Bytes inquiryData() {
    Bytes b(96, 0);
    const std::string printer = "P1.23456", laminator = "L2.0";
    std::copy(printer.begin(), printer.end(), b.begin() + 32);
    std::copy(laminator.begin(), laminator.end(), b.begin() + 50);
    for (int i = 0; i < 8; ++i) b[40 + i] = static_cast<std::uint8_t>(i + 1);
    const std::string config = "CFG-0001", table = "TBL";
    std::copy(config.begin(), config.end(), b.begin() + 71);
    std::copy(table.begin(), table.end(), b.begin() + 79);
    return b;
}

Bytes wideText(const std::u16string& text, std::size_t codes) {
    Bytes b(2 * codes, 0);
    for (std::size_t i = 0; i < text.size() && i < codes; ++i) {
        b[2 * i] = static_cast<std::uint8_t>(text[i] & 0xFF);
        b[2 * i + 1] = static_cast<std::uint8_t>(text[i] >> 8);
    }
    return b;
}

Bytes jobArea(const std::u16string& owner, const std::u16string& document) {
    Bytes area = wideText(owner, 16);
    const Bytes doc = wideText(document, 32);
    area.insert(area.end(), doc.begin(), doc.end());
    return area;
}

TEST_F(PagesTest, InquiryFillsVersionTextsAndOptionBytes) {
    link.commands.inquiry = inquiryData();
    ASSERT_EQ(pages.senseInquiry(), 0);
    const auto& id = data.identity;
    EXPECT_EQ(id.PrinterVersion, "P1.23456");  // all 8 bytes, the option byte after is not text
    EXPECT_EQ(id.LaminatorVersion, "L2.0");
    EXPECT_EQ(id.ConfigVersion, "CFG-0001");
    EXPECT_EQ(id.TableVersion, "TBL");
    EXPECT_EQ(id.Option40(), 1);
    EXPECT_EQ(id.Option45(), 6);
    EXPECT_EQ(id.Option47(), 8);
}

TEST_F(PagesTest, FailedInquiryKeepsTheIdentity) {
    link.commands.inquiry = inquiryData();
    ASSERT_EQ(pages.senseInquiry(), 0);
    const auto before = data.identity;
    link.commands.inquiry = Bytes(96, 0x41);
    link.commands.results.push("KQCMD_StandardInquiry", {1, 1, 1});
    EXPECT_EQ(pages.senseInquiry(), 1);
    EXPECT_EQ(link.commands.count("KQCMD_StandardInquiry"),
              4);  // three attempts, whatever the flag
    EXPECT_EQ(data.identity, before);
}

TEST_F(PagesTest, JobListBufferGivesOneDocumentWhenEitherNameIsSet) {
    link.commands.buffers[link::kJobListBuffer] = jobArea(u"alice", u"report \u00e9t\u00e9.doc");
    ASSERT_EQ(pages.readPrinterBuffer(link::kJobListBuffer), 0);
    EXPECT_EQ(data.jobs.count, 1);
    EXPECT_EQ(data.jobs.owners, std::vector<std::string>{"alice"});
    EXPECT_EQ(data.jobs.documents, std::vector<std::string>{"report \xC3\xA9t\xC3\xA9.doc"});
    const auto call = link.commands.callsTo("KQCMD_ReadBuffer").front();
    EXPECT_EQ(call.args, (std::vector<std::int64_t>{3, 5, 2, 0x60, 0, 96}));

    link.commands.buffers[link::kJobListBuffer] = jobArea(u"", u"doc");
    ASSERT_EQ(pages.readPrinterBuffer(link::kJobListBuffer), 0);
    EXPECT_EQ(data.jobs.count, 1);
    EXPECT_EQ(data.jobs.owners, std::vector<std::string>{""});
}

TEST_F(PagesTest, JobListOfFullLengthNamesStopsAtEachField) {
    link.commands.buffers[link::kJobListBuffer] =
        jobArea(u"OOOOOOOOOOOOOOOOOOOO", u"DDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDD");
    ASSERT_EQ(pages.readPrinterBuffer(link::kJobListBuffer), 0);
    EXPECT_EQ(data.jobs.owners[0], std::string(16, 'O'));
    EXPECT_EQ(data.jobs.documents[0], std::string(32, 'D'));
}

TEST_F(PagesTest, FailedJobListReadShowsNoJob) {
    data.jobs = {2, {"a", "b"}, {"c", "d"}};
    link.commands.buffers[link::kJobListBuffer] = jobArea(u"alice", u"x");
    link.commands.results.push("KQCMD_ReadBuffer", {-3});
    EXPECT_EQ(pages.readPrinterBuffer(link::kJobListBuffer), -3);
    EXPECT_EQ(data.jobs.count, 0);
    EXPECT_EQ(data.jobs.owners, std::vector<std::string>{""});
    EXPECT_EQ(data.jobs.documents, std::vector<std::string>{""});
}

TEST_F(PagesTest, MacAddressBufferIsCopiedWhateverTheResult) {
    link.commands.buffers[link::kMacAddressBuffer] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66};
    ASSERT_EQ(pages.readPrinterBuffer(link::kMacAddressBuffer), 0);
    EXPECT_EQ(data.image.MacAddress,
              (std::array<std::uint8_t, 6>{0, 0x11, 0x22, 0x33, 0x44, 0x55}));
    EXPECT_EQ(link.commands.callsTo("KQCMD_ReadBuffer").back().args.back(), 6);

    link.commands.results.push("KQCMD_ReadBuffer", {-1});
    EXPECT_EQ(pages.readPrinterBuffer(link::kMacAddressBuffer), -1);
    EXPECT_EQ(data.image.MacAddress, (std::array<std::uint8_t, 6>{}));
}

TEST_F(PagesTest, IpsecBufferByteZeroIsTheMethod) {
    link.commands.buffers[link::kIpsecModeBuffer] = {2, 0, 0, 0};
    ASSERT_EQ(pages.readPrinterBuffer(link::kIpsecModeBuffer), 0);
    EXPECT_EQ(data.image.IpsecEnabled, 1);
    EXPECT_EQ(data.image.IpsecMode, 2);
    EXPECT_EQ(link.commands.callsTo("KQCMD_ReadBuffer").back().args,
              (std::vector<std::int64_t>{3, 5, 2, 0xA0, 0, 4}));

    link.commands.buffers[link::kIpsecModeBuffer] = {0, 0, 0, 0};
    ASSERT_EQ(pages.readPrinterBuffer(link::kIpsecModeBuffer), 0);
    EXPECT_EQ(data.image.IpsecEnabled, 0);
    EXPECT_EQ(data.image.IpsecMode, 0);
}

TEST_F(PagesTest, FailedIpsecReadKeepsIpsecOn) {
    data.image.IpsecEnabled = 1;
    data.image.IpsecMode = 1;
    link.commands.results.push("KQCMD_ReadBuffer", {-0x0102D000});
    EXPECT_EQ(pages.readPrinterBuffer(link::kIpsecModeBuffer), -0x0102D000);
    EXPECT_EQ(data.image.IpsecEnabled, 1);
    EXPECT_EQ(data.image.IpsecMode, 1);
}

}  // namespace
}  // namespace orvan::test
