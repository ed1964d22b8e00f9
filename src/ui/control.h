#pragma once
// The control model: named controls whose properties the screen logic sets and
// whose events it handles. A front end observes the properties and forwards
// user gestures; the logic never knows how a control is drawn.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace orvan::ui {

// Colours are 0xBBGGRR numbers, as the printer tools have always stored them.
using Colour = std::uint32_t;
constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kRed = 0x0000FF;
constexpr Colour kBlue = 0xFF0000;
constexpr Colour kLightCyan = 0xFFFFC0;  // disabled input fields
// Points; every control starts with it.
constexpr int kDefaultFontSize = 9;

enum class Property {
    Caption,
    Enabled,
    Visible,
    ForeColour,
    BackColour,
    FontSize,
    Border,
    Geometry,   // left, top, width, height (twips)
    Value,      // check state, option state, scroll value, text of a text box
    Items,      // combo and list items
    ListIndex,  // combo and list selection
    Range,      // scroll bar min and max, text box max length, password character
    Picture,    // picture file, drawn rectangles, animated picture tint
    ToolTip,    // the text shown while the pointer rests on the control
};

class Control {
  public:
    using Observer = std::function<void(Control&, Property)>;
    using Handler = std::function<void()>;

    explicit Control(std::string name) : name_(std::move(name)) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // A control array element is named with its index: "Cmd1[0]".
    const std::string& name() const { return name_; }

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& v) {
        captionKnown_ = true;
        set(caption_, v, Property::Caption);
    }
    // A caption that never changes is written once, in the form. The front
    // end hands the form's text to a control whose caption nothing has set
    // yet; no observer hears of it, as nothing on screen changes. From then
    // on the model holds it, so another widget for the control shows it too.
    bool captionKnown() const { return captionKnown_; }
    void adoptCaption(const std::string& shown) {
        if (captionKnown_) return;
        caption_ = shown;
        captionKnown_ = true;
    }
    bool enabled() const { return enabled_; }
    void setEnabled(bool v) { set(enabled_, v, Property::Enabled); }
    bool visible() const { return visible_; }
    void setVisible(bool v) { set(visible_, v, Property::Visible); }
    Colour foreColour() const { return foreColour_; }
    void setForeColour(Colour v) { set(foreColour_, v, Property::ForeColour); }
    Colour backColour() const { return backColour_; }
    void setBackColour(Colour v) { set(backColour_, v, Property::BackColour); }
    int fontSize() const { return fontSize_; }
    void setFontSize(int v) { set(fontSize_, v, Property::FontSize); }
    bool border() const { return border_; }
    void setBorder(bool v) { set(border_, v, Property::Border); }
    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(const std::string& v) { set(toolTip_, v, Property::ToolTip); }

    // Twips; 0 means "wherever the layout puts it". Only the logic that moves
    // a control itself sets them.
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setLeft(int v) { set(left_, v, Property::Geometry); }
    void setTop(int v) { set(top_, v, Property::Geometry); }
    void setWidth(int v) { set(width_, v, Property::Geometry); }
    void setHeight(int v) { set(height_, v, Property::Geometry); }

    // Observers hear about every property that actually changed.
    int observe(Observer o);
    void unobserve(int id);

    // Expires when the control is destroyed: a widget or a loop that may
    // outlive the control checks it before calling back.
    std::weak_ptr<const void> lifetime() const { return alive_; }

    // Events. The logic installs handlers; the front end (or a test) raises
    // them for user gestures.
    Handler onClick, onChange, onDropDown, onGotFocus;
    void click() { raise(onClick); }
    void dropDown() { raise(onDropDown); }
    void gotFocus() { raise(onGotFocus); }

  protected:
    template <typename T>
    bool set(T& field, const T& value, Property p) {
        if (field == value) return false;
        field = value;
        notify(p);
        return true;
    }
    void notify(Property p);
    static void raise(const Handler& h) {
        if (h) h();
    }

  private:
    std::string name_;
    std::string caption_;
    bool captionKnown_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    Colour foreColour_ = kBlack;
    Colour backColour_ = kWhite;
    int fontSize_ = kDefaultFontSize;
    bool border_ = false;
    std::string toolTip_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    std::vector<std::pair<int, Observer>> observers_;
    int nextObserverId_ = 1;
    std::shared_ptr<const int> alive_ = std::make_shared<const int>(0);
};

// Builds the name of a control array element: indexed("Cmd1", 0) == "Cmd1[0]".
std::string indexed(const std::string& base, int index);

}  // namespace orvan::ui
