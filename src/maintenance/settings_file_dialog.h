#pragma once
// The comparison of a settings file with the watched printer: one row per
// setting of the file with its caption, the printer's value and the file's,
// the differing rows marked, the rows this printer cannot take dimmed with
// the reason. "Apply" writes the differences as the tabs' Update does (the
// rights, one question, the busy wait, one link operation), reads them back
// and shows which settings now match and which did not take.
#include <functional>
#include <string>

#include "settings_file/settings_job.h"
#include "tabs/tab_context.h"
#include "ui/control_list.h"
#include "ui/controls.h"
#include "ui/event_loop.h"
#include "ui/form.h"

namespace orvan::maintenance {

// The audit of a settings file's writes: the file, the settings sent, the
// first failure (0 when all took).
using SettingsFileWritten =
    std::function<void(const std::string& file, const std::string& settings, link::ResultCode)>;

class SettingsFileForm {
  public:
    static constexpr const char* kForm = "settings_file_dialog";  // its Designer form

    SettingsFileForm(tabs::TabContext context, ui::EventLoop& loop, SettingsFileWritten written);
    SettingsFileForm(const SettingsFileForm&) = delete;
    SettingsFileForm& operator=(const SettingsFileForm&) = delete;

    // Reads the printer, compares and shows the dialog until it is closed;
    // a printer that cannot be read is said in a box instead.
    void open(settings_file::SettingsDocument doc, const std::string& path);

    ui::ControlList controls() { return {form, Label1, Table1, Label2, Command1, Command2}; }

    ui::Form form{"SettingsFileForm"};
    ui::Label Label1{"Label1"};       // the file and the printer compared
    ui::Table Table1{"Table1"};       // Setting | This Printer | File | Note
    ui::Label Label2{"Label2"};       // what there is to do, or what was done
    ui::Button Command1{"Command1"};  // "Apply"
    ui::Button Command2{"Command2"};  // "Close"

  private:
    settings_file::PrinterAccess access();
    void apply();
    void show(const settings_file::ApplyReport* done);

    tabs::TabContext context_;
    ui::EventLoop& loop_;
    SettingsFileWritten written_;
    settings_file::SettingsDocument doc_;
    std::string path_;
    settings_file::Comparison comparison_;
};

}  // namespace orvan::maintenance
