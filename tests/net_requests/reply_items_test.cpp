// Where answered items land in the image and identity, and how replies that
// are short, long or unexpected are read.
#include "net_fixture.h"

namespace orvan::test {
namespace {

TEST_F(NetTest, ConditionReplyFillsFieldsAndOptionBytes) {
    link.settings.queueReply(concat({item(70, {1}), item(95, {255}), item(22, {3}), item(40, {4}),
                                     item(41, {5}), item(42, {6}), item(92, {7})}));
    link.settings.queueReply(concat({item(50, {1}), item(57, {2})}));
    ASSERT_EQ(net.conditionRead(), 0);
    const auto& pc = data.image.PrintCondition;
    EXPECT_EQ(pc.Byte41, 1);
    EXPECT_EQ(pc.Byte58, 255);
    EXPECT_EQ(pc.Byte45, 3);
    EXPECT_EQ(data.image.MagneticSetting, (link::MagneticSettingPage{6, 5, 4}));
    EXPECT_EQ(pc.Byte8, 7);
    EXPECT_EQ(data.identity.Option40(), 1);
    EXPECT_EQ(data.identity.Option44(), 2);
}

TEST_F(NetTest, NetworkReplyFillsAddressesNameIpsecAndMac) {
    data.image.NetworkSetting.Name.fill('Z');
    Bytes blocks(48);
    for (std::size_t i = 0; i < blocks.size(); ++i) blocks[i] = static_cast<std::uint8_t>(i);
    link.settings.queueReply(concat(
        {textItem(1, "NET"), item(2, {1}), item(3, {192, 168, 1, 20}), item(4, {255, 255, 255, 0}),
         item(5, {192, 168, 1, 1}), item(6, {1}), item(7, {4}), item(8, {1}), item(9, {2}),
         item(11, {1}), item(12, {0}), item(13, Bytes(16, 0xFE)), item(14, blocks)}));
    link.settings.queueReply(item(3, {0, 0x11, 0x22, 0x33, 0x44, 0x55}));
    ASSERT_EQ(net.networkRead(), 0);
    const auto& nw = data.image.NetworkSetting;
    EXPECT_EQ(link::networkName(nw), "NET");
    EXPECT_EQ(nw.Name[4], 'Z');
    EXPECT_EQ((std::vector<int>{nw.Byte2, nw.Byte3, nw.Byte4, nw.Byte5}),
              (std::vector<int>{192, 168, 1, 20}));
    EXPECT_EQ(nw.Byte9, 0);
    EXPECT_EQ(nw.Byte13, 1);
    EXPECT_EQ(nw.Byte15, 1);
    EXPECT_EQ(nw.Byte14, 4);
    EXPECT_EQ(nw.Byte16, 1);
    EXPECT_EQ(data.image.IpsecEnabled, 1);
    EXPECT_EQ(data.image.IpsecMode, 2);
    EXPECT_EQ(nw.Byte29, 1);
    link::AddressBytes gateway;
    gateway.fill(0xFE);
    EXPECT_EQ(nw.Block31, gateway);
    EXPECT_EQ(data.image.NetIPv6Blocks[0][0], 0);
    EXPECT_EQ(data.image.NetIPv6Blocks[1][0], 16);
    EXPECT_EQ(data.image.NetIPv6Blocks[2][15], 47);
    EXPECT_EQ(data.image.MacAddress,
              (std::array<std::uint8_t, 6>{0, 0x11, 0x22, 0x33, 0x44, 0x55}));
}

TEST_F(NetTest, ShorterNameEndsTheOldOne) {
    data.image.NetworkSetting.Name = {'L', 'O', 'N', 'G', 'N', 'A', 'M', 'E', 0, 0, 0};
    Bytes unterminated{'A', 'B'};
    link.settings.queueReply(item(1, unterminated));
    ASSERT_EQ(net.networkRead(), 0);
    EXPECT_EQ(link::networkName(data.image.NetworkSetting), "AB");
}

TEST_F(NetTest, StatusAndPropertyRepliesFillMediaCountersAndVersions) {
    link.settings.queueReply(
        concat({item(13, {1}), item(10, {2}), item(11, {25}), item(12, {5}),
                item(14, {0, 0, 0, 200}), counterItem(30, 1000), counterItem(33, 0x01020304)}));
    link.settings.queueReply(item(51, {2}));
    ASSERT_EQ(net.statusTabRead(), 0);
    const auto& img = data.image;
    EXPECT_EQ(img.MediaInfo.Byte2, 1);
    EXPECT_EQ(img.PrintCondition.Byte49, 2);
    EXPECT_EQ(img.PrintCondition.Byte48, 25);
    EXPECT_EQ(img.PrintCondition.Byte47, 5);
    EXPECT_EQ(img.MediaInfo.Count, 200);
    EXPECT_EQ(img.Counters.Print, 1000);
    EXPECT_EQ(img.Counters.Cleaning, 0x01020304);
    EXPECT_EQ(img.PrintCondition.Byte20, 2);

    link.settings.queueReply(
        concat({textItem(30, "V1.20"), textItem(31, "C7"), textItem(32, "T3"), textItem(35, "LAM9"),
                item(51, {1}), item(55, {3}), item(59, {1})}));
    link.settings.queueReply(concat({counterItem(31, 7), counterItem(32, 8), counterItem(35, 9)}));
    ASSERT_EQ(net.propertyRead(), 0);
    EXPECT_EQ(data.identity.PrinterVersion, "V1.20");
    EXPECT_EQ(data.identity.ConfigVersion, "C7");
    EXPECT_EQ(data.identity.TableVersion, "T3");
    EXPECT_EQ(data.identity.LaminatorVersion, "LAM9");
    EXPECT_EQ(data.identity.Option47(), 1);
    EXPECT_EQ(data.identity.Option41(), 3);
    EXPECT_EQ(data.identity.Option46(), 1);
    EXPECT_EQ(img.Counters.PrinterTotal, 7);
    EXPECT_EQ(img.Counters.ThermalHead, 8);
    EXPECT_EQ(img.Counters.Error, 9);
}

TEST_F(NetTest, MediaReplyTakesInkSetsOfTheWidthSent) {
    link.settings.queueReply(concat({item(14, {0x01, 0x2C}), textItem(15, "LOT42")}));
    ASSERT_EQ(net.mediaRead(), 0);
    EXPECT_EQ(data.image.MediaInfo.Count, 300);
    EXPECT_EQ(data.image.MediaInfo.Text, "LOT42");
}

TEST_F(NetTest, UnexpectedItemsAreSkipped) {
    link.settings.queueReply(
        concat({item(99, {7, 7, 7}), item(80, {1}), item(31, {9}), item(79, {2})}));
    ASSERT_EQ(net.bendRemedyRead(), 0);
    EXPECT_EQ(data.image.PrintCondition.Byte37, 1);
    EXPECT_EQ(data.image.PrintCondition.Byte36, 2);
    EXPECT_EQ(data.image.PrintCondition.Byte55, 0);  // 31 was not asked for here
}

TEST_F(NetTest, ItemRunningPastTheReplyEndsTheWalk) {
    Bytes reply = concat({item(76, {1}), Bytes{77, 40, 0, 5}});  // claims 40 bytes, has 2
    reply.insert(reply.end(), {78, 2, 0, 9});  // inside the overlong item: not an item
    link.settings.queueReply(reply);
    ASSERT_EQ(net.retransferRead(), 0);
    EXPECT_EQ(data.image.PrintCondition.Byte33, 1);
    EXPECT_EQ(data.image.PrintCondition.Byte34, 5);  // its value byte was received
    EXPECT_EQ(data.image.PrintCondition.Byte35, 0);
}

TEST_F(NetTest, ItemWithoutItsValueByteChangesNothing) {
    data.image.PrintCondition.Byte56 = 8;
    link.settings.queueReply(Bytes{93, 1, 0, 94, 0});
    ASSERT_EQ(net.retransferRead(), 0);
    EXPECT_EQ(data.image.PrintCondition.Byte56, 8);
}

TEST_F(NetTest, NameProbeStoresOnlyWhenTheFirstItemIsTheName) {
    link.state.printerCount = 0;
    data.image.NetworkSetting.Name = {'O', 'L', 'D', 0};
    link.settings.queueReply(concat({item(2, {1}), textItem(1, "OTHER")}));
    EXPECT_EQ(net.nameProbe(), 0);
    EXPECT_EQ(link::networkName(data.image.NetworkSetting), "OLD");

    link.settings.queueReply(concat({textItem(1, "NEW"), item(2, {1})}));
    EXPECT_EQ(net.nameProbe(), 0);
    EXPECT_EQ(link::networkName(data.image.NetworkSetting), "NEW");
    EXPECT_EQ(data.image.NetworkSetting.Byte16, 0);
}

}  // namespace
}  // namespace orvan::test
