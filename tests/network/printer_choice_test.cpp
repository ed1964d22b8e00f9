// The printer combo of the Printer Select tab: choosing a listed printer and
// "Delete Printer", decided by the entry code of each position.
#include <gtest/gtest.h>

#include "select_rig.h"

namespace orvan::testing {
namespace {

using ui::Answer;

// Default printers plus two remembered addresses nobody answers at:
//   0 USB:Unit1   1 NET:ORVAN02   2 ----   3 10.0.0.7 (slot 0)   4 10.0.0.8 (slot 2)
//   5 ----   6 Delete Printer
struct StoredRig : SelectRig {
    StoredRig() {
        history().entries[0] = storedIPv4(10, 0, 0, 7);
        history().entries[2] = storedIPv4(10, 0, 0, 8);
        rebuildWithHistory();
        world.clearCalls();
    }
};

TEST(PrinterCombo, AFoundPrinterIsWatchedRefreshedAndShown) {
    StoredRig rig;
    ASSERT_EQ(rig.combo().items(),
              (std::vector<std::string>{"USB:Unit1", "NET:ORVAN02", "--------------", "10.0.0.7",
                                        "10.0.0.8", "--------------", "Delete Printer"}));
    rig.choose(1);
    EXPECT_EQ(rig.state().selected.connection, link::Connection::Network);
    EXPECT_EQ(rig.state().selected.address[3], 51);
    EXPECT_EQ(rig.tab().Text7[0].text(), "ORVAN02");
    EXPECT_EQ(rig.tab().label7_3(6).caption(), "192.168.0.51");
    EXPECT_EQ(rig.tab().choice().lastChosen(), 1);

    // A separator or a stored address nobody answers at only becomes the
    // position "Delete Printer" acts on; the watched printer stays.
    rig.world.clearCalls();
    rig.choose(2);
    rig.choose(4);
    EXPECT_EQ(rig.tab().choice().lastChosen(), 4);
    EXPECT_EQ(rig.state().selected.connection, link::Connection::Network);
    EXPECT_TRUE(rig.world.calls().empty());
    EXPECT_TRUE(rig.boxes.shown().empty());
}

TEST(PrinterCombo, DeletePrinterForgetsTheStoredAddressAfterItsQuestion) {
    StoredRig rig;
    rig.choose(4);  // 10.0.0.8, slot 2
    rig.boxes.answerNext(Answer::Cancel);
    rig.choose(6);
    EXPECT_EQ(rig.shownTexts(), std::vector<std::string>{"10.0.0.8 This printer is deleted."});
    EXPECT_EQ(rig.boxes.shown()[0].icon, ui::Icon::Question);
    EXPECT_EQ(rig.combo().listIndex(), 4);  // back where it was, still stored
    EXPECT_EQ(rig.history().entries[2].length, 4);

    rig.boxes.answerNext(Answer::Ok);
    rig.choose(6);
    EXPECT_TRUE(rig.history().entries[2].empty());
    EXPECT_EQ(rig.history().entries[0], storedIPv4(10, 0, 0, 7));
    // Rebuilt without it; the first printer is watched and shown.
    EXPECT_EQ(rig.combo().items(),
              (std::vector<std::string>{"USB:Unit1", "NET:ORVAN02", "--------------", "10.0.0.7",
                                        "--------------", "Delete Printer"}));
    EXPECT_EQ(rig.combo().listIndex(), 0);
    EXPECT_EQ(rig.combos().Combo0.listIndex(), 0);
    EXPECT_EQ(rig.state().selected.connection, link::Connection::Usb);
    EXPECT_EQ(rig.tab().Text7[0].text(), "ORVAN01");
    EXPECT_EQ(rig.tab().choice().lastChosen(), 0);

    // The history saved at the end is the one without it.
    rig.boxes.answerNext(Answer::Yes);
    rig.main().form.requestClose();
    EXPECT_NE(rig.ini().find("0IPTABLE=4,10.0.0.7"), std::string::npos);
    EXPECT_EQ(rig.ini().find("10.0.0.8"), std::string::npos);
}

TEST(PrinterCombo, DeletePrinterAfterAFoundPrinterDeletesNothingAndChoosesItAgain) {
    StoredRig rig;
    rig.choose(1);  // NET:ORVAN02
    rig.world.clearCalls();
    rig.choose(6);
    EXPECT_TRUE(rig.boxes.shown().empty());
    EXPECT_EQ(rig.history().entries[0].length, 4);
    EXPECT_EQ(rig.history().entries[2].length, 4);
    EXPECT_EQ(rig.combo().listIndex(), 1);
    // Put back from code, the position runs its choice again: a full refresh.
    EXPECT_EQ(rig.state().selected.connection, link::Connection::Network);
    EXPECT_GT(rig.world.countCalls("P_FlushPropertyReq"), 0);

    // A stored address of the other family is not deletable either.
    rig.state().preferIPv6 = true;
    rig.choose(3);
    rig.choose(6);
    EXPECT_TRUE(rig.boxes.shown().empty());
    EXPECT_EQ(rig.history().entries[0].length, 4);
}

TEST(PrinterCombo, DeletePrinterReturnsToWhereTheShellLastPutTheCombo) {
    StoredRig rig;
    rig.choose(3);  // 10.0.0.7, then the Status tab's "Update" rebuilds the list
    rig.boxes.answerNext(Answer::Ok);
    rig.monitor->statusTab().Cmd0_2.click();
    ASSERT_EQ(rig.combo().listIndex(), 0);
    rig.boxes.clear();
    // Position 0 is the USB printer: nothing to delete, and the combo stays
    // on the printer being watched instead of going back to 10.0.0.7.
    rig.choose(6);
    EXPECT_TRUE(rig.boxes.shown().empty());
    EXPECT_EQ(rig.combo().listIndex(), 0);
    EXPECT_EQ(rig.history().entries[0].length, 4);
}

TEST(PrinterCombo, FocusStopsTheMonitorAndTheShellsOwnMovesAreNoChoice) {
    SelectRig rig;
    ASSERT_TRUE(rig.main().Timer1.enabled());
    rig.combo().gotFocus();
    EXPECT_FALSE(rig.main().Timer1.enabled());
    rig.choose(1);
    EXPECT_FALSE(rig.main().Timer1.enabled());  // choosing does not start it again

    // The rebuild moves the combo as the shell's own move: no refresh of
    // its own, and a click on a tab starts the monitor again.
    rig.world.clearCalls();
    rig.monitor->rebuildPrinterList();
    EXPECT_EQ(rig.world.countCalls("KQCMD_StandardInquiry"), 0);
    rig.main().SSTab1.setTab(shell::StatusTab);
    EXPECT_TRUE(rig.main().Timer1.enabled());
}

}  // namespace
}  // namespace orvan::testing
