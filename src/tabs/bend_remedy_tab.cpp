#include "tabs/bend_remedy_tab.h"

#include <string>

namespace orvan::tabs {
namespace {

constexpr std::size_t kRightIndex = 3;
constexpr int kColumns = 5;
constexpr int kTopRow = 5;
constexpr int kSlowest = 4;  // the largest speed byte
// The temperature and speed bytes that switch the remedy off.
constexpr std::int16_t kDisabledTemperature = 10;
constexpr std::int16_t kDisabledSpeed = 4;

}  // namespace

BendRemedyTab::BendRemedyTab(TabContext context, ColourGuidance& guidance)
    : context_(std::move(context)),
      guidance_(guidance),
      buttons_(context_.link, kLinkPlan,
               SettingTabSteps{[this] { fill(); }, [this] { collect(); }, {}}) {
    onCellClick(Label3_1, [this](int cell) { select(cell); });
    Opt3_1.onClick = [this] {
        if (!selecting_) select(kBendDisabled);
    };
    buttons_.wire(Cmd3[kUpdateButton], Cmd3[kRefreshButton]);
}

ui::ControlList BendRemedyTab::controls() {
    return {Label3_1, Opt3_1, Label3_2, Cmd3};
}

void BendRemedyTab::setup() {
    showNoChoice(Label3_1);
    Opt3_1.setValue(false);
    Cmd3[kUpdateButton].setEnabled(context_.open(kRightIndex));
}

bool BendRemedyTab::unitFitted() const {
    return context_.connected() && context_.data.identity.Option45() != 0;
}

void BendRemedyTab::fill() {
    if (unitFitted())
        fillFromImage();
    else
        fillWithoutUnit();
}

void BendRemedyTab::fillWithoutUnit() {
    showing_ = false;
    showNoChoice(Label3_1);
    Opt3_1.setEnabled(false);
    selecting_ = true;
    Opt3_1.setValue(true);
    selecting_ = false;
    Label3_2.setCaption("");
}

void BendRemedyTab::fillFromImage() {
    link::SettingsImage& image = context_.data.image;
    link::PrintConditionPage& page = image.PrintCondition;
    Opt3_1.setEnabled(true);
    if (page.Byte36 < 0 || page.Byte36 > kTopRow) page.Byte36 = kDisabledTemperature;
    if (page.Byte37 < 0 || page.Byte37 > kSlowest) page.Byte37 = kSlowest;
    showing_ = true;
    applyHintColours();
    select(page.Byte36 <= kTopRow ? page.Byte36 * kColumns + page.Byte37 : kBendDisabled);
    Label3_2.setCaption(std::string(cardTypeName(image.CardMaterial)));
}

void BendRemedyTab::select(int choice) {
    if (!showing_ || !unitFitted() || choice < 0 || choice > kBendDisabled) return;
    std::int16_t& bendCell = context_.data.image.BendCell;
    if (bendCell != kBendDisabled) markCell(Label3_1, bendCell, false);
    bendCell = static_cast<std::int16_t>(choice);
    if (choice != kBendDisabled) markCell(Label3_1, choice, true);
    // "Disable" is selected exactly when no cell is.
    selecting_ = true;
    Opt3_1.setValue(choice == kBendDisabled);
    selecting_ = false;
    applyHintColours();
}

void BendRemedyTab::applyHintColours() {
    guidance_.UpdateHintColours();
    paintHints(Label3_1, guidance_, HintBlock::Bend);
}

void BendRemedyTab::collect() {
    if (!showing_) return;  // no unit, or nothing shown: the bytes go back as read
    link::SettingsImage& image = context_.data.image;
    link::PrintConditionPage& page = image.PrintCondition;
    if (image.BendCell == kBendDisabled) {
        page.Byte36 = kDisabledTemperature;
        page.Byte37 = kDisabledSpeed;
        return;
    }
    const int cell = validCell(image.BendCell);
    page.Byte36 = static_cast<std::int16_t>(cell / kColumns);
    page.Byte37 = static_cast<std::int16_t>(cell % kColumns);
}

}  // namespace orvan::tabs
