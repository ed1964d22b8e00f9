#pragma once
// A Status tab with its view over a link state and printer data the tests
// set directly.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "link/link_state.h"
#include "link/printer_data.h"
#include "status/error_catalogue.h"
#include "status/status_tab.h"
#include "status/status_view.h"
#include "ui/scripted_message_boxes.h"

namespace orvan::status::testing {

inline const std::string kProgramDir = "/opt/orvan";

inline std::string programFile(const std::string& name) {
    return kProgramDir + "/" + name;
}

class StatusTabTest : public ::testing::Test {
  protected:
    StatusTabTest() {
        link.printerCount = 1;
        link.selected.connection = link::Connection::Usb;
        view = std::make_unique<StatusTabView>(tab, StatusSources{link,
                                                                  data,
                                                                  SharedCatalogue(),
                                                                  boxes,
                                                                  kProgramDir,
                                                                  [this] { return clearOpen; },
                                                                  {},
                                                                  {}});
    }

    void setJobs(std::vector<std::string> documents) {
        data.jobs.count = static_cast<int>(documents.size());
        data.jobs.owners.clear();
        for (std::size_t i = 0; i < documents.size(); ++i)
            data.jobs.owners.push_back("owner" + std::to_string(i));
        data.jobs.documents = std::move(documents);
    }

    link::LinkState link;
    link::PrinterData data;
    ui::ScriptedMessageBoxes boxes;
    ui::ComboBox combo0{"Combo0"};
    StatusTab tab{combo0};
    bool clearOpen = false;
    std::unique_ptr<StatusTabView> view;
};

}  // namespace orvan::status::testing
