#include "tabs/laminator_tab.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "link/conversions.h"
#include "link/settings_image.h"

namespace orvan::tabs {

namespace {

using link::FieldRef;
using link::laminatorField;
using link::LaminatorSettingPage;

constexpr std::size_t kRightIndex = 8;

constexpr int kPositionMax = 14;
constexpr int kPositionMiddle = 7;  // a position byte of 7 is shown as 0

constexpr int kListLength = 19;
constexpr int kCoolingSeconds[] = {0, 5, 7, 10, 15, 20, 30};

constexpr const char* kNoCassette = "No Cassette";
constexpr const char* kCassetteDetected = "Cassette is Detected";

// Which sides have their film cassette in, by the cassette byte (0 to 3).
struct CassetteRow {
    bool bottom;
    bool top;
};
constexpr CassetteRow kCassettes[] = {{false, false}, {false, true}, {true, false}, {true, true}};

template <auto F>
constexpr FieldRef lm = laminatorField<F>;
using LM = LaminatorSettingPage;

// A common list and its byte.
struct CommonRow {
    ui::ComboBox LaminatorTab::*list;
    FieldRef field;
};
constexpr CommonRow kCommon[] = {
    {&LaminatorTab::Combo8_3, lm<&LM::Byte6>},
    {&LaminatorTab::Combo8_4, lm<&LM::Byte8>},
};

void fillList(ui::ComboBox& list, const std::vector<std::string>& items) {
    list.clear();
    for (const auto& item : items) list.addItem(item);
}

bool isPosition(int byte) {
    return byte >= 0 && byte <= kPositionMax;
}

// One film side: its controls and its page bytes.
struct Side {
    int index;  // HScroll8 index
    OptionPair LaminatorTab::*film;
    ui::ComboBox LaminatorTab::*temperature;
    int cassetteLabel;
    int positionLabel;
    FieldRef filmField;
    FieldRef positionField;
    FieldRef temperatureField;
    bool CassetteRow::*present;
};

const Side kSides[] = {
    {BottomSide, &LaminatorTab::Opt8_3, &LaminatorTab::Combo8_1, LaminatorTab::kBottomCassette,
     LaminatorTab::kBottomPosition, lm<&LM::Byte14>, lm<&LM::Byte15>, lm<&LM::Byte16>,
     &CassetteRow::bottom},
    {TopSide, &LaminatorTab::Opt8_4, &LaminatorTab::Combo8_2, LaminatorTab::kTopCassette,
     LaminatorTab::kTopPosition, lm<&LM::Byte3>, lm<&LM::Byte4>, lm<&LM::Byte5>, &CassetteRow::top},
};

// The value lists, index 0 first: temperatures 90 to 180 deg.C in steps of
// 5, speeds 3.0 to 12.0 mm/s in steps of 0.5, and the cooling times.
std::vector<std::string> TemperatureItems() {
    std::vector<std::string> items;
    char text[16];
    for (int i = 0; i < kListLength; ++i) {
        std::snprintf(text, sizeof text, "%3ddeg.C", 90 + 5 * i);
        items.emplace_back(text);
    }
    return items;
}

std::vector<std::string> SpeedItems() {
    std::vector<std::string> items;
    char text[32];  // room for any int, so that no length is ever in doubt
    for (int i = 0; i < kListLength; ++i) {
        const int tenths = 30 + 5 * i;
        std::snprintf(text, sizeof text, "%2d.%dmm/s", tenths / 10, tenths % 10);
        items.emplace_back(text);
    }
    return items;
}

std::vector<std::string> CoolingItems() {
    std::vector<std::string> items;
    char text[16];
    for (int seconds : kCoolingSeconds) {
        std::snprintf(text, sizeof text, "%2dsec", seconds);
        items.emplace_back(text);
    }
    return items;
}

// A list with a selection writes its index; one without leaves its byte.
void collectList(const ui::ComboBox& list, FieldRef field, link::SettingsImage& image) {
    if (list.listIndex() >= 0) field(image) = static_cast<std::int16_t>(list.listIndex());
}

}  // namespace

LaminatorTab::LaminatorTab(TabContext context)
    : context_(std::move(context)),
      buttons_(context_.link, kLinkPlan,
               SettingTabSteps{[this] { fill(); }, [this] { collect(); }, {}}) {
    for (int index : {kBottomCassette, kTopCassette, kCleaningCounter, kTotalCounter,
                      kBottomPosition, kTopPosition})
        Label8[static_cast<std::size_t>(index)] =
            std::make_unique<ui::Label>(ui::indexed("Label8", index));

    for (OptionPair* pair : {&Opt8_1, &Opt8_2, &Opt8_3, &Opt8_4}) groupPair(*pair);
    for (int i = 0; i < 2; ++i) {
        ui::HScrollBar& bar = HScroll8[static_cast<std::size_t>(i)];
        bar.setRange(0, kPositionMax);
        bar.setValue(kPositionMiddle);
        bar.onChange = [this, i] { showPosition(i); };
    }
    buttons_.wire(Cmd8[kUpdateButton], Cmd8[kRefreshButton]);
}

ui::ControlList LaminatorTab::controls() {
    return {Opt8_1,   Opt8_2,   Opt8_3,   Opt8_4,   Label8, HScroll8,
            Combo8_1, Combo8_2, Combo8_3, Combo8_4, Cmd8};
}

void LaminatorTab::setup() {
    fillList(Combo8_1, TemperatureItems());
    fillList(Combo8_2, TemperatureItems());
    fillList(Combo8_3, SpeedItems());
    fillList(Combo8_4, CoolingItems());
    Cmd8[kUpdateButton].setEnabled(context_.open(kRightIndex));
}

void LaminatorTab::showPosition(int side) {
    const Side& s = kSides[side];
    label8(s.positionLabel)
        .setCaption(
            link::NumberText(HScroll8[static_cast<std::size_t>(side)].value() - kPositionMiddle));
}

void LaminatorTab::fill() {
    const bool printerFound = context_.connected();
    if (!printerFound || context_.data.identity.Option47() == 0) {
        fillWithoutLaminator(printerFound);
        return;
    }
    const link::SettingsImage& image = context_.data.image;
    const LaminatorSettingPage& page = image.LaminatorSetting;
    enablePair(Opt8_1, true);
    enablePair(Opt8_2, false);  // shown as read; this tab does not change it
    showPair(Opt8_1, page.Byte2, PairRule::ZeroIsFirst);
    showPair(Opt8_2, page.Byte9, PairRule::OneIsFirst);

    label8(kCleaningCounter).setCaption(link::NumberText(image.Counters.LaminatorCleaning));
    // The network read does not fetch the total; the image may still hold
    // the last USB printer's, which is not this printer's.
    label8(kTotalCounter)
        .setCaption(
            context_.link.state.network() ? "" : link::NumberText(image.Counters.LaminatorTotal));

    const int cassette = page.Byte7;
    const bool known = cassette >= 0 && cassette < static_cast<int>(std::size(kCassettes));
    if (known) {
        for (const Side& side : kSides) {
            const bool present = kCassettes[cassette].*side.present;
            label8(side.cassetteLabel).setCaption(present ? kCassetteDetected : kNoCassette);
            if (present)
                showSide(side.index);
            else
                clearSide(side.index);
        }
    }
    showCommon(known && cassette != 0);
    Cmd8[kUpdateButton].setEnabled(context_.open(kRightIndex));
}

void LaminatorTab::showSide(int which) {
    const Side& side = kSides[which];
    const link::SettingsImage& image = context_.data.image;
    OptionPair& film = this->*side.film;
    enablePair(film, true);
    showPair(film, link::fieldValue(image, side.filmField), PairRule::ZeroIsFirst);

    // A position the bar cannot show is left alone: the bar stays off with
    // an empty label, and "Update" sends the byte back as it was read.
    ui::HScrollBar& bar = HScroll8[static_cast<std::size_t>(side.index)];
    const int position = link::fieldValue(image, side.positionField);
    bar.setEnabled(isPosition(position));
    if (isPosition(position)) {
        bar.setValue(position);
        showPosition(side.index);
    } else {
        label8(side.positionLabel).setCaption("");
    }

    // Past the end of the list is the hottest setting; a negative index is
    // not a setting at all.
    ui::ComboBox& temperature = this->*side.temperature;
    const int stored = link::fieldValue(image, side.temperatureField);
    if (stored < 0) return;
    temperature.setListIndex(std::min(stored, temperature.count() - 1));
    temperature.setEnabled(true);
}

void LaminatorTab::clearSide(int which) {
    const Side& side = kSides[which];
    OptionPair& film = this->*side.film;
    clearPair(film);
    enablePair(film, false);
    HScroll8[static_cast<std::size_t>(side.index)].setEnabled(false);
    label8(side.positionLabel).setCaption("");
    ui::ComboBox& temperature = this->*side.temperature;
    temperature.setListIndex(-1);
    temperature.setEnabled(false);
}

void LaminatorTab::showCommon(bool cassetteIn) {
    for (const auto& row : kCommon) {
        ui::ComboBox& list = this->*row.list;
        if (!cassetteIn) {
            list.setListIndex(-1);
            list.setEnabled(false);
            continue;
        }
        const int index = link::fieldValue(context_.data.image, row.field);
        if (index < 0 || index >= list.count()) continue;  // the list stays as it was
        list.setEnabled(true);
        list.setListIndex(index);
    }
}

void LaminatorTab::fillWithoutLaminator(bool printerFound) {
    for (OptionPair* pair : {&Opt8_1, &Opt8_2, &Opt8_3, &Opt8_4}) {
        clearPair(*pair);
        enablePair(*pair, false);
    }
    for (auto& label : Label8)
        if (label) label->setCaption("");
    for (auto& bar : HScroll8) bar.setEnabled(false);
    for (ui::ComboBox* list : {&Combo8_1, &Combo8_2, &Combo8_3, &Combo8_4}) {
        list->setListIndex(-1);
        list->setEnabled(false);
    }
    // A printer without a laminator has nothing to change; without any
    // printer "Update" answers that none is found.
    Cmd8[kUpdateButton].setEnabled(!printerFound && context_.open(kRightIndex));
}

void LaminatorTab::collect() {
    link::SettingsImage& image = context_.data.image;
    LaminatorSettingPage& page = image.LaminatorSetting;
    page.Byte2 = collectPair(Opt8_1, PairRule::ZeroIsFirst);
    page.Byte9 = Opt8_2[0].value() ? 1 : 0;  // anything but "Enable" is written as 0

    // Only what the user could change: the sides whose cassette is in.
    for (const Side& side : kSides) {
        const OptionPair& film = this->*side.film;
        if (film[0].enabled()) side.filmField(image) = collectPair(film, PairRule::ZeroIsFirst);
        if (HScroll8[static_cast<std::size_t>(side.index)].enabled()) {
            const long long shown = link::LeadingNumber(label8(side.positionLabel).caption());
            side.positionField(image) =
                static_cast<std::int16_t>(std::clamp<long long>(shown + kPositionMiddle, 0, 255));
        }
        collectList(this->*side.temperature, side.temperatureField, image);
    }
    for (const auto& row : kCommon) collectList(this->*row.list, row.field, image);
}

}  // namespace orvan::tabs
