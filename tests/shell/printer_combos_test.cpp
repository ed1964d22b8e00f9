// The two printer combos on their own: the shell's moves run no handler, a
// choice while a link operation waits goes back to the watched printer, and
// a tab click puts a combo back only when there is another printer to be on.
#include <gtest/gtest.h>

#include <vector>

#include "shell/printer_combos.h"

namespace orvan::testing {
namespace {

struct CombosRig {
    link::LinkState state;
    shell::PrinterCombos combos{state};
    int statusChoices = 0, selectChoices = 0;

    // Two printers on both combos, the Printer Select one with a remembered
    // address below them; the first printer watched.
    CombosRig() {
        for (const char* name : {"USB:Unit1", "NET:ORVAN02"}) {
            combos.Combo0.addItem(name);
            combos.Combo7_1.addItem(name);
        }
        combos.Combo7_1.addItem("192.168.0.9");
        state.printerCount = 2;
        state.selected.listIndex = 0;
        combos.wire([this] { ++statusChoices; }, [this] { ++selectChoices; });
        combos.show(0);
    }
};

TEST(PrinterCombos, TheShellsMovesRunNoHandlerAndAreSeenAsTheShells) {
    CombosRig rig;
    std::vector<bool> movingWhenMoved;
    rig.combos.Combo7_1.observe([&](ui::Control&, ui::Property p) {
        if (p == ui::Property::ListIndex) movingWhenMoved.push_back(rig.combos.moving());
    });
    rig.combos.show(2);  // past the printers of Combo0: it shows none
    EXPECT_EQ(rig.combos.Combo0.listIndex(), -1);
    EXPECT_EQ(rig.combos.Combo7_1.listIndex(), 2);
    EXPECT_EQ(rig.statusChoices + rig.selectChoices, 0);
    EXPECT_EQ(movingWhenMoved, std::vector<bool>{true});
    EXPECT_FALSE(rig.combos.moving());

    rig.combos.Combo7_1.setListIndex(1);  // the user's
    EXPECT_EQ(rig.selectChoices, 1);
    EXPECT_EQ(movingWhenMoved, (std::vector<bool>{true, false}));
}

TEST(PrinterCombos, AChoiceWhileTheLinkWaitsGoesBackToTheWatchedPrinter) {
    CombosRig rig;
    rig.state.selected.listIndex = 1;
    rig.combos.show(1);
    rig.state.pauseActive = true;
    rig.combos.Combo0.setListIndex(0);
    rig.combos.Combo7_1.setListIndex(2);
    EXPECT_EQ(rig.combos.Combo0.listIndex(), 1);
    EXPECT_EQ(rig.combos.Combo7_1.listIndex(), 1);
    EXPECT_EQ(rig.statusChoices + rig.selectChoices, 0);

    // With no printer found, back on the first line.
    rig.state.printerCount = 0;
    rig.combos.Combo0.setListIndex(0);
    rig.combos.Combo0.setListIndex(1);
    EXPECT_EQ(rig.combos.Combo0.listIndex(), 0);
    EXPECT_EQ(rig.statusChoices, 0);

    rig.state.pauseActive = false;
    rig.combos.Combo0.setListIndex(1);
    EXPECT_EQ(rig.statusChoices, 1);
}

TEST(PrinterCombos, ATabClickPutsTheComboBackOnlyWhenAnotherPrinterIsWatched) {
    CombosRig rig;
    rig.combos.show(1);
    rig.state.printerCount = 1;  // a single printer: the combo stays
    rig.combos.keepOnSelected(rig.combos.Combo0);
    EXPECT_EQ(rig.combos.Combo0.listIndex(), 1);

    rig.state.printerCount = 2;
    rig.combos.keepOnSelected(rig.combos.Combo0);
    EXPECT_EQ(rig.combos.Combo0.listIndex(), 0);
    EXPECT_EQ(rig.combos.Combo7_1.listIndex(), 1);  // only the tab's own combo
    EXPECT_EQ(rig.statusChoices + rig.selectChoices, 0);
}

}  // namespace
}  // namespace orvan::testing
