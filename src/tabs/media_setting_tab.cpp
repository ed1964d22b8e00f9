#include "tabs/media_setting_tab.h"

#include <span>

#include "link/conversions.h"
#include "link/settings_image.h"

namespace orvan::tabs {
namespace {

using link::conditionField;
using link::FieldRef;
using link::PrintConditionPage;

constexpr std::size_t kRightIndex = 4;

struct RibbonRow {
    int code;
    const char* name;
};
// Codes 252 to 255 are what the ribbon's tag reader reports instead of a ribbon.
constexpr RibbonRow kRibbons[] = {
    {0, " YMCK"},
    {2, " YMCK-PO"},
    {3, " K"},
    {4, " YMCKK"},
    {5, " YMCK-UV"},
    {252, "(252:Invalid TAG Data)"},
    {253, "(253:Defective TAG)"},
    {254, "(254:No TAG)"},
    {255, "(255:Defective R/W)"},
};

constexpr const char* kMaterials[] = {"PVC", "PET-G", "HR-PET-G"};
constexpr const char* kFilmTypes[] = {"Standard(1000)", "Standard(750)"};
constexpr const char* kThicknesses[] = {"Standard", "Thin"};

// The two page bytes shown as a choice of two: byte 0 is the first item,
// byte 2 the second.
struct ChoiceRow {
    int list;
    FieldRef field;
};
constexpr ChoiceRow kChoices[] = {
    {FilmTypeList, conditionField<&PrintConditionPage::Byte20>},
    {ThicknessList, conditionField<&PrintConditionPage::Byte22>},
};
constexpr std::int16_t kChoiceBytes[] = {0, 2};

void fillList(ui::ComboBox& list, std::span<const char* const> items) {
    list.clear();
    for (const char* item : items) list.addItem(item);
}

}  // namespace

std::string RibbonName(int code) {
    for (const auto& row : kRibbons)
        if (row.code == code) return row.name;
    return "";
}

MediaSettingTab::MediaSettingTab(TabContext context, CardMaterialLink cardMaterial)
    : context_(std::move(context)),
      cardMaterial_(std::move(cardMaterial)),
      buttons_(context_.link, kLinkPlan,
               SettingTabSteps{[this] { fill(); }, [this] { collect(); }, {}}) {
    buttons_.wire(Cmd4[kUpdateButton], Cmd4[kRefreshButton]);
}

ui::ControlList MediaSettingTab::controls() {
    return {Label4_0, Combo4, Cmd4};
}

void MediaSettingTab::setup() {
    fillList(Combo4[MaterialList], kMaterials);
    fillList(Combo4[FilmTypeList], kFilmTypes);
    fillList(Combo4[ThicknessList], kThicknesses);
    Cmd4[kUpdateButton].setEnabled(context_.open(kRightIndex));
}

void MediaSettingTab::fillWithoutPrinter() {
    for (auto& label : Label4_0) label.setCaption("");
    for (auto& list : Combo4) {
        list.setListIndex(-1);
        list.setEnabled(false);
    }
}

void MediaSettingTab::fill() {
    if (!context_.connected()) {
        fillWithoutPrinter();
        return;
    }
    link::SettingsImage& image = context_.data.image;
    Label4_0[0].setCaption(RibbonName(image.MediaInfo.Byte2));
    Label4_0[1].setCaption(link::NumberText(image.MediaInfo.Count));
    Label4_0[2].setCaption(" " + image.MediaInfo.Text);

    ui::ComboBox& material = Combo4[MaterialList];
    material.setEnabled(true);
    image.CardMaterial = cardMaterial_.readCardType ? cardMaterial_.readCardType() : 0;
    if (image.CardMaterial >= 0 && image.CardMaterial < material.count())
        material.setListIndex(image.CardMaterial);

    for (const auto& row : kChoices) {
        ui::ComboBox& list = Combo4[static_cast<std::size_t>(row.list)];
        list.setEnabled(true);
        const std::int16_t byte = link::fieldValue(image, row.field);
        for (int i = 0; i < 2; ++i)
            if (byte == kChoiceBytes[i]) list.setListIndex(i);
    }
}

void MediaSettingTab::collect() {
    link::SettingsImage& image = context_.data.image;
    const int index = Combo4[MaterialList].listIndex();
    const std::int16_t material = static_cast<std::int16_t>(index == 1 || index == 2 ? index : 0);
    const bool changed = material != image.CardMaterial;
    image.CardMaterial = material;
    if (changed && cardMaterial_.cardMaterialChanged) cardMaterial_.cardMaterialChanged();
    if (cardMaterial_.writeCardType) cardMaterial_.writeCardType(material);

    for (const auto& row : kChoices) {
        const int chosen = Combo4[static_cast<std::size_t>(row.list)].listIndex();
        row.field(image) = chosen == 1 ? kChoiceBytes[1] : kChoiceBytes[0];
    }
}

}  // namespace orvan::tabs
