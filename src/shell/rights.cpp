#include "shell/rights.h"

#include <utility>

namespace orvan::shell {
namespace {

// Flags 5 and 6 are kept for the file's sake but open nothing, so the
// dialog offers no box for them.
constexpr bool hasBox(std::size_t index) {
    return index != 5 && index != 6;
}

}  // namespace

bool IsOpen(const UserRights& rights, bool isAdministrator, std::size_t index) {
    return isAdministrator || rights.granted(index);
}

AdminForm::AdminForm(UserRights& rights, SaveRights save)
    : rights_(rights), save_(std::move(save)) {
    for (std::size_t i = 0; i < Check1.size(); ++i) {
        if (!hasBox(i)) continue;
        Check1[i] = std::make_unique<ui::CheckBox>(ui::indexed("Check1", static_cast<int>(i)));
    }
    form.onLoad = [this] { load(); };
    form.onCloseRequested = [this] { close(); };
    Cmd1[0].onClick = [this] { update(); };
    Cmd1[1].onClick = [this] { close(); };
}

void AdminForm::open(ui::EventLoop& loop) {
    form.showModal(loop);
}

void AdminForm::load() {
    for (std::size_t i = 0; i < Check1.size(); ++i)
        if (Check1[i]) Check1[i]->setChecked(rights_.flags[i]);
}

void AdminForm::update() {
    // Flags without a box are cleared, so a hand-edited file that set them
    // is put right by the next save.
    for (std::size_t i = 0; i < Check1.size(); ++i)
        rights_.flags[i] = Check1[i] && Check1[i]->checked();
    // A save that fails is not reported: the grant is simply lost at the
    // next start.
    if (save_) save_(rights_);
    close();
}

void AdminForm::close() {
    form.setVisible(false);
}

}  // namespace orvan::shell
