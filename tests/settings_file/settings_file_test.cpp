// A printer's settings as a file: what a file may hold, what saving leaves
// out, and applying a file over the simulated printer, byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "cycles/cycle_rig.h"
#include "profile/scratch_dir.h"
#include "settings_file/setting_catalogue.h"
#include "settings_file/settings_backups.h"
#include "settings_file/settings_job.h"

namespace orvan::testing {
namespace {

using settings_file::ReadError;
using settings_file::SettingsDocument;
using Bytes = std::vector<std::uint8_t>;
constexpr std::uint8_t X = 0xFF;

std::string fileWith(const std::string& settings, const std::string& version = "1") {
    return R"({"schema": "orvan-settings", "version": )" + version +
           R"(, "saved": "2026-12-08T10:00:00Z", "printer": {"name": "USB:Unit1"},
               "settings": {)" +
           settings + "}}";
}

std::string refusal(const std::string& text) {
    const auto read = settings_file::decodeDocument(text);
    const auto* error = std::get_if<ReadError>(&read);
    return error ? error->message : "";
}

TEST(SettingsFileReading, RefusesAnythingButAWholeVersionOneFileAndSaysWhy) {
    const struct {
        std::string text;
        std::string named;  // a part of the message
    } refused[] = {
        {fileWith(R"("PrintCondition.Byte41": {"value": 1})", "2"), "another version"},
        {fileWith(R"("PrintCondition.Byte41": {"value": 1})", "\"1\""), "another version"},
        {R"({"schema": "other", "version": 1, "settings": {}})", "not an orvan-settings file"},
        {fileWith(R"("PrintCondition.Byte99": {"value": 1})"),
         "Unknown setting \"PrintCondition.Byte99\""},
        {fileWith(R"("NetworkSetting.Byte2": {"value": 1})"),
         "Unknown setting"},  // an address byte
        {fileWith(R"("PrintCondition.Byte41": {"value": 4})"),
         "Resin K Ink Print Level) is 4, outside -3..3"},
        {fileWith(R"("PrintCondition.Byte20": {"value": 1})"), "Film Type) is 1, outside 0, 2"},
        {fileWith(R"("PrintCondition.Byte36": {"value": 7})"), "outside 0..5 or 10"},
        {fileWith(R"("PrintCondition.Byte41": {"value": 1.5})"), "not a whole number"},
        {fileWith(R"("PrintCondition.Byte41": {"caption": "x"})"), "has no value"},
        {fileWith(R"("PrintCondition.Byte41": {"value": 99999999999999})"), "outside"},
        {fileWith(R"("PrintCondition.Byte41": {"value": 1)"), "not valid JSON"},
        {"[1, 2]", "not an orvan-settings file"},
        {fileWith(R"("PrintCondition.Byte41": {"value": [[[[[1]]]]]})"), "nested deeper"},
        {std::string(settings_file::kMaxFileBytes + 1, ' '), "too large"},
        {fileWith(R"("PrintCondition.Byte41": 1)"), "not an object with its caption and value"},
        {fileWith(R"("PrintCondition.Byte41": {"vaule": 1, "value": 1})"),
         "Unknown field \"vaule\" in \"PrintCondition.Byte41\""},
        {R"({"schema": "orvan-settings", "version": 1, "settings": {}, "extra": 1})",
         "Unknown field \"extra\""},
        {R"({"schema": "orvan-settings", "version": 1, "settings": {}, "printer": {"connection": "serial"}})",
         "neither \"usb\" nor \"network\""},
        {R"({"schema": "orvan-settings", "version": 1, "settings": {}, "printer": {"name": ")" +
             std::string(300, 'n') + R"("}})",
         "\"name\" is not a text of at most 256 characters"},
        {fileWith(R"("PrintCondition.Byte41": {"value": 1})") + std::string("\xff"),
         "not valid JSON (at byte"},
    };
    for (const auto& c : refused)
        EXPECT_NE(refusal(c.text).find(c.named), std::string::npos)
            << c.text.substr(0, 120) << " -> " << refusal(c.text);

    const auto good = settings_file::decodeDocument(
        fileWith(R"("PrintCondition.Byte41": {"caption": "anything", "value": -3},
                    "LaminatorSetting.Byte15": {"value": 7}, "PrintCondition.Byte36": {"value": 10})"));
    ASSERT_TRUE(std::holds_alternative<SettingsDocument>(good)) << refusal(fileWith(""));
    const auto& doc = std::get<SettingsDocument>(good);
    EXPECT_EQ(doc.values, (std::map<std::string, int>{{"PrintCondition.Byte41", -3},
                                                      {"LaminatorSetting.Byte15", 7},
                                                      {"PrintCondition.Byte36", 10}}));
    const auto again = settings_file::decodeDocument(settings_file::encodeDocument(doc));
    EXPECT_EQ(std::get<SettingsDocument>(again), doc);
}

