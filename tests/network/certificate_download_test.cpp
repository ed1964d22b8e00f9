// The IPsec key download from the dialog to the printer's buffers, on real
// files made by the openssl command: what each buffer received, the tail
// that switches the IPsec mode, sets the clock and reads the mode back, and
// every failure, which stops the rest and leaves the chooser open.
#include <gtest/gtest.h>

#include "network/certificate_forms.h"
#include "network/ipsec_rig.h"
#include "tabs/setting_tab_buttons.h"

namespace orvan::testing {
namespace {

using network::DownloadType;

const std::string kConversionDetails =
    "\rDetails:Error happens in DLL. Invalid parameter was passed to the DLL.";
const std::string kNoCardDetails = "\rDetails:No Card. (Cards have run out.) Replenish the cards.";
const Bytes kClockRecord = {125, 2, 13, 9, 26, 53, 0, 0};  // 2025-03-14 09:26:53

TEST(CertificateDownload, APrinterCertificateFillsItsBuffersAndTheTabShowsItsMethodAfterClose) {
    IpsecRig rig;
    ASSERT_TRUE(rig.certificates.made()) << "the openssl command could not make the files";
    const Bytes password = {'O', 'r', 'v', 'a', 'n', '-', '2', '4', 0};
    // The current file, and the legacy ones (RC2 and 3DES) alike, each onto
    // a printer with IPsec off.
    for (const std::string& file : CertificateFiles::pkcs12Files()) {
        SCOPED_TRACE(file);
        rig.world.usb(0).setIpsecMethod(0);
        rig.main().SSTab1.setTab(shell::StatusTab);
        rig.main().SSTab1.setTab(shell::PrinterSelectTab);
        ASSERT_FALSE(rig.tab().Option7_4[1].value());
        rig.tab().Option7_3[1].setValue(true);  // "IPSec Enable" offers "Details ..."
        ASSERT_TRUE(rig.tab().Command7_2.enabled());
        rig.world.clearCalls();
        bool chooserClosed = false;
        // What the status line said (the dialog's waits let its time run out).
        std::vector<std::string> told;
        const int watching =
            rig.main().DoneLine.observe([&](ui::Control& line, ui::Property changed) {
                if (changed == ui::Property::Caption && !line.caption().empty())
                    told.push_back(line.caption());
            });
        std::size_t callsWhileAsked = 0;
        rig.withDialog({rig.selectType(DownloadType::PrinterCertificate),
                        rig.write(" " + rig.beside(file) + " "),
                        // The monitor's cycle waits while the password is asked for.
                        [&] {
                            const std::size_t before = rig.world.calls().size();
                            for (int tick = 0; tick < 40; ++tick) rig.main().Timer1.tick();
                            callsWhileAsked = rig.world.calls().size() - before;
                        },
                        rig.typePassword("  Orvan-24 "),
                        [&] { chooserClosed = !rig.chooser().form.visible(); }});
        rig.main().DoneLine.unobserve(watching);
        EXPECT_TRUE(rig.boxes.shown().empty());
        EXPECT_TRUE(chooserClosed);
        EXPECT_EQ(callsWhileAsked, 0u);
        EXPECT_EQ(rig.bufferCommands(),
                  (std::vector<std::string>{"W81", "W82", "W83", "WA0", "WA1", "RA0"}));
        EXPECT_EQ(rig.written(0x81), framed(rig.certificates.certificatePem()));
        EXPECT_EQ(rig.written(0x82), framed(rig.certificates.privateKeyPem()));
        EXPECT_EQ(rig.written(0x83), password);
        EXPECT_EQ(rig.written(0xA0), (Bytes{2, 0, 0, 0}));
        EXPECT_EQ(rig.written(0xA1), kClockRecord);
        EXPECT_EQ(rig.image().IpsecMode, 2);
        // The method shows on the tab once the dialog is closed.
        EXPECT_TRUE(rig.tab().Option7_4[1].value());
        // The password goes with the dialog.
        EXPECT_EQ(rig.dialog().prompt.password(), "");
        EXPECT_EQ(told, std::vector<std::string>{"Certificate downloaded"});
    }
    // IPsec is on now as far as the tab knows: "IPSec Disable" and Update
    // switch it off in the printer again.
    rig.tab().Option7_3[0].setValue(true);
    rig.update();
    EXPECT_EQ(rig.world.usb(0).ipsecMethod(), 0);
}

TEST(CertificateDownload, AWrongMissingOrBlankPasswordAndACorruptFileSendNothing) {
    IpsecRig rig;
    ASSERT_TRUE(rig.certificates.made());
    Bytes corrupt = rig.certificates.bytes("current.p12");
    corrupt.resize(corrupt.size() / 2);
    ScratchDir::write(rig.beside("cut.p12"), IpsecRig::text(corrupt));
    const std::string p12 = rig.beside("current.p12");
    bool chooserOpen = false;
    rig.withDialog({rig.selectType(DownloadType::PrinterCertificate), rig.write(p12),
                    rig.typePassword("Orvan-25"),
                    // Closed without "OK": the password before is used again.
                    rig.write(p12), [&] { rig.dialog().prompt.form.requestClose(); },
                    rig.write(p12), rig.typePassword("   "),
                    // A euro sign has no single-byte code: refused, not sent changed.
                    rig.write(p12), rig.typePassword("Orvan-2\xE2\x82\xAC"),
                    rig.write(rig.beside("cut.p12")), rig.typePassword("Orvan-24"),
                    [&] { chooserOpen = rig.chooser().form.visible(); }});
    const std::string wrong =
        "It fails to convert(DLL) printer certificate key." + kConversionDetails;
    EXPECT_EQ(rig.shownTexts(),
              (std::vector<std::string>{wrong, wrong, "There is no password of certificate.",
                                        tabs::kPasswordNotSingleByte, wrong}));
    for (const auto& box : rig.boxes.shown()) EXPECT_EQ(box.icon, ui::Icon::Warning);
    EXPECT_TRUE(chooserOpen);
    EXPECT_TRUE(rig.bufferCommands().empty());
}

TEST(CertificateDownload, APresharedKeyIsSentWithAZeroByteAndALargerOneIsRefusedFirst) {
    IpsecRig rig;
    Bytes key(8192);
    for (std::size_t i = 0; i < key.size(); ++i) key[i] = static_cast<std::uint8_t>(1 + i % 251);
    ScratchDir::write(rig.beside("largest.key"), IpsecRig::text(key));
    ScratchDir::write(rig.beside("larger.key"), IpsecRig::text(key) + "x");
    ScratchDir::write(rig.beside("empty.key"), "");
    bool chooserOpen = false;
    rig.withDialog({rig.selectType(DownloadType::PresharedKey), rig.write(rig.beside("larger.key")),
                    rig.write(rig.beside("empty.key")),
                    [&] { chooserOpen = rig.chooser().form.visible(); },
                    rig.write(rig.beside("largest.key"))});
    EXPECT_EQ(rig.shownTexts(), (std::vector<std::string>{
                                    "The file is too large. At most 8192 bytes can be downloaded.",
                                    "The file is empty."}));
    EXPECT_TRUE(chooserOpen);
    EXPECT_EQ(rig.bufferCommands(), (std::vector<std::string>{"W80", "WA0", "WA1", "RA0"}));
    Bytes sent = key;
    sent.push_back(0);
    EXPECT_EQ(rig.written(0x80), sent);
    EXPECT_EQ(rig.written(0xA0), (Bytes{1, 0, 0, 0}));
    EXPECT_EQ(rig.written(0xA1), kClockRecord);
    EXPECT_TRUE(rig.tab().Option7_4[0].value());
}

TEST(CertificateDownload, ACaCertificateIsSentAsPemAndLeavesTheIpsecModeAlone) {
    IpsecRig rig;
    ASSERT_TRUE(rig.certificates.made());
    rig.world.usb(0).setIpsecMethod(1);
    rig.main().SSTab1.setTab(shell::StatusTab);
    rig.main().SSTab1.setTab(shell::PrinterSelectTab);
    ASSERT_TRUE(rig.tab().Option7_4[0].value());
    ScratchDir::write(rig.beside("pem-not-der.cer"),
                      IpsecRig::text(rig.certificates.certificatePem()));
    rig.world.clearCalls();
    rig.withDialog({rig.selectType(DownloadType::CaCertificate),
                    rig.write(rig.beside("pem-not-der.cer")), rig.write(rig.beside("ca.cer"))});
    EXPECT_EQ(rig.shownTexts(),
              std::vector<std::string>{"It fails to convert(DLL) CA Certificate data." +
                                       kConversionDetails});
    EXPECT_EQ(rig.bufferCommands(), std::vector<std::string>{"W84"});
    EXPECT_EQ(rig.written(0x84), framed(rig.certificates.certificatePem()));
    EXPECT_EQ(rig.world.usb(0).ipsecMethod(), 1);
    EXPECT_TRUE(rig.tab().Option7_3[1].value());
    EXPECT_TRUE(rig.tab().Option7_4[0].value());
}

// Each row makes one step fail: the steps before it ran, none after it.
TEST(CertificateDownload, TheDownloadStopsAtItsFirstFailureWithThatStepsText) {
    struct Row {
        DownloadType type;
        bool read;
        int buffer;
        std::vector<std::string> ran;
        std::string text;
    };
    const Row rows[] = {
        {DownloadType::PrinterCertificate,
         false,
         0x82,
         {"W81"},
         "It fails to download private key."},
        {DownloadType::PrinterCertificate,
         false,
         0x83,
         {"W81", "W82"},
         "It fails to download password."},
        {DownloadType::PresharedKey, false, 0x80, {}, "It fails to download preshared key."},
        {DownloadType::PresharedKey, false, 0xA0, {"W80"}, "It fails to setting IP Sec mode."},
        {DownloadType::PresharedKey, false, 0xA1, {"W80", "WA0"}, "It fails to setting Sync Time."},
        {DownloadType::PresharedKey,
         true,
         0xA0,
         {"W80", "WA0", "WA1"},
         "It fails to get IP Sec mode."},
        {DownloadType::CaCertificate, false, 0x84, {}, "It fails to download CA Certificate data."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        IpsecRig rig;
        ASSERT_TRUE(rig.certificates.made());
        ScratchDir::write(rig.beside("site.key"), "0123456789abcdef");
        (row.read ? rig.faults.failingReads : rig.faults.failingWrites)[row.buffer] = -0x0102D000;
        const char* file = row.type == DownloadType::PresharedKey    ? "site.key"
                           : row.type == DownloadType::CaCertificate ? "ca.cer"
                                                                     : "current.p12";
        bool chooserOpen = false;
        rig.withDialog({rig.selectType(row.type), rig.write(rig.beside(file)),
                        rig.typePassword("Orvan-24"),
                        [&] { chooserOpen = rig.chooser().form.visible(); }});
        EXPECT_EQ(rig.bufferCommands(), row.ran);
        EXPECT_EQ(rig.shownTexts(), std::vector<std::string>{row.text + kNoCardDetails});
        EXPECT_TRUE(chooserOpen);
    }
}

TEST(CertificateDownload, TheChooserListsTheTypesFilesBesideTheProgramAndChecksThePath) {
    IpsecRig rig;
    ScratchDir::write(rig.beside("notes.txt"), "not a certificate");
    network::CertificateFileForm& chooser = rig.chooser();
    std::vector<std::string> listed;
    std::string path;
    bool printerGone = false;
    // The path checks ask nothing: whatever is pressed, nothing is tried again.
    for (auto answer : {ui::Answer::TryAgain, ui::Answer::Continue, ui::Answer::Cancel})
        rig.boxes.answerNext(answer);
    rig.withDialog({rig.selectType(DownloadType::PrinterCertificate),
                    [&] {
                        listed = chooser.File5.items();
                        path = chooser.Text5.text();
                    },
                    rig.write("  "), rig.write(rig.beside("missing.p12")),
                    rig.write(rig.dir.path().string()),
                    // The printer is lost while the chooser is open.
                    [&] {
                        rig.state().printerCount = 0;
                        printerGone = true;
                    },
                    rig.write(rig.beside("current.p12")),
                    [&] { chooser.Cmd5[network::kCancelButton].click(); },
                    rig.selectType(DownloadType::PresharedKey)});
    EXPECT_EQ(listed,
              (std::vector<std::string>{"current.p12", "legacy-3des.pfx", "legacy-rc2.p12"}));
    EXPECT_EQ(path, rig.beside("current.p12"));
    EXPECT_EQ(chooser.Dir5.path(), rig.dir.path().string());
    EXPECT_EQ(chooser.HScroll5.max(), 10);
    ASSERT_TRUE(printerGone);
    EXPECT_EQ(rig.shownTexts(),
              (std::vector<std::string>{"File is not specified.", "File is not found.",
                                        "File is not found.", "Printer is not found.",
                                        "Printer is not found."}));
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(rig.boxes.shown()[i].icon, ui::Icon::Error);
        EXPECT_EQ(rig.boxes.shown()[i].buttons, ui::Buttons::CancelTryAgainContinue);
    }
    EXPECT_TRUE(rig.bufferCommands().empty());
}

}  // namespace
}  // namespace orvan::testing
