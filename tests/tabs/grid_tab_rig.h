#pragma once
// A grid tab over the in-process simulator, with the simulator's colour
// guidance (or none) behind it.
#include <memory>
#include <vector>

#include "simulator/sim_guidance.h"
#include "tab_rig.h"
#include "tabs/colour_guidance.h"
#include "tabs/hint_grid.h"

namespace orvan::testing {

template <class Tab>
struct GridTabRig : TabRig {
    sim::SimGuidance library{world};
    std::unique_ptr<tabs::ColourGuidance> guidance;
    std::unique_ptr<Tab> tab;

    explicit GridTabRig(bool withGuidance = true) : TabRig(Tab::kLinkPlan) {
        cardType = 0;
        guidance =
            std::make_unique<tabs::ColourGuidance>(withGuidance ? &library : nullptr, data.image);
        tab = std::make_unique<Tab>(context(), *guidance);
    }

    // Start-up, then a click on the tab.
    void show() {
        tab->setup();
        refill();
    }
    void refill() {
        readTab();
        tab->fill();
    }
    void clickUpdate(ui::Button& update) {
        boxes.answerNext(ui::Answer::Ok);
        update.click();
    }

    // The cells that show the selection mark (a border and "*").
    static std::vector<int> marked(const tabs::CellGrid& grid) {
        std::vector<int> out;
        for (int i = 0; i < tabs::kGridCells; ++i) {
            const ui::Label& cell = grid[static_cast<std::size_t>(i)];
            if (cell.border() || !cell.caption().empty()) {
                EXPECT_TRUE(cell.border() && cell.caption() == "*") << cell.name();
                out.push_back(i);
            }
        }
        return out;
    }
    static bool allRed(const tabs::CellGrid& grid) {
        for (const auto& cell : grid)
            if (cell.backColour() != ui::kRed) return false;
        return true;
    }
    // The arguments of the last colour-guidance request.
    std::vector<std::int64_t> lastAsked() const {
        const auto* call = world.lastCall("GetHueAdvisorID");
        return call ? call->args : std::vector<std::int64_t>{};
    }
};

}  // namespace orvan::testing