// The shipped schema describes exactly the settings a file may hold, with
// the captions and the ranges the reader takes.
TEST(SettingsFileReading, TheShippedSchemaListsEverySettingWithItsCaptionAndRange) {
    const auto schema = nlohmann::json::parse(
        ScratchDir::read(ORVAN_SOURCE_DIR "/monitoring/orvan-settings.schema.json"));
    const auto& described = schema["properties"]["settings"]["properties"];
    EXPECT_EQ(described.size(), settings_file::settingCatalogue().size());
    for (const auto& s : settings_file::settingCatalogue()) {
        const std::string key(s.key);
        ASSERT_TRUE(described.contains(key)) << key;
        const auto& entry = described[key]["properties"];
        EXPECT_EQ(entry["caption"]["const"], std::string(s.caption)) << key;
        std::vector<int> allowed;
        for (int shown = -20; shown <= 20; ++shown)
            if (settings_file::byteAllowed(s, settings_file::byteOf(s, shown)))
                allowed.push_back(shown);
        const auto& value = entry["value"];
        if (value.contains("enum")) {
            EXPECT_EQ(value["enum"].get<std::vector<int>>(), allowed) << key;
        } else {
            EXPECT_EQ(value["minimum"].get<int>(), allowed.front()) << key;
            EXPECT_EQ(value["maximum"].get<int>(), allowed.back()) << key;
            EXPECT_EQ(static_cast<int>(allowed.size()), allowed.back() - allowed.front() + 1)
                << key;
        }
    }
}

// The simulated printer read as a file would be saved from it.
template <class Rig>
SettingsDocument savedFrom(Rig& rig, bool withNetwork) {
    settings_file::PrinterAccess access{rig.state, rig.cycles, rig.data,
                                        [](link::ResultCode) { return std::string(); }};
    EXPECT_TRUE(settings_file::readPrinterSettings(access, withNetwork).ok());
    return settings_file::documentOf(rig.data.image, rig.data.identity,
                                     settings_file::sourceOf(access), "now", withNetwork);
}

TEST(SettingsFileSaving, KeepsWhatTheTabsShowAndLeavesOutWhatThePrinterCannotHave) {
    CycleRig rig;
    rig.state.selected.name = "USB:Unit1";
    rig.world.usb(0).setPageByte(0x28, 41, 5);    // shown +2
    rig.world.usb(0).setPageByte(0x2C, 4, 0);     // shown -7
    rig.world.usb(0).setPageByte(0x28, 58, 255);  // back side cooling not offered
    rig.world.usb(0).setOption(40, 2);            // a JIS encoder, no ISO one
    SettingsDocument doc = savedFrom(rig, false);
    EXPECT_EQ(doc.values.at("PrintCondition.Byte41"), 2);
    EXPECT_EQ(doc.values.at("LaminatorSetting.Byte4"), -7);
    EXPECT_EQ(doc.values.count("PrintCondition.Byte58"), 0u);
    EXPECT_EQ(doc.values.count("MagneticSetting.Byte2"), 0u);
    EXPECT_EQ(doc.values.count("MagneticSetting.Byte3"), 1u);
    EXPECT_EQ(doc.values.count("NetworkSetting.Byte14"), 0u);
    EXPECT_EQ(doc.source.name, "USB:Unit1");
    EXPECT_EQ(doc.source.printerVersion, "1.02.003");
    const std::string text = settings_file::encodeDocument(doc);
    EXPECT_NE(text.find(R"("PrintCondition.Byte41": {
      "caption": "Resin K Ink Print Level",
      "value": 2
    })"),
              std::string::npos)
        << text;

    rig.world.usb(0).setOption(47, 0);  // the laminator taken off
    doc = savedFrom(rig, true);
    EXPECT_EQ(doc.values.count("LaminatorSetting.Byte4"), 0u);
    EXPECT_EQ(doc.values.at("NetworkSetting.Byte14"), 1);
    // Never the identity: addresses, name, how they are obtained.
    for (const auto& [key, value] : doc.values)
        EXPECT_TRUE(key == "NetworkSetting.Byte14" || key == "NetworkSetting.Byte16" ||
                    key.rfind("NetworkSetting.", 0) != 0)
            << key;
}

