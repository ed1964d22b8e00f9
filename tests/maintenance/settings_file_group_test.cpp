// The Others tab's settings file: saved where the user chooses, compared in
// the dialog (differences marked, what the printer cannot take dimmed with
// the reason), applied after one question, and what took shown.
#include <gtest/gtest.h>

#include <filesystem>

#include "others_rig.h"
#include "support/scratch_state_home.h"

namespace orvan::testing {
namespace {

using ui::TableRow;

struct FileRig : OthersRig {
    ScratchStateHome stateHome;
    maintenance::SettingsFileGroup& group = tab.settingsFile;
    maintenance::SettingsFileForm& dialog = tab.settingsFile.dialog;
    std::vector<TableRow> rowsShown, rowsAfter;
    std::string resultAfter;
    bool applyOffered = false;
    FileRig() { state.selected.name = "USB:Unit1"; }

    // Loads `path` and, in the dialog, answers `answer` to Apply's question.
    void loadAndApply(const std::string& path, ui::Answer answer) {
        chooser.answerNext(path);
        const int observer = dialog.form.observe([this, answer](ui::Control&, ui::Property p) {
            if (p != ui::Property::Visible || !dialog.form.visible()) return;
            rowsShown = dialog.Table1.rows();
            applyOffered = dialog.Command1.enabled();
            if (applyOffered) {  // a disabled button takes no click
                boxes.answerNext(answer);
                dialog.Command1.click();
            }
            rowsAfter = dialog.Table1.rows();
            resultAfter = dialog.Label2.caption();
            dialog.Command2.click();
        });
        group.LoadSettingsButton.click();
        dialog.form.unobserve(observer);
    }
};

const TableRow* rowOf(const std::vector<TableRow>& rows, const std::string& caption) {
    for (const auto& r : rows)
        if (!r.cells.empty() && r.cells[0] == caption) return &r;
    return nullptr;
}

TEST(SettingsFileGroup, SavesThenComparesAndAppliesAFileAfterOneQuestion) {
    FileRig rig;
    rig.chooser.answerNext(rig.dir.file("unit1"));
    rig.group.SaveSettingsButton.click();
    const std::string saved = rig.dir.file("unit1.json");
    ASSERT_TRUE(std::filesystem::exists(saved));
    EXPECT_EQ(rig.told.back(), "Settings saved to " + saved);
    EXPECT_EQ(rig.chooser.asked().back().suggested, "USB_Unit1.json");

    rig.world.usb(0).setPageByte(0x28, 41, 5);
    rig.world.usb(0).setPageByte(0x28, 58, 255);  // cooling no longer offered
    rig.loadAndApply(saved, ui::Answer::Ok);

    EXPECT_TRUE(rig.applyOffered);
    EXPECT_EQ(*rowOf(rig.rowsShown, "Resin K Ink Print Level"),
              (TableRow{{"Resin K Ink Print Level", "2", "0", "differs"}, true, false}));
    EXPECT_EQ(
        *rowOf(rig.rowsShown, "Back Side Cooling"),
        (TableRow{{"Back Side Cooling", "-", "0", "not offered by this printer"}, false, true}));
    EXPECT_EQ(*rowOf(rig.rowsShown, "Buzzer"), (TableRow{{"Buzzer", "0", "0", ""}, false, false}));
    ASSERT_EQ(rig.boxes.shown().size(), 1u);
    EXPECT_EQ(rig.boxes.shown()[0].text, "Apply 1 change from the settings file to USB:Unit1?");
    EXPECT_EQ(*rowOf(rig.rowsAfter, "Resin K Ink Print Level"),
              (TableRow{{"Resin K Ink Print Level", "0", "0", "now matches"}, false, false}));
    EXPECT_EQ(rig.resultAfter.rfind("1 setting now matches the file. Before: ", 0), 0u)
        << rig.resultAfter;
    EXPECT_EQ(rig.world.usb(0).pageByte(0x28, 41), 3);
    EXPECT_EQ(rig.stateHome.backups(), 1);
    EXPECT_EQ(rig.told.back(), "Settings file applied to USB:Unit1");
}

TEST(SettingsFileGroup,
     NothingIsWrittenWhenTheQuestionIsCancelledTheRightIsMissingOrTheFileIsRefused) {
    FileRig rig;
    rig.chooser.answerNext(rig.dir.file("unit1.json"));
    rig.group.SaveSettingsButton.click();
    rig.world.usb(0).setPageByte(0x28, 41, 5);
    rig.world.clearCalls();

    rig.loadAndApply(rig.dir.file("unit1.json"), ui::Answer::Cancel);
    EXPECT_EQ(rig.world.countCalls("KQCMD_ModeSelect"), 0);

    rig.administrator = false;  // and Printer Setting not granted
    rig.boxes.clear();
    rig.loadAndApply(rig.dir.file("unit1.json"), ui::Answer::Ok);
    EXPECT_FALSE(rig.applyOffered);
    EXPECT_TRUE(rig.boxes.shown().empty());
    EXPECT_EQ(rig.dialog.Label2.caption(),
              "1 to change. This user may not change the settings of Printer Setting.");

    ScratchDir::write(rig.dir.file("v2.json"),
                      R"({"schema": "orvan-settings", "version": 2, "settings": {}})");
    rig.chooser.answerNext(rig.dir.file("v2.json"));
    rig.group.LoadSettingsButton.click();
    ASSERT_FALSE(rig.boxes.shown().empty());
    EXPECT_NE(rig.boxes.shown().back().text.find("another version"), std::string::npos);
    EXPECT_EQ(rig.world.countCalls("KQCMD_ModeSelect"), 0);
    EXPECT_EQ(rig.stateHome.backups(), 0);
    EXPECT_EQ(rig.world.usb(0).pageByte(0x28, 41), 5);
}

}  // namespace
}  // namespace orvan::testing
