#pragma once
// orvan-status's survey over the in-process simulated printers, on the
// virtual clock: the simulator counts every call it makes.
#include <memory>

#include "headless/printer_survey.h"
#include "simulator/sim_command_port.h"
#include "simulator/sim_settings_port.h"
#include "simulator/simulated_printers.h"
#include "ui/virtual_clock.h"

namespace orvan::testing {

struct SurveyRig {
    ui::VirtualClockLoop loop;
    sim::SimulatedPrinters world = sim::defaultScenario();
    sim::SimCommandPort commands{world};
    sim::SimSettingsPort settings{world};
    headless::SurveySettings settingsOfRun{true, true, false, "", true};
    std::unique_ptr<headless::PrinterSurvey> survey;
    std::int64_t now = 1700000000;  // the wall clock of the next round, in seconds

    headless::PrinterSurvey& make() {
        survey = std::make_unique<headless::PrinterSurvey>(commands, settings, loop, settingsOfRun);
        return *survey;
    }
    headless::SurveyResult run(headless::Selection selection = {}) {
        if (!survey) make();
        return survey->run(selection, now);
    }
    int printerCalls() const { return static_cast<int>(world.calls().size()); }
};

inline headless::Selection named(const std::string& name) {
    return {headless::Selection::Kind::Named, name};
}
inline headless::Selection all() {
    return {headless::Selection::Kind::All, ""};
}

}  // namespace orvan::testing
