// The "Media Setting" tab: the ink ribbon as the printer reports it, film
// type and thickness written to page 0x28 over either connection, and the
// card material kept in the configuration file, whose change alone asks for
// new hint colours.
#include <gtest/gtest.h>

#include "profile/scratch_dir.h"
#include "shell/configuration.h"
#include "tab_rig.h"
#include "tabs/media_setting_tab.h"

namespace orvan::testing {
namespace {

using ui::Answer;
using Bytes = std::vector<std::uint8_t>;
using Values = std::vector<std::pair<std::int64_t, std::uint8_t>>;

struct MediaSettingRig : TabRig {
    ScratchDir dir;
    shell::Configuration config{dir.file("OrvanStatusMonitor.ini")};
    int hintRecomputes = 0;
    std::int16_t materialSeenByHints = -1;
    tabs::MediaSettingTab tab{context(), link()};

    MediaSettingRig() : TabRig(tabs::MediaSettingTab::kLinkPlan) {}

    tabs::CardMaterialLink link() {
        return {[this] { return config.ReadCardType(); },
                [this](int material) { config.WriteCardType(material); },
                [this] {
                    ++hintRecomputes;
                    materialSeenByHints = data.image.CardMaterial;
                }};
    }
    void show() {
        tab.setup();
        readTab();
        tab.fill();
    }
    void update() {
        boxes.answerNext(Answer::Ok);
        tab.Cmd4[tabs::kUpdateButton].click();
    }
    ui::ComboBox& list(int i) { return tab.Combo4[static_cast<std::size_t>(i)]; }
    std::string label(int i) const { return tab.Label4_0[static_cast<std::size_t>(i)].caption(); }
};

TEST(MediaSettingTab, UsbRoundTripShowsTheRibbonAndWritesFilmTypeAndThickness) {
    MediaSettingRig rig;
    auto& printer = rig.world.usb(0);
    printer.setPageByte(0x23, 2, 2);  // YMCK-PO
    printer.setPageByte(0x23, 4, 0x01);
    printer.setPageByte(0x23, 5, 0x02);  // 258 ink sets
    printer.setPageText(0x23, 8, 6, "B7");
    printer.setPageByte(0x28, 20, 2);  // "Standard(750)"
    rig.show();
    EXPECT_EQ(rig.label(0), " YMCK-PO");
    EXPECT_EQ(rig.label(1), " 258");
    EXPECT_EQ(rig.label(2), " B7");
    EXPECT_EQ(rig.list(tabs::MaterialList).text(), "PVC");  // no CARDTYPE yet
    EXPECT_EQ(rig.list(tabs::FilmTypeList).text(), "Standard(750)");
    EXPECT_EQ(rig.list(tabs::ThicknessList).text(), "Standard");

    rig.list(tabs::FilmTypeList).setListIndex(0);
    rig.list(tabs::ThicknessList).setListIndex(1);  // "Thin"
    rig.update();
    EXPECT_EQ(rig.boxes.shown().back().text, "Would you like to change Printer Setting?");
    // Film type at request byte 17, thickness at 19; the other fields as read.
    const Bytes expected = {0x28, 30, 0xFF, 0xFF, 2,    2, 2, 2, 1, 0xFF, 0xFF, 0, 0, 3, 0, 3,
                            3,    0,  1,    2,    0xFF, 0, 2, 3, 3, 0xFF, 0,    0, 2, 2, 0, 0xFF};
    EXPECT_EQ(rig.lastSelect(0x28), expected);
    EXPECT_EQ(printer.pageByte(0x28, 20), 0);
    EXPECT_EQ(printer.pageByte(0x28, 22), 2);
    EXPECT_EQ(rig.config.ReadCardType(), 0);  // the material is written with every Update
}

TEST(MediaSettingTab, NetworkRoundTripSendsFilmTypeThenThickness) {
    MediaSettingRig rig;
    rig.useNetwork();
    auto& printer = rig.world.network(0);
    printer.setPageByte(0x23, 2, 254);
    printer.setPageText(0x23, 8, 6, "LOT042");
    printer.setPageByte(0x28, 22, 2);
    rig.show();
    EXPECT_EQ(rig.label(0), "(254:No TAG)");
    EXPECT_EQ(rig.label(1), " 250");
    EXPECT_EQ(rig.label(2), " LOT042");
    EXPECT_EQ(rig.list(tabs::ThicknessList).text(), "Thin");

    rig.list(tabs::FilmTypeList).setListIndex(1);
    rig.update();
    EXPECT_EQ(rig.writtenValues(), (Values{{51, 2}, {20, 2}}));
    EXPECT_EQ(printer.pageByte(0x28, 20), 2);
}

TEST(MediaSettingTab, OnlyANewMaterialAsksForNewHintColoursAndItOutlivesARestart) {
    MediaSettingRig rig;
    rig.show();
    // Film type and thickness alone, and the material as it was: no new colours.
    rig.list(tabs::ThicknessList).setListIndex(1);
    rig.update();
    rig.list(tabs::MaterialList).setListIndex(0);
    rig.update();
    EXPECT_EQ(rig.hintRecomputes, 0);

    rig.list(tabs::MaterialList).setListIndex(1);  // "PET-G"
    EXPECT_EQ(rig.hintRecomputes, 0);              // choosing is not updating
    rig.update();
    EXPECT_EQ(rig.hintRecomputes, 1);
    EXPECT_EQ(rig.materialSeenByHints, 1);  // the colours are worked out for the new card
    EXPECT_EQ(ScratchDir::read(rig.dir.file("OrvanStatusMonitor.ini")),
              "[MEDIASETTING]\nCARDTYPE=1\n");
    rig.update();
    EXPECT_EQ(rig.hintRecomputes, 1);

    // A cancelled question changes nothing.
    rig.list(tabs::MaterialList).setListIndex(2);
    rig.boxes.answerNext(Answer::Cancel);
    rig.tab.Cmd4[tabs::kUpdateButton].click();
    EXPECT_EQ(rig.hintRecomputes, 1);
    EXPECT_EQ(rig.config.ReadCardType(), 1);

    // The next run reads the material back from the file.
    MediaSettingRig next;
    ScratchDir::write(next.dir.file("OrvanStatusMonitor.ini"),
                      ScratchDir::read(rig.dir.file("OrvanStatusMonitor.ini")));
    next.show();
    EXPECT_EQ(next.list(tabs::MaterialList).text(), "PET-G");
    EXPECT_EQ(next.data.image.CardMaterial, 1);
    EXPECT_EQ(next.hintRecomputes, 0);
}

TEST(MediaSettingTab, UnknownCodesAndBytesLeaveTheirControlsAsTheyWere) {
    const std::pair<int, const char*> ribbons[] = {
        {0, " YMCK"},
        {1, ""},
        {2, " YMCK-PO"},
        {3, " K"},
        {4, " YMCKK"},
        {5, " YMCK-UV"},
        {6, ""},
        {251, ""},
        {252, "(252:Invalid TAG Data)"},
        {253, "(253:Defective TAG)"},
        {254, "(254:No TAG)"},
        {255, "(255:Defective R/W)"},
    };
    for (const auto& [code, name] : ribbons) EXPECT_EQ(tabs::RibbonName(code), name) << code;

    MediaSettingRig rig;
    ScratchDir::write(rig.dir.file("OrvanStatusMonitor.ini"), "[MEDIASETTING]\nCARDTYPE=2\n");
    rig.show();
    EXPECT_EQ(rig.list(tabs::MaterialList).text(), "HR-PET-G");
    rig.list(tabs::ThicknessList).setListIndex(1);
    rig.world.usb(0).setPageByte(0x28, 22, 1);  // neither "Standard" nor "Thin"
    rig.world.usb(0).setPageByte(0x28, 20, 7);
    ScratchDir::write(rig.dir.file("OrvanStatusMonitor.ini"), "[MEDIASETTING]\nCARDTYPE=7\n");
    rig.readTab();
    rig.tab.fill();
    EXPECT_EQ(rig.list(tabs::ThicknessList).text(), "Thin");
    EXPECT_EQ(rig.list(tabs::FilmTypeList).text(), "Standard(1000)");
    EXPECT_EQ(rig.list(tabs::MaterialList).text(), "HR-PET-G");
    EXPECT_EQ(rig.data.image.CardMaterial, 7);
    // What is shown is what goes back; the file gets a material the tab knows.
    rig.update();
    EXPECT_EQ(rig.lastSelect(0x28)[19], 2);
    EXPECT_EQ(rig.lastSelect(0x28)[17], 0);
    EXPECT_EQ(rig.config.ReadCardType(), 2);

    // Without a printer everything is empty and nothing can be chosen.
    rig.state.printerCount = 0;
    rig.tab.fill();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(rig.label(i), "") << i;
        EXPECT_EQ(rig.list(i).listIndex(), -1) << i;
        EXPECT_FALSE(rig.list(i).enabled()) << i;
    }
}

TEST(MediaSettingTab, UpdateIsForThoseAllowedAndTheListsAreFilledOnce) {
    MediaSettingRig rig;
    rig.administrator = false;
    rig.tab.setup();
    EXPECT_FALSE(rig.tab.Cmd4[tabs::kUpdateButton].enabled());
    EXPECT_TRUE(rig.tab.Cmd4[tabs::kRefreshButton].enabled());
    rig.granted[4] = true;
    rig.tab.setup();
    EXPECT_TRUE(rig.tab.Cmd4[tabs::kUpdateButton].enabled());
    EXPECT_EQ(rig.list(tabs::MaterialList).items(),
              (std::vector<std::string>{"PVC", "PET-G", "HR-PET-G"}));
    EXPECT_EQ(rig.list(tabs::FilmTypeList).items(),
              (std::vector<std::string>{"Standard(1000)", "Standard(750)"}));
    EXPECT_EQ(rig.list(tabs::ThicknessList).items(),
              (std::vector<std::string>{"Standard", "Thin"}));
}

}  // namespace
}  // namespace orvan::testing
