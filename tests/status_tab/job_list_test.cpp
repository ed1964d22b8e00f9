// The printer's queued documents: owner and document lists in step.
#include "status_tab_fixture.h"

namespace orvan::status::testing {
namespace {

using JobListSelection = StatusTabTest;

TEST_F(JobListSelection, KeptOnlyWhileTheSelectedLaterDocumentStands) {
    setJobs({"first", "second", "third"});
    view->refreshMediaAndCounters();
    tab.Combo2[1].setListIndex(1);
    view->refreshMediaAndCounters();
    EXPECT_EQ(tab.Combo2[0].listIndex(), 1);
    EXPECT_EQ(tab.Combo2[1].listIndex(), 1);

    setJobs({"first", "second", "third", "fourth"});  // a document was added
    view->refreshMediaAndCounters();
    EXPECT_EQ(tab.Combo2[1].count(), 4);
    EXPECT_EQ(tab.Combo2[0].item(3), "owner3");
    EXPECT_EQ(tab.Combo2[1].listIndex(), 0);

    tab.Combo2[1].setListIndex(1);
    setJobs({"second", "third", "fourth", "fifth"});  // the first was printed
    view->refreshMediaAndCounters();
    EXPECT_EQ(tab.Combo2[1].item(0), "second");
    EXPECT_EQ(tab.Combo2[1].listIndex(), 0);
    EXPECT_EQ(tab.Combo2[0].listIndex(), 0);

    data.jobs.owners[1] = "someone else";  // the first entry is always rebuilt
    view->refreshMediaAndCounters();
    EXPECT_EQ(tab.Combo2[0].item(1), "someone else");
}

TEST_F(JobListSelection, OneDocumentIsSelectedAndNoneDisablesBothLists) {
    setJobs({"only"});
    view->refreshMediaAndCounters();
    EXPECT_TRUE(tab.Combo2[0].enabled());
    EXPECT_EQ(tab.Combo2[0].text(), "owner0");
    EXPECT_EQ(tab.Combo2[1].text(), "only");

    setJobs({});
    view->refreshMediaAndCounters();
    EXPECT_FALSE(tab.Combo2[0].enabled());
    EXPECT_FALSE(tab.Combo2[1].enabled());
    EXPECT_EQ(tab.Combo2[1].count(), 0);
}

TEST_F(JobListSelection, CountBeyondTheNamesShowsOnlyTheNamedDocuments) {
    setJobs({"a", "b"});
    data.jobs.count = 1000;
    data.jobs.owners.resize(1);
    view->refreshMediaAndCounters();
    EXPECT_EQ(tab.Combo2[0].count(), 1);
    EXPECT_EQ(tab.Combo2[1].count(), 1);
    data.jobs.count = -3;
    view->refreshMediaAndCounters();
    EXPECT_EQ(tab.Combo2[1].count(), 0);
}

using JobListsInStep = StatusTabTest;

TEST_F(JobListsInStep, ClickOrDropDownOnEitherListMovesTheOther) {
    setJobs({"a", "b", "c"});
    view->refreshMediaAndCounters();
    tab.Combo2[0].setListIndex(2);
    EXPECT_EQ(tab.Combo2[1].text(), "c");
    tab.Combo2[1].setListIndex(1);
    EXPECT_EQ(tab.Combo2[0].listIndex(), 1);

    // Lists that drifted apart without a click come back in line when one
    // of them is dropped down.
    tab.Combo2[0].onClick = nullptr;
    tab.Combo2[0].setListIndex(2);
    tab.Combo2[0].dropDown();
    EXPECT_EQ(tab.Combo2[1].listIndex(), 2);
    tab.Combo2[1].onClick = nullptr;
    tab.Combo2[1].setListIndex(0);
    tab.Combo2[1].dropDown();
    EXPECT_EQ(tab.Combo2[0].listIndex(), 0);
}

}  // namespace
}  // namespace orvan::status::testing
