#pragma once
// Who may change what: the test every guarded button makes, and the
// administrators dialog that grants functions to users who are not
// administrators.
#include <array>
#include <cstddef>
#include <functional>
#include <memory>

#include "shell/user_rights.h"
#include "ui/control_list.h"
#include "ui/controls.h"
#include "ui/event_loop.h"
#include "ui/form.h"

namespace orvan::shell {

// Open when the user is an administrator or the flag at index is granted.
// An index outside the twelve flags opens nothing for a non-administrator.
bool IsOpen(const UserRights& rights, bool isAdministrator, std::size_t index);

// The administrators dialog. It edits the rights in place and hands them to
// `save` (the configuration file) on "Update"; "Close" changes nothing.
class AdminForm {
  public:
    static constexpr const char* kForm = "admin_dialog";  // its Designer form

    using SaveRights = std::function<void(const UserRights&)>;

    AdminForm(UserRights& rights, SaveRights save);
    AdminForm(const AdminForm&) = delete;
    AdminForm& operator=(const AdminForm&) = delete;

    // Shows the dialog modally; returns once it has been closed.
    void open(ui::EventLoop& loop);

    ui::ControlList controls() { return {form, Frame1, Check1, Cmd1}; }

    ui::Form form{"AdminForm"};
    ui::Frame Frame1{"Frame1"};
    // Null at 5 and 6: those flags have no box.
    std::array<std::unique_ptr<ui::CheckBox>, kUserRightCount> Check1;
    std::array<ui::Button, 2> Cmd1{ui::Button{"Cmd1[0]"}, ui::Button{"Cmd1[1]"}};

  private:
    void load();
    void update();
    void close();

    UserRights& rights_;
    SaveRights save_;
};

}  // namespace orvan::shell
