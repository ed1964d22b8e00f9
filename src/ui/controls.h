#pragma once
// The control kinds of the window. Setters that a user gesture can also cause
// (a combo's list position, an option button, a check box, a scroll bar, a
// text box) raise the control's event exactly once when the value changes,
// whether the change came from code or from the user.
#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"

namespace orvan::ui {

class Label : public Control {
  public:
    using Control::Control;
};

class Button : public Control {
  public:
    using Control::Control;
};

class Frame : public Control {
  public:
    using Control::Control;
};

// Raises onClick when it becomes selected (never when it is cleared). The
// group that keeps options exclusive is OptionGroup.
class OptionButton : public Control {
  public:
    using Control::Control;
    bool value() const { return value_; }
    void setValue(bool v);

  private:
    bool value_ = false;
};

// Option buttons of one frame: selecting one clears the others. The list is
// shared with the buttons' observers, so a copied or destroyed group never
// leaves them pointing at freed memory.
class OptionGroup {
  public:
    void add(OptionButton& b);
    // Index of the selected option, -1 when none.
    int selected() const;
    void select(int index);
    const std::vector<OptionButton*>& buttons() const { return *buttons_; }

  private:
    std::shared_ptr<std::vector<OptionButton*>> buttons_ =
        std::make_shared<std::vector<OptionButton*>>();
};

enum class CheckState { Unchecked = 0, Checked = 1, Grayed = 2 };

// Raises onClick when its value changes.
class CheckBox : public Control {
  public:
    using Control::Control;
    CheckState value() const { return value_; }
    bool checked() const { return value_ == CheckState::Checked; }
    void setValue(CheckState v);
    void setChecked(bool c) { setValue(c ? CheckState::Checked : CheckState::Unchecked); }

  private:
    CheckState value_ = CheckState::Unchecked;
};

// Combo box or list box. listIndex -1 means no selection. Setting the list
// position to a new value raises onClick; editing the text raises onChange.
// Removing an item keeps the selection on the same item (or clears it when
// that item goes) without raising onClick.
class ComboBox : public Control {
  public:
    using Control::Control;
    const std::vector<std::string>& items() const { return items_; }
    int count() const { return static_cast<int>(items_.size()); }
    void clear();
    void addItem(const std::string& item);
    // All items at once, the selection cleared: observers hear of it once,
    // however long the list.
    void setItems(std::vector<std::string> items);
    void removeItem(int index);
    std::string item(int index) const;
    int listIndex() const { return listIndex_; }
    // Out-of-range positions are refused (the position stays as it was).
    void setListIndex(int index);
    // The editable text; for a drop-down list it follows the selection and is
    // empty without one.
    const std::string& text() const { return text_; }
    void setText(const std::string& t);
    bool editable() const { return editable_; }
    void setEditable(bool e) { set(editable_, e, Property::Range); }

  private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
    std::string text_;
    bool editable_ = false;
};

// A list box: a combo box's list without the text field. A double click
// (or Enter) on a row raises onDoubleClick.
class ListBox : public ComboBox {
  public:
    using ComboBox::ComboBox;
    Handler onDoubleClick;
    void doubleClick() { raise(onDoubleClick); }
};

// Horizontal scroll bar; raises onChange when its value changes. Values are
// kept inside [min, max].
class HScrollBar : public Control {
  public:
    using Control::Control;
    int min() const { return min_; }
    int max() const { return max_; }
    int value() const { return value_; }
    void setRange(int min, int max);
    void setValue(int v);

  private:
    int min_ = 0, max_ = 32767, value_ = 0;
};

// Text box; raises onChange when its text changes. A max length of 0 means
// no limit; longer texts are cut to it. Lengths count characters (UTF-8 code
// points), so a cut never splits one.
class TextBox : public Control {
  public:
    using Control::Control;
    const std::string& text() const { return text_; }
    void setText(const std::string& t);
    int maxLength() const { return maxLength_; }
    void setMaxLength(int n);
    char passwordChar() const { return passwordChar_; }
    void setPasswordChar(char c);

  private:
    std::string text_;
    int maxLength_ = 0;
    char passwordChar_ = 0;
};

// A filled rectangle drawn on a picture box, in twips from the box's origin.
struct FilledRect {
    int x1, y1, x2, y2;
    Colour colour;
    bool operator==(const FilledRect&) const = default;
};

// Picture box: a picture file (empty: none) and drawn rectangles (gauges).
class PictureBox : public Control {
  public:
    using Control::Control;
    const std::string& picture() const { return picture_; }
    void setPicture(const std::string& path) { set(picture_, path, Property::Picture); }
    const std::vector<FilledRect>& drawing() const { return drawing_; }
    void clearDrawing();
    void fillRect(const FilledRect& r);

  private:
    std::string picture_;
    std::vector<FilledRect> drawing_;
};

// Animated picture on a tinted background, with page margins in pixels.
class AnimatedPicture : public Control {
  public:
    using Control::Control;
    const std::string& picture() const { return picture_; }
    void setPicture(const std::string& path) { set(picture_, path, Property::Picture); }
    Colour tint() const { return tint_; }
    void setTint(Colour c) { set(tint_, c, Property::Picture); }
    int marginLeft() const { return marginLeft_; }
    int marginTop() const { return marginTop_; }
    void setMargins(int left, int top);

  private:
    std::string picture_;
    Colour tint_ = kWhite;
    int marginLeft_ = 0, marginTop_ = 0;
};

// Tab control: how many tabs and the selected one. Selecting another tab
// raises onClick once; an index past the last tab is refused, and fewer tabs
// than the selected index select tab 0. The tabs' captions never change, so
// they live in the form alone.
class TabControl : public Control {
  public:
    using Control::Control;
    int count() const { return count_; }
    void setCount(int n);
    int tab() const { return tab_; }
    void setTab(int index);

  private:
    int count_ = 0;
    int tab_ = 0;
};

// A popup menu: its caption and its items (separate MenuItem controls).
class Menu : public Control {
  public:
    using Control::Control;
};

// A table of text rows; its columns and their headers live in the form.
// A marked row stands out (a difference); a dimmed row cannot be acted on,
// and says why in its own cells, so a screen reader hears it too.
struct TableRow {
    std::vector<std::string> cells;
    bool marked = false;
    bool dimmed = false;
    bool operator==(const TableRow&) const = default;
};

class Table : public Control {
  public:
    using Control::Control;
    const std::vector<TableRow>& rows() const { return rows_; }
    void setRows(std::vector<TableRow> rows) { set(rows_, std::move(rows), Property::Items); }

  private:
    std::vector<TableRow> rows_;
};

// Menu item of a popup menu; caption "-" is a separator.
class MenuItem : public Control {
  public:
    using Control::Control;
    bool isDefault() const { return isDefault_; }
    void setDefault(bool d) { set(isDefault_, d, Property::Value); }

  private:
    bool isDefault_ = false;
};

}  // namespace orvan::ui
