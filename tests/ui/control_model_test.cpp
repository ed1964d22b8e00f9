// Rules of the control model: what notifies observers, what raises events,
// and what is refused or clamped.
#include <gtest/gtest.h>

#include <algorithm>

#include <vector>

#include "ui/controls.h"

namespace orvan::ui {
namespace {

// Records every property notification a control sends.
struct Recorder {
    explicit Recorder(Control& c) {
        c.observe([this](Control&, Property p) { seen.push_back(p); });
    }
    std::vector<Property> seen;
};

TEST(PropertyChange, NotifiesOnceWhenChangedAndNeverWhenUnchanged) {
    Label label("Label1");
    Recorder rec(label);
    label.setCaption("Ready");
    label.setCaption("Ready");
    label.setEnabled(true);  // already enabled
    label.setBackColour(kRed);
    label.setBackColour(kRed);
    label.setTop(120);
    EXPECT_EQ(rec.seen,
              (std::vector<Property>{Property::Caption, Property::BackColour, Property::Geometry}));
}

// A static caption comes from the form: taken over quietly, only while the
// logic has set none (an empty caption the logic set is still its own).
TEST(PropertyChange, AFormsCaptionIsAdoptedQuietlyOnlyWhileTheLogicSetNone) {
    Label fromForm("Label1"), cleared("Label2");
    Recorder rec(fromForm);
    EXPECT_FALSE(fromForm.captionKnown());
    fromForm.adoptCaption("Card Type");
    fromForm.adoptCaption("another form");
    EXPECT_EQ(fromForm.caption(), "Card Type");
    EXPECT_TRUE(fromForm.captionKnown());
    EXPECT_TRUE(rec.seen.empty());
    fromForm.setCaption("PVC");
    EXPECT_EQ(rec.seen, std::vector<Property>{Property::Caption});

    cleared.setCaption("");
    cleared.adoptCaption("Card Type");
    EXPECT_EQ(cleared.caption(), "");
}

TEST(PropertyChange, ObserverRemovedDuringNotificationIsNotCalled) {
    Label label("Label1");
    int secondCalls = 0;
    int second = 0;
    label.observe([&](Control& c, Property) { c.unobserve(second); });
    second = label.observe([&](Control&, Property) { ++secondCalls; });
    label.setCaption("x");
    label.setCaption("y");
    EXPECT_EQ(secondCalls, 0);
}

TEST(OptionButtons, SelectingRaisesClickOnceAndClearsTheOthersFirst) {
    OptionButton a("Opt1[0]"), b("Opt1[1]"), c("Opt1[2]");
    OptionGroup group;
    group.add(a);
    group.add(b);
    group.add(c);
    int clicksA = 0, clicksB = 0;
    bool othersClearedBeforeClick = false;
    a.onClick = [&] { ++clicksA; };
    b.onClick = [&] {
        ++clicksB;
        othersClearedBeforeClick = !a.value() && !c.value();
    };

    group.select(0);
    EXPECT_EQ(clicksA, 1);
    b.setValue(true);  // as a user's click would
    EXPECT_EQ(clicksB, 1);
    EXPECT_TRUE(othersClearedBeforeClick);
    EXPECT_EQ(group.selected(), 1);
    EXPECT_EQ(clicksA, 1) << "clearing an option is no click";

    b.setValue(true);  // already selected
    group.select(7);   // no such option
    group.select(-1);
    EXPECT_EQ(clicksB, 1);
    EXPECT_EQ(group.selected(), 1);
}

TEST(OptionButtons, ButtonsOutliveTheirGroupSafely) {
    OptionButton a("Opt2[0]"), b("Opt2[1]");
    {
        OptionGroup group;
        group.add(a);
        group.add(b);
    }
    a.setValue(true);
    b.setValue(true);  // the group's rule still holds, and nothing freed is touched
    EXPECT_FALSE(a.value());
}

TEST(CheckBoxes, ChangeRaisesClickOnce) {
    CheckBox box("Check1");
    int clicks = 0;
    box.onClick = [&] { ++clicks; };
    box.setChecked(true);
    box.setChecked(true);
    EXPECT_EQ(clicks, 1);
    box.setValue(CheckState::Grayed);
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(box.checked());
}

TEST(ComboBoxes, ListPositionRaisesClickOnceAndRefusesOutOfRange) {
    ComboBox combo("Combo1");
    for (const char* s : {"Low", "Mid", "High"}) combo.addItem(s);
    int clicks = 0, changes = 0;
    combo.onClick = [&] { ++clicks; };
    combo.onChange = [&] { ++changes; };

    combo.setListIndex(1);
    combo.setListIndex(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(combo.text(), "Mid");
    EXPECT_EQ(changes, 0) << "choosing from the list is no edit";

    combo.setListIndex(3);
    combo.setListIndex(-2);
    EXPECT_EQ(combo.listIndex(), 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(combo.item(3), "");
    EXPECT_EQ(combo.item(-1), "");

    combo.setListIndex(-1);
    EXPECT_EQ(combo.text(), "") << "a drop-down list shows nothing without a selection";
}

TEST(ComboBoxes, RemovingAnItemKeepsTheSelectionOnTheSameItem) {
    ComboBox combo("Combo2");
    for (const char* s : {"A", "B", "C"}) combo.addItem(s);
    combo.setListIndex(2);
    int clicks = 0;
    combo.onClick = [&] { ++clicks; };

    combo.removeItem(0);
    EXPECT_EQ(combo.listIndex(), 1);
    EXPECT_EQ(combo.item(combo.listIndex()), "C");
    combo.removeItem(1);
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(combo.text(), "");
    combo.removeItem(5);
    EXPECT_EQ(combo.count(), 1);
    EXPECT_EQ(clicks, 0);
}

TEST(ComboBoxes, ClearDropsSelectionButKeepsTypedTextOfEditableCombo) {
    ComboBox combo("Combo7_1");
    combo.setEditable(true);
    combo.addItem("192.168.0.10");
    combo.setListIndex(0);
    int changes = 0;
    combo.onChange = [&] { ++changes; };
    combo.setText("10.0.0.1");
    combo.setText("10.0.0.1");
    EXPECT_EQ(changes, 1);
    combo.clear();
    EXPECT_EQ(combo.count(), 0);
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(combo.text(), "10.0.0.1");
}

TEST(ComboBoxes, ALongListSetAtOnceIsOneNotificationAndNoSelection) {
    ListBox list("EventList");
    list.addItem("old");
    list.setListIndex(0);
    Recorder rec(list);
    int clicks = 0;
    list.onClick = [&] { ++clicks; };
    list.setItems(std::vector<std::string>(5000, "row"));
    EXPECT_EQ(list.count(), 5000);
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(std::count(rec.seen.begin(), rec.seen.end(), Property::Items), 1);
    list.setItems(std::vector<std::string>(5000, "row"));  // the same: nothing to tell
    EXPECT_EQ(std::count(rec.seen.begin(), rec.seen.end(), Property::Items), 1);
    EXPECT_EQ(clicks, 0) << "no choice was made";
}

TEST(ScrollBars, ValueIsClampedAndChangeRaisedOnce) {
    HScrollBar bar("HScroll1[3]");
    bar.setRange(0, 10);
    int changes = 0;
    bar.onChange = [&] { ++changes; };
    bar.setValue(25);
    EXPECT_EQ(bar.value(), 10);
    bar.setValue(99);
    EXPECT_EQ(changes, 1);
    bar.setValue(-4);
    EXPECT_EQ(bar.value(), 0);
    EXPECT_EQ(changes, 2);

    bar.setValue(8);
    bar.setRange(0, 5);  // narrowing pulls the value in
    EXPECT_EQ(bar.value(), 5);
    bar.setRange(9, 3);  // reversed bounds are taken as a range
    EXPECT_EQ(bar.min(), 3);
    EXPECT_EQ(bar.max(), 9);
    EXPECT_EQ(bar.value(), 5);
}

TEST(TextBoxes, MaxLengthCutsWholeCharacters) {
    TextBox box("Text1");
    int changes = 0;
    box.onChange = [&] { ++changes; };
    box.setMaxLength(4);
    box.setText("abcdef");
    EXPECT_EQ(box.text(), "abcd");
    box.setText("abcdxyz");  // cut to the same text: nothing changed
    EXPECT_EQ(changes, 1);

    box.setText("\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F\xC3\xA9");  // five two-byte letters
    EXPECT_EQ(box.text(), "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F");

    box.setMaxLength(0);
    box.setText("longer than four");
    EXPECT_EQ(box.text(), "longer than four");
    box.setMaxLength(6);  // lowering the limit cuts the current text
    EXPECT_EQ(box.text(), "longer");
    box.setMaxLength(-3);
    EXPECT_EQ(box.maxLength(), 0);
}

TEST(TabControls, SelectingAnotherTabRaisesClickOnce) {
    TabControl tabs("SSTab1");
    tabs.setCount(3);
    int clicks = 0;
    tabs.onClick = [&] { ++clicks; };
    tabs.setTab(2);
    tabs.setTab(2);
    tabs.setTab(3);
    tabs.setTab(-1);
    EXPECT_EQ(tabs.tab(), 2);
    EXPECT_EQ(clicks, 1);
    tabs.setCount(1);
    EXPECT_EQ(tabs.tab(), 0);
}

}  // namespace
}  // namespace orvan::ui
