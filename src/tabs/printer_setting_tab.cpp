#include "tabs/printer_setting_tab.h"

#include <algorithm>
#include <string>

#include "link/conversions.h"
#include "link/settings_image.h"

namespace orvan::tabs {
namespace {

using link::conditionField;
using link::FieldRef;
using link::magneticField;
using link::MagneticSettingPage;
using link::PrintConditionPage;

constexpr std::size_t kRightIndex = 1;

// Magnetic encoder kinds of the inquiry's option byte 40.
constexpr int kIsoEncoder = 1;
constexpr int kJisEncoder = 2;
constexpr int kNotOffered = 255;

// One scroll bar: its page byte, its range and what its label shows (the
// value minus the offset).
struct BarRow {
    int index;
    FieldRef field;
    int max;
    int labelOffset;
};
constexpr BarRow kLevelBars[] = {
    {ResinKLevel, conditionField<&PrintConditionPage::Byte41>, 6, 3},
    {UvLevel, conditionField<&PrintConditionPage::Byte43>, 6, 3},
    {PeelOffLevel, conditionField<&PrintConditionPage::Byte44>, 6, 3},
    {YmcLevel, conditionField<&PrintConditionPage::Byte50>, 6, 3},
    {DisplayContrast, conditionField<&PrintConditionPage::Byte51>, 6, 3},
};
constexpr BarRow kRetryBar = {RetryCount, magneticField<&MagneticSettingPage::Byte7>, 3, 0};

// When a pair can be shown: always, or only with a unit fitted.
enum class Shown { Always, WithTurnOver, WithCooling, WithIsoEncoder, WithJisEncoder };

struct PairRow {
    OptionPair PrinterSettingTab::*pair;
    ui::Frame PrinterSettingTab::*frame;
    FieldRef field;
    PairRule rule;
    Shown shown;
};
constexpr PairRow kPairs[] = {
    {&PrinterSettingTab::Opt1_1, &PrinterSettingTab::FrameOpt1_1,
     conditionField<&PrintConditionPage::Byte42>, PairRule::ZeroIsFirst, Shown::Always},
    {&PrinterSettingTab::Opt1_6, &PrinterSettingTab::FrameOpt1_6,
     conditionField<&PrintConditionPage::Byte16>, PairRule::ZeroIsFirst, Shown::Always},
    {&PrinterSettingTab::Opt1_7, &PrinterSettingTab::FrameOpt1_7,
     conditionField<&PrintConditionPage::Byte23>, PairRule::ZeroIsFirst, Shown::WithTurnOver},
    {&PrinterSettingTab::Opt1_9, &PrinterSettingTab::FrameOpt1_9,
     conditionField<&PrintConditionPage::Byte58>, PairRule::NonZeroIsFirst, Shown::WithCooling},
    {&PrinterSettingTab::Opt1_2, &PrinterSettingTab::FrameOpt1_2,
     magneticField<&MagneticSettingPage::Byte2>, PairRule::ZeroIsFirst, Shown::WithIsoEncoder},
    {&PrinterSettingTab::Opt1_4, &PrinterSettingTab::FrameOpt1_4,
     magneticField<&MagneticSettingPage::Byte3>, PairRule::ZeroIsFirst, Shown::WithJisEncoder},
    {&PrinterSettingTab::Opt1_5, &PrinterSettingTab::FrameOpt1_5,
     conditionField<&PrintConditionPage::Byte8>, PairRule::OneIsFirst, Shown::Always},
    {&PrinterSettingTab::Opt1_3, &PrinterSettingTab::FrameOpt1_3,
     conditionField<&PrintConditionPage::Byte45>, PairRule::ZeroIsFirst, Shown::Always},
    {&PrinterSettingTab::Opt1_8, &PrinterSettingTab::FrameOpt1_8,
     conditionField<&PrintConditionPage::Byte53>, PairRule::ZeroIsFirst, Shown::Always},
};

struct ListRow {
    ui::ComboBox PrinterSettingTab::*list;
    FieldRef field;
};
constexpr ListRow kLists[] = {
    {&PrinterSettingTab::Combo1_1, conditionField<&PrintConditionPage::Byte46>},
    {&PrinterSettingTab::Combo1_2, conditionField<&PrintConditionPage::Byte54>},
};

constexpr const char* kPowerSavingItems[] = {" 5min", "10min", "15min", "20min", "25min",
                                             "30min", "45min", "60min", "Off"};
constexpr const char* kDisplayCounterItems[] = {"Total Counter", "Head Counter", "Free Counter",
                                                "Cleaning Counter", "Error Counter"};

void fillList(ui::ComboBox& list, std::span<const char* const> items) {
    list.clear();
    for (const char* item : items) list.addItem(item);
}

// A byte outside the bar's range is not a level the bar can show: the bar is
// disabled with an empty label, and collecting leaves the byte as it was
// rather than writing a clamped value the user never chose.
bool inRange(int field, const BarRow& row) {
    return field >= 0 && field <= row.max;
}

}  // namespace

PrinterSettingTab::PrinterSettingTab(TabContext context)
    : context_(std::move(context)),
      buttons_(context_.link, kLinkPlan,
               SettingTabSteps{[this] { fill(); }, [this] { collect(); }, {}}) {
    for (const auto& row : kPairs) groupPair(this->*row.pair);
    for (const auto& row : kLevelBars) HScroll1[row.index].setRange(0, row.max);
    HScroll1[RetryCount].setRange(0, kRetryBar.max);
    for (int i = 0; i < static_cast<int>(HScroll1.size()); ++i) {
        HScroll1[i].setValue(3);
        HScroll1[i].onChange = [this, i] { showValueLabel(i); };
    }
    buttons_.wire(Cmd1[kUpdateButton], Cmd1[kRefreshButton]);
}

ui::ControlList PrinterSettingTab::controls() {
    return {Frame1,      FrameOpt1_1, FrameOpt1_2, FrameOpt1_3, FrameOpt1_4, FrameOpt1_5,
            FrameOpt1_6, FrameOpt1_7, FrameOpt1_8, FrameOpt1_9, HScroll1,    Label1_3,
            Opt1_1,      Opt1_2,      Opt1_3,      Opt1_4,      Opt1_5,      Opt1_6,
            Opt1_7,      Opt1_8,      Opt1_9,      Combo1_1,    Combo1_2,    Cmd1};
}

void PrinterSettingTab::setup() {
    fillList(Combo1_1, kPowerSavingItems);
    fillList(Combo1_2, kDisplayCounterItems);
    Cmd1[kUpdateButton].setEnabled(context_.open(kRightIndex));
}

void PrinterSettingTab::showValueLabel(int index) {
    const int offset = index == RetryCount ? kRetryBar.labelOffset : kLevelBars[0].labelOffset;
    Label1_3[index].setCaption(std::to_string(HScroll1[index].value() - offset));
}

void PrinterSettingTab::fill() {
    if (context_.connected())
        fillFromImage();
    else
        fillWithoutPrinter();
}

void PrinterSettingTab::fillWithoutPrinter() {
    for (int i = 0; i < static_cast<int>(HScroll1.size()); ++i) {
        HScroll1[i].setEnabled(false);
        Label1_3[i].setCaption("");
    }
    for (const auto& row : kPairs) {
        OptionPair& pair = this->*row.pair;
        clearPair(pair);
        if (row.shown == Shown::WithTurnOver || row.shown == Shown::WithCooling)
            enablePair(pair, true);
        if (row.shown == Shown::WithIsoEncoder || row.shown == Shown::WithJisEncoder) {
            (this->*row.frame).setEnabled(false);
            enablePair(pair, false);
        }
    }
    for (const auto& row : kLists) {
        ui::ComboBox& list = this->*row.list;
        list.setListIndex(-1);
        list.setEnabled(false);
    }
}

void PrinterSettingTab::fillFromImage() {
    const link::SettingsImage& image = context_.data.image;
    const link::Identity& identity = context_.data.identity;
    const bool turnOver = identity.Option44() != 0;
    const int encoder = identity.Option40();

    auto showBar = [&](const BarRow& row, bool offered) {
        const int field = link::fieldValue(image, row.field);
        const bool shown = offered && inRange(field, row);
        HScroll1[row.index].setEnabled(shown);
        if (!shown) {
            Label1_3[row.index].setCaption("");
            return;
        }
        HScroll1[row.index].setValue(field);
        showValueLabel(row.index);
    };
    for (const auto& row : kLevelBars) showBar(row, true);
    showBar(kRetryBar, encoder == kIsoEncoder || encoder == kJisEncoder);

    for (const auto& row : kPairs) {
        OptionPair& pair = this->*row.pair;
        const int field = link::fieldValue(image, row.field);
        bool offered = true;
        switch (row.shown) {
            case Shown::Always:
                break;
            case Shown::WithTurnOver:
                offered = turnOver;
                break;
            case Shown::WithCooling:
                offered = turnOver && field != kNotOffered;
                break;
            case Shown::WithIsoEncoder:
                offered = encoder == kIsoEncoder;
                (this->*row.frame).setEnabled(offered);
                break;
            case Shown::WithJisEncoder:
                offered = encoder == kJisEncoder;
                (this->*row.frame).setEnabled(offered);
                break;
        }
        if (row.shown != Shown::Always) enablePair(pair, offered);
        if (offered) showPair(pair, field, row.rule);
    }

    for (const auto& row : kLists) {
        ui::ComboBox& list = this->*row.list;
        const int field = link::fieldValue(image, row.field);
        if (field < 0 || field >= list.count()) continue;  // the list stays as it was
        list.setEnabled(true);
        list.setListIndex(field);
    }
}

void PrinterSettingTab::collect() {
    link::SettingsImage& image = context_.data.image;
    auto collectBar = [&](const BarRow& row) {
        std::int16_t& field = row.field(image);
        const std::string& label = Label1_3[row.index].caption();
        if (label.empty() && !inRange(field, row)) return;
        const long long value =
            static_cast<long long>(link::LeadingNumber(label)) + row.labelOffset;
        field = static_cast<std::int16_t>(std::clamp<long long>(value, 0, 255));
    };
    for (const auto& row : kLevelBars) collectBar(row);
    collectBar(kRetryBar);

    for (const auto& row : kPairs) {
        std::int16_t& field = row.field(image);
        if (row.shown == Shown::WithCooling && field == kNotOffered) continue;
        // A pair that shows no choice (its unit is not fitted and it was never
        // shown) keeps the printer's byte instead of writing one nobody chose.
        const OptionPair& pair = this->*row.pair;
        if (!pair[0].value() && !pair[1].value()) continue;
        field = collectPair(pair, row.rule);
    }
    for (const auto& row : kLists) {
        const ui::ComboBox& list = this->*row.list;
        if (list.listIndex() >= 0) row.field(image) = static_cast<std::int16_t>(list.listIndex());
    }
}

}  // namespace orvan::tabs
