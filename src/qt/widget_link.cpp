#include "qt/widget_link.h"

#include "ui/control_list.h"

#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace orvan::qt {

namespace {

// Text colours leave the disabled look alone, so a disabled control still
// reads as disabled; a background (light cyan for a disabled field) is kept.
void applyColour(QWidget* w, ui::Colour c, std::initializer_list<QPalette::ColorRole> roles,
                 bool whenDisabledToo) {
    QPalette pal = w->palette();
    for (auto role : roles) {
        pal.setColor(QPalette::Active, role, toQColor(c));
        pal.setColor(QPalette::Inactive, role, toQColor(c));
        if (whenDisabledToo) pal.setColor(QPalette::Disabled, role, toQColor(c));
    }
    w->setPalette(pal);
}

// WCAG's relative luminance.
double luminance(const QColor& c) {
    auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

}  // namespace

// WCAG's contrast ratio.
double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

namespace {

// The platform's grey for disabled text is unreadable on the light cyan of
// a disabled field (1.7:1): on a background of the logic's, disabled text
// darkens to a grey that still looks disabled but reads at 4.5:1 or more.
void keepDisabledTextReadable(QWidget* w) {
    QPalette pal = w->palette();
    const QColor back = pal.color(QPalette::Disabled, QPalette::Base);
    const QColor readable =
        luminance(back) > 0.5 ? QColor(0x59, 0x59, 0x59) : QColor(0xBE, 0xBE, 0xBE);
    bool changed = false;
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        if (contrast(pal.color(QPalette::Disabled, role), back) >= kReadableContrast) continue;
        pal.setColor(QPalette::Disabled, role, readable);
        changed = true;
    }
    if (changed) w->setPalette(pal);
}

// A child is shown or hidden with its parent; a widget that has no parent yet
// must never pop up as a window of its own.
void applyVisible(QWidget* w, bool visible) {
    if (w->parentWidget())
        w->setVisible(visible);
    else if (!visible)
        w->hide();
}

}  // namespace

void applyGeometry(QWidget* w, const ui::Control& c) {
    if (c.top() == 0 && c.height() == 0 && c.width() == 0) return;  // left to the layout
    const int width = c.width() > 0 ? c.width() / kTwipsPerPixel : w->width();
    int height = c.height() > 0 ? c.height() / kTwipsPerPixel : w->height();
    QWidget* parent = w->parentWidget();
    if (parent && parent->layout()) {
        w->setFixedSize(width, height);
        return;
    }
    if (auto* label = qobject_cast<QLabel*>(w); label && label->wordWrap())
        height = std::max(height, label->heightForWidth(width));
    w->setGeometry(c.left() / kTwipsPerPixel, c.top() / kTwipsPerPixel, width, height);
}

namespace {

void applyBorder(QWidget* w, bool border) {
    if (auto* frame = qobject_cast<QFrame*>(w))
        frame->setFrameStyle(border ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
}

}  // namespace

ControlLink* bindWidget(QWidget* widget, ui::Control& control, ControlLink::Apply own) {
    widget->setObjectName(toQt(ui::widgetName(control.name())));
    // Colours and borders the logic never set keep the platform's look.
    auto bound = std::make_shared<bool>(false);
    auto common = [widget, &control, bound](ui::Property p) {
        switch (p) {
            case ui::Property::Enabled:
                widget->setEnabled(control.enabled());
                break;
            case ui::Property::Visible:
                applyVisible(widget, control.visible());
                break;
            case ui::Property::ToolTip:
                widget->setToolTip(toQt(control.toolTip()));
                break;
            case ui::Property::ForeColour:
                if (*bound || control.foreColour() != ui::kBlack)
                    applyColour(widget, control.foreColour(),
                                {QPalette::WindowText, QPalette::Text, QPalette::ButtonText},
                                false);
                break;
            case ui::Property::BackColour:
                if (*bound || control.backColour() != ui::kWhite) {
                    widget->setAutoFillBackground(true);
                    applyColour(widget, control.backColour(),
                                {QPalette::Window, QPalette::Base, QPalette::Button}, true);
                    keepDisabledTextReadable(widget);
                }
                break;
            case ui::Property::FontSize: {
                // The form's root carries the default size for all its
                // widgets (bindForm): setting it on each one again costs a
                // font resolution per widget at every start.
                if (control.fontSize() <= 0) break;
                if (!*bound && control.fontSize() == ui::kDefaultFontSize) break;
                QFont f = widget->font();
                f.setPointSize(control.fontSize());
                widget->setFont(f);
                break;
            }
            case ui::Property::Border:
                if (*bound || control.border()) applyBorder(widget, control.border());
                break;
            case ui::Property::Geometry:
                applyGeometry(widget, control);
                break;
            default:
                break;
        }
    };
    auto* link = new ControlLink(widget, control, [common, own](ui::Property p) {
        common(p);
        if (own) own(p);
    });
    link->onEvent = [link](QEvent* e) {
        if (e->type() == QEvent::FocusIn) link->gesture<ui::Control>([](auto& c) { c.gotFocus(); });
        return false;
    };
    widget->installEventFilter(link);
    link->applyAll();
    *bound = true;
    return link;
}

}  // namespace orvan::qt