// The print condition and laminator requests of a factory-set printer.
const Bytes kFactoryCondition{0x28, 30, X, X, 2, 2, 2, 2, 1, X, X, 0, 0, 3, 0, 3,
                              3,    0,  1, 0, X, 0, 2, 3, 3, X, 0, 0, 2, 2, 0, X};
const Bytes kFactoryLaminator{0x2C, 22, 0, 0, 7, 2, 1, X, 1, 1, X, X,
                              X,    X,  0, 7, 2, X, X, X, X, X, X, X};

struct ApplyRig : CycleRig {
    std::vector<SettingsDocument> backups;
    settings_file::PrinterAccess access{state, cycles, data,
                                        [](link::ResultCode c) { return std::to_string(c); }};
    ApplyRig() { state.selected.name = "USB:Unit1"; }
    settings_file::ApplyReport apply(const SettingsDocument& doc, bool dryRun = false) {
        world.clearCalls();
        return settings_file::applyDocument(
            access, doc, dryRun,
            [this](const SettingsDocument& current) {
                backups.push_back(current);
                return std::string("/backup.json");
            },
            "now");
    }
    std::vector<Bytes> selects() const {
        std::vector<Bytes> out;
        for (const auto& c : world.callsTo("KQCMD_ModeSelect")) out.push_back(c.bytes);
        return out;
    }
};

TEST(ApplyingAFile, WritesOnlyThePagesThatChangeAndReadsThemBack) {
    ApplyRig rig;
    const SettingsDocument factory = savedFrom(rig, false);
    rig.world.usb(0).setPageByte(0x28, 41, 5);
    rig.world.usb(0).setPageByte(0x28, 46, 7);
    rig.world.usb(0).setPageByte(0x2C, 4, 9);

    auto report = rig.apply(factory, true);  // a dry run: only the comparison
    EXPECT_EQ(report.before.changes(), 3);
    EXPECT_TRUE(rig.selects().empty());
    EXPECT_TRUE(rig.backups.empty());

    report = rig.apply(factory);
    EXPECT_EQ(rig.selects(), (std::vector<Bytes>{kFactoryCondition, kFactoryLaminator}));
    ASSERT_EQ(rig.backups.size(), 1u);
    EXPECT_EQ(rig.backups[0].values.at("PrintCondition.Byte41"), 2);
    EXPECT_EQ(rig.backups[0].values.at("PrintCondition.Byte46"), 7);
    EXPECT_EQ(report.matched,
              (std::vector<std::string>{"PrintCondition.Byte41", "PrintCondition.Byte46",
                                        "LaminatorSetting.Byte4"}));
    EXPECT_TRUE(report.ok());
    EXPECT_EQ(rig.world.usb(0).pageByte(0x2C, 4), 7);

    report = rig.apply(factory);  // nothing left to change
    EXPECT_TRUE(report.before.same());
    EXPECT_TRUE(rig.selects().empty());
    EXPECT_EQ(rig.backups.size(), 1u);
}

TEST(ApplyingAFile, SkipsWhatThisPrinterCannotTakeAndSaysWhy) {
    ApplyRig rig;
    const SettingsDocument factory = savedFrom(rig, false);
    rig.world.usb(0).setOption(47, 0);
    rig.world.usb(0).setPageByte(0x2C, 4, 9);
    rig.world.usb(0).setPageByte(0x28, 58, 255);
    const auto report = rig.apply(factory);
    EXPECT_EQ(report.before.changes(), 0);
    EXPECT_EQ(report.before.skipped(), 11);  // ten laminator settings, the cooling
    EXPECT_TRUE(rig.selects().empty());
    const std::string text = settings_file::describeComparison(report.before);
    EXPECT_NE(text.find("Top Side Position          printer    -  file    0  skipped: no "
                        "laminator fitted"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Back Side Cooling          printer    -  file    0  skipped: not offered "
                        "by this printer"),
              std::string::npos)
        << text;
}

// The second mode select fails: the first page took, the second did not.
struct SecondSelectFails : sim::SimCommandPort {
    using sim::SimCommandPort::SimCommandPort;
    int selects = 0;
    std::int32_t KQCMD_ModeSelect(std::int32_t slot, std::int32_t scsiId, std::int32_t format,
                                  std::int32_t page, const std::uint8_t* request) override {
        if (++selects == 2) return -0x0103B000;
        return sim::SimCommandPort::KQCMD_ModeSelect(slot, scsiId, format, page, request);
    }
};

