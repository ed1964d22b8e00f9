#include "ui/controls.h"

#include <algorithm>

namespace orvan::ui {

void OptionButton::setValue(bool v) {
    if (set(value_, v, Property::Value) && v) raise(onClick);
}

void OptionGroup::add(OptionButton& b) {
    buttons_->push_back(&b);
    // Selecting one option clears the others of its group before its own
    // click handler runs.
    b.observe([members = buttons_](Control& c, Property p) {
        if (p != Property::Value) return;
        auto& chosen = static_cast<OptionButton&>(c);
        if (!chosen.value()) return;
        for (auto* other : *members)
            if (other != &chosen) other->setValue(false);
    });
}

int OptionGroup::selected() const {
    for (std::size_t i = 0; i < buttons_->size(); ++i)
        if ((*buttons_)[i]->value()) return static_cast<int>(i);
    return -1;
}

void OptionGroup::select(int index) {
    if (index < 0 || index >= static_cast<int>(buttons_->size())) return;
    (*buttons_)[static_cast<std::size_t>(index)]->setValue(true);
}

void CheckBox::setValue(CheckState v) {
    if (set(value_, v, Property::Value)) raise(onClick);
}

void ComboBox::clear() {
    bool hadItems = !items_.empty();
    items_.clear();
    if (hadItems) notify(Property::Items);
    set(listIndex_, -1, Property::ListIndex);
    if (!editable_) set(text_, std::string(), Property::Value);
}

void ComboBox::addItem(const std::string& item) {
    items_.push_back(item);
    notify(Property::Items);
}

void ComboBox::setItems(std::vector<std::string> items) {
    set(listIndex_, -1, Property::ListIndex);
    if (!editable_) set(text_, std::string(), Property::Value);
    if (items == items_) return;
    items_ = std::move(items);
    notify(Property::Items);
}

void ComboBox::removeItem(int index) {
    if (index < 0 || index >= count()) return;
    items_.erase(items_.begin() + index);
    notify(Property::Items);
    if (index == listIndex_) {
        set(listIndex_, -1, Property::ListIndex);
        if (!editable_) set(text_, std::string(), Property::Value);
    } else if (index < listIndex_) {
        set(listIndex_, listIndex_ - 1, Property::ListIndex);
    }
}

std::string ComboBox::item(int index) const {
    if (index < 0 || index >= count()) return {};
    return items_[static_cast<std::size_t>(index)];
}

void ComboBox::setListIndex(int index) {
    if (index < -1 || index >= count()) return;
    if (index >= 0)
        set(text_, items_[static_cast<std::size_t>(index)], Property::Value);
    else if (!editable_)
        set(text_, std::string(), Property::Value);
    if (set(listIndex_, index, Property::ListIndex)) raise(onClick);
}

void ComboBox::setText(const std::string& t) {
    if (set(text_, t, Property::Value)) raise(onChange);
}

void HScrollBar::setRange(int min, int max) {
    if (max < min) std::swap(min, max);
    set(min_, min, Property::Range);
    set(max_, max, Property::Range);
    setValue(std::clamp(value_, min_, max_));
}

void HScrollBar::setValue(int v) {
    if (set(value_, std::clamp(v, min_, max_), Property::Value)) raise(onChange);
}

namespace {

// Byte length of the first `chars` characters of a UTF-8 text; continuation
// bytes never start a character, so a cut there keeps sequences whole.
std::size_t prefixBytes(const std::string& t, int chars) {
    std::size_t i = 0;
    for (int n = 0; i < t.size(); ++i) {
        bool starts = (static_cast<unsigned char>(t[i]) & 0xC0) != 0x80;
        if (starts && n++ == chars) break;
    }
    return i;
}

}  // namespace

void TextBox::setText(const std::string& t) {
    std::string cut = maxLength_ > 0 ? t.substr(0, prefixBytes(t, maxLength_)) : t;
    if (set(text_, cut, Property::Value)) raise(onChange);
}

void TextBox::setMaxLength(int n) {
    set(maxLength_, std::max(0, n), Property::Range);
    if (maxLength_ > 0) setText(text_);
}

void TextBox::setPasswordChar(char c) {
    set(passwordChar_, c, Property::Range);
}

void PictureBox::clearDrawing() {
    if (drawing_.empty()) return;
    drawing_.clear();
    notify(Property::Picture);
}

void PictureBox::fillRect(const FilledRect& r) {
    drawing_.push_back(r);
    notify(Property::Picture);
}

void AnimatedPicture::setMargins(int left, int top) {
    set(marginLeft_, left, Property::Picture);
    set(marginTop_, top, Property::Picture);
}

void TabControl::setCount(int n) {
    set(count_, std::max(0, n), Property::Items);
    if (tab_ >= count_) set(tab_, 0, Property::ListIndex);
}

void TabControl::setTab(int index) {
    if (index < 0 || index >= count_) return;
    if (set(tab_, index, Property::ListIndex)) raise(onClick);
}

}  // namespace orvan::ui
