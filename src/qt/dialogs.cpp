#include "qt/dialogs.h"

#include "qt/form_binder.h"
#include "qt/forms.h"

namespace orvan::qt {

Dialogs::Dialogs(QWidget* window, const std::vector<shell::Screen>& dialogs)
    : QObject(window), window_(window), dialogs_(dialogs) {
    for (const shell::Screen& screen : dialogs_) {
        observers_.push_back(
            screen.window->observe([this, &screen](ui::Control& c, ui::Property p) {
                if (p == ui::Property::Visible && c.visible() && !dialog(screen.form))
                    build(screen);
            }));
    }
}

Dialogs::~Dialogs() {
    for (std::size_t i = 0; i < observers_.size(); ++i)
        dialogs_[i].window->unobserve(observers_[i]);
}

QDialog* Dialogs::dialog(const std::string& form) const {
    const auto found = built_.find(form);
    return found == built_.end() ? nullptr : found->second;
}

// The binding shows the new dialog at once: the model's window is visible.
void Dialogs::build(const shell::Screen& screen) {
    QWidget* parent = screen.over ? dialog(screen.over) : window_;
    auto* built = qobject_cast<QDialog*>(createForm(screen.form, parent ? parent : window_));
    if (!built) {
        qWarning("no dialog form %s", screen.form);
        return;
    }
    built_[screen.form] = built;
    const FormMismatch mismatch = bindForm(built, screen.controls());
    if (!mismatch.ok()) qWarning("%s: %s", screen.form, qPrintable(mismatch.describe()));
    if (onBuilt) onBuilt(screen.form, built);
}

}  // namespace orvan::qt
