#include "qt/control_link.h"

namespace orvan::qt {

namespace {

constexpr ui::Property kAllProperties[] = {
    ui::Property::Caption,    ui::Property::Enabled,    ui::Property::Visible,
    ui::Property::ForeColour, ui::Property::BackColour, ui::Property::FontSize,
    ui::Property::Border,     ui::Property::Geometry,   ui::Property::Items,
    ui::Property::Range,      ui::Property::ListIndex,  ui::Property::Value,
    ui::Property::Picture,    ui::Property::ToolTip,
};

}  // namespace

ControlLink::ControlLink(QObject* owner, ui::Control& control, Apply apply)
    : QObject(owner), control_(&control), alive_(control.lifetime()), apply_(std::move(apply)) {
    observer_ = control.observe([this](ui::Control&, ui::Property p) { this->apply(p); });
}

ControlLink::~ControlLink() {
    if (ui::Control* c = control()) c->unobserve(observer_);
}

void ControlLink::apply(ui::Property p) {
    if (!control() || !apply_) return;
    const bool outer = !syncing_;
    syncing_ = true;
    apply_(p);
    if (outer) syncing_ = false;
}

bool ControlLink::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && onEvent && control()) return onEvent(event);
    return QObject::eventFilter(watched, event);
}

// Items come before the list position and the value, so that a selection
// always finds its items in place.
void ControlLink::applyAll() {
    for (ui::Property p : kAllProperties) apply(p);
}

QString withoutMnemonic(const QString& caption) {
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (i + 1 < caption.size() && caption[i + 1] == u'&') out += u'&';
            ++i;
            if (i < caption.size() && caption[i] != u'&') out += caption[i];
            continue;
        }
        out += caption[i];
    }
    return out;
}

QString withFormMnemonic(const std::string& caption, const QString& formText) {
    const QString text = toQt(caption);
    return formText.contains(u'&') && withoutMnemonic(formText) == text ? formText : text;
}

}  // namespace orvan::qt
