#pragma once
// The link between one Qt object and one model control. It applies property
// changes to the object and forwards user gestures to the control, for as
// long as both live: whichever goes first, the other is left alone.
#include <QEvent>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "ui/control.h"

namespace orvan::qt {

class ControlLink : public QObject {
  public:
    using Apply = std::function<void(ui::Property)>;

    // Owned by `owner` (the widget, action or timer it serves).
    ControlLink(QObject* owner, ui::Control& control, Apply apply);
    ~ControlLink() override;

    // The control, or null once it has been destroyed.
    ui::Control* control() const { return alive_.expired() ? nullptr : control_; }

    // Applies one property, or all of them, to the Qt object. User signals
    // that the object emits meanwhile are not echoed back to the model.
    void apply(ui::Property p);
    void applyAll();

    // Sees the owner's events first when installed as its event filter;
    // returning true swallows the event.
    std::function<bool(QEvent*)> onEvent;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Runs a user gesture against the control unless the control is gone or
    // the signal came from our own update.
    template <typename C, typename F>
    void gesture(F&& f) {
        ui::Control* c = control();
        if (!c || syncing_) return;
        f(static_cast<C&>(*c));
    }

  private:
    ui::Control* control_;
    std::weak_ptr<const void> alive_;
    int observer_ = 0;
    Apply apply_;
    bool syncing_ = false;
};

// Text conversions between the model (UTF-8) and Qt.
inline QString toQt(const std::string& s) {
    return QString::fromStdString(s);
}
inline std::string fromQt(const QString& s) {
    return s.toStdString();
}

// A caption as a screen reader should say it: mnemonic marks removed ("&&"
// stays as one "&").
QString withoutMnemonic(const QString& caption);
// What a button shows for the model's caption: the form's text, mnemonic
// included, while the caption is that text without it; else the caption.
QString withFormMnemonic(const std::string& caption, const QString& formText);

}  // namespace orvan::qt