TEST(ApplyingAFile, NamesTheWrittenPagesWhenALaterOneFailsAndKeepsNothingBackWithoutABackup) {
    BasicCycleRig<SecondSelectFails> rig;
    rig.state.selected.name = "USB:Unit1";
    const SettingsDocument factory = savedFrom(rig, false);
    rig.world.usb(0).setPageByte(0x28, 41, 5);
    rig.world.usb(0).setPageByte(0x2C, 4, 9);
    std::vector<std::pair<std::string, link::ResultCode>> audited;
    settings_file::PrinterAccess access{rig.state,
                                        rig.cycles,
                                        rig.data,
                                        [](link::ResultCode c) { return std::to_string(c); },
                                        {},
                                        [&](const std::string& settings, link::ResultCode result) {
                                            audited.emplace_back(settings, result);
                                        }};
    auto report = settings_file::applyDocument(
        access, factory, false, [](const SettingsDocument&) { return std::string("/b.json"); },
        "now");
    EXPECT_EQ(report.matched, std::vector<std::string>{"PrintCondition.Byte41"});
    EXPECT_EQ(report.notTaken, std::vector<std::string>{"LaminatorSetting.Byte4"});
    EXPECT_FALSE(report.ok());
    EXPECT_EQ(audited, (std::vector<std::pair<std::string, link::ResultCode>>{
                           {"Resin K Ink Print Level, Top Side Position", -0x0103B000}}));
    const std::string text = settings_file::describeReport(report);
    EXPECT_NE(text.find("Written: print condition page (0x28)\nFailed:  laminator page (0x2C)\n"),
              std::string::npos)
        << text;

    // A backup that cannot be written stops the job before any write.
    rig.commands.selects = 0;
    report = settings_file::applyDocument(
        access, factory, false, [](const SettingsDocument&) { return std::string(); }, "now");
    EXPECT_EQ(rig.commands.selects, 0);
    EXPECT_NE(report.failure.find("nothing was written"), std::string::npos);
}

TEST(ApplyingAFile, NeedsTheRightsOfEveryScreenItChanges) {
    ApplyRig rig;
    const SettingsDocument factory = savedFrom(rig, false);
    rig.world.usb(0).setPageByte(0x28, 41, 5);
    rig.world.usb(0).setPageByte(0x2C, 4, 9);
    rig.access.isOpen = [](std::size_t index) { return index == 1; };  // Printer Setting only
    const auto report = rig.apply(factory);
    EXPECT_EQ(report.failure,
              "This user may not change the settings of Laminator; nothing was written");
    EXPECT_TRUE(rig.selects().empty());
    EXPECT_TRUE(rig.backups.empty());
}

TEST(SettingsBackups, KeepTheNewestTwentyUnderSafeNames) {
    ScratchDir dir;
    const std::string folder = dir.file("state/orvan-status-monitor/backups");
    std::string first, last;
    for (int i = 0; i < 25; ++i) {
        last = settings_file::keepBackup(folder, "../USB:Unit 1", 1'800'000'000 + i, "{}\n");
        if (i == 0) first = last;
    }
    EXPECT_EQ(std::filesystem::path(last).filename(), "p.._USB_Unit_1-20270115T080024Z.json");
    int kept = 0;
    for (const auto& e : std::filesystem::directory_iterator(folder)) kept += e.is_regular_file();
    EXPECT_EQ(kept, settings_file::kBackupsKept);
    // Another printer's backups and a file of the user's own are left alone.
    ScratchDir::write(folder + "/mine.json", "{}");
    const auto other = settings_file::keepBackup(folder, "NET:ORVAN02", 1'800'000'000, "{}\n");
    for (int i = 0; i < 25; ++i)
        settings_file::keepBackup(folder, "../USB:Unit 1", 1'900'000'000 + i, "{}\n");
    EXPECT_TRUE(std::filesystem::exists(other));
    EXPECT_TRUE(std::filesystem::exists(folder + "/mine.json"));
    EXPECT_FALSE(std::filesystem::exists(first));
    EXPECT_EQ(std::filesystem::status(folder).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_all);
    // Two in one second do not overwrite each other.
    const auto again = settings_file::keepBackup(folder, "../USB:Unit 1", 1'900'000'024, "{}\n");
    EXPECT_NE(again, settings_file::keepBackup(folder, "../USB:Unit 1", 1'900'000'024, "{}\n"));
    EXPECT_FALSE(again.empty());
}

}  // namespace
}  // namespace orvan::testing
