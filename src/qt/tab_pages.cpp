#include "qt/tab_pages.h"

#include "qt/control_link.h"
#include "qt/form_binder.h"
#include "qt/forms.h"

namespace orvan::qt {

TabPages::TabPages(QtMainWindow& window, const std::vector<shell::Screen>& tabs)
    : QObject(&window), window_(window), tabs_(tabs), built_(tabs.size(), false) {
    connect(window.tabs(), &QTabWidget::currentChanged, this, [this](int tab) { ensure(tab); });
    ensure(window.tabs()->currentIndex());
}

bool TabPages::built(int tab) const {
    return tab >= 0 && static_cast<std::size_t>(tab) < built_.size() &&
           built_[static_cast<std::size_t>(tab)];
}

void TabPages::ensure(int tab) {
    if (tab < 0 || static_cast<std::size_t>(tab) >= tabs_.size() || built(tab)) return;
    const shell::Screen& screen = tabs_[static_cast<std::size_t>(tab)];
    built_[static_cast<std::size_t>(tab)] = true;
    QWidget* content = createForm(screen.form);
    if (!content) {
        qWarning("tab %d: no form %s", tab, screen.form);
        return;
    }
    // The page's panel is read under its tab's caption.
    content->setAccessibleName(withoutMnemonic(window_.tabs()->tabText(tab)));
    const FormMismatch mismatch = bindForm(content, screen.controls());
    if (!mismatch.ok()) qWarning("%s: %s", screen.form, qPrintable(mismatch.describe()));
    window_.setPage(tab, content);
}

}  // namespace orvan::qt
