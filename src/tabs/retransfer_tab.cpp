#include "tabs/retransfer_tab.h"

#include <string>

namespace orvan::tabs {
namespace {

using link::conditionField;
using link::FieldRef;
using link::PrintConditionPage;
using link::SettingsImage;

constexpr std::size_t kRightIndex = 2;
constexpr int kColumns = 6;
constexpr int kTopRow = 4;
constexpr int kSlowest = 5;     // speed byte of column 0
constexpr int kMaxUvSpeed = 5;  // 255: the printer offers no UV speed

// The "UV Speed" bars and their page bytes.
struct UvRow {
    std::size_t bar;
    FieldRef field;
};
constexpr UvRow kUvSpeeds[] = {
    {0, conditionField<&PrintConditionPage::Byte56>},
    {1, conditionField<&PrintConditionPage::Byte57>},
};

// A byte the bar can show. Beyond it (255, not offered, or a value no
// printer should send) the bar is off and the byte goes back as it came.
bool uvOffered(int field) {
    return field >= 0 && field <= kMaxUvSpeed;
}

int rowOf(int cell) {
    return cell / kColumns;
}
int speedOf(int cell) {
    return kSlowest - cell % kColumns;
}
int cellAt(int row, int speed) {
    return row * kColumns + (kSlowest - speed);
}

// An out-of-range byte becomes `to`.
void clampByte(std::int16_t& field, int max, std::int16_t to) {
    if (field < 0 || field > max) field = to;
}

}  // namespace

const RetransferTab::Side RetransferTab::kFront{&RetransferTab::Label2_3,
                                                &SettingsImage::FrontCell};
const RetransferTab::Side RetransferTab::kBack{&RetransferTab::Label2_4, &SettingsImage::BackCell};

RetransferTab::RetransferTab(TabContext context, ColourGuidance& guidance)
    : context_(std::move(context)),
      guidance_(guidance),
      buttons_(context_.link, kLinkPlan,
               SettingTabSteps{[this] { fill(); }, [this] { collect(); }, {}}) {
    onCellClick(Label2_3, [this](int cell) { select(kFront, kBack, cell); });
    onCellClick(Label2_4, [this](int cell) { select(kBack, kFront, cell); });
    for (auto& bar : HScroll2) bar.setRange(0, kMaxUvSpeed);
    buttons_.wire(Cmd2[kUpdateButton], Cmd2[kRefreshButton]);
}

ui::ControlList RetransferTab::controls() {
    return {Label2_3, Label2_4, Label2_5, HScroll2, Cmd2};
}

void RetransferTab::setup() {
    showNoChoice(Label2_3);
    showNoChoice(Label2_4);
    Cmd2[kUpdateButton].setEnabled(context_.open(kRightIndex));
}

void RetransferTab::fill() {
    if (context_.connected())
        fillFromImage();
    else
        fillWithoutPrinter();
}

void RetransferTab::fillWithoutPrinter() {
    showing_ = false;
    showNoChoice(Label2_3);
    showNoChoice(Label2_4);
    Label2_5.setCaption("");
    for (auto& bar : HScroll2) bar.setEnabled(false);
}

void RetransferTab::fillFromImage() {
    SettingsImage& image = context_.data.image;
    PrintConditionPage& page = image.PrintCondition;
    clampByte(page.Byte33, kTopRow, kTopRow);
    clampByte(page.Byte34, kSlowest, 0);
    clampByte(page.Byte35, kSlowest, 0);
    showing_ = true;
    applyHintColours();
    select(kFront, kBack, cellAt(page.Byte33, page.Byte34));
    select(kBack, kFront, cellAt(page.Byte33, page.Byte35));
    Label2_5.setCaption(std::string(cardTypeName(image.CardMaterial)));
    for (const UvRow& row : kUvSpeeds) {
        ui::HScrollBar& bar = HScroll2[row.bar];
        const int field = link::fieldValue(image, row.field);
        bar.setEnabled(uvOffered(field));
        if (uvOffered(field)) bar.setValue(field);
    }
}

void RetransferTab::select(const Side& chosen, const Side& other, int cell) {
    if (!showing_ || !context_.connected() || cell < 0 || cell >= kGridCells) return;
    SettingsImage& image = context_.data.image;
    std::int16_t& chosenCell = image.*chosen.cell;
    std::int16_t& otherCell = image.*other.cell;
    markCell(this->*chosen.grid, chosenCell, false);
    markCell(this->*other.grid, otherCell, false);
    chosenCell = static_cast<std::int16_t>(cell);
    markCell(this->*chosen.grid, cell, true);
    otherCell = static_cast<std::int16_t>(rowOf(cell) * kColumns + validCell(otherCell) % kColumns);
    markCell(this->*other.grid, otherCell, true);
    applyHintColours();
}

void RetransferTab::applyHintColours() {
    guidance_.UpdateHintColours();
    paintHints(Label2_3, guidance_, HintBlock::Front);
    paintHints(Label2_4, guidance_, HintBlock::Back);
}

void RetransferTab::collect() {
    if (!showing_) return;  // nothing chosen on screen: the bytes go back as read
    SettingsImage& image = context_.data.image;
    const int front = validCell(image.FrontCell);
    const int back = validCell(image.BackCell);
    image.PrintCondition.Byte33 = static_cast<std::int16_t>(rowOf(front));
    image.PrintCondition.Byte34 = static_cast<std::int16_t>(speedOf(front));
    image.PrintCondition.Byte35 = static_cast<std::int16_t>(speedOf(back));
    for (const UvRow& row : kUvSpeeds) {
        std::int16_t& field = row.field(image);
        if (uvOffered(field)) field = static_cast<std::int16_t>(HScroll2[row.bar].value());
    }
}

}  // namespace orvan::tabs
